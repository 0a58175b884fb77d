#pragma once
// One instant computed as the window computes it: the date and time typed
// into the six fields and Enter, or a Julian day given directly; then one
// planet request per chosen planet.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "label_texts.h"
#include "planet_request.h"
#include "runtime_error.h"
#include "sky.h"
#include "time_zone.h"

namespace orbitas::cli {

// The six values as typed (year, month, day, hour, minute, second), each
// read with Val as the window's fields are.
using DateTexts = std::array<std::string, 6>;

// What one planet request showed: the labels it reached (all 20 when it
// completed) and the values it computed.
struct PlanetOutcome {
  Int16 body = 0;
  LabelTexts labels;
  PlanetRequestValues values;
  std::optional<SkyPosition> sky;  // with a place, once the request completed

  bool Complete() const { return labels.Written(ResultLabel::rv); }
};

struct InstantOutcome {
  std::optional<std::string> horadec;     // absent when a Julian day is given
  std::optional<std::string> diajuliano;  // absent when the calendar failed
  double julianDay = 0.0;
  std::vector<PlanetOutcome> planets;
  std::optional<ErrorKind> error;         // the run-time error that stopped it
};

// Runs the planet requests in order at outcome.julianDay, each seen from
// place when one is given. Stops at the first run-time error, keeping in
// outcome what was shown before it.
void ComputePlanets(const ElementsTable& elements, const std::vector<Int16>& bodies,
                    std::string_view separator, InstantOutcome& outcome,
                    const std::optional<Place>& place = std::nullopt);

// The date entry of Enter (or the Julian day read with Val from
// julianDayText) and then ComputePlanets, recording a run-time error in
// outcome.error instead of raising it. A date is local time in zone: its
// Julian day is the window's for the typed values less the zone's offset
// (so that outcome.julianDay and "diajuliano" are always UT).
InstantOutcome ComputeInstant(const std::optional<DateTexts>& date, const std::string& julianDayText,
                              const std::vector<Int16>& bodies, std::string_view separator,
                              const std::optional<Place>& place = std::nullopt, const TimeZone& zone = {});

}  // namespace orbitas::cli
