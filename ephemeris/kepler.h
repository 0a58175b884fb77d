#pragma once
// Kepler's equation solved by Newton's method, and the true anomaly.

#include <vector>

#include "runtime/conversions.h"

namespace orbitas {

// One Newton step: E where it started, the residual F = (E - e sin E) - M
// there, and E after the step.
struct NewtonStep {
  double eStart;
  double residual;
  double eAfter;
};

// The working values of TrueAnomaly, for a caller that shows them.
struct KeplerStages {
  std::vector<NewtonStep> steps;
  double halfTangent = 0.0;  // t = Tan(E * 0.5)
  double q = 0.0;            // ((1 + e) / (1 - e)) ^ 0.5
};

// The most Newton steps TrueAnomaly takes. The program's own calls (n = 12,
// e below 0.25) never need more than five; only a tolerance below the
// arithmetic's noise or an eccentricity close to 1 would run on.
inline constexpr int MaxNewtonSteps = 100;

// The true anomaly nu (radians, 0 <= nu < FullTurn) of the mean anomaly M
// (radians, 0 <= M < FullTurn) for eccentricity e (0 <= e < 1), solving
// E - e sin E = M to the tolerance 10^-n.
//
// Starting from E = M and F = 0.05, a Newton step is taken while
// |F| >= 10^-n, where F is the residual at the E the latest step started
// from; so the E used is one step better than the last residual shows.
// For n <= 1 no step is taken. The steps stop after MaxNewtonSteps at the
// latest, with the E reached. Then t = Tan(E / 2), q = ((1 + e)/(1 - e))^0.5
// and nu = 2 Atn(q t), plus FullTurn when negative.
//
// Raises FloatingPointFault for e = 1, or when 1 - e cos E is 0; Overflow
// for n = -32768 (its negation leaves the 16-bit range). If stages is not
// null, every step and the final values are recorded in it.
double TrueAnomaly(double M, double e, Int16 n, KeplerStages* stages = nullptr);

}  // namespace orbitas
