#include "sky/night/rise_set.h"

#include <algorithm>
#include <cmath>

#include "calendar/civil_days.h"
#include "sky/search/crossings.h"
#include "sky/bodies/reference_direction.h"

namespace orbitas {
namespace {

constexpr int Samples = 144;  // every ten minutes of a day

void AddReason(std::string& reasons, const std::string& reason) {
  reasons += (reasons.empty() ? "" : "; ") + reason;
}

}  // namespace

HorizonCoordinates PlanetHorizon(const ElementsTable& elements, Int16 body, const Place& place, double julianDay) {
  const EquatorialCoordinates eq = PlanetEquatorialAt(elements, body, julianDay);
  return ComputeHorizon(julianDay, eq.rightAscensionHours, eq.declination, place.latitude, place.longitude);
}

PlanetDay ComputePlanetDay(const ElementsTable& elements, Int16 body, const Place& place, double startJd,
                           double endJd) {
  auto height = [&](double jd) { return PlanetHorizon(elements, body, place, jd).altitude - HorizonAltitude; };
  auto hourAngle = [&](double jd) { return PlanetHorizon(elements, body, place, jd).hourAngle; };
  // Minutes of error: the method's angle (or the bar) over the altitude's
  // rate there.
  auto errorMinutes = [&](double jd, bool bar) -> std::optional<double> {
    std::optional<double> angle = MethodErrorDegrees(jd, body, PlanetEquatorialAt(elements, body, jd));
    if (!angle) return std::nullopt;
    if (bar) angle = std::max(*angle, ReferenceBoundDegrees(jd, body).value_or(0));
    const double halfMinute = 30 / SecondsPerDay;
    const double rate = std::fabs(height(jd + halfMinute) - height(jd - halfMinute));  // degrees a minute
    return rate > 0 ? *angle / rate : std::optional<double>();
  };

  PlanetDay day;
  day.body = body;
  double previous = startJd, previousHeight = height(startJd), previousHour = hourAngle(startJd);
  bool everAbove = previousHeight > 0, everBelow = previousHeight <= 0;
  for (int k = 1; k <= Samples; ++k) {
    const double jd = startJd + (endJd - startJd) * k / Samples;
    const double h = height(jd), ha = hourAngle(jd);
    everAbove = everAbove || h > 0;
    everBelow = everBelow || h <= 0;
    if (!day.rise && previousHeight <= 0 && h > 0) day.rise = Bisect(height, previous, jd);
    if (!day.set && previousHeight > 0 && h <= 0) day.set = Bisect(height, previous, jd);
    // The upper transit: the hour angle passes 0 going up (not the jump
    // from +12 h to -12 h at the lower one).
    if (!day.transit && previousHour < 0 && ha >= 0 && ha - previousHour < 6) {
      day.transit = Bisect(hourAngle, previous, jd);
    }
    previous = jd;
    previousHeight = h;
    previousHour = ha;
  }
  if (day.transit) day.transitAltitude = PlanetHorizon(elements, body, place, *day.transit).altitude;
  if (day.rise) day.riseError = errorMinutes(*day.rise, false), day.riseBar = errorMinutes(*day.rise, true);
  if (day.set) day.setError = errorMinutes(*day.set, false), day.setBar = errorMinutes(*day.set, true);
  day.referenceError = ReferenceBoundDegrees((startJd + endJd) / 2, body);
  if (!everAbove || !everBelow) {
    // The verdict's margin, against the bar where the planet comes nearest.
    const double sign = everAbove ? 1 : -1;  // "no se pone": the lowest point
    auto away = [&](double jd) { return -sign * height(jd); };
    const double nearest = FindMaximum(away, startJd, endJd, Samples);
    day.margin = height(nearest);
    const std::optional<double> angle =
        MethodErrorDegrees(nearest, body, PlanetEquatorialAt(elements, body, nearest));
    if (angle) {
      const double bar = std::max(*angle, ReferenceBoundDegrees(nearest, body).value_or(0));
      day.verdictWithinError = std::fabs(*day.margin) < bar;
    }
  }
  if (!everAbove) AddReason(day.reason, "no sale");
  if (!everBelow) AddReason(day.reason, "no se pone");
  if (everAbove && everBelow && !day.rise) AddReason(day.reason, "no sale ese día");
  if (everAbove && everBelow && !day.set) AddReason(day.reason, "no se pone ese día");
  if (!day.transit) AddReason(day.reason, "no culmina ese día");
  return day;
}

}  // namespace orbitas
