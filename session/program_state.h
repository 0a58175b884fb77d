#pragma once
// The program-wide values, zero or empty at start, alive for the whole run.
// The date entry and the planet request keep them current.

#include "ephemeris/elements.h"
#include "session/planet_request.h"

namespace orbitas {

struct ProgramState {
  ElementsTable elements{};  // filled once at start-up
  double decimalHour = 0.0;  // hours, of the last Enter in a date field
  double decimalDay = 0.0;   // day of the month with its fraction, last Enter
  double julianDay = 0.0;    // days; 0 until the first key in a date field
  // The body names, epoch offset, positions and equatorial coordinates of
  // the last planet request.
  PlanetRequestValues lastRequest;
};

}  // namespace orbitas
