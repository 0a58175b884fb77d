#include "sky/night/night_showers.h"

#include <algorithm>
#include <cmath>

#include "runtime/angle_units.h"
#include "sky/bodies/moon.h"
#include "sky/bodies/reference.h"
#include "sky/frames/earth_turning.h"
#include "sky/frames/horizon.h"
#include "sky/frames/vector.h"
#include "sky/night/sky_brightness.h"
#include "sky/search/toolkit.h"

namespace orbitas {
namespace {

// A night's dark hours are sampled every half hour for the best rate.
constexpr int BestSamples = 24;

// The angle between two directions given by altitude and azimuth, degrees.
double Separation(double altitude1, double azimuth1, double altitude2, double azimuth2) {
  const double a1 = altitude1 / DegreesPerRadian, a2 = altitude2 / DegreesPerRadian;
  const double c = std::sin(a1) * std::sin(a2) +
                   std::cos(a1) * std::cos(a2) * std::cos((azimuth1 - azimuth2) / DegreesPerRadian);
  return std::acos(std::clamp(c, -1.0, 1.0)) * DegreesPerRadian;
}

}  // namespace

ShowerNight ShowerAt(const MeteorShower& shower, const Place& place, Instant at, SkyDarkness darkness) {
  ShowerNight s;
  s.shower = &shower;
  s.bestTime = at;
  const Radiant r = RadiantAt(shower, at);
  const HorizonCoordinates radiant = TurnedHorizonOf(place, at, r.rightAscension / 15, r.declination);
  s.radiantAltitude = radiant.altitude;
  // The reference's Sun, once: the activity, the Moon's light and the
  // Sun's height all need it.
  const Vector sun = *ReferenceGeocentric(Body::Sun, at);
  s.zhrNow = ZhrAt(shower, SolarLongitudeOf(sun));
  const MoonSky moon = MoonFrom(place, at);
  s.moonUp = moon.horizon.altitude > MoonHorizonAltitude(moon.semidiameter);
  s.moonIlluminated = MoonIlluminated(moon.geocentric, sun);
  const double zenithDistance = std::clamp(90 - radiant.altitude, 0.0, 90.0);
  const auto [sunRa, sunDec] = RightAscensionDeclination(sun);
  const double sunAltitude = TurnedHorizonOf(place, at, sunRa, sunDec).altitude;
  double sky = MoonlessSkyBrightness(darkness, zenithDistance) + TwilightSkyBrightness(sunAltitude);
  if (s.moonUp) {
    const double phaseAngle = std::acos(std::clamp(2 * s.moonIlluminated - 1, -1.0, 1.0)) * DegreesPerRadian;
    const double separation = Separation(moon.horizon.altitude, moon.horizon.azimuth, radiant.altitude, radiant.azimuth);
    sky += MoonlitSkyBrightness(phaseAngle, separation, std::clamp(90 - moon.horizon.altitude, 0.0, 89.9), zenithDistance);
  }
  s.limitingMagnitude = NakedEyeLimitingMagnitude(sky);
  s.hourlyRate = radiant.altitude > 0 ? s.zhrNow * std::sin(radiant.altitude / DegreesPerRadian) /
                                            std::pow(shower.populationIndex, 6.5 - s.limitingMagnitude)
                                      : 0;
  return s;
}

std::vector<ShowerNight> ShowersInTheNight(const Place& place, const std::vector<Span>& astronomicalDark,
                                           Instant middle, Instant darkest, SkyDarkness sky,
                                           const MeteorShower* only) {
  std::vector<ShowerNight> showers;
  for (const MeteorShower& shower : MeteorShowers()) {
    if ((only && &shower != only) || !ShowerActive(shower, middle)) continue;
    auto rate = [&](const Instant& t) { return ShowerAt(shower, place, t, sky).hourlyRate; };
    ShowerNight best = ShowerAt(shower, place, darkest, sky);
    best.darkestHour = astronomicalDark.empty();
    for (const Span& i : astronomicalDark) {
      const ShowerNight s = ShowerAt(shower, place, FindMaximum(rate, i, BestSamples), sky);
      if (&i == &astronomicalDark.front() || s.hourlyRate > best.hourlyRate) best = s;
    }
    if (best.radiantAltitude <= 0) {
      // No rate to choose an hour by: how high the radiant comes at all.
      auto radiant = [&](const Instant& t) { return ShowerAt(shower, place, t, sky).radiantAltitude; };
      double highest = best.radiantAltitude;
      for (const Span& i : astronomicalDark) highest = std::max(highest, radiant(FindMaximum(radiant, i, BestSamples)));
      if (highest <= 0) best.radiantHighest = highest;
    }
    showers.push_back(best);
  }
  return showers;
}

}  // namespace orbitas
