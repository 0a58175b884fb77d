#pragma once
// The program-wide values, zero or empty at start, alive for the whole run.
// The window's handlers keep them current; nothing else writes them.

#include "elements.h"
#include "planet_request.h"

namespace orbitas {

struct Variglo {
  ElementsTable Elements{};  // filled once at start-up
  double DecimalHour = 0.0;  // hour of the last Enter in a date field
  double DecimalDay = 0.0;   // day of the month with its fraction, last Enter
  double JulianDay = 0.0;    // 0 until the first key press in a date field
  // PlanetNames, EpochOffset, the Earth's and the planet's positions and the
  // equatorial coordinates of the last planet request.
  PlanetRequestValues Request;
};

}  // namespace orbitas
