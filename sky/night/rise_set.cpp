#include "sky/night/rise_set.h"

#include <cmath>

#include "sky/bodies/moon.h"
#include "sky/bodies/seen_sky.h"
#include "sky/search/toolkit.h"

namespace orbitas {
namespace {

// What did not happen that day, from the scan and what was found.
void AddMisses(const HorizonPassages& scan, PlanetDay& day) {
  if (!scan.everAbove) day.misses.push_back(DayMiss::NeverRises);
  if (!scan.everBelow) day.misses.push_back(DayMiss::NeverSets);
  if (scan.everAbove && scan.everBelow && !day.rise) day.misses.push_back(DayMiss::NoRiseThatDay);
  if (scan.everAbove && scan.everBelow && !day.set) day.misses.push_back(DayMiss::NoSetThatDay);
  if (!day.transit) day.misses.push_back(DayMiss::NoTransitThatDay);
}

}  // namespace

PlanetDay ComputePlanetDay(const ElementsTable& elements, Body body, const Place& place, const Span& span,
                           SkyModel model) {
  // The Sun's rising and setting are of its upper limb, refracted.
  const double limit = body == Body::Sun ? SunsetAltitude : HorizonAltitude;
  auto height = [&](const Instant& t) { return HorizonIn(model, elements, body, place, t).altitude - limit; };
  auto sample = [&](const Instant& t) {
    const HorizonCoordinates h = HorizonIn(model, elements, body, place, t);
    return HeightAndHour{h.altitude - limit, h.hourAngle};
  };

  PlanetDay day;
  day.body = body;
  const HorizonPassages scan = FindHorizonPassages(sample, span, SamplesPerDay, Millisecond);
  day.rise = scan.rise, day.transit = scan.transit, day.set = scan.set;
  if (scan.transit) day.transitAltitude = HorizonIn(model, elements, body, place, *scan.transit).altitude;
  if (!scan.everAbove || !scan.everBelow) {
    // How near it comes to rising or setting.
    const double sign = scan.everAbove ? 1 : -1;  // never sets: the lowest point
    auto away = [&](const Instant& t) { return -sign * height(t); };
    const Instant nearest = FindMaximum(away, span, SamplesPerDay);
    day.margin = height(nearest);
  }
  AddMisses(scan, day);
  return day;
}

PlanetDay ComputeMoonDay(const Place& place, const Span& span) {
  auto sample = [&](const Instant& t) {
    const MoonSky moon = MoonFrom(place, t);
    return HeightAndHour{moon.horizon.altitude - MoonHorizonAltitude(moon.semidiameter), moon.horizon.hourAngle};
  };
  PlanetDay day;
  day.body = Body::Moon;
  const HorizonPassages scan = FindHorizonPassages(sample, span, SamplesPerDay, Millisecond);
  day.rise = scan.rise, day.transit = scan.transit, day.set = scan.set;
  if (day.transit) day.transitAltitude = MoonFrom(place, *day.transit).horizon.altitude;
  AddMisses(scan, day);
  return day;
}

}  // namespace orbitas
