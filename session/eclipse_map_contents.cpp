#include "session/eclipse_map_contents.h"

#include <algorithm>
#include <cmath>

#include "runtime/angle_units.h"
#include "runtime/number_text.h"
#include "session/clock_words.h"
#include "session/names.h"
#include "session/places/place_names.h"
#include "session/world_map.h"

namespace orbitas {
namespace {

constexpr double KmPerDegree = 111.195;
constexpr int MostTownsOnTheMap = 40;

using Frame = MapFrame;

// The segment a–b clipped to the unit square (Liang and Barsky); none
// when it lies outside.
std::optional<std::pair<MapPoint, MapPoint>> Clipped(MapPoint a, MapPoint b) {
  double t0 = 0, t1 = 1;
  const double dx = b.first - a.first, dy = b.second - a.second;
  const double p[] = {-dx, dx, -dy, dy}, q[] = {a.first, 1 - a.first, a.second, 1 - a.second};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return std::nullopt;
      continue;
    }
    const double r = q[i] / p[i];
    if (p[i] < 0) t0 = std::max(t0, r);
    else t1 = std::min(t1, r);
    if (t0 > t1) return std::nullopt;
  }
  return std::pair{MapPoint{a.first + t0 * dx, a.second + t0 * dy}, MapPoint{a.first + t1 * dx, a.second + t1 * dy}};
}

// A line of the map's points cut to the frame and where it jumps across
// the plane's edge (the 180th meridian), in runs.
void AddClipped(std::vector<MapPolyline>& out, const std::vector<MapPoint>& line) {
  MapPolyline run;
  for (std::size_t i = 0; i + 1 < line.size(); ++i) {
    const auto seg = std::fabs(line[i + 1].first - line[i].first) > 0.5 ? std::nullopt : Clipped(line[i], line[i + 1]);
    if (!seg) {
      if (run.size() > 1) out.push_back(run);
      run.clear();
      continue;
    }
    if (run.empty() || run.back() != seg->first) {
      if (run.size() > 1) out.push_back(run);
      run = {seg->first};
    }
    run.push_back(seg->second);
  }
  if (run.size() > 1) out.push_back(run);
}

std::vector<MapPoint> Projected(const Frame& f, const PathLine& line) {
  std::vector<MapPoint> out;
  for (const PathPoint& p : line) out.push_back(f.Of(p.latitude, p.longitude));
  return out;
}

// A closed ring clipped to the unit square (Sutherland and Hodgman).
MapPolyline ClippedRing(MapPolyline ring) {
  const auto clip = [](const MapPolyline& in, auto inside, auto cross) {
    MapPolyline out;
    for (std::size_t i = 0; i < in.size(); ++i) {
      const MapPoint& a = in[i];
      const MapPoint& b = in[(i + 1) % in.size()];
      if (inside(b)) {
        if (!inside(a)) out.push_back(cross(a, b));
        out.push_back(b);
      } else if (inside(a)) {
        out.push_back(cross(a, b));
      }
    }
    return out;
  };
  for (int edge = 0; edge < 4 && !ring.empty(); ++edge) {
    const bool vertical = edge < 2;
    const double at = edge % 2 ? 1.0 : 0.0;
    const auto value = [&](const MapPoint& p) { return vertical ? p.first : p.second; };
    const auto inside = [&](const MapPoint& p) { return edge % 2 ? value(p) <= at : value(p) >= at; };
    const auto cross = [&](const MapPoint& a, const MapPoint& b) {
      const double t = (at - value(a)) / (value(b) - value(a));
      return MapPoint{a.first + t * (b.first - a.first), a.second + t * (b.second - a.second)};
    };
    ring = clip(ring, inside, cross);
  }
  return ring;
}

Frame FrameOf(const EclipseMapAnswer& a, const MapRegion& region) {
  Frame f;
  if (region.kind == MapRegion::World || (region.kind == MapRegion::Auto && !a.path)) {
    f.west = -180, f.east = 180, f.south = -62, f.north = 84;
    return f;
  }
  if (region.kind == MapRegion::Box) {
    f.plane = {(region.west + region.east) / 2, (region.south + region.north) / 2};
    const auto [x0, y0] = f.plane.Project(region.south, region.west);
    const auto [x1, y1] = f.plane.Project(region.north, region.east);
    f.west = x0, f.east = x1, f.south = y0, f.north = y1;
    return f;
  }
  // About the place and the path's nearest point, or the whole central line.
  double lat = 0, lon = 0, half = 0;
  if (a.place && !a.path->centralLine.empty()) {
    const double toPath = a.nearest ? a.nearest->distance : 0;
    lat = a.nearest ? (a.place->latitude + a.nearest->latitude) / 2 : a.place->latitude;
    lon = a.nearest ? (a.place->longitude + a.nearest->longitude) / 2 : a.place->longitude;
    half = std::max(4.5, 1.3 * toPath / KmPerDegree + 2.5);
  } else {
    const PathLine& c = a.path->centralLine.empty() ? a.path->partialNorthLimit : a.path->centralLine;
    if (c.empty()) return FrameOf(a, {MapRegion::World});
    const PathPoint& middle = c[c.size() / 2];
    lat = middle.latitude, lon = middle.longitude, half = 30;
  }
  f.plane = {lon, std::clamp(lat, -70.0, 70.0)};
  const auto [x, y] = f.plane.Project(lat, lon);
  f.west = x - 1.4 * half, f.east = x + 1.4 * half, f.south = y - half, f.north = y + half;
  return f;
}

