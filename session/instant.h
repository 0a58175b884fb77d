#pragma once
// One instant computed as the window computes it: the date and time typed
// into the six fields and Enter, or a Julian day given directly; then one
// planet request per chosen planet, each seen from a place when one is
// given. Single instants, tables and explanations all run InstantRunner.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "session/date_entry.h"
#include "session/label_texts.h"
#include "session/planet_request.h"
#include "session/program_state.h"
#include "runtime/runtime_error.h"
#include "sky/bodies/sky_position.h"
#include "calendar/time_zone.h"

namespace orbitas {

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
  double julianDay = 0.0;                 // days, UT
  std::vector<PlanetOutcome> planets;
  std::optional<ErrorKind> error;         // the run-time error that stopped it
};

// The program's state for a run of instants: the elements, the date entry
// and the planet requests, with the user's decimal separator, each planet
// seen from place when one is given.
class InstantRunner {
 public:
  explicit InstantRunner(std::string_view separator, std::optional<Place> place = std::nullopt);

  // Enter in the six fields: sets outcome.horadec, outcome.diajuliano (both
  // only when wantTexts) and outcome.julianDay. A run-time error
  // propagates; outcome.horadec then holds the decimal hour if Enter got
  // that far. stages, when given, receives the Julian day's working values.
  void EnterDate(const DateFields& fields, InstantOutcome& outcome, bool wantTexts = true,
                 JulianDayStages* stages = nullptr);

  // A Julian day (days, UT) given directly: outcome.julianDay, its text in
  // outcome.diajuliano, and no decimal hour.
  void EnterJulianDay(double julianDay, InstantOutcome& outcome);

  // The planet request for body at julianDay (days, UT) into planet, and
  // its sky with a place. A run-time error propagates with planet holding
  // the labels written before it. stages, when given, receives the Newton
  // steps.
  void RunPlanet(Int16 body, double julianDay, PlanetOutcome& planet, PlanetRequestStages* stages = nullptr);

  // The planet requests in order at outcome.julianDay, each appended to
  // outcome.planets. Stops at the first run-time error (raised), keeping
  // what was shown before it.
  void RunPlanets(const std::vector<Int16>& bodies, InstantOutcome& outcome);

  const ElementsTable& elements() const { return state_.elements; }
  // The date entry's values, as far as the last entry reached. The caller
  // may change them, so the Earth kept for the next planet is let go.
  ProgramState& state() {
    earthDay_.reset();
    return state_;
  }

 private:
  ProgramState state_;
  // The Earth's position at *earthDay_, from the last request that
  // completed: the other planets of one instant share it.
  HeliocentricPosition earth_{};
  std::optional<double> earthDay_;
  std::string separator_;
  std::optional<Place> place_;
};

// The date entry of Enter (or the Julian day read with Val from
// julianDayText) and then the planet requests, recording a run-time error
// in outcome.error instead of raising it. A date is local time in zone:
// its Julian day is the window's for the typed values less the zone's
// offset (so that outcome.julianDay and "diajuliano" are always UT).
InstantOutcome ComputeInstant(const std::optional<DateTexts>& date, const std::string& julianDayText,
                              const std::vector<Int16>& bodies, std::string_view separator,
                              const std::optional<Place>& place = std::nullopt, const TimeZone& zone = {});

}  // namespace orbitas
