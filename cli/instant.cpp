#include "instant.h"

#include "date_entry.h"
#include "civil_days.h"
#include "number_text.h"

namespace orbitas::cli {

void ComputePlanets(const ElementsTable& elements, const std::vector<Int16>& bodies,
                    std::string_view separator, InstantOutcome& outcome, const std::optional<Place>& place) {
  for (const Int16 body : bodies) {
    PlanetOutcome& planet = outcome.planets.emplace_back();
    planet.body = body;
    RunPlanetRequest(elements, outcome.julianDay, body, separator, planet.values, planet.labels);
    if (place) planet.sky = PlanetInSky(outcome.julianDay, body, planet.values.equatorial, *place);
  }
}

namespace {

// The UT Julian day of a Julian day counted in zone's local time.
double UniversalJulianDay(double localJulianDay, const TimeZone& zone) {
  const double localSeconds = (localJulianDay - UnixEpochJulianDay) * SecondsPerDay;
  const double utcSeconds = zone.UtcOf(CivilFromSeconds(localSeconds));
  return localJulianDay - (localSeconds - utcSeconds) / SecondsPerDay;
}

}  // namespace

InstantOutcome ComputeInstant(const std::optional<DateTexts>& date, const std::string& julianDayText,
                              const std::vector<Int16>& bodies, std::string_view separator,
                              const std::optional<Place>& place, const TimeZone& zone) {
  InstantOutcome outcome;
  ProgramState state;
  try {
    if (date) {
      DateLabelTexts texts;
      try {
        const auto& d = *date;
        PressDateKey(state, true, TypedDateFields({d[0], d[1], d[2], d[3], d[4], d[5]}), separator, texts);
      } catch (const RuntimeError&) {
        outcome.horadec = texts.horadec;
        throw;
      }
      outcome.horadec = texts.horadec;
      outcome.diajuliano = texts.diajuliano;
      outcome.julianDay = state.julianDay;
      if (!zone.IsUtc()) {
        outcome.julianDay = UniversalJulianDay(state.julianDay, zone);
        outcome.diajuliano = CStr(outcome.julianDay, separator);
      }
    } else {
      outcome.julianDay = Val(julianDayText);
      outcome.diajuliano = CStr(outcome.julianDay, separator);
    }
    FillElements(state.elements);
    ComputePlanets(state.elements, bodies, separator, outcome, place);
  } catch (const RuntimeError& error) {
    outcome.error = error.kind();
  }
  return outcome;
}

}  // namespace orbitas::cli
