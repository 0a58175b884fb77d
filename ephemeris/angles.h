#pragma once
// Numeric and angle helpers of the position computation. All are pure.

#include "runtime/conversions.h"
#include "ephemeris/elements.h"

namespace orbitas {

// Pi as the 15-digit literal, not the library's more precise value: every
// result of the method is defined with this one.
inline constexpr double Pi = 3.14159265358979;
// One full turn in radians, exactly 2 * Pi.
inline constexpr double FullTurn = 2 * Pi;

// Days elapsed since J2000.0: jd (a Julian day, in days) - elements[65]
// (2451545.0), read from the table at every call. Raises
// FloatingPointFault only when the difference leaves the double range.
double DaysFromJ2000(double jd, const ElementsTable& elements);

// x truncated toward zero, as a 16-bit integer. Accepts -32769 < x < 32768;
// raises Overflow outside that range.
Int16 FixInteger(double x);

// The angle a (radians) reduced into 0 <= r < FullTurn by whole turns. The
// fraction of a turn is formed first, r = (t - k) * FullTurn with t =
// a / FullTurn and k its whole turns toward zero, then FullTurn is added
// when r is negative. Because k is a 16-bit integer, raises Overflow for
// |a| of about 32768 full turns (205887 radians) or more. If wholeTurns is
// not null it receives k.
double ReduceAngle(double a, Int16* wholeTurns = nullptr);

// The direction angle of the point (x, y), in radians, 0 <= result < FullTurn:
// Atn(y / x), plus Pi when x < 0, plus FullTurn when y < 0 and x > 0.
// Raises FloatingPointFault when x = 0 (also when y = 0).
double ArcTanQuadrant(double y, double x);

// A part of the decimal quantity v (hours or degrees), in the same unit
// and its sixtieths:
//   1: the whole part, toward zero, with the sign of v (-0.5 gives 0);
//   2: the whole minutes of |v|, 0 to 59;
//   3: the seconds of |v| with their fraction, 0 up to below 60.
// Any other part gives 0. Nothing is rounded or carried: 12.5125 gives
// 12, 30 and 44.9999999999974. Raises nothing for a finite v.
double SexagesimalPart(double v, Int16 part);

// The three parts of SexagesimalPart at once, by the same operations.
struct SexagesimalParts {
  double whole;    // part 1
  double minutes;  // part 2
  double seconds;  // part 3
};
SexagesimalParts SplitSexagesimal(double v);

}  // namespace orbitas
