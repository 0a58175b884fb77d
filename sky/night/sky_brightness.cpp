#include "sky/night/sky_brightness.h"

#include <algorithm>
#include <cmath>

#include "runtime/angle_units.h"

namespace orbitas {

double Airmass(double zenithDistance) {
  const double s = std::sin(std::clamp(zenithDistance, 0.0, 90.0) / DegreesPerRadian);
  return 1 / std::sqrt(1 - 0.96 * s * s);
}

double Nanolamberts(double surfaceMagnitude) { return 34.08 * std::exp(20.7233 - 0.92104 * surfaceMagnitude); }

double DarkSkyBrightness(double zenithDistance) {
  const double x = Airmass(zenithDistance);
  return Nanolamberts(DarkZenithSurfaceMagnitude) * std::pow(10.0, -0.4 * VisualExtinction * (x - 1)) * x;
}

double TwilightSkyBrightness(double sunAltitude) {
  constexpr double DarkBelow = -18, MagnitudesPerDegree = 0.9;
  if (sunAltitude <= DarkBelow) return 0;
  return Nanolamberts(DarkZenithSurfaceMagnitude - MagnitudesPerDegree * (sunAltitude - DarkBelow));
}

double MoonlitSkyBrightness(double phaseAngle, double separation, double moonZenithDistance, double zenithDistance) {
  if (moonZenithDistance >= 90) return 0;
  const double alpha = std::fabs(phaseAngle);
  // The Moon's illuminance outside the air, by its phase.
  const double illuminance = std::pow(10.0, -0.4 * (3.84 + 0.026 * alpha + 4e-9 * std::pow(alpha, 4)));
  // Scattering by aerosols (the cos² term) and by the air (the exponential
  // term, strong near the Moon).
  const double rho = std::max(separation, 0.0);
  const double cosRho = std::cos(rho / DegreesPerRadian);
  const double scattering = std::pow(10.0, 5.36) * (1.06 + cosRho * cosRho) + std::pow(10.0, 6.15 - rho / 40);
  return scattering * illuminance * std::pow(10.0, -0.4 * VisualExtinction * Airmass(moonZenithDistance)) *
         (1 - std::pow(10.0, -0.4 * VisualExtinction * Airmass(zenithDistance)));
}

double NakedEyeLimitingMagnitude(double nanolamberts) {
  // Rods below 1480 nL, cones above.
  const bool night = nanolamberts < 1480;
  const double c1 = std::pow(10.0, night ? -9.8 : -8.35), c2 = std::pow(10.0, night ? -1.9 : -5.9);
  const double root = 1 + std::sqrt(c2 * std::max(nanolamberts, 0.0));
  return -16.57 - 2.5 * std::log10(c1 * root * root);
}

double ZenithLimitingMagnitude(SkyDarkness sky) {
  switch (sky) {
    case SkyDarkness::Dark: return 7.3;
    case SkyDarkness::Rural: return 6.8;
    case SkyDarkness::Suburban: return 5.8;
    case SkyDarkness::Urban: return 4.8;
    case SkyDarkness::City: return 4.4;  // 4.3 would fall where the rods give way to the cones
  }
  return 6.8;
}

int BortleClass(SkyDarkness sky) {
  constexpr int Classes[] = {2, 3, 5, 7, 8};
  return Classes[static_cast<int>(sky)];
}

double SkyBrightnessForLimit(double magnitude) {
  const double threshold = std::pow(10.0, -(magnitude + 16.57) / 2.5);  // foot-candles
  const auto solve = [&](double c1, double c2) {
    const double root = std::sqrt(threshold / c1) - 1;
    return root > 0 ? root * root / c2 : 0.0;
  };
  // The rods below 1480 nL, the cones above; between the two branches'
  // limits at 1480 nL (4.30 and 4.21) the boundary itself.
  const double rods = solve(std::pow(10.0, -9.8), std::pow(10.0, -1.9));
  if (rods < 1480) return rods;
  return std::max(solve(std::pow(10.0, -8.35), std::pow(10.0, -5.9)), 1480.0);
}

double MoonlessSkyBrightness(SkyDarkness sky, double zenithDistance) {
  return SkyBrightnessForLimit(ZenithLimitingMagnitude(sky)) * DarkSkyBrightness(zenithDistance) /
         DarkSkyBrightness(0);
}

}  // namespace orbitas
