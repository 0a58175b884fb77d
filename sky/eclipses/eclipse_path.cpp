#include "sky/eclipses/eclipse_path.h"

#include <erfa.h>

#include <algorithm>
#include <cmath>

#include "sky/bodies/apparent.h"
#include "sky/eclipses/radii.h"
#include "sky/frames/earth_turning.h"
#include "sky/search/over_time.h"

namespace orbitas {
namespace {

constexpr double Minute = 1.0 / 1440;
constexpr double Reach = 4.0 / 24;           // days either side of greatest that the Sun and Moon are kept
constexpr double LocalWindow = 75.0 / 1440;  // a place's greatest eclipse, within this of the line's instant
constexpr double LimitPrecision = 0.05;      // km along the search line
constexpr double SphereRadius = 6371.0;      // km: only for laying out the search lines

}  // namespace

// The reference's Sun and Moon, geocentric apparent (km), every minute
// around greatest, and between nodes by four-point Lagrange interpolation.
class EclipseSky {
 public:
  explicit EclipseSky(const Instant& greatest) : from_(greatest.After(-Reach)) {
    const int count = static_cast<int>(2 * Reach / Minute) + 1;
    for (int i = 0; i < count; ++i) {
      const Instant t = from_.After(i * Minute);
      sun_.push_back(ApparentGeocentric(Body::Sun, t));
      moon_.push_back(ApparentGeocentric(Body::Moon, t));
    }
  }
  Vector Sun(const Instant& t) const { return Interpolated(sun_, t); }
  Vector Moon(const Instant& t) const { return Interpolated(moon_, t); }

