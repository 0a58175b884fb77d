#include "ephemeris/angles.h"

namespace orbitas {

double DaysFromJ2000(double jd, const ElementsTable& elements) {
  return (Real(jd) - elements[J2000Entry]).value();
}

Int16 FixInteger(double x) {
  const Int16 s = Sgn(x);
  const Real w = Int(Abs(x));
  const Real p = Real(s) * w;
  return CInt(p);
}

double ReduceAngle(double a, Int16* wholeTurns) {
  const Real t = Real(a) / FullTurn;
  const Int16 k = FixInteger(t.value());
  if (wholeTurns) *wholeTurns = k;
  // The fraction of a turn first, then back to radians: not a - k * FullTurn.
  Real r = (t - Real(k)) * FullTurn;
  if (r < 0.0) r = r + FullTurn;
  return r.value();
}

double ArcTanQuadrant(double y, double x) {
  Real a = Atn(Real(y) / x);
  if (x < 0.0) a = a + Pi;
  if (y < 0.0 && x > 0.0) a = a + FullTurn;
  return a.value();
}

SexagesimalParts SplitSexagesimal(double v) {
  const Real value = v;
  const Real f = Abs(value) - Abs(Fix(value));
  const Real m = f * 60;
  return {Fix(value).value(), Int(m).value(), ((m - Int(m)) * 60).value()};
}

double SexagesimalPart(double v, Int16 part) {
  const SexagesimalParts parts = SplitSexagesimal(v);
  switch (part) {
    case 1: return parts.whole;
    case 2: return parts.minutes;
    case 3: return parts.seconds;
    default: return 0.0;
  }
}

}  // namespace orbitas
