#include "ephemeris/kepler.h"

#include "ephemeris/angles.h"

namespace orbitas {

double TrueAnomaly(double M, double e, Int16 n, KeplerStages* stages) {
  const Real m = M, ecc = e;
  Real E = m;
  Real F = 0.05;
  for (int step = 0; step < MaxNewtonSteps; ++step) {
    const Real tolerance = Pow(10, Real(Neg16(n)));
    if (Abs(F) < tolerance) break;
    const Real eStart = E;
    const Real S = Sin(E);
    F = (E - ecc * S) - m;
    const Real C = Cos(E);
    E = E - F / (1 - ecc * C);
    if (stages) stages->steps.push_back({eStart.value(), F.value(), E.value()});
  }
  const Real t = Tan(E * 0.5);
  const Real q = Pow((1 + ecc) / (1 - ecc), 0.5);
  Real nu = 2 * Atn(q * t);
  if (nu < 0.0) nu = nu + FullTurn;
  if (stages) {
    stages->halfTangent = t.value();
    stages->q = q.value();
  }
  return nu.value();
}

}  // namespace orbitas
