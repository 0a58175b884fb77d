#pragma once
// The whole sky from a place at one instant, as seen lying on one's back:
// the zenith at the centre, the horizon a circle, north at the top and
// east on the left, with the 16 points of the compass, circles of
// altitude every 30 degrees, the ecliptic, and the Sun, the Moon (with its
// lit part) and the planets, each a dot sized by its magnitude.
#include <optional>
#include <string>
#include <vector>

#include "runtime/conversions.h"

namespace orbitas::pictures {

struct DomeBody {
  std::string name;
  Int16 body = 0;           // 1..9 for a planet, 0 for the Sun, 10 for the Moon
  double altitude = 0;      // degrees, geometric
  double azimuth = 0;       // degrees, from north through east
  double magnitude = 0;     // visual (planets)
  double illuminated = 1;   // the lit fraction (the Moon)
  bool waxing = true;       // the Moon's lit side: west (waxing) or east
};

struct SkyDome {
  std::string instant;   // the local date and time, as the title shows it
  std::string place;     // "40.4168, -3.7038"
  std::vector<DomeBody> bodies;
  std::vector<std::pair<double, double>> ecliptic;  // (altitude, azimuth), degrees, in order
};

// The SVG of the dome, width x height pixels. Bodies below the horizon are
// left out. decimalSeparator is the user's.
std::string DrawSkyDome(const SkyDome& dome, std::string_view decimalSeparator, int width, int height);

}  // namespace orbitas::pictures
