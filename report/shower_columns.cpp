#include "report/shower_columns.h"

#include <cmath>

#include "report/json.h"
#include "report/night_output.h"
#include "report/text_layout.h"
#include "runtime/shortest_text.h"
#include "session/names.h"

namespace orbitas::report {
namespace {

EventCell Empty() { return {"—", std::nullopt, "", "null"}; }

// A text that is also its own value; sorted by key when given.
EventCell Text(std::string text, std::optional<double> key = std::nullopt) {
  std::string json = JsonString(text);
  std::string file = text;
  return {std::move(text), key, std::move(file), std::move(json)};
}

// A number with its own words for people, alone for a file.
EventCell Worded(double x, std::string people) { return {std::move(people), x, ShortestText(x), JsonNumber(x)}; }

// A number to a pattern with its unit for people.
EventCell Number(double x, std::string_view pattern, std::string_view sep, std::string_view unit = "") {
  return Worded(x, SignedNumber(x, pattern, sep) + std::string(unit));
}

// A number rounded to a whole for people ("25 %", "80").
EventCell Whole(double x, double scale = 1, std::string_view unit = "") {
  return Worded(x, std::to_string(std::lround(x * scale)) + std::string(unit));
}

// Yes or no, in the words people read for each.
EventCell YesNo(bool yes, std::string_view yesWords, std::string_view noWords) {
  const std::string literal = yes ? "true" : "false";
  return {std::string(yes ? yesWords : noWords), yes ? 1.0 : 0.0, literal, literal};
}

// "2027-08-13 03:12" in the zone, sorted by the instant; ISO 8601 with the
// offset for a file.
EventCell Minute(const TimeZone& zone, const Instant& t) {
  std::string iso = zone.LocalIso(t);
  std::string json = JsonString(iso);
  return {DateText(zone.LocalMinute(t)), t.ut, std::move(iso), std::move(json)};
}

// A shower's row in the window sorts after the planets, which sort by
// their numbers.
constexpr double AfterThePlanets = 100;

}  // namespace

EventCell ShowerCellOf(const ShowerNight& s, ShowerField field, const TimeZone& zone, std::string_view sep) {
  const std::string name(ShowerName(s.shower->code));
  switch (field) {
    case ShowerField::Code: return Text(std::string(s.shower->code));
    case ShowerField::Name: return Text(name);
    case ShowerField::BestTime: return Minute(zone, s.bestTime);
    case ShowerField::DarkestHour: return YesNo(s.darkestHour, "sí", "no");
    case ShowerField::RadiantAltitude: return Number(s.radiantAltitude, "#0.0", sep, "°");
    case ShowerField::HourlyRate: return Worded(s.hourlyRate, MeteorRateText(s.hourlyRate));
    case ShowerField::Zhr: return Whole(s.shower->zhr);
    case ShowerField::ZhrNow: {
      EventCell now = Whole(s.zhrNow);
      if (s.zhrNow < 0.5) now.text = "menos de 1";
      return now;
    }
    case ShowerField::PopulationIndex: return Number(s.shower->populationIndex, "#0.0", sep);
    case ShowerField::LimitingMagnitude: return Number(s.limitingMagnitude, "#0.0", sep);
    case ShowerField::MoonIlluminated: return Whole(s.moonIlluminated, 100, " %");
    case ShowerField::MoonUp: return YesNo(s.moonUp, "sobre el horizonte", "bajo el horizonte");
    case ShowerField::Shower: return Text(name + " (" + std::string(s.shower->code) + ")", AfterThePlanets);
    case ShowerField::RadiantDegrees: return Number(s.radiantAltitude, "#0", sep, "°");
    case ShowerField::Error: return Text("de ERFA");
    case ShowerField::Notes:
      return Worded(s.hourlyRate, "lluvia de estrellas: " + MeteorRateText(s.hourlyRate) +
                                      (s.darkestHour ? " (sin noche cerrada)" : ""));
    case ShowerField::Count: break;
  }
  return Empty();
}

std::string ShowerFieldsJson(const ShowerNight& s, const TimeZone& zone) {
  std::string json;
  for (std::size_t k = 0; k < ShowerFields.size(); ++k) {
    if (ShowerFields[k].json.empty()) continue;
    json += (json.empty() ? "" : ", ") + JsonString(ShowerFields[k].json) + ": " +
            ShowerCellOf(s, static_cast<ShowerField>(k), zone, ".").json;
  }
  return "{" + json + "}";
}

}  // namespace orbitas::report
