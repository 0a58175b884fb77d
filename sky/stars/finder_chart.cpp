#include "sky/stars/finder_chart.h"

#include <limits>

#include <algorithm>
#include <cmath>
#include <map>

#include "runtime/angle_units.h"
#include "sky/bodies/method_sky.h"
#include "sky/bodies/seen_sky.h"
#include "sky/bodies/reference.h"
#include "sky/frames/apparent_direction.h"
#include "sky/frames/earth_turning.h"
#include "sky/frames/horizon.h"
#include "sky/search/toolkit.h"
#include "sky/stars/star_field.h"
#include "sky/tables/constellation.h"

namespace orbitas {
namespace {

struct BorderCorner {
  int border;
  double rightAscension, declination;  // hours, degrees, J2000
};

constexpr BorderCorner BorderCorners[] = {
#include "sky/tables/constellation_borders.inc"
};

constexpr int PathDays = 15, TickDays = 5;

// Pieces of a sampled curve inside the square of half-width half: a new
// piece starts wherever the curve leaves the square or the projection.
class Pieces {
 public:
  explicit Pieces(double half) : half_(half) {}
  void Add(const std::optional<ChartPoint>& p) {
    if (p && std::fabs(p->first) <= half_ && std::fabs(p->second) <= half_) {
      current_.push_back(*p);
      return;
    }
    End();
  }
  std::vector<std::vector<ChartPoint>> Finish() {
    End();
    return std::move(pieces_);
  }

