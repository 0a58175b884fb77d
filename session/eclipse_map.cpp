#include "session/eclipse_map.h"

#include <algorithm>
#include <cmath>

#include "runtime/angle_units.h"
#include "session/places/place_names.h"
#include "session/request_refused.h"
#include "session/runners.h"

namespace orbitas {
namespace {

constexpr double EarthKm = 6371.0;
// Cities looked for this much beyond the path's nearest point, km.
constexpr double CitySearchBeyond = 200.0;

// The point of the segment a–b nearest p, on the plane tangent at p
// (east and north, km): near enough for the few hundred km a path is from
// its nearest towns.
std::pair<double, double> NearestOnSegment(const PathPoint& a, const PathPoint& b, double latitude, double longitude) {
  const double k = std::cos(latitude / DegreesPerRadian) * EarthKm / DegreesPerRadian, n = EarthKm / DegreesPerRadian;
  const auto east = [&](double lon) { return std::remainder(lon - longitude, 360.0) * k; };
  const double ax = east(a.longitude), ay = (a.latitude - latitude) * n;
  const double bx = east(b.longitude), by = (b.latitude - latitude) * n;
  const double dx = bx - ax, dy = by - ay, length = dx * dx + dy * dy;
  const double t = length > 0 ? std::clamp(-(ax * dx + ay * dy) / length, 0.0, 1.0) : 0.0;
  return {latitude + (ay + t * dy) / n, longitude + (ax + t * dx) / k};
}

// The nearest point of the path's limits from the place.
std::optional<WayTo> NearestLimit(const SolarEclipsePath& path, const Place& place) {
  std::optional<WayTo> best;
  for (const PathLine* line : {&path.northLimit, &path.southLimit}) {
    for (std::size_t i = 0; i + 1 < line->size(); ++i) {
      const auto [lat, lon] = NearestOnSegment((*line)[i], (*line)[i + 1], place.latitude, place.longitude);
      const WayTo way = WayBetween(place.latitude, place.longitude, lat, lon);
      if (!best || way.distance < best->distance) best = way;
    }
  }
  return best;
}

// How far a point is from the central line, km.
double FromCentralLine(const SolarEclipsePath& path, double latitude, double longitude) {
  double best = 1e9;
  for (std::size_t i = 0; i + 1 < path.centralLine.size(); ++i) {
    const auto [lat, lon] = NearestOnSegment(path.centralLine[i], path.centralLine[i + 1], latitude, longitude);
    best = std::min(best, WayBetween(latitude, longitude, lat, lon).distance);
  }
  return best;
}

// The nearest cities of the gazetteer inside the path, the place itself
// (a city within 2 km of it) left out; only those no farther from the
// central line than half the path's width and a margin are tested. The
// three nearest, then the most populous of the rest within 50 km more
// of the place: the towns one would drive to.
std::vector<CityInPath> CitiesInPath(const SolarEclipsePath& path, const Place& place, double within) {
  const SolarEclipse& eclipse = path.eclipse;
  const PathTest test(eclipse);
  const double reach = path.widthAtGreatest.value_or(300) / 2 + 60;
  std::vector<CityInPath> found;
  for (const Place& city : CitiesWithin(place.latitude, place.longitude, within)) {
    if (WayBetween(place.latitude, place.longitude, city.latitude, city.longitude).distance < 2) continue;
    if (FromCentralLine(path, city.latitude, city.longitude) > reach || test.CentralMargin(city) >= 0) continue;
    const LocalSolarEclipse local = SolarEclipseFrom(eclipse, city);
    if (!local.duration) continue;
    found.push_back({city, WayBetween(place.latitude, place.longitude, city.latitude, city.longitude), local});
    if (found.front().way.distance + 50 < found.back().way.distance) break;
  }
  constexpr std::size_t Nearest = 3;
  if (found.size() > static_cast<std::size_t>(MostCities)) {
    std::stable_sort(found.begin() + Nearest, found.end(),
                     [](const CityInPath& a, const CityInPath& b) { return a.city.population > b.city.population; });
    found.resize(MostCities);
    std::stable_sort(found.begin(), found.end(),
                     [](const CityInPath& a, const CityInPath& b) { return a.way.distance < b.way.distance; });
  }
  return found;
}

}  // namespace

WayTo WayBetween(double fromLatitude, double fromLongitude, double toLatitude, double toLongitude) {
  const double p1 = fromLatitude / DegreesPerRadian, p2 = toLatitude / DegreesPerRadian;
  const double dl = (toLongitude - fromLongitude) / DegreesPerRadian;
  const double c = std::sin(p1) * std::sin(p2) + std::cos(p1) * std::cos(p2) * std::cos(dl);
  const double bearing =
      std::atan2(std::sin(dl) * std::cos(p2), std::cos(p1) * std::sin(p2) - std::sin(p1) * std::cos(p2) * std::cos(dl));
  return {toLatitude, toLongitude, std::acos(std::clamp(c, -1.0, 1.0)) * EarthKm,
          std::fmod(bearing * DegreesPerRadian + 360, 360)};
}

EclipseMapAnswer RunEclipseMap(const SkyRequest& request) {
  SkyRequest next = request;
  std::optional<EclipseSeen> seen = RunFirstEclipse(next);
  // Transits have no shadow to draw: the next eclipse after one.
  while (seen && std::holds_alternative<Transit>(seen->event)) {
    next.at = GreatestOf(seen->event);
    seen = RunFirstEclipse(next);
  }
  if (!seen) throw RequestRefused("no hay ningún eclipse después de esa fecha en los años 1000 a 3000");
  EclipseMapAnswer answer{*seen, request.place, request.zone, {}, {}, false, {}, {}, {}};
  if (const auto* lunar = std::get_if<LunarEclipse>(&seen->event)) {
    answer.moonOverhead = SubLunarPoints(*lunar);
    return answer;
  }
  const SolarEclipse& solar = std::get<SolarEclipse>(seen->event);
  answer.path = SolarEclipsePathOf(solar);
  if (!request.place || answer.path->centralLine.empty()) return answer;
  const Place& place = *request.place;
  answer.placeInside = CentralMargin(solar, place) < 0;
  if (!answer.placeInside) answer.nearest = NearestLimit(*answer.path, place);
  const double within = (answer.nearest ? answer.nearest->distance : 0) + CitySearchBeyond;
  answer.cities = CitiesInPath(*answer.path, place, within);
  if (answer.placeInside) answer.local = SolarEclipseFrom(solar, place);
  return answer;
}

}  // namespace orbitas
