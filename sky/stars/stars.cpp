#include "sky/stars/stars.h"

#include <algorithm>
#include <array>
#include <vector>

namespace orbitas {
namespace {

constexpr Star Catalogue[] = {
#include "sky/tables/star_catalogue.inc"
};

struct FigureRow {
  std::string_view constellation;
  int from, to;
};

constexpr FigureRow FigureRows[] = {
#include "sky/tables/constellation_figures.inc"
};

}  // namespace

std::span<const Star> StarCatalogue() { return Catalogue; }

const Star* StarByHipparcos(int hipparcos) {
  const auto* it = std::lower_bound(std::begin(Catalogue), std::end(Catalogue), hipparcos,
                                    [](const Star& s, int h) { return s.hipparcos < h; });
  return it != std::end(Catalogue) && it->hipparcos == hipparcos ? it : nullptr;
}

const Star* StarNamed(std::string_view iauName) {
  for (const Star& s : Catalogue)
    if (s.name == iauName) return &s;
  return nullptr;
}

std::span<const FigureLine> ConstellationFigures() {
  // The rows name their stars by number; resolved once, on first use.
  static const std::vector<FigureLine> lines = [] {
    std::vector<FigureLine> out;
    out.reserve(std::size(FigureRows));
    for (const FigureRow& row : FigureRows)
      out.push_back({row.constellation, StarByHipparcos(row.from), StarByHipparcos(row.to)});
    return out;
  }();
  return lines;
}

HorizonCoordinates StarHorizon(const Star& star, const Place& place, double julianDay) {
  return ComputeHorizon(julianDay, star.rightAscension, star.declination, place.latitude, place.longitude);
}

}  // namespace orbitas