void AddOutlines(EclipseMapPicture& m, const Frame& f) {
  for (const Outline& o : WorldOutlines()) {
    std::vector<MapPoint> line;
    for (std::size_t i = 0; i + 1 < o.points.size(); i += 2) line.push_back(f.Of(o.points[i + 1], o.points[i]));
    AddClipped(o.kind == OutlineKind::Coast ? m.coasts : m.borders, line);
  }
  const double span = f.north - f.south, step = span > 60 ? 30 : span > 20 ? 10 : span > 8 ? 5 : 2;
  for (double lat = -90; lat <= 90; lat += step) {
    std::vector<MapPoint> line;
    for (double lon = -180; lon <= 180; lon += 2) line.push_back(f.Of(lat, lon));
    AddClipped(m.graticule, line);
  }
  for (double lon = -180; lon < 180; lon += step) {
    std::vector<MapPoint> line;
    for (double lat = -90; lat <= 90; lat += 1) line.push_back(f.Of(lat, lon));
    AddClipped(m.graticule, line);
  }
}

bool Inside(const MapPoint& p) { return p.first >= 0 && p.first <= 1 && p.second >= 0 && p.second <= 1; }

std::string DurationWords(double seconds) {
  const long s = std::lround(seconds);
  return std::to_string(s / 60) + " min " + std::to_string(s % 60) + " s";
}

void AddPath(EclipseMapPicture& m, const EclipseMapAnswer& a, const Frame& f, std::string_view sep) {
  const SolarEclipsePath& p = *a.path;
  MapPolyline ring = Projected(f, p.northLimit);
  const std::vector<MapPoint> south = Projected(f, p.southLimit);
  ring.insert(ring.end(), south.rbegin(), south.rend());
  // A ring that runs across the 180th meridian of a whole-Earth map is left unshaded.
  bool wraps = false;
  for (std::size_t i = 0; i + 1 < ring.size(); ++i) wraps = wraps || std::fabs(ring[i + 1].first - ring[i].first) > 0.5;
  if (ring.size() > 2 && !wraps) {
    if (MapPolyline r = ClippedRing(ring); r.size() > 2) m.path.push_back(r);
  }
  AddClipped(m.centralLine, Projected(f, p.centralLine));
  AddClipped(m.limits, Projected(f, p.northLimit)), AddClipped(m.limits, Projected(f, p.southLimit));
  AddClipped(m.partialLimits, Projected(f, p.partialNorthLimit)), AddClipped(m.partialLimits, Projected(f, p.partialSouthLimit));
  for (const PathLine& line : p.riseSetLimits) AddClipped(m.riseSetLimits, Projected(f, line));
  for (const MagnitudeLine& line : p.magnitudes)
    for (const PathLine* side : {&line.north, &line.south}) {
      std::vector<MapPolyline> pieces;
      AddClipped(pieces, Projected(f, *side));
      for (MapPolyline& piece : pieces) m.magnitudes.emplace_back(std::move(piece), Format(line.magnitude, "0.0", sep));
    }
  // The local clock along the central line, every ten minutes (half an
  // hour on a map of the whole Earth).
  const long every = f.east - f.west > 180 ? 30 : 10;
  for (const PathPoint& c : p.centralLine) {
    const LocalTime t = a.zone.ToMinute(c.time);
    const MapPoint at = f.Of(c.latitude, c.longitude);
    if (Inside(at) && std::lround(c.time.ut * 1440) % every == 0) m.times.push_back({at, t.Clock()});
  }
  const SolarEclipse& e = p.eclipse;
  if (const MapPoint g = f.Of(e.latitude, e.longitude); Inside(g))
    m.greatest = MapMark{g, "Máximo " + a.zone.ToMinute(e.greatest).Clock()};
}