 private:
  void End() {
    if (current_.size() > 1) pieces_.push_back(std::move(current_));
    current_.clear();
  }
  double half_;
  std::vector<ChartPoint> current_;
  std::vector<std::vector<ChartPoint>> pieces_;
};

// A round step for the grid: about a fifth of the field, degrees.
double GridStep(double span, std::initializer_list<double> steps) {
  for (const double s : steps)
    if (span / s <= 6) return s;
  return *(steps.end() - 1);
}

std::vector<ChartGridLine> Grid(const ChartProjection& p, double field, double half) {
  std::vector<ChartGridLine> grid;
  const double decStep = GridStep(field, {1, 2, 5, 10, 15, 30});
  const double cosDec = std::max(std::cos(p.centreDeclination / DegreesPerRadian), 0.1);
  // Right ascension in hours: 5, 10, 20 and 30 minutes, 1, 2, 3 and 6 hours.
  const double raStep = GridStep(field / cosDec / 15, {5.0 / 60, 10.0 / 60, 20.0 / 60, 0.5, 1, 2, 3, 6});
  const double margin = half, sample = std::min(field / 100, 0.25);
  for (double dec = -90 + decStep; dec < 90; dec += decStep) {
    Pieces pieces(margin);
    for (double ra = 0; ra <= 24 + 1e-9; ra += sample / 15) pieces.Add(p.Project(ra, dec));
    ChartGridLine line{false, dec, pieces.Finish()};
    if (!line.pieces.empty()) grid.push_back(std::move(line));
  }
  for (double ra = 0; ra < 24 - 1e-9; ra += raStep) {
    Pieces pieces(margin);
    for (double dec = -90; dec <= 90 + 1e-9; dec += sample) pieces.Add(p.Project(ra, std::min(dec, 90.0)));
    ChartGridLine line{true, ra, pieces.Finish()};
    if (!line.pieces.empty()) grid.push_back(std::move(line));
  }
  return grid;
}

std::vector<std::vector<ChartPoint>> Borders(const ChartProjection& p, double half) {
  std::vector<std::vector<ChartPoint>> out;
  const double step = 0.25;  // degrees between the points drawn along a side
  for (std::size_t k = 0; k < std::size(BorderCorners);) {
    Pieces pieces(half);
    const int border = BorderCorners[k].border;
    pieces.Add(p.Project(BorderCorners[k].rightAscension, BorderCorners[k].declination));
    for (++k; k < std::size(BorderCorners) && BorderCorners[k].border == border; ++k) {
      const BorderCorner& a = BorderCorners[k - 1];
      const BorderCorner& b = BorderCorners[k];
      // The sides are arcs of constant right ascension or declination:
      // drawn as such, the short way round in right ascension.
      const double dra = Wrapped(b.rightAscension - a.rightAscension, 12), ddec = b.declination - a.declination;
      const double length = std::max(std::fabs(dra * 15 * std::cos(a.declination / DegreesPerRadian)), std::fabs(ddec));
      const int n = std::max(1, static_cast<int>(std::ceil(length / step)));
      for (int i = 1; i <= n; ++i) {
        const double f = static_cast<double>(i) / n;
        pieces.Add(p.Project(a.rightAscension + f * dra, a.declination + f * ddec));
      }
    }
    for (auto& piece : pieces.Finish()) out.push_back(std::move(piece));
  }
  return out;
}

bool Inside(const ChartPoint& at, double half) { return std::fabs(at.first) <= half && std::fabs(at.second) <= half; }

// The planet's path, a point a day, from the reference where it has the
// planet, else from the method.
std::vector<ChartPathPoint> PathOf(const ElementsTable& elements, Body body, const Instant& at,
                                   const ChartProjection& p) {
  std::vector<ChartPathPoint> path;
  for (int day = -PathDays; day <= PathDays; ++day) {
    const Instant time = at.After(day);
    const std::optional<Vector> r = ReferenceGeocentric(body, time);
    std::pair<double, double> at;
    if (r) {
      at = RightAscensionDeclination(*r);
    } else {
      const EquatorialCoordinates m = MethodEquatorial(elements, body, time);
      at = {m.rightAscensionHours, m.declination};
    }
    if (const auto point = p.Project(at.first, at.second)) path.push_back({time, *point, day % TickDays == 0});
  }
  return path;
}

// The stars inside the field, brightest first, and the figures with a line
// end inside it, each named at the mean of its ends inside.
void StarsAndFigures(FinderChart& chart) {
  const ChartProjection& p = chart.projection;
  const double half = chart.half;
  // Every star of the catalogue (to magnitude 8) in the field.
  const auto project = [&](const Star& s) { return p.Project(s.rightAscension, s.declination); };
  const auto inField = [&](const ChartPoint& point) { return Inside(point, half); };
  const auto withAnEndIn = [&](const ChartPoint& a, const ChartPoint& b) { return Inside(a, half) || Inside(b, half); };
  const StarField<ChartPoint> field =
      BuildStarField(std::numeric_limits<double>::infinity(), StarOrder::Brightest, project, inField, withAnEndIn);
  for (const auto& s : field.stars) chart.stars.push_back({s.star, s.at});
  for (const auto& f : field.figures) chart.figures.push_back({f.constellation, f.lines, {0, 0}});
  for (ChartFigure& f : chart.figures) {
    double x = 0, y = 0;
    int n = 0;
    for (const auto& [a, b] : f.lines)
      for (const ChartPoint& end : {a, b})
        if (Inside(end, half)) x += end.first, y += end.second, ++n;
    f.label = {x / n, y / n};
  }
}

}  // namespace

std::optional<ChartPoint> ChartProjection::Project(double ra, double dec) const {
  const double a = (ra - centreRightAscension) * 15 / DegreesPerRadian, d = dec / DegreesPerRadian;
  const double d0 = centreDeclination / DegreesPerRadian;
  const double cosC = std::sin(d0) * std::sin(d) + std::cos(d0) * std::cos(d) * std::cos(a);
  if (cosC < -0.5) return std::nullopt;
  const double k = 2 / (1 + cosC) * DegreesPerRadian;
  return ChartPoint{k * std::cos(d) * std::sin(a),
                    k * (std::cos(d0) * std::sin(d) - std::sin(d0) * std::cos(d) * std::cos(a))};
}

namespace {

// The field about (ra hours, dec degrees): its projection, stars,
// figures, boundaries and grid.
void FieldAbout(FinderChart& chart, double ra, double dec, double field) {
  chart.field = field;
  chart.projection = {ra, dec};
  // The half-width, in chart degrees, that puts the middle of each side
  // field/2 from the centre.
  chart.half = 2 * std::tan(field / 4 / DegreesPerRadian) * DegreesPerRadian;
  chart.constellation = ConstellationAt(ra, dec);
  StarsAndFigures(chart);
  chart.borders = Borders(chart.projection, chart.half);
  chart.grid = Grid(chart.projection, field, chart.half);
}

// The centre's horizon from place: altitude, azimuth and, while above
// the horizon, the parallactic angle, from the celestial north through
// east to the zenith, seen from the centre.
void HorizonOfCentre(FinderChart& chart, const HorizonCoordinates& h, const Place& place) {
  const double hourAngle = h.hourAngle / HoursPerRadian, lat = place.latitude / DegreesPerRadian;
  const double decOfDate = h.declinationOfDate / DegreesPerRadian;
  chart.altitude = h.altitude;
  chart.azimuth = h.azimuth;
  if (h.altitude > 0) {
    chart.zenithAngle =
        std::atan2(std::sin(hourAngle), std::tan(lat) * std::cos(decOfDate) - std::sin(decOfDate) * std::cos(hourAngle));
  }
}

}  // namespace

FinderChart FinderChartOf(const ElementsTable& elements, Body body, Instant at, double field,
                          const std::optional<Place>& place) {
  FinderChart chart{};
  chart.body = body;
  chart.instant = at;
  const EquatorialCoordinates method = MethodEquatorial(elements, body, at);
  const std::optional<Vector> reference = ReferenceGeocentric(body, at);
  const auto [ra, dec] =
      reference ? RightAscensionDeclination(*reference) : std::pair{method.rightAscensionHours, method.declination};
  FieldAbout(chart, ra, dec, field);
  if (reference) chart.reference = ChartPoint{0, 0};
  chart.method = *chart.projection.Project(method.rightAscensionHours, method.declination);
  chart.methodError = MethodError(body, at, method).Bar();
  chart.pathFromReference = reference.has_value();
  chart.path = PathOf(elements, body, at, chart.projection);
  if (place) HorizonOfCentre(chart, SeenHorizon(elements, body, *place, at), *place);
  return chart;
}

FinderChart FinderChartAround(double ra, double dec, Instant at, double field, const std::optional<Place>& place) {
  FinderChart chart{};
  chart.instant = at;
  FieldAbout(chart, ra, dec, field);
  chart.method = ChartPoint{0, 0};
  chart.pathFromReference = false;
  if (place) HorizonOfCentre(chart, TurnedHorizon(*place, at, AberratedDirection(ra, dec, at)), *place);
  return chart;
}

}  // namespace orbitas
