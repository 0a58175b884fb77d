#include "report/sun_moon_fields.h"

#include <iterator>
#include <optional>

#include "report/column_cells.h"
#include "report/json.h"
#include "session/names.h"

namespace orbitas::report {
namespace {

// Each event's member of the night's Sun, in SunEvents' order.
constexpr std::optional<TimedEvent> SunNight::*EventMembers[] = {
    &SunNight::set,          &SunNight::civilDusk,   &SunNight::nauticalDusk, &SunNight::astronomicalDusk,
    &SunNight::astronomicalDawn, &SunNight::nauticalDawn, &SunNight::civilDawn, &SunNight::rise};
static_assert(std::size(EventMembers) == SunEvents.size());

const std::optional<TimedEvent>& EventOf(const SunNight& sun, SunEvent event) {
  return sun.*EventMembers[static_cast<std::size_t>(event)];
}

EventCell MaybeMinute(const std::optional<Instant>& t, const TimeZone& zone) {
  return t ? MinuteCell(zone, *t) : EmptyCell();
}

// "key": value, the members of one JSON object.
void Member(std::string& json, std::string_view key, const std::string& value) {
  json += (json.empty() ? "" : ", ") + JsonString(key) + ": " + value;
}

}  // namespace

EventCell SunEventCellOf(const SunNight& sun, SunEvent event, const TimeZone& zone) {
  const std::optional<TimedEvent>& e = EventOf(sun, event);
  return MaybeMinute(e ? std::optional(e->time) : std::nullopt, zone);
}

std::string SunEventsJson(const SunNight& sun, const TimeZone& zone) {
  std::string json;
  for (std::size_t k = 0; k < SunEvents.size(); ++k) {
    Member(json, SunEvents[k].json, SunEventCellOf(sun, static_cast<SunEvent>(k), zone).json);
  }
  return json;
}

EventCell MoonCellOf(const MoonNight& moon, MoonField field, const TimeZone& zone, std::string_view sep) {
  switch (field) {
    case MoonField::Rise: return MaybeMinute(moon.rise, zone);
    case MoonField::Set: return MaybeMinute(moon.set, zone);
    case MoonField::Illuminated: return WholeCell(moon.phase.illuminated, 100, " %");
    case MoonField::AgeDays: return NumberCell(moon.phase.ageDays, "#0.0", sep);
    case MoonField::PhaseName: return TextCell(std::string(PhaseName(moon.phase.code)));
    case MoonField::AltitudeAtMiddle: return NumberCell(moon.altitudeAtMiddle, "#0.0", sep, "°");
    case MoonField::Source: return TextCell("eraMoon98");
    case MoonField::Count: break;
  }
  return EmptyCell();
}

std::string MoonFieldsJson(const MoonNight& moon, const TimeZone& zone) {
  std::string json;
  for (std::size_t k = 0; k < MoonFields.size(); ++k) {
    Member(json, MoonFields[k].json, MoonCellOf(moon, static_cast<MoonField>(k), zone, ".").json);
  }
  return "{" + json + "}";
}

}  // namespace orbitas::report
