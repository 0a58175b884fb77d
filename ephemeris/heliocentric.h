#pragma once
// Heliocentric rectangular coordinates of a body from its mean elements.

#include "ephemeris/elements.h"
#include "ephemeris/kepler.h"

namespace orbitas {

// The constant (a Julian day) subtracted from the elements' epoch to give
// EpochOffset: half a day past J2000.0's 2451545.0.
inline constexpr double EpochOffsetBase = 2451545.5;

// EpochOffset, in days: elements[64] - 2451545.5, the elements' epoch
// counted from half a day after J2000.0; 575.0 with the table's values.
// Raises FloatingPointFault only for a table entry beyond the double range.
double EpochOffset(const ElementsTable& elements);

// A body's position, with the intermediate values of its computation.
struct HeliocentricPosition {
  double t;             // days from the elements' epoch (plus half a day)
  double m0;            // mean anomaly before reduction, radians
  Int16 wholeTurns;     // whole turns taken off m0
  double meanAnomaly;   // M, 0 <= M < FullTurn, radians
  double trueAnomaly;   // nu, 0 <= nu < FullTurn, radians
  double radius;        // r, AU
  double u;             // angular distance from the ascending node, radians
  double x, y, z;       // AU, in the plane and origin of the elements
};

// The heliocentric position of the body whose elements are row, at the
// Julian day julianDay:
//   t  = DaysFromJ2000(julianDay) - epochOffset
//   M0 = ((t * n) + L) - perihelion;  M = ReduceAngle(M0)
//   nu = TrueAnomaly(M, e, 12)
//   r  = ((1 - e * e) * a) / ((cos nu * e) + 1)
//   u  = (perihelion + nu) - node
//   x  = (cos u cos node - sin u sin node cos i) r
//   y  = (sin u cos node cos i + cos u sin node) r
//   z  = sin u r sin i
// each product associating from the left. Raises Overflow when M0 reaches
// 32768 full turns (or 32769 below zero): for Mercury from a Julian day of
// about 5,334,694 up, for the Earth from about 14,420,758; FloatingPointFault
// when an operation faults. If kepler is not null, it receives the Newton
// steps.
// julianDay and epochOffset are in days.
HeliocentricPosition ComputeHeliocentricPosition(const ElementRow& row, double julianDay,
                                                 double epochOffset,
                                                 const ElementsTable& elements,
                                                 KeplerStages* kepler = nullptr);

}  // namespace orbitas
