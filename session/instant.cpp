#include "session/instant.h"

#include "calendar/civil_days.h"
#include "runtime/number_text.h"

namespace orbitas {

InstantRunner::InstantRunner(std::string_view separator, std::optional<Place> place)
    : separator_(separator), place_(std::move(place)) {
  FillElements(state_.elements);
}

void InstantRunner::EnterDate(const DateFields& fields, InstantOutcome& outcome, bool wantTexts,
                              JulianDayStages* stages) {
  DateLabelTexts texts(wantTexts);
  try {
    PressDateKey(state_, true, fields, separator_, texts, stages);
  } catch (const RuntimeError&) {
    outcome.horadec = std::move(texts.horadec);
    throw;
  }
  outcome.horadec = std::move(texts.horadec);
  outcome.diajuliano = std::move(texts.diajuliano);
  outcome.julianDay = state_.julianDay;
}

void InstantRunner::EnterJulianDay(double julianDay, InstantOutcome& outcome) {
  state_.julianDay = julianDay;
  outcome.horadec.reset();
  outcome.diajuliano = CStr(julianDay, separator_);
  outcome.julianDay = julianDay;
}

void InstantRunner::RunPlanet(Int16 body, double julianDay, PlanetOutcome& planet, PlanetRequestStages* stages) {
  planet.body = body;
  const bool earthKnown = earthDay_ && *earthDay_ == julianDay;
  RunPlanetRequest(state_.elements, julianDay, body, separator_, planet.values, planet.labels, stages,
                   earthKnown ? &earth_ : nullptr);
  earth_ = planet.values.earth;
  earthDay_ = julianDay;
  if (place_) planet.sky = PlanetInSky(Instant::FromUt(julianDay), BodyFromNumber(body).value(), planet.values.equatorial, *place_);
}

void InstantRunner::RunPlanets(const std::vector<Int16>& bodies, InstantOutcome& outcome) {
  for (const Int16 body : bodies) RunPlanet(body, outcome.julianDay, outcome.planets.emplace_back());
}

namespace {

// The UT Julian day of a Julian day counted in zone's local time.
double UniversalJulianDay(double localJulianDay, const TimeZone& zone) {
  const double localSeconds = UnixSecondsFromJulianDay(localJulianDay);
  const double utcSeconds = zone.UtcOf(CivilFromSeconds(localSeconds));
  return localJulianDay - (localSeconds - utcSeconds) / SecondsPerDay;
}

}  // namespace

InstantOutcome ComputeInstant(const std::optional<DateTexts>& date, const std::string& julianDayText,
                              const std::vector<Int16>& bodies, std::string_view separator,
                              const std::optional<Place>& place, const TimeZone& zone) {
  InstantOutcome outcome;
  InstantRunner runner(separator, place);
  try {
    if (date) {
      const DateTexts& d = *date;
      runner.EnterDate(TypedDateFields({d[0], d[1], d[2], d[3], d[4], d[5]}), outcome);
      if (!zone.IsUtc()) {
        outcome.julianDay = UniversalJulianDay(outcome.julianDay, zone);
        outcome.diajuliano = CStr(outcome.julianDay, separator);
      }
    } else {
      runner.EnterJulianDay(Val(julianDayText), outcome);
    }
    runner.RunPlanets(bodies, outcome);
  } catch (const RuntimeError& error) {
    outcome.error = error.kind();
  }
  return outcome;
}

}  // namespace orbitas
