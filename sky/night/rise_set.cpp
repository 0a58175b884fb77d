#include "sky/night/rise_set.h"

#include <cmath>

#include "sky/bodies/method_sky.h"
#include "sky/bodies/moon.h"
#include "sky/bodies/reference.h"
#include "sky/search/toolkit.h"

namespace orbitas {
namespace {

// The first rising and setting and the upper transit in one pass of
// samples, and whether the planet was ever above or below the horizon.
struct DayScan {
  std::optional<double> rise, transit, set;
  bool everAbove = false, everBelow = false;
};

template <typename Height, typename HourAngle>
DayScan ScanDay(Height&& height, HourAngle&& hourAngle, double startJd, double endJd) {
  DayScan scan;
  double previous = startJd, previousHeight = height(startJd), previousHour = hourAngle(startJd);
  scan.everAbove = previousHeight > 0, scan.everBelow = previousHeight <= 0;
  for (int k = 1; k <= SamplesPerDay; ++k) {
    const double jd = startJd + (endJd - startJd) * k / SamplesPerDay;
    const double h = height(jd), ha = hourAngle(jd);
    scan.everAbove = scan.everAbove || h > 0;
    scan.everBelow = scan.everBelow || h <= 0;
    if (!scan.rise && previousHeight <= 0 && h > 0) scan.rise = Bisect(height, previous, jd);
    if (!scan.set && previousHeight > 0 && h <= 0) scan.set = Bisect(height, previous, jd);
    // The upper transit: the hour angle passes 0 going up (not the jump
    // from +12 h to -12 h at the lower one).
    if (!scan.transit && previousHour < 0 && ha >= 0 && ha - previousHour < 6) {
      scan.transit = Bisect(hourAngle, previous, jd);
    }
    previous = jd;
    previousHeight = h;
    previousHour = ha;
  }
  return scan;
}

// What did not happen that day, from the scan and what was found.
void AddMisses(const DayScan& scan, PlanetDay& day) {
  if (!scan.everAbove) day.misses.push_back(DayMiss::NeverRises);
  if (!scan.everBelow) day.misses.push_back(DayMiss::NeverSets);
  if (scan.everAbove && scan.everBelow && !day.rise) day.misses.push_back(DayMiss::NoRiseThatDay);
  if (scan.everAbove && scan.everBelow && !day.set) day.misses.push_back(DayMiss::NoSetThatDay);
  if (!day.transit) day.misses.push_back(DayMiss::NoTransitThatDay);
}

}  // namespace

PlanetDay ComputePlanetDay(const ElementsTable& elements, Body body, const Place& place, double startJd,
                           double endJd) {
  // The Sun's rising and setting are of its upper limb, refracted.
  const double limit = body == Body::Sun ? SunsetAltitude : HorizonAltitude;
  auto height = [&](double jd) { return MethodHorizon(elements, body, place, jd).altitude - limit; };
  auto hourAngle = [&](double jd) { return MethodHorizon(elements, body, place, jd).hourAngle; };
  auto errorAt = [&](double jd) { return MethodError(body, jd, MethodEquatorial(elements, body, jd)); };

  PlanetDay day;
  day.body = body;
  const DayScan scan = ScanDay(height, hourAngle, startJd, endJd);
  day.rise = scan.rise, day.transit = scan.transit, day.set = scan.set;
  if (day.transit) day.transitAltitude = MethodHorizon(elements, body, place, *day.transit).altitude;
  if (day.rise) day.riseError = MinutesOf(errorAt(*day.rise), height, *day.rise);
  if (day.set) day.setError = MinutesOf(errorAt(*day.set), height, *day.set);
  day.referenceError = ReferenceBoundDegrees(body, (startJd + endJd) / 2);
  if (!scan.everAbove || !scan.everBelow) {
    // The verdict's margin, against the bar where the planet comes nearest.
    const double sign = scan.everAbove ? 1 : -1;  // never sets: the lowest point
    auto away = [&](double jd) { return -sign * height(jd); };
    const double nearest = FindMaximum(away, startJd, endJd, SamplesPerDay);
    day.margin = height(nearest);
    day.verdictWithinError = errorAt(nearest).Covers(*day.margin);
  }
  AddMisses(scan, day);
  return day;
}

PlanetDay ComputeMoonDay(const Place& place, double startJd, double endJd) {
  auto height = [&](double jd) {
    const MoonSky moon = MoonFrom(place, jd);
    return moon.horizon.altitude - MoonHorizonAltitude(moon.semidiameter);
  };
  auto hourAngle = [&](double jd) { return MoonFrom(place, jd).horizon.hourAngle; };
  PlanetDay day;
  day.body = Body::Moon;
  const DayScan scan = ScanDay(height, hourAngle, startJd, endJd);
  day.rise = scan.rise, day.transit = scan.transit, day.set = scan.set;
  if (day.transit) day.transitAltitude = MoonFrom(place, *day.transit).horizon.altitude;
  AddMisses(scan, day);
  return day;
}

}  // namespace orbitas