 private:
  Vector Interpolated(const std::vector<Vector>& nodes, const Instant& t) const {
    const double x = (t.ut - from_.ut) / Minute;
    const int last = static_cast<int>(nodes.size()) - 4;
    const int i = std::clamp(static_cast<int>(std::floor(x)) - 1, 0, last);
    const double u = x - i;
    Vector out{};
    for (int k = 0; k < 4; ++k) {
      double weight = 1;
      for (int j = 0; j < 4; ++j)
        if (j != k) weight *= (u - j) / (k - j);
      for (int c = 0; c < 3; ++c) out[c] += weight * nodes[i + k][c];
    }
    return out;
  }
  Instant from_;
  std::vector<Vector> sun_, moon_;
};

namespace {


// The Sun and the Moon seen from a place at an instant, radians, as the
// local circumstances measure them.
struct Discs {
  double distance, sun, moon, moonUmbral;
};

Discs DiscsFrom(const EclipseSky& sky, const Place& place, const Instant& at) {
  const Vector observer = PlaceVector(place, at);
  const Vector sun = Minus(sky.Sun(at), observer), moon = Minus(sky.Moon(at), observer);
  return {AngleBetween(sun, moon) / DegreesPerRadian, Semidiameter(SunRadiusKm, Norm(sun)),
          Semidiameter(MoonRatio * EarthRadiusKm, Norm(moon)), Semidiameter(MoonUmbralRatio * EarthRadiusKm, Norm(moon))};
}

// A place's greatest eclipse within window days of `near`: the least
// distance of the centres.
Instant LocalGreatest(const EclipseSky& sky, const Place& place, const Instant& near, double window = LocalWindow) {
  return LeastWithin([&](const Instant& t) { return DiscsFrom(sky, place, t).distance; },
                     Around(near, window, window), 1e-7);
}

// How far the place is from each test at its greatest eclipse, radians:
// negative inside the total or annular path, and inside the partial
// eclipse; and the magnitude there.
struct Gaps {
  Instant greatest;
  double central, partial, magnitude;
};

Gaps GapsAt(const EclipseSky& sky, const Place& place, const Instant& near, double window = LocalWindow) {
  const Instant t = LocalGreatest(sky, place, near, window);
  const Discs d = DiscsFrom(sky, place, t);
  return {t, d.distance - std::fabs(d.moonUmbral - d.sun), d.distance - (d.sun + d.moon),
          (d.sun + d.moon - d.distance) / (2 * d.sun)};
}

// The point distance km from (latitude, longitude) along bearing (degrees
// from north through east), on the sphere that lays out the search lines.
Place Along(double latitude, double longitude, double bearing, double distance) {
  const double p1 = latitude / DegreesPerRadian, l1 = longitude / DegreesPerRadian, b = bearing / DegreesPerRadian;
  const double a = distance / SphereRadius;
  const double p2 = std::asin(std::sin(p1) * std::cos(a) + std::cos(p1) * std::sin(a) * std::cos(b));
  const double l2 = l1 + std::atan2(std::sin(b) * std::sin(a) * std::cos(p1), std::cos(a) - std::sin(p1) * std::sin(p2));
  return Place(p2 * DegreesPerRadian, eraAnpm(l2) * DegreesPerRadian);
}

double Bearing(const GroundPoint& from, const GroundPoint& to) {
  const double p1 = from.latitude / DegreesPerRadian, p2 = to.latitude / DegreesPerRadian;
  const double dl = (to.longitude - from.longitude) / DegreesPerRadian;
  return std::atan2(std::sin(dl) * std::cos(p2), std::cos(p1) * std::sin(p2) - std::sin(p1) * std::cos(p2) * std::cos(dl)) *
         DegreesPerRadian;
}

// Where the shadow's axis meets the ground at t, if it does.
std::optional<GroundPoint> AxisOnGround(const EclipseSky& sky, const Instant& t) {
  const Vector moon = sky.Moon(t), sun = sky.Sun(t);
  const Vector axis = Minus(moon, sun);
  Hit hit;
  if (!FirstHit(moon, Scaled(axis, 1 / Norm(axis)), t, hit)) return std::nullopt;
  return hit.ground;
}

double SunAltitude(const EclipseSky& sky, const Place& place, const Instant& t) {
  return HorizonOf(place, t, Minus(sky.Sun(t), PlaceVector(place, t))).altitude;
}

PathPoint PointOf(const EclipseSky& sky, const Place& place, const Instant& t) {
  return {t, place.latitude, place.longitude, SunAltitude(sky, place, t), std::nullopt};
}

// The first distance along a search line at which gap turns positive,
// looked for from `inside` out to `farthest` km, then narrowed by
// bisection; none when it stays negative, or is not negative at `inside`.
template <class Gap>
std::optional<double> Edge(Gap&& gap, double inside, double farthest) {
  if (gap(inside) >= 0) return std::nullopt;
  double low = inside, high = std::max(inside * 2, inside + 25);
  while (gap(high) < 0) {
    if (high >= farthest) return std::nullopt;
    low = high, high = std::min(high * 2, farthest);
  }
  while (high - low > LimitPrecision) {
    const double mid = (low + high) / 2;
    (gap(mid) < 0 ? low : high) = mid;
  }
  return (low + high) / 2;
}

// The seconds of the total or annular phase at a place of the path.
double CentralDuration(const EclipseSky& sky, const Place& place, const Instant& greatest) {
  const auto gap = [&](double days) {
    const Discs d = DiscsFrom(sky, place, greatest.After(days));
    return d.distance - std::fabs(d.moonUmbral - d.sun);
  };
  double total = 0;
  for (const double side : {-1.0, 1.0}) {
    double in = 0, out = side * 10 * Minute;
    while (std::fabs(out - in) > 1e-3 / SecondsPerDay) {
      const double mid = (in + out) / 2;
      (gap(mid) < 0 ? in : out) = mid;
    }
    total += std::fabs(in + out) / 2;
  }
  return total * SecondsPerDay;
}

// The limits, magnitude lines and partial limit on one side of the
// central line at t, along the ground line at bearing from its point.
struct Side {
  std::optional<PathPoint> limit, partial;
  std::vector<std::optional<PathPoint>> magnitudes;  // MagnitudeLevels' order
};

constexpr double MagnitudeLevels[] = {0.8, 0.6, 0.4, 0.2};
constexpr double FarthestLimit = 1500, FarthestPartial = 9000;  // km from the central line

// central: the search starts inside the total or annular path (else only
// in the partial eclipse, where the axis misses the Earth).
Side SideOf(const EclipseSky& sky, const GroundPoint& centre, double bearing, const Instant& t, bool outer,
            bool central = true) {
  Side side;
  // Near the limb a place's greatest eclipse may fall hours from t.
  const double window = central ? LocalWindow : 3 * LocalWindow;
  const auto at = [&](double s) { return Along(centre.latitude, centre.longitude, bearing, s); };
  const auto point = [&](double s) {
    const Place p = at(s);
    return PointOf(sky, p, GapsAt(sky, p, t, window).greatest);
  };
  const std::optional<double> limit =
      central ? Edge([&](double s) { return GapsAt(sky, at(s), t).central; }, 0, FarthestLimit) : std::nullopt;
  if (limit) side.limit = point(*limit);
  if (!outer) return side;
  const double from = limit.value_or(0);
  const std::optional<double> partial =
      Edge([&](double s) { return GapsAt(sky, at(s), t, window).partial; }, from, FarthestPartial);
  if (!partial) return side;
  if (PathPoint p = point(*partial); p.sunAltitude >= 0) side.partial = p;
  if (!central) return side;  // the lines of magnitude only where the path is
  for (const double level : MagnitudeLevels) {
    const std::optional<double> s =
        Edge([&](double x) { return level - GapsAt(sky, at(x), t).magnitude; }, from, *partial);
    std::optional<PathPoint> p;
    if (s) p = point(*s);
    if (p && p->sunAltitude < 0) p.reset();
    side.magnitudes.push_back(p);
  }
  return side;
}

// The points of the terminator at t where the two mean discs just touch,
// by bisection between samples every 2° round it.
std::vector<PathPoint> TerminatorContacts(const EclipseSky& sky, const Instant& t) {
  const GroundPoint sub = GroundOf(sky.Sun(t), t);
  const double quarter = ExactPi / 2 * SphereRadius;
  const auto gap = [&](double bearing) {
    const Discs d = DiscsFrom(sky, Along(sub.latitude, sub.longitude, bearing, quarter), t);
    return d.distance - (d.sun + d.moon);
  };
  std::vector<PathPoint> out;
  double previous = gap(0);
  for (double b = 2; b <= 360; b += 2) {
    const double now = gap(b);
    if ((previous < 0) != (now < 0)) {
      double low = b - 2, high = b;
      for (int i = 0; i < 24; ++i) {
        const double mid = (low + high) / 2;
        ((gap(mid) < 0) == (previous < 0) ? low : high) = mid;
      }
      const Place p = Along(sub.latitude, sub.longitude, (low + high) / 2, quarter);
      out.push_back(PointOf(sky, p, t));
    }
    previous = now;
  }
  return out;
}

// The terminator's contacts through the eclipse, joined into lines: each
// point goes on the line whose last point is nearest, within 600 km.
std::vector<PathLine> RiseSetLimits(const EclipseSky& sky, const Instant& greatest) {
  constexpr double Step = 2 * Minute, Join = 600;
  std::vector<PathLine> lines;
  std::vector<std::size_t> open;
  for (Instant t = greatest.After(-Reach + 2 * Minute); t.ut < greatest.ut + Reach - 2 * Minute; t = t.After(Step)) {
    std::vector<std::size_t> still;
    for (const PathPoint& p : TerminatorContacts(sky, t)) {
      std::size_t best = lines.size();
      double nearest = Join;
      for (const std::size_t k : open) {
        const PathPoint& q = lines[k].back();
        const double d = std::acos(std::clamp(std::sin(p.latitude / DegreesPerRadian) * std::sin(q.latitude / DegreesPerRadian) +
                                                  std::cos(p.latitude / DegreesPerRadian) * std::cos(q.latitude / DegreesPerRadian) *
                                                      std::cos((p.longitude - q.longitude) / DegreesPerRadian),
                                              -1.0, 1.0)) * SphereRadius;
        if (d < nearest && std::find(still.begin(), still.end(), k) == still.end()) nearest = d, best = k;
      }
      if (best == lines.size()) lines.emplace_back();
      lines[best].push_back(p);
      still.push_back(best);
    }
    open = still;
  }
  lines.erase(std::remove_if(lines.begin(), lines.end(), [](const PathLine& l) { return l.size() < 2; }), lines.end());
  return lines;
}

// The instants of the central phase, step apart, through greatest.
std::vector<Instant> CentralInstants(const EclipseSky& sky, const Instant& greatest, double step) {
  std::vector<Instant> before, after;
  for (Instant t = greatest; AxisOnGround(sky, t); t = t.After(-step)) before.push_back(t);
  for (Instant t = greatest.After(step); AxisOnGround(sky, t); t = t.After(step)) after.push_back(t);
  std::reverse(before.begin(), before.end());
  before.insert(before.end(), after.begin(), after.end());
  return before;
}

// Where the shadow falls nearest the Earth's centre at t while its axis
// misses the Earth: the ground under the axis's closest point; none when
// even the penumbra misses there.
std::optional<GroundPoint> ShadowFoot(const EclipseSky& sky, const Instant& t) {
  const Vector moon = sky.Moon(t), axis = Minus(moon, sky.Sun(t));
  const Vector unit = Scaled(axis, 1 / Norm(axis));
  const Vector closest = Minus(moon, Scaled(unit, Dot(moon, unit)));
  const GroundPoint g = GroundOf(closest, t);
  if (GapsAt(sky, Place(g.latitude, g.longitude), t).partial >= 0) return std::nullopt;
  return g;
}

// The partial limits (and magnitude lines) at the instants the axis misses
// the Earth but the penumbra does not, every five minutes out from the
// central phase (or through the whole of a non-central eclipse).
void OuterSides(const EclipseSky& sky, const Instant& from, double direction, std::vector<std::pair<Side, Side>>& out) {
  for (Instant t = from; std::fabs(t.ut - from.ut) < Reach - 10 * Minute; t = t.After(direction * 5 * Minute)) {
    const std::optional<GroundPoint> foot = ShadowFoot(sky, t);
    if (!foot) {
      if (std::fabs(t.ut - from.ut) > 60 * Minute || !out.empty()) break;
      continue;
    }
    const std::optional<GroundPoint> a = ShadowFoot(sky, t.After(-Minute / 2)), b = ShadowFoot(sky, t.After(Minute / 2));
    const double track = Bearing(a.value_or(*foot), b.value_or(*foot));
    out.emplace_back(SideOf(sky, *foot, track - 90, t, true, false), SideOf(sky, *foot, track + 90, t, true, false));
  }
}

// The chord between two ground points, km.
double GroundDistance(const PathPoint& a, const PathPoint& b) {
  double pa[3], pb[3];
  eraGd2gc(1, a.longitude / DegreesPerRadian, a.latitude / DegreesPerRadian, 0, pa);
  eraGd2gc(1, b.longitude / DegreesPerRadian, b.latitude / DegreesPerRadian, 0, pb);
  return std::hypot(pa[0] - pb[0], pa[1] - pb[1], pa[2] - pb[2]) / 1000;
}

void Add(PathLine& line, const std::optional<PathPoint>& p) {
  if (p) line.push_back(*p);
}

// Before and after the central phase, the partial limits alone.
void AddOuterPartialLimits(const EclipseSky& sky, const SolarEclipse& eclipse, const std::vector<Instant>& times,
                           PathLine& partialLeft, PathLine& partialRight) {
  std::vector<std::pair<Side, Side>> before, after;
  OuterSides(sky, times.empty() ? eclipse.greatest : times.front().After(-5 * Minute), -1, before);
  OuterSides(sky, times.empty() ? eclipse.greatest.After(5 * Minute) : times.back().After(5 * Minute), 1, after);
  // Each point goes on the limit whose end it is nearer: at the limb the
  // foot's track turns, and its left and right with it.
  const auto join = [&](const std::vector<std::pair<Side, Side>>& sides, bool atFront) {
    for (const auto& [a, b] : sides) {
      for (const std::optional<PathPoint>& p : {a.partial, b.partial}) {
        if (!p) continue;
        const auto end = [&](const PathLine& line) {
          return line.empty() ? 1e9 : GroundDistance(*p, atFront ? line.front() : line.back());
        };
        PathLine& line = end(partialLeft) <= end(partialRight) ? partialLeft : partialRight;
        if (!line.empty() && end(line) > 2500) continue;
        line.insert(atFront ? line.begin() : line.end(), *p);
      }
    }
  };
  join(before, true), join(after, false);
}

}  // namespace

SolarEclipsePath SolarEclipsePathOf(const SolarEclipse& eclipse, double stepMinutes) {
  SolarEclipsePath path;
  path.eclipse = eclipse;
  const EclipseSky sky(eclipse.greatest);
  path.riseSetLimits = RiseSetLimits(sky, eclipse.greatest);
  const double step = std::clamp(stepMinutes, 1.0, 10.0) * Minute;
  const std::vector<Instant> times =
      eclipse.central ? CentralInstants(sky, eclipse.greatest, step) : std::vector<Instant>{};
  // The partial limits and the magnitude lines change slowly: every fifth instant.
  const int outerEvery = std::max(1, static_cast<int>(std::lround(5 * Minute / step)));
  PathLine left, right, partialLeft, partialRight;
  std::vector<PathLine> magnitudesLeft(std::size(MagnitudeLevels)), magnitudesRight(std::size(MagnitudeLevels));
  std::optional<double> widthNearest;
  for (std::size_t i = 0; i < times.size(); ++i) {
    const Instant t = times[i];
    const GroundPoint centre = *AxisOnGround(sky, t);
    const std::optional<GroundPoint> a = AxisOnGround(sky, t.After(-Minute / 2)), b = AxisOnGround(sky, t.After(Minute / 2));
    const double track = Bearing(a.value_or(centre), b.value_or(centre));
    const Place c(centre.latitude, centre.longitude);
    const Instant local = GapsAt(sky, c, t).greatest;
    PathPoint middle = PointOf(sky, c, local);
    middle.duration = CentralDuration(sky, c, local);
    path.centralLine.push_back(middle);
    const bool outer = i % static_cast<std::size_t>(outerEvery) == 0 || i + 1 == times.size();
    const Side l = SideOf(sky, centre, track - 90, t, outer), r = SideOf(sky, centre, track + 90, t, outer);
    Add(left, l.limit), Add(right, r.limit), Add(partialLeft, l.partial), Add(partialRight, r.partial);
    for (std::size_t k = 0; k < l.magnitudes.size(); ++k) Add(magnitudesLeft[k], l.magnitudes[k]);
    for (std::size_t k = 0; k < r.magnitudes.size(); ++k) Add(magnitudesRight[k], r.magnitudes[k]);
    if (l.limit && r.limit && (!widthNearest || std::fabs(t.ut - eclipse.greatest.ut) < *widthNearest)) {
      widthNearest = std::fabs(t.ut - eclipse.greatest.ut);
      path.widthAtGreatest = GroundDistance(*l.limit, *r.limit);
    }
  }
  AddOuterPartialLimits(sky, eclipse, times, partialLeft, partialRight);
  // Left of an eastward track is north; a path running west has them the other way.
  const PathLine& leftSide = left.empty() ? partialLeft : left;
  const PathLine& rightSide = right.empty() ? partialRight : right;
  const bool leftIsNorth = leftSide.empty() || rightSide.empty() ||
                           leftSide[leftSide.size() / 2].latitude >= rightSide[rightSide.size() / 2].latitude;
  path.northLimit = leftIsNorth ? left : right, path.southLimit = leftIsNorth ? right : left;
  path.partialNorthLimit = leftIsNorth ? partialLeft : partialRight;
  path.partialSouthLimit = leftIsNorth ? partialRight : partialLeft;
  for (std::size_t k = 0; k < std::size(MagnitudeLevels); ++k)
    path.magnitudes.push_back({MagnitudeLevels[k], leftIsNorth ? magnitudesLeft[k] : magnitudesRight[k],
                               leftIsNorth ? magnitudesRight[k] : magnitudesLeft[k]});
  return path;
}

PathTest::PathTest(const SolarEclipse& eclipse)
    : sky_(std::make_unique<const EclipseSky>(eclipse.greatest)), greatest_(eclipse.greatest) {}

PathTest::~PathTest() = default;

double PathTest::CentralMargin(const Place& place) const {
  const Instant t = LeastWithin([&](const Instant& u) { return DiscsFrom(*sky_, place, u).distance; },
                                Around(greatest_, Reach - Minute, Reach - Minute), 1e-7);
  const Discs d = DiscsFrom(*sky_, place, t);
  return d.distance - std::fabs(d.moonUmbral - d.sun);
}

double CentralMargin(const SolarEclipse& eclipse, const Place& place) { return PathTest(eclipse).CentralMargin(place); }

std::vector<SubLunarPoint> SubLunarPoints(const LunarEclipse& eclipse) {
  std::vector<SubLunarPoint> out;
  for (const ContactEvent& c : eclipse.contacts) {
    const GroundPoint g = GroundOf(ApparentGeocentric(Body::Moon, c.time), c.time);
    out.push_back({c.kind, c.time, g.latitude, g.longitude});
  }
  return out;
}

}  // namespace orbitas
