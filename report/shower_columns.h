#pragma once
// The night's meteor showers as one list of columns shared by their
// writers: the almanac's lines, the night's JSON and the window's table,
// where a shower has a row among the planets'. Each column has the heading
// of the window's column it fills (when it fills one) and its JSON key
// (when the JSON has it); every shower gives each column a cell
// (report/event_columns.h): its text for people, its sort key, its value
// for a file and its JSON literal.
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "calendar/time_zone.h"
#include "report/event_columns.h"
#include "sky/night/night_showers.h"

namespace orbitas::report {

// The JSON's first, in its order; then the columns only people read.
enum class ShowerField {
  Code, Name, BestTime, DarkestHour, RadiantAltitude, HourlyRate, Zhr, ZhrNow, PopulationIndex, LimitingMagnitude,
  MoonIlluminated, MoonUp, RadiantHighest, Shower, RadiantDegrees, Notes, Count
};

struct ShowerFieldName {
  std::string_view heading;  // the heading of the window's column it fills, or "" where it fills none
  std::string_view json;     // the JSON key, or "" where the JSON has no such member
};

inline constexpr std::array<ShowerFieldName, static_cast<std::size_t>(ShowerField::Count)> ShowerFields = {{
    {"", "code"},
    {"", "name"},
    {"Mejor hora", "bestTime"},
    {"", "darkestHour"},
    {"Altura", "radiantAltitude"},
    {"", "hourlyRate"},
    {"", "zhr"},
    {"", "zhrNow"},
    {"", "populationIndex"},
    {"", "limitingMagnitude"},
    {"", "moonIlluminated"},
    {"", "moonUp"},
    {"", "radiantHighest"},
    {"Astro", ""},
    {"", ""},
    {"Observaciones", ""},
}};

// The window's night columns (report/view_rows.h, NightColumn), in their
// order: the shower's column each shows, or none where a shower has
// nothing to say (its magnitude, its visible span, its azimuth).
inline constexpr std::array<std::optional<ShowerField>, 13> ShowerViewFields = {
    ShowerField::Shower,   std::nullopt, std::nullopt,          std::nullopt,
    std::nullopt,          std::nullopt, std::nullopt,          std::nullopt,
    ShowerField::BestTime, ShowerField::RadiantAltitude, std::nullopt, std::nullopt,
    ShowerField::Notes};

// field of shower, its time local to the minute in zone ("2027-08-13
// 03:12", sorted by the instant) and its numbers with separator. The
// radiant's altitude is a tenth of a degree in RadiantAltitude (the
// window's) and whole degrees in RadiantDegrees (the almanac's); yes or
// no is "true" or "false" for a file and the JSON, sorted no first.
// Raises nothing.
EventCell ShowerCellOf(const ShowerNight& shower, ShowerField field, const TimeZone& zone, std::string_view separator);

// The shower as one JSON object, without a line end: every column with a
// key, in order. Raises nothing.
std::string ShowerFieldsJson(const ShowerNight& shower, const TimeZone& zone);

}  // namespace orbitas::report
