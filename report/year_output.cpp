#include "report/year_output.h"

#include "calendar/civil_time.h"
#include "report/eclipse_output.h"
#include "report/event_columns.h"
#include "report/json.h"
#include "report/text_layout.h"
#include "report/night_output.h"
#include "report/phenomena_output.h"
#include "runtime/number_text.h"
#include "session/names.h"

namespace orbitas::report {
namespace {

// The best hour of a peak's night from the place, or null.
std::string PeakNightJson(const std::optional<ShowerNight>& night, const TimeZone& zone) {
  if (!night) return "null";
  return "{\"bestTime\": " + JsonString(zone.LocalIso(night->bestTime)) +
         ", \"darkestHour\": " + (night->darkestHour ? "true" : "false") +
         ", \"radiantAltitude\": " + JsonNumber(night->radiantAltitude) + ", \"zhrNow\": " + JsonNumber(night->zhrNow) +
         ", \"limitingMagnitude\": " + JsonNumber(night->limitingMagnitude) +
         ", \"hourlyRate\": " + JsonNumber(night->hourlyRate) + "}";
}

std::string ShowerJson(const ShowerPeakSeen& seen, const TimeZone& zone) {
  const ShowerPeak& p = seen.peak;
  const MeteorShower& s = *p.shower;
  const Radiant radiant = RadiantAt(s, p.time);
  return "{\"kind\": \"meteor-shower\", \"instant\": " + JsonString(zone.LocalIso(p.time)) +
         ", \"utc\": " + JsonString(TimeZone().LocalIso(p.time)) + ", \"julianDay\": " + JsonNumber(p.time.ut) +
         ", \"deltaT\": " + JsonNumber(p.deltaT) + ", \"description\": " + JsonString(ShowerDescription(p, ForFiles())) +
         ", \"source\": \"ERFA\", \"type\": null, \"code\": " + JsonString(s.code) +
         ", \"name\": " + JsonString(ShowerName(s.code)) + ", \"solarLongitude\": " + JsonNumber(s.peak) +
         ", \"zhr\": " + JsonNumber(s.zhr) + ", \"radiant\": {\"ra\": " + JsonNumber(radiant.rightAscension) +
         ", \"dec\": " + JsonNumber(radiant.declination) + "}, \"speed\": " + JsonNumber(s.speed) +
         ", \"moonIlluminated\": " + JsonNumber(p.moonIlluminated) + ", \"night\": " + PeakNightJson(seen.night, zone) +
         "}\n";
}

}  // namespace

std::string ShowerDescription(const ShowerPeak& p, const Numerals& number) {
  return "Máximo de las " + std::string(ShowerName(p.shower->code)) + " (" + std::string(p.shower->code) +
         "): THZ " + number(p.shower->zhr, "#0") + ", la Luna iluminada al " + number(p.moonIlluminated * 100, "#0") +
         " %";
}

std::string YearEventLine(const YearEvent& event, const TimeZone& zone, std::string_view sep) {
  if (const auto* p = std::get_if<Phenomenon>(&event)) return PhenomenonLine(*p, zone, sep);
  // The year list's columns, as people read them.
  const auto text = [&](EventField field) { return EventCellOf(event, field, zone, sep).text; };
  const std::string head = text(EventField::Instant) + "  " + text(EventField::Description);
  if (std::holds_alternative<EclipseSeen>(event)) return head + "\n";
  const ShowerPeakSeen& seen = std::get<ShowerPeakSeen>(event);
  std::string night;
  if (seen.night) {
    const LocalTime best = zone.ToMinute(seen.night->bestTime);
    night = "; desde el lugar, " + MeteorRateText(seen.night->hourlyRate) + " el " + best.Date() + " a las " + best.Clock() +
            (seen.night->darkestHour ? " (sin noche cerrada)" : "") + ", magnitud límite " +
            SignedNumber(seen.night->limitingMagnitude, "#0.0", sep);
  }
  return head + night + "\n";
}

std::string YearEventLineWithMethod(const YearEvent& event, const TimeZone& zone, std::string_view sep) {
  if (const auto* p = std::get_if<Phenomenon>(&event)) return PhenomenonLine(*p, zone, sep, true);
  return YearEventLine(event, zone, sep);
}

std::string YearEventCsvRow(const YearEvent& event, const TimeZone& zone) { return EventCsvRow(event, zone); }

std::string YearEventJson(const YearEvent& event, const TimeZone& zone) {
  if (const auto* p = std::get_if<Phenomenon>(&event)) return PhenomenonJson(*p, zone);
  if (const auto* e = std::get_if<EclipseSeen>(&event)) return EclipseJson(*e, zone);
  return ShowerJson(std::get<ShowerPeakSeen>(event), zone);
}

std::string YearEventCalendar(const YearEvent& event, const CalendarFile& calendar) {
  if (const auto* p = std::get_if<Phenomenon>(&event)) return calendar.Event(*p);
  if (const auto* e = std::get_if<EclipseSeen>(&event)) return calendar.Event(*e);
  return calendar.Event(std::get<ShowerPeakSeen>(event).peak);
}

}  // namespace orbitas::report
