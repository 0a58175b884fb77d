#include "sky/night/rise_set.h"

#include <cmath>

#include "sky/bodies/method_sky.h"
#include "sky/bodies/moon.h"
#include "sky/bodies/reference.h"
#include "sky/search/toolkit.h"

namespace orbitas {
namespace {

// A passage the scan found, as an instant.
std::optional<Instant> InstantOf(const std::optional<double>& ut) {
  return ut ? std::optional<Instant>(Instant::FromUt(*ut)) : std::nullopt;
}

}  // namespace
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

PlanetDay ComputePlanetDay(const ElementsTable& elements, Body body, const Place& place, const Span& span) {
  const Instant &start = span.from, &end = span.to;
  const double startJd = start.ut, endJd = end.ut;
  // The Sun's rising and setting are of its upper limb, refracted.
  const double limit = body == Body::Sun ? SunsetAltitude : HorizonAltitude;
  auto height = [&](double jd) { return MethodHorizon(elements, body, place, jd).altitude - limit; };
  auto sample = [&](double jd) {
    const HorizonCoordinates h = MethodHorizon(elements, body, place, jd);
    return HeightAndHour{h.altitude - limit, h.hourAngle};
  };
  auto errorAt = [&](double jd) { return MethodError(body, Instant::FromUt(jd), MethodEquatorial(elements, body, jd)); };

  PlanetDay day;
  day.body = body;
  const HorizonPassages scan = FindHorizonPassages(sample, startJd, endJd, SamplesPerDay, Millisecond);
  day.rise = InstantOf(scan.rise), day.transit = InstantOf(scan.transit), day.set = InstantOf(scan.set);
  if (scan.transit) day.transitAltitude = MethodHorizon(elements, body, place, *scan.transit).altitude;
  if (scan.rise) day.riseError = MinutesOf(errorAt(*scan.rise), height, *scan.rise);
  if (scan.set) day.setError = MinutesOf(errorAt(*scan.set), height, *scan.set);
  day.referenceError = ReferenceBoundDegrees(body, Instant::FromUt((startJd + endJd) / 2));
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

PlanetDay ComputeMoonDay(const Place& place, const Span& span) {
  const auto& [start, end] = span;
  const double startJd = start.ut, endJd = end.ut;
  auto sample = [&](double jd) {
    const MoonSky moon = MoonFrom(place, Instant::FromUt(jd));
    return HeightAndHour{moon.horizon.altitude - MoonHorizonAltitude(moon.semidiameter), moon.horizon.hourAngle};
  };
  PlanetDay day;
  day.body = Body::Moon;
  const HorizonPassages scan = FindHorizonPassages(sample, startJd, endJd, SamplesPerDay, Millisecond);
  day.rise = InstantOf(scan.rise), day.transit = InstantOf(scan.transit), day.set = InstantOf(scan.set);
  if (day.transit) day.transitAltitude = MoonFrom(place, *day.transit).horizon.altitude;
  AddMisses(scan, day);
  return day;
}

}  // namespace orbitas
