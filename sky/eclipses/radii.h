#pragma once
// The sizes that eclipses and transits are measured with: the Earth's
// ellipsoid (sky/frames/physical_constants.h), the Sun's and the Moon's radii, and the semidiameter a
// sphere shows from a distance.
#include "sky/frames/physical_constants.h"

namespace orbitas {

inline constexpr double SunRadiusKm = 696000.0;         // 959.63" at 1 AU
// The Moon's radius over the Earth's: the mean (IAU) for the penumbral
// contacts and magnitudes, a smaller one for total and annular phases,
// whose edges are the valleys of the limb (the canons' values).
inline constexpr double MoonRatio = 0.2725076;
inline constexpr double MoonUmbralRatio = 0.2722810;

// The semidiameter, radians, of a sphere of radius (km) at distance (km).
double Semidiameter(double radius, double distance);

}  // namespace orbitas
