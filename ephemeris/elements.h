#pragma once
// The fixed mean Keplerian elements of the nine bodies, at one epoch.

#include <array>

#include "runtime/conversions.h"

namespace orbitas {

// Degrees to radians, as the stored elements and the obliquity define it.
inline constexpr double DegreesToRadians = 0.0174532925199433;

// Entries 1 to 65 are used; entry 0 is never set or read. Body p (1 to 9)
// owns entries 7p-6 to 7p: inclination (rad), longitude of the ascending
// node (rad), longitude of perihelion (rad), mean distance (AU), daily
// motion (rad/day), eccentricity, mean longitude at the epoch (rad).
using ElementsTable = std::array<double, 66>;

inline constexpr int EpochEntry = 64;  // Julian day of the epoch of the elements
inline constexpr int J2000Entry = 65;  // Julian day of J2000.0
inline constexpr Int16 EarthBody = 3;

// Writes entries 1 to 65 in ascending order: each angle (and the daily
// motion) as its value in degrees times DegreesToRadians, the mean distance
// and eccentricity as written, then the two epochs. Cannot fail.
void FillElements(ElementsTable& elements);

// The seven elements of one body.
struct ElementRow {
  double inclination;    // i, radians
  double node;           // longitude of the ascending node, radians
  double perihelion;     // longitude of perihelion, radians
  double meanDistance;   // a, AU
  double dailyMotion;    // n, radians per day
  double eccentricity;   // e
  double meanLongitude;  // L at the epoch, radians
};

// The Earth's row, read at its fixed entries 15 to 21.
ElementRow EarthRow(const ElementsTable& elements);

// The row of body p: it starts after b = (p - 1) * 7, both 16-bit
// operations, and each entry b + k (k = 1..7) is again a 16-bit sum tested
// to lie in 0..65 before it is read. Raises Overflow when an operation
// leaves the 16-bit range and SubscriptOutOfRange for an index outside the
// table; both happen only for p outside 1..9.
ElementRow BodyRow(const ElementsTable& elements, Int16 p);

}  // namespace orbitas