void AddPlaces(EclipseMapPicture& m, const EclipseMapAnswer& a, const Frame& f, std::string_view sep) {
  if (a.place && a.seen.solar) {
    const LocalSolarEclipse& l = *a.seen.solar;
    std::string text = a.place->name.empty() ? a.place->text : a.place->name;
    if (l.type && l.duration) text += ": " + std::string(EclipseTypeName(*l.type)) + " " + DurationWords(*l.duration);
    else if (l.type) text += ": parcial " + Format(l.magnitude, "0.000", sep);
    else text += ": no se ve";
    if (l.type) text += ", " + a.zone.ToMinute(l.Maximum()).Clock();
    m.place = MapMark{f.Of(a.place->latitude, a.place->longitude), text};
  }
  if (a.nearest) m.nearest = MapMark{f.Of(a.nearest->latitude, a.nearest->longitude), ""};
  for (const CityInPath& c : a.cities) m.cities.push_back({f.Of(c.city.latitude, c.city.longitude), c.city.name + " " + DurationWords(*c.local.duration)});
  if (!a.path || a.path->centralLine.empty()) return;
  // Other towns inside the path within the frame: the label placer keeps those with room.
  const PathTest test(a.path->eclipse);
  const PathPoint& middle = a.path->centralLine[a.path->centralLine.size() / 2];
  const double lat = a.place ? a.place->latitude : middle.latitude, lon = a.place ? a.place->longitude : middle.longitude;
  int added = 0;
  for (const Place& town : CitiesWithin(lat, lon, (f.north - f.south) * KmPerDegree * 0.8)) {
    const MapPoint at = f.Of(town.latitude, town.longitude);
    if (!Inside(at) || test.CentralMargin(town) >= 0) continue;
    const bool listed = std::any_of(m.cities.begin(), m.cities.end(), [&](const MapMark& c) { return c.at == at; });
    if (!listed) m.cities.push_back({at, town.name}), ++added;
    if (added == MostTownsOnTheMap) break;
  }
}

void AddScale(EclipseMapPicture& m, const Frame& f) {
  if (f.east - f.west > 180) return;  // a whole-Earth map's scale changes with the latitude
  const double width = (f.east - f.west) * KmPerDegree;
  for (const double km : {10000.0, 5000.0, 2000.0, 1000.0, 500.0, 200.0, 100.0, 50.0, 20.0}) {
    if (km <= width / 4) {
      m.scaleKilometres = km, m.scaleWidth = km / width;
      return;
    }
  }
}

}  // namespace

std::pair<double, double> MapFrame::EarthAt(const MapPoint& at) const {
  const double x = west + at.first * (east - west), y = north - at.second * (north - south);
  const double squeeze = std::cos(plane.standardParallel / DegreesPerRadian);
  return {std::clamp(y, -90.0, 90.0), std::remainder(plane.centralLongitude + x / squeeze, 360.0)};
}

EclipseMapPicture EclipseMapPictureOf(const EclipseMapAnswer& a, const MapRegion& region, std::string_view sep) {
  EclipseMapPicture m;
  const Frame f = FrameOf(a, region);
  m.frame = f;
  m.aspect = (f.east - f.west) / (f.north - f.south);
  const bool solar = std::holds_alternative<SolarEclipse>(a.seen.event);
  const Instant greatest = GreatestOf(a.seen.event);
  const EclipseType type = solar ? std::get<SolarEclipse>(a.seen.event).type : std::get<LunarEclipse>(a.seen.event).type;
  m.lunar = !solar, m.annular = type == EclipseType::Annular;
  m.title = "Eclipse " + std::string(EclipseTypeName(type)) + (solar ? " de Sol" : " de Luna") + " del " +
            DateWithWeekday(a.zone.ToMinute(greatest).Date());
  m.subtitle = (region.kind == MapRegion::World ? "Toda la Tierra; " : "") + ClockWords(a.zone, greatest);
  AddOutlines(m, f);
  if (a.path) AddPath(m, a, f, sep);
  // A lunar eclipse: where the Moon stands on the horizon at greatest, 90°
  // from where it is overhead (on the sphere; refraction left out).
  for (const SubLunarPoint& p : a.moonOverhead) {
    if (p.contact != Contact::Greatest) continue;
    std::vector<MapPoint> circle;
    const double p1 = p.latitude / DegreesPerRadian, l1 = p.longitude / DegreesPerRadian;
    for (int b = 0; b <= 360; b += 2) {
      const double br = b / DegreesPerRadian;
      const double lat = std::asin(std::cos(p1) * std::cos(br));
      const double lon = l1 + std::atan2(std::sin(br) * std::cos(p1), -std::sin(p1) * std::sin(lat));
      circle.push_back(f.Of(lat * DegreesPerRadian, std::remainder(lon * DegreesPerRadian, 360.0)));
    }
    AddClipped(m.riseSetLimits, circle);
  }
  for (const SubLunarPoint& p : a.moonOverhead) {
    const MapPoint at = f.Of(p.latitude, p.longitude);
    if (Inside(at)) m.moonOverhead.push_back({at, std::string(ContactName(p.contact)) + " " + a.zone.ToMinute(p.time).Clock()});
  }
  AddPlaces(m, a, f, sep);
  AddScale(m, f);
  return m;
}

}  // namespace orbitas
