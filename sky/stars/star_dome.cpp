#include "sky/stars/star_dome.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

#include "runtime/angle_units.h"

namespace orbitas {

StarsAndFigures StarsAndFiguresAbove(const Place& place, double jd, double magnitudeLimit) {
  StarsAndFigures out;
  std::unordered_map<const Star*, HorizonCoordinates> seen;
  const auto horizon = [&](const Star* s) -> const HorizonCoordinates& {
    auto it = seen.find(s);
    if (it == seen.end()) it = seen.emplace(s, StarHorizon(*s, place, jd)).first;
    return it->second;
  };
  for (const Star& s : StarCatalogue()) {
    if (s.magnitude > magnitudeLimit) continue;
    const HorizonCoordinates& h = horizon(&s);
    if (h.altitude >= 0) out.stars.push_back({&s, h.altitude, h.azimuth});
  }
  std::stable_sort(out.stars.begin(), out.stars.end(),
                   [](const StarAbove& a, const StarAbove& b) { return a.star->magnitude < b.star->magnitude; });
  for (const FigureLine& line : ConstellationFigures()) {
    const HorizonCoordinates& a = horizon(line.from);
    const HorizonCoordinates& b = horizon(line.to);
    if (a.altitude < 0 || b.altitude < 0) continue;
    if (out.figures.empty() || out.figures.back().constellation != line.constellation)
      out.figures.push_back({line.constellation, {}, 0, 0});
    out.figures.back().lines.push_back({{a.altitude, a.azimuth}, {b.altitude, b.azimuth}});
  }
  // A figure's name goes at the mean of its line ends, taken as unit
  // vectors so that a figure across north does not average to south.
  for (FigureAbove& f : out.figures) {
    double x = 0, y = 0, z = 0;
    for (const auto& [p, q] : f.lines)
      for (const auto& [alt, az] : {p, q}) {
        const double a = alt * ExactPi / 180, z0 = az * ExactPi / 180;
        x += std::cos(a) * std::cos(z0);
        y += std::cos(a) * std::sin(z0);
        z += std::sin(a);
      }
    f.labelAltitude = std::atan2(z, std::hypot(x, y)) * 180 / ExactPi;
    f.labelAzimuth = std::fmod(std::atan2(y, x) * 180 / ExactPi + 360, 360);
  }
  return out;
}

}  // namespace orbitas
