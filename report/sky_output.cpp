#include "report/sky_output.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "session/body_names.h"
#include "session/clock_words.h"
#include "session/names.h"
#include "calendar/civil_time.h"
#include "report/json.h"
#include "report/method_beside.h"
#include "runtime/number_text.h"
#include "report/sources.h"
#include "report/text_layout.h"

namespace orbitas::report {
namespace {

std::string Row(std::string_view caption, const std::string& text) {
  return "  " + PadRight(std::string(caption), 17, 1) + text + "\n";
}

std::string Number(double x, std::string_view separator) { return Format(x, "#0.0###", separator); }

std::string OptionalNumber(const std::optional<double>& x) { return x ? JsonNumber(*x) : "null"; }

}  // namespace

std::string ErrorText(const std::optional<double>& degrees, std::string_view separator) {
  return degrees ? "±" + Format(*degrees, "#0.0##", separator) + "°" : "sin referencia";
}

std::string HorizonBlock(std::string_view name, const Place& place, const SkyPosition& sky,
                         std::string_view separator) {
  const HorizonCoordinates& h = sky.horizon;
  return "Coordenadas horizontales de " + std::string(name) + " desde " + place.text + "\n" +
         Row("Altura", Number(h.altitude, separator) + "°  " + ErrorText(sky.error.Bar(), separator)) +
         Row("Altura aparente", Number(h.apparentAltitude, separator) + "°") +
         Row("Acimut", Number(h.azimuth, separator) + "°") +
         Row("Ángulo horario", Number(h.hourAngle, separator) + " h") +
         Row("Tiempo sidéreo", Number(h.localSiderealTime, separator) + " h");
}

std::string HorizonJson(const SkyPosition& sky) {
  const HorizonCoordinates& h = sky.horizon;
  return "{\"altitude\": " + JsonNumber(h.altitude) + ", \"apparentAltitude\": " + JsonNumber(h.apparentAltitude) +
         ", \"azimuth\": " + JsonNumber(h.azimuth) + ", \"hourAngle\": " + JsonNumber(h.hourAngle) +
         ", \"localSiderealTime\": " + JsonNumber(h.localSiderealTime) +
         ", \"methodError\": " + OptionalNumber(sky.error.method) +
         ", \"referenceError\": " + OptionalNumber(sky.error.reference) + "}";
}

std::string RiseSetText(const RiseSetAnswer& report, std::string_view separator) {
  std::string text = "Salida, culminación y puesta el " + DateWithWeekday(report.date) + " desde " +
                     PlaceText(report.place) + ", " + ClockWordsOn(report.zone, report.date) + "\n";
  // The almanac's times, to the minute, as the night writes them.
  auto when = [&](const std::optional<Instant>& t) {
    return t ? MinuteWithWeekday(report.zone, *t) : std::string("—");
  };
  for (const PlanetDay& day : report.planets) {
    text += "\n" + std::string(SpanishName(day.body)) + "\n";
    // Those that happen, in the order they happen that day (a body that
    // rises late in the evening culminates and sets earlier the same day);
    // what does not happen keeps its place.
    struct Passage {
      std::optional<Instant> at;
      std::string row;
    };
    std::vector<Passage> passages = {
        {day.rise, Row("Sale", when(day.rise))},
        {day.transit, Row("Culmina", when(day.transit) + (day.transit ? "  altura " + SignedNumber(day.transitAltitude, "#0.0", separator) + "°" : ""))},
        {day.set, Row("Se pone", when(day.set))}};
    std::vector<Passage> happening;
    for (const Passage& p : passages) {
      if (p.at) happening.push_back(p);
    }
    std::stable_sort(happening.begin(), happening.end(), [](const Passage& a, const Passage& b) { return *a.at < *b.at; });
    for (std::size_t k = 0, next = 0; k < passages.size(); ++k) text += passages[k].at ? happening[next++].row : passages[k].row;
    if (!day.misses.empty()) text += Row("", "(" + DayMissesText(day.misses) + ")");
    text += MethodDayLine(day, report, separator);
  }
  return text + SourcesLine();
}



std::string RiseSetJson(const RiseSetAnswer& report) {
  auto when = [&](const std::optional<Instant>& t) { return t ? JsonString(report.zone.LocalIso(*t)) : std::string("null"); };
  std::string json = "{\"date\": " + JsonString(report.date) + ", \"zone\": " + JsonString(report.zone.name()) +
                     ", \"latitude\": " + JsonNumber(report.place.latitude) +
                     ", \"longitude\": " + JsonNumber(report.place.longitude) + PlaceJson(report.place) +
                     ", \"planets\": [";
  for (std::size_t k = 0; k < report.planets.size(); ++k) {
    const PlanetDay& day = report.planets[k];
    if (k) json += ", ";
    json += "{\"body\": " + std::to_string(BodyNumber(day.body)) + ", \"name\": " + JsonString(SpanishName(day.body)) +
            ", \"rise\": " + when(day.rise) + ", \"transit\": " + when(day.transit) + ", \"set\": " + when(day.set) +
            ", \"transitAltitude\": " + (day.transit ? JsonNumber(day.transitAltitude) : "null") +
            MethodDayJson(day, report) +
            ", \"reason\": " + (day.misses.empty() ? "null" : JsonString(DayMissesText(day.misses))) +
            ", \"margin\": " + OptionalNumber(day.margin) + "}";
  }
  return json + "], \"sources\": " + SourcesJson() + "}\n";
}

std::string PlaceJson(const Place& place) {
  if (place.name.empty()) return "";
  return ", \"place\": {\"name\": " + JsonString(place.name) + ", \"region\": " + JsonString(place.region) +
         ", \"country\": " + JsonString(place.country) + ", \"latitude\": " + JsonNumber(place.latitude) +
         ", \"longitude\": " + JsonNumber(place.longitude) +
         ", \"zone\": " + (place.zone.empty() ? std::string("null") : JsonString(place.zone)) + "}";
}

}  // namespace orbitas::report
