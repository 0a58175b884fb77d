#include "sky/stars/stars.h"

#include <algorithm>
#include <array>
#include <vector>

#include "sky/frames/earth_turning.h"

namespace orbitas {
namespace {

// The tables hold their texts in place, not as pointers, so that loading
// the program costs nothing for them: the stars are unpacked on first use,
// by a picture that needs them.
struct StarRow {
  int hipparcos;
  double rightAscension, declination, magnitude, colourIndex;
  char constellation[4], bayer[12], flamsteed[4], name[32];
};

constexpr StarRow StarRows[] = {
#include "sky/tables/star_catalogue.inc"
};

struct FigureRow {
  char constellation[4];
  int from, to;
};

constexpr FigureRow FigureRows[] = {
#include "sky/tables/constellation_figures.inc"
};

}  // namespace

std::span<const Star> StarCatalogue() {
  static const std::vector<Star> stars = [] {
    std::vector<Star> out;
    out.reserve(std::size(StarRows));
    for (const StarRow& r : StarRows) {
      out.push_back({r.hipparcos, r.rightAscension, r.declination, r.magnitude, r.colourIndex, r.constellation,
                     r.bayer, r.flamsteed, r.name});
    }
    return out;
  }();
  return stars;
}

const Star* StarByHipparcos(int hipparcos) {
  const std::span<const Star> stars = StarCatalogue();
  const auto it = std::lower_bound(stars.begin(), stars.end(), hipparcos,
                                   [](const Star& s, int h) { return s.hipparcos < h; });
  return it != stars.end() && it->hipparcos == hipparcos ? &*it : nullptr;
}

const Star* StarNamed(std::string_view iauName) {
  for (const Star& s : StarCatalogue())
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

HorizonCoordinates StarHorizon(const Star& star, const Place& place, Instant at) {
  return TurnedHorizonOf(place, at, star.rightAscension, star.declination);
}

}  // namespace orbitas
