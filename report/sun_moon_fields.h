#pragma once
// The night's Sun and Moon as lists of fields shared by the almanac's
// blocks (report/night_output.h, SunAndMoonText) and the night's JSON:
// each field has its Spanish label (where the almanac gives it a row of
// its own) and its JSON key; every night gives each field a cell
// (report/event_columns.h): its text for people, its sort key, its value
// for a file and its JSON literal.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "calendar/time_zone.h"
#include "report/event_columns.h"
#include "sky/night/night.h"

namespace orbitas::report {

struct NightFieldName {
  std::string_view label;  // the almanac's row, or "" where the field has none of its own
  std::string_view json;   // the JSON key
};

// The Sun's events of a night, in their order.
enum class SunEvent {
  Set, CivilDusk, NauticalDusk, AstronomicalDusk, AstronomicalDawn, NauticalDawn, CivilDawn, Rise, Count
};

inline constexpr std::array<NightFieldName, static_cast<std::size_t>(SunEvent::Count)> SunEvents = {{
    {"Puesta del Sol", "set"},
    {"Anochecer civil (−6°)", "civilDusk"},
    {"Anochecer náutico (−12°)", "nauticalDusk"},
    {"Anochecer astronómico (−18°)", "astronomicalDusk"},
    {"Amanecer astronómico (−18°)", "astronomicalDawn"},
    {"Amanecer náutico (−12°)", "nauticalDawn"},
    {"Amanecer civil (−6°)", "civilDawn"},
    {"Salida del Sol", "rise"},
}};

// event of sun, at its local minute in zone; nothing ("—", null) when the
// Sun does not reach it that night. Raises nothing.
EventCell SunEventCellOf(const SunNight& sun, SunEvent event, const TimeZone& zone);

// The Sun's events as JSON members, without braces: each event's instant
// by its key. Raises nothing.
std::string SunEventsJson(const SunNight& sun, const TimeZone& zone);

// The Moon's fields, in the JSON's order.
enum class MoonField { Rise, Set, Illuminated, AgeDays, PhaseName, AltitudeAtMiddle, Source, Count };

inline constexpr std::array<NightFieldName, static_cast<std::size_t>(MoonField::Count)> MoonFields = {{
    {"Sale", "rise"},
    {"Se pone", "set"},
    {"", "illuminated"},
    {"", "ageDays"},
    {"Fase", "phaseName"},
    {"Altura a mitad de la noche", "altitudeAtMidnight"},
    {"", "source"},
}};

// field of moon, its times local to the minute in zone and its numbers
// with separator: the rise or the set nothing ("—", null) when the Moon
// does not rise or set that night, the lit fraction a whole percentage for
// people ("52 %"), the source the reference's function ("eraMoon98").
// Raises nothing.
EventCell MoonCellOf(const MoonNight& moon, MoonField field, const TimeZone& zone, std::string_view separator);

// The Moon as one JSON object: every field by its key, in order. Raises
// nothing.
std::string MoonFieldsJson(const MoonNight& moon, const TimeZone& zone);

}  // namespace orbitas::report
