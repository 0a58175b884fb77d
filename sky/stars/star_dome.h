#pragma once
// The stars and the constellation figures above a place's horizon at one
// instant, as horizon coordinates: what the sky dome draws behind the
// planets.
#include <string_view>
#include <utility>
#include <vector>

#include "sky/frames/place.h"
#include "sky/stars/stars.h"

namespace orbitas {

struct StarAbove {
  const Star* star;
  double altitude, azimuth;  // degrees, geometric; azimuth from north through east
};

struct FigureAbove {
  std::string_view constellation;  // IAU three letters
  // Each line with both ends above the horizon: ((altitude, azimuth), (altitude, azimuth)), degrees.
  std::vector<std::pair<std::pair<double, double>, std::pair<double, double>>> lines;
  double labelAltitude, labelAzimuth;  // degrees: the middle of the figure's stars above the horizon
};

struct StarsAndFigures {
  std::vector<StarAbove> stars;       // brightest first
  std::vector<FigureAbove> figures;   // in the figures' order; only those with a line above the horizon
};

// The stars of magnitude magnitudeLimit or brighter whose geometric
// altitude is at least 0, and the figure lines whose two stars both are
// (of any magnitude), from place at `at` (reads at.ut). Raises nothing.
StarsAndFigures StarsAndFiguresAbove(const Place& place, Instant at, double magnitudeLimit);

}  // namespace orbitas
