#pragma once
// One night from a place: the altitude of each planet and of the Moon
// against local time, from sunset to sunrise, over bands of the sky's
// darkness (day, civil, nautical and astronomical twilight, night); the
// visible interval of each planet drawn thicker and its best moment marked.
#include <optional>
#include <string>
#include <vector>

#include "runtime/conversions.h"

namespace orbitas::pictures {

struct NightBand {
  double from = 0, to = 0;  // hours from the picture's start
  int darkness = 0;         // 0 day, 1 civil, 2 nautical, 3 astronomical twilight, 4 night
};

struct NightCurve {
  std::string name;
  Int16 body = 0;  // 1..9, or 10 for the Moon
  std::vector<std::pair<double, double>> points;  // (hours from the start, altitude in degrees)
  std::optional<std::pair<double, double>> visible;  // hours
  std::optional<std::pair<double, double>> best;     // (hours, altitude)
};

struct NightPicture {
  std::string title;   // "La noche del 2026-12-07 desde 40.4168, -3.7038 (Europe/Madrid)"
  double hours = 12;   // the span drawn
  std::vector<std::pair<double, std::string>> ticks;  // (hours from the start, "19:00")
  std::vector<NightBand> bands;
  std::vector<NightCurve> curves;
  double limit = 10;   // the planets' altitude limit, degrees
};

// The SVG of the picture, width x height pixels; decimalSeparator is the
// user's.
std::string DrawNight(const NightPicture& night, std::string_view decimalSeparator, int width, int height);

}  // namespace orbitas::pictures
