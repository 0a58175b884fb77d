#pragma once
// One instant computed as the window computes it: the date and time typed
// into the six fields and Enter, or a Julian day given directly; then one
// planet request per chosen planet.

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "planet_request.h"
#include "runtime_error.h"

namespace orbitas::cli {

// The six values as typed, each read with Val as the window's fields are.
struct DateTexts {
  std::string year, month, day, hour, minute, second;
};

// What one planet request showed: its labels in the order written (all 20
// when it completed) and the values it computed.
struct PlanetOutcome {
  Int16 body = 0;
  std::vector<std::pair<std::string, std::string>> labels;
  PlanetRequestValues values;

  const std::string* Label(std::string_view name) const;
  bool Complete() const { return labels.size() == ResultLabelCount; }
};

struct InstantOutcome {
  std::optional<std::string> horadec;     // absent when a Julian day is given
  std::optional<std::string> diajuliano;  // absent when the calendar failed
  double julianDay = 0.0;
  std::vector<PlanetOutcome> planets;
  std::optional<ErrorKind> error;         // the run-time error that stopped it
};

// The Julian day of a date, as Enter in the seconds field computes it,
// writing the label texts into outcome as they become known.
void ComputeDate(const DateTexts& date, std::string_view separator, InstantOutcome& outcome);

// The same from numbers already read (a table's instants).
void ComputeDateValues(double year, double month, double day, double hour, double minute,
                       double second, std::string_view separator, InstantOutcome& outcome);

// Runs the planet requests in order at outcome.julianDay. Stops at the first
// run-time error, keeping in outcome what was shown before it.
void ComputePlanets(const ElementsTable& elements, const std::vector<Int16>& bodies,
                    std::string_view separator, InstantOutcome& outcome);

// ComputeDate (or the Julian day parsed with Val from julianDayText) and
// then ComputePlanets, recording a run-time error in outcome.error instead
// of throwing it.
InstantOutcome ComputeInstant(const std::optional<DateTexts>& date,
                              const std::string& julianDayText,
                              const std::vector<Int16>& bodies, std::string_view separator);

}  // namespace orbitas::cli
