#include "report/nights_output.h"

#include <cmath>

#include "calendar/civil_time.h"
#include "report/eclipse_output.h"
#include "report/json.h"
#include "report/text_layout.h"
#include "runtime/number_text.h"
#include "session/names.h"

namespace orbitas::report {
namespace {

std::string Clock(const TimeZone& zone, const Instant& t) { return zone.ToMinute(t).Clock(); }

std::string Iso(const TimeZone& zone, const std::optional<Instant>& t) {
  return t ? JsonString(zone.LocalIso(*t)) : std::string("null");
}

std::optional<Instant> At(const std::optional<TimedEvent>& event) {
  return event ? std::optional<Instant>(event->time) : std::nullopt;
}

// "Saturno 18:20–01:38 (mejor 20:32)" for each planet that can be seen.
std::string VisiblePlanets(const NightAnswer& r, std::string_view joiner) {
  std::string text;
  for (const PlanetNight& p : r.night.planets) {
    if (!p.best) continue;
    text += (text.empty() ? "" : std::string(joiner)) + std::string(SpanishName(p.body)) + " " +
            Clock(r.zone, p.visibleFrom->time) + "–" + Clock(r.zone, p.visibleTo->time) + " (mejor " +
            Clock(r.zone, p.best->time) + ")";
  }
  return text;
}

// "GEM 90/h a las 03:48" for each shower with a meteor an hour or more.
std::string ShowerRates(const NightAnswer& r, std::string_view joiner) {
  std::string text;
  for (const ShowerNight& s : r.showers) {
    if (std::lround(s.hourlyRate) < 1) continue;
    text += (text.empty() ? "" : std::string(joiner)) + std::string(s.shower->code) + " " +
            std::to_string(std::lround(s.hourlyRate)) + "/h a las " + Clock(r.zone, s.bestTime);
  }
  return text;
}

}  // namespace

std::string NightSummaryLine(const NightAnswer& r, std::string_view sep) {
  const SunNight& sun = r.night.sun;
  const MoonNight& moon = r.night.moon;
  std::string text = DateText(r.date) + "  ";
  text += sun.astronomicalDusk && sun.astronomicalDawn
              ? "oscuro " + Clock(r.zone, sun.astronomicalDusk->time) + "–" + Clock(r.zone, sun.astronomicalDawn->time)
              : "sin noche cerrada";
  text += "; Luna " + std::to_string(std::lround(moon.phase.illuminated * 100)) + " %";
  if (moon.rise) text += ", sale " + Clock(r.zone, *moon.rise);
  if (moon.set) text += ", se pone " + Clock(r.zone, *moon.set);
  const std::string planets = VisiblePlanets(r, ", "), showers = ShowerRates(r, ", ");
  text += "; " + (planets.empty() ? std::string("ningún planeta visible") : planets);
  if (!showers.empty()) text += "; meteoros: " + showers;
  for (const EclipseSeen& e : r.eclipses) text += "; " + EclipseSummary(e, ForPeople(sep));
  return text + "\n";
}

std::string NightSummaryCsvHeader() {
  return "date,dark_from,dark_to,moon_illuminated,moon_rise,moon_set,planets,showers,eclipses\r\n";
}

std::string NightSummaryCsvRow(const NightAnswer& r) {
  const SunNight& sun = r.night.sun;
  const MoonNight& moon = r.night.moon;
  auto iso = [&](const std::optional<Instant>& t) { return t ? r.zone.LocalIso(*t) : std::string(); };
  std::string eclipses;
  for (const EclipseSeen& e : r.eclipses) eclipses += (eclipses.empty() ? "" : "; ") + EclipseSummary(e, ForFiles());
  return r.date + "," + iso(At(sun.astronomicalDusk)) + "," + iso(At(sun.astronomicalDawn)) + "," +
         Format(moon.phase.illuminated, "#0.00", ".") + "," + iso(moon.rise) + "," + iso(moon.set) + "," +
         CsvField(VisiblePlanets(r, "; ")) + "," + CsvField(ShowerRates(r, "; ")) + "," + CsvField(eclipses) + "\r\n";
}

std::string NightSummaryJson(const NightAnswer& r) {
  const SunNight& sun = r.night.sun;
  const MoonNight& moon = r.night.moon;
  std::string planets;
  for (const PlanetNight& p : r.night.planets) {
    if (!p.best) continue;
    planets += std::string(planets.empty() ? "" : ", ") + "{\"name\": " + JsonString(SpanishName(p.body)) +
               ", \"from\": " + Iso(r.zone, p.visibleFrom->time) + ", \"to\": " + Iso(r.zone, p.visibleTo->time) +
               ", \"best\": " + Iso(r.zone, p.best->time) + "}";
  }
  std::string showers;
  for (const ShowerNight& s : r.showers) {
    showers += std::string(showers.empty() ? "" : ", ") + "{\"code\": " + JsonString(s.shower->code) +
               ", \"hourlyRate\": " + JsonNumber(s.hourlyRate) + ", \"bestTime\": " + Iso(r.zone, s.bestTime) + "}";
  }
  std::string eclipses;
  for (const EclipseSeen& e : r.eclipses) eclipses += (eclipses.empty() ? "" : ", ") + JsonString(EclipseSummary(e, ForFiles()));
  return "{\"date\": " + JsonString(r.date) + ", \"darkFrom\": " + Iso(r.zone, At(sun.astronomicalDusk)) +
         ", \"darkTo\": " + Iso(r.zone, At(sun.astronomicalDawn)) + ", \"moon\": {\"illuminated\": " +
         JsonNumber(moon.phase.illuminated) + ", \"rise\": " + Iso(r.zone, moon.rise) + ", \"set\": " +
         Iso(r.zone, moon.set) + "}, \"planets\": [" + planets + "], \"meteorShowers\": [" + showers +
         "], \"eclipses\": [" + eclipses + "]}\n";
}

}  // namespace orbitas::report
