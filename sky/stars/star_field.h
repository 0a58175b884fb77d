#pragma once
// The star field every picture of the stars draws from: the catalogue's
// stars to a magnitude and the constellation figures' lines, each placed
// by a projection (the horizon from a place, a finder chart's plane, or
// right ascension and declination as they are) and kept or left out by
// the picture's own bounds. Built once here, so that the dome, the chart
// and the sky's paths show the same stars and the same figures.
#include <algorithm>
#include <optional>
#include <string_view>
#include <type_traits>
#include <unordered_map>
#include <utility>
#include <vector>

#include "sky/stars/stars.h"

namespace orbitas {

template <typename Point>
struct FieldStar {
  const Star* star;
  Point at;
};

template <typename Point>
struct FieldFigure {
  std::string_view constellation;  // IAU three letters
  std::vector<std::pair<Point, Point>> lines;
};

template <typename Point>
struct StarField {
  std::vector<FieldStar<Point>> stars;      // brightest first, or in the catalogue's order
  std::vector<FieldFigure<Point>> figures;  // in the figures' order; a constellation's lines together
};

// How a field is built: project(star) places a star (none where the
// projection leaves it out: below the horizon, behind the chart's
// centre); keepStar(point) and keepLine(a, b) then keep a placed star and
// a line whose two ends are placed (figure ends of any magnitude).
enum class StarOrder { Catalogue, Brightest };

template <typename Project, typename KeepStar, typename KeepLine>
auto BuildStarField(double magnitudeLimit, StarOrder order, Project&& project, KeepStar&& keepStar,
                    KeepLine&& keepLine) {
  using Point = typename std::invoke_result_t<Project&, const Star&>::value_type;
  StarField<Point> field;
  // The figures' ends are placed first and kept, so that no star is
  // projected twice; the rest of the catalogue is placed once as it comes.
  std::unordered_map<const Star*, std::optional<Point>> ends;
  const auto end = [&](const Star* s) -> const std::optional<Point>& {
    auto it = ends.find(s);
    if (it == ends.end()) it = ends.emplace(s, project(*s)).first;
    return it->second;
  };
  for (const FigureLine& line : ConstellationFigures()) {
    const std::optional<Point>& a = end(line.from);
    const std::optional<Point>& b = end(line.to);
    if (!a || !b || !keepLine(*a, *b)) continue;
    if (field.figures.empty() || field.figures.back().constellation != line.constellation)
      field.figures.push_back({line.constellation, {}});
    field.figures.back().lines.emplace_back(*a, *b);
  }
  for (const Star& s : StarCatalogue()) {
    if (s.magnitude > magnitudeLimit) continue;
    const auto it = ends.find(&s);
    const std::optional<Point> point = it != ends.end() ? it->second : project(s);
    if (point && keepStar(*point)) field.stars.push_back({&s, *point});
  }
  if (order == StarOrder::Brightest) {
    std::stable_sort(field.stars.begin(), field.stars.end(),
                     [](const FieldStar<Point>& a, const FieldStar<Point>& b) { return a.star->magnitude < b.star->magnitude; });
  }
  return field;
}

}  // namespace orbitas
