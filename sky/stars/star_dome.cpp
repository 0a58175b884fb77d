#include "sky/stars/star_dome.h"

#include <algorithm>
#include <cmath>

#include "runtime/angle_units.h"
#include "sky/stars/star_field.h"

namespace orbitas {

StarsAndFigures StarsAndFiguresAbove(const Place& place, Instant at, double magnitudeLimit) {
  using AltitudeAzimuth = std::pair<double, double>;
  const auto above = [&](const Star& s) -> std::optional<AltitudeAzimuth> {
    const HorizonCoordinates h = StarHorizon(s, place, at);
    if (h.altitude < 0) return std::nullopt;
    return AltitudeAzimuth{h.altitude, h.azimuth};
  };
  const auto any = [](const auto&...) { return true; };
  const StarField<AltitudeAzimuth> field = BuildStarField(magnitudeLimit, StarOrder::Brightest, above, any, any);
  StarsAndFigures out;
  for (const auto& s : field.stars) out.stars.push_back({s.star, s.at.first, s.at.second});
  for (const auto& f : field.figures) out.figures.push_back({f.constellation, f.lines, 0, 0});
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
