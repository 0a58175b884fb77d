#include "sky/deep_sky/deep_sky_dome.h"

#include <algorithm>
#include <cmath>

#include "runtime/angle_units.h"
#include "sky/frames/apparent_direction.h"
#include "sky/frames/earth_turning.h"

namespace orbitas {
namespace {

Vector UnitTowards(double rightAscensionHours, double declinationDegrees) {
  const double a = rightAscensionHours / HoursPerRadian, d = declinationDegrees / DegreesPerRadian;
  return {std::cos(d) * std::cos(a), std::cos(d) * std::sin(a), std::sin(d)};
}

// The place `distance` degrees from (ra hours, dec degrees) along the
// position angle (degrees from north through east): (ra hours, dec degrees).
std::pair<double, double> Along(double ra, double dec, double positionAngle, double distance) {
  const double d = dec / DegreesPerRadian, q = positionAngle / DegreesPerRadian, s = distance / DegreesPerRadian;
  const double sinDec = std::sin(d) * std::cos(s) + std::cos(d) * std::sin(s) * std::cos(q);
  const double dec2 = std::asin(std::clamp(sinDec, -1.0, 1.0));
  const double dra = std::atan2(std::sin(q) * std::sin(s) * std::cos(d), std::cos(s) - std::sin(d) * sinDec);
  return {ra + dra * HoursPerRadian, dec2 * DegreesPerRadian};
}

double AxisAngle(const DeepSkyObject& o) { return o.positionAngle >= 0 ? o.positionAngle : 0; }

}  // namespace

std::vector<const DeepSkyObject*> MessierAndCaldwell(double magnitudeLimit, std::span<const std::string_view> extra) {
  std::vector<const DeepSkyObject*> objects;
  for (const DeepSkyObject& o : DeepSkyCatalogue()) {
    if ((o.messier > 0 || o.caldwell > 0) && o.HasMagnitude() && o.magnitude <= magnitudeLimit) objects.push_back(&o);
  }
  for (const std::string_view name : extra) {
    const DeepSkyObject* o = DeepSkyObjectNamed(name);
    if (o && std::find(objects.begin(), objects.end(), o) == objects.end()) objects.push_back(o);
  }
  return objects;
}

std::vector<const DeepSkyObject*> ChartObjects(double magnitudeLimit) {
  std::vector<const DeepSkyObject*> objects;
  for (const DeepSkyObject& o : DeepSkyCatalogue()) {
    if (o.messier > 0 || o.caldwell > 0 || (o.HasMagnitude() && o.magnitude <= magnitudeLimit)) objects.push_back(&o);
  }
  return objects;
}

std::vector<DeepSkyAbove> DeepSkyObjectsAbove(std::span<const DeepSkyObject* const> objects, const Place& place,
                                              const Instant& at) {
  const EarthMotion earth = EarthMotionAt(at);
  std::vector<DeepSkyAbove> above;
  for (const DeepSkyObject* o : objects) {
    const Vector v = AberratedWith(earth, UnitTowards(o->rightAscension, o->declination));
    const AltitudeAzimuth h = HorizonOf(place, at, v);
    if (h.altitude < 0) continue;
    const auto [ra, dec] = Along(o->rightAscension, o->declination, AxisAngle(*o), 1.0);
    const AltitudeAzimuth axis = HorizonOf(place, at, AberratedWith(earth, UnitTowards(ra, dec)));
    above.push_back({o, h.altitude, h.azimuth, axis.altitude, axis.azimuth});
  }
  return above;
}

std::vector<ChartDeepSky> DeepSkyInField(std::span<const DeepSkyObject* const> objects,
                                         const ChartProjection& projection, double half) {
  std::vector<ChartDeepSky> field;
  for (const DeepSkyObject* o : objects) {
    const std::optional<ChartPoint> at = projection.Project(o->rightAscension, o->declination);
    if (!at || std::fabs(at->first) > half || std::fabs(at->second) > half) continue;
    // A short step along the axis gives its direction and the
    // projection's scale there (the projection keeps angles).
    constexpr double Step = 0.01;  // degrees
    const auto [ra, dec] = Along(o->rightAscension, o->declination, AxisAngle(*o), Step);
    const std::optional<ChartPoint> end = projection.Project(ra, dec);
    double scale = 1, angle = AxisAngle(*o);
    if (end) {
      const double dx = end->first - at->first, dy = end->second - at->second;
      scale = std::hypot(dx, dy) / Step;
      angle = std::fmod(std::atan2(dx, dy) * DegreesPerRadian + 360, 360);
    }
    field.push_back({o, *at, o->majorAxis / 60 * scale, o->MinorOrMajor() / 60 * scale, angle});
  }
  return field;
}

}  // namespace orbitas
