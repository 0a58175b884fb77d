#include "report/shower_columns.h"

#include "report/column_cells.h"
#include "report/json.h"
#include "report/night_output.h"
#include "session/names.h"

namespace orbitas::report {
namespace {

// A shower's row in the window sorts after the planets, which sort by
// their numbers.
constexpr double AfterThePlanets = 100;

}  // namespace

EventCell ShowerCellOf(const ShowerNight& s, ShowerField field, const TimeZone& zone, std::string_view sep) {
  const std::string name(ShowerName(s.shower->code));
  switch (field) {
    case ShowerField::Code: return TextCell(std::string(s.shower->code));
    case ShowerField::Name: return TextCell(name);
    case ShowerField::BestTime: return MinuteCell(zone, s.bestTime);
    case ShowerField::DarkestHour: return YesNoCell(s.darkestHour, "sí", "no");
    case ShowerField::RadiantAltitude: return NumberCell(s.radiantAltitude, "#0.0", sep, "°");
    case ShowerField::HourlyRate: return WordedCell(s.hourlyRate, MeteorRateText(s.hourlyRate));
    case ShowerField::Zhr: return WholeCell(s.shower->zhr);
    case ShowerField::ZhrNow: {
      EventCell now = WholeCell(s.zhrNow);
      if (s.zhrNow < 0.5) now.text = "menos de 1";
      return now;
    }
    case ShowerField::PopulationIndex: return NumberCell(s.shower->populationIndex, "#0.0", sep);
    case ShowerField::LimitingMagnitude: return NumberCell(s.limitingMagnitude, "#0.0", sep);
    case ShowerField::MoonIlluminated: return WholeCell(s.moonIlluminated, 100, " %");
    case ShowerField::MoonUp: return YesNoCell(s.moonUp, "sobre el horizonte", "bajo el horizonte");
    case ShowerField::RadiantHighest: return NumberCell(s.radiantHighest, "#0", sep, "°");
    case ShowerField::Shower: return TextCell(name + " (" + std::string(s.shower->code) + ")", AfterThePlanets);
    case ShowerField::RadiantDegrees: return NumberCell(s.radiantAltitude, "#0", sep, "°");
    case ShowerField::Notes:
      if (s.radiantHighest) return WordedCell(s.hourlyRate, "lluvia de estrellas: no se ve, su radiante no sale de noche cerrada");
      return WordedCell(s.hourlyRate, "lluvia de estrellas: " + MeteorRateText(s.hourlyRate) +
                                          (s.darkestHour ? " (sin noche cerrada)" : ""));
    case ShowerField::Count: break;
  }
  return EmptyCell();
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
