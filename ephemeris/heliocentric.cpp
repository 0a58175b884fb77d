#include "ephemeris/heliocentric.h"

#include "ephemeris/angles.h"

namespace orbitas {

// The digits of the Kepler solver's tolerance: 10^-12.
constexpr Int16 KeplerDigits = 12;

double EpochOffset(const ElementsTable& elements) {
  return (Real(elements[EpochEntry]) - EpochOffsetBase).value();
}

// Every product and sum is written in the order it must be evaluated:
// that order fixes the last bit of each coordinate.
HeliocentricPosition ComputeHeliocentricPosition(const ElementRow& row, double julianDay,
                                                 double epochOffset,
                                                 const ElementsTable& elements,
                                                 KeplerStages* kepler) {
  const Real i = row.inclination, node = row.node, perihelion = row.perihelion;
  const Real a = row.meanDistance, n = row.dailyMotion, e = row.eccentricity;
  const Real L = row.meanLongitude;

  HeliocentricPosition pos{};
  const Real t = Real(DaysFromJ2000(julianDay, elements)) - epochOffset;
  pos.t = t.value();
  const Real m0 = ((t * n) + L) - perihelion;
  pos.m0 = m0.value();
  pos.meanAnomaly = ReduceAngle(pos.m0, &pos.wholeTurns);
  pos.trueAnomaly = TrueAnomaly(pos.meanAnomaly, row.eccentricity, KeplerDigits, kepler);
  const Real nu = pos.trueAnomaly;
  const Real r = ((1 - e * e) * a) / ((Cos(nu) * e) + 1);
  pos.radius = r.value();
  const Real u = (perihelion + nu) - node;
  pos.u = u.value();
  pos.x = ((Cos(u) * Cos(node) - Sin(u) * Sin(node) * Cos(i)) * r).value();
  pos.y = ((Sin(u) * Cos(node) * Cos(i) + Cos(u) * Sin(node)) * r).value();
  pos.z = (Sin(u) * r * Sin(i)).value();
  return pos;
}

}  // namespace orbitas
