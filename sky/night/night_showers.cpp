#include "sky/night/night_showers.h"

#include <cmath>

#include "runtime/angle_units.h"
#include "sky/bodies/moon.h"
#include "sky/bodies/reference.h"
#include "sky/frames/horizon.h"
#include "sky/search/toolkit.h"

namespace orbitas {
namespace {

constexpr int BestSamples = 24;

double RadiantAltitude(const MeteorShower& shower, const Place& place, double jd) {
  const Radiant r = RadiantAt(shower, jd);
  return ComputeHorizon(jd, r.rightAscension / 15, r.declination, place.latitude, place.longitude).altitude;
}

}  // namespace

std::vector<ShowerNight> ShowersInTheNight(const Place& place, const DarkSky& dark) {
  std::vector<ShowerNight> showers;
  if (dark.intervals.empty()) return showers;
  for (const MeteorShower& shower : MeteorShowers()) {
    if (!ShowerActive(shower, dark.middle)) continue;
    ShowerNight s;
    s.shower = &shower;
    s.radiantAltitude = -90;
    auto altitude = [&](double jd) { return RadiantAltitude(shower, place, jd); };
    for (const Interval& i : dark.intervals) {
      const double t = FindMaximum(altitude, i.from, i.to, BestSamples);
      if (altitude(t) > s.radiantAltitude) s.bestTime = t, s.radiantAltitude = altitude(t);
    }
    s.hourlyRate = s.radiantAltitude > 0 ? shower.zhr * std::sin(s.radiantAltitude / DegreesPerRadian) : 0;
    const MoonSky moon = MoonFrom(place, s.bestTime);
    s.moonUp = moon.horizon.altitude > MoonHorizonAltitude(moon.semidiameter);
    s.moonIlluminated = MoonIlluminated(moon.geocentric, *ReferenceGeocentric(Body::Sun, s.bestTime));
    showers.push_back(s);
  }
  return showers;
}

}  // namespace orbitas
