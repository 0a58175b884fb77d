#pragma once
// The night's planets as one list of columns shared by their writers: the
// window's table, the almanac's lines and the JSON. Each column has its
// Spanish heading (when the window shows it) and its JSON key (when the
// JSON has it, with the object it sits in); every planet gives each column
// a cell (report/event_columns.h): its text for people, its sort key, its
// value for a file and its JSON literal.
#include <array>
#include <string>
#include <string_view>

#include "report/event_columns.h"
#include "session/sky_answers.h"

namespace orbitas::report {

// In the JSON's order.
enum class PlanetField {
  Body, Name, Magnitude, Illuminated, Elongation, Side, Constellation, ConstellationAbbr, Instrument,
  // The night's first rising, culmination and setting (the window's, when
  // the night carries them: NightAnswer::passages).
  Rise, Transit, Set,
  VisibleFrom, VisibleTo, BestTime, Altitude, Azimuth, Direction, Reason, Margin,
  // The method's answer beside the sky's, when the night carries it.
  MethodVisibleFrom, MethodVisibleTo, MethodBestTime, MethodBestDifference, MethodConstellation, MethodError,
  MethodSummary, Notes, Count
};

struct PlanetFieldName {
  std::string_view heading;  // the window's, or "" where it does not show it
  std::string_view json;     // the JSON key, or "" where the JSON has no such member
  std::string_view object;   // the JSON object the member sits in, or "" for the planet's own
};

inline constexpr std::array<PlanetFieldName, static_cast<std::size_t>(PlanetField::Count)> PlanetFields = {{
    {"", "body", ""},
    {"Astro", "name", ""},
    {"Magnitud", "magnitude", ""},
    {"", "illuminated", ""},
    {"", "elongation", ""},
    {"", "side", ""},
    {"Constelación", "constellation", ""},
    {"", "constellationAbbr", ""},
    {"", "instrument", ""},
    {"Sale", "", ""},
    {"Culmina", "", ""},
    {"Se pone", "", ""},
    {"Visible desde", "from", "visible"},
    {"Visible hasta", "to", "visible"},
    {"Mejor hora", "time", "best"},
    {"Altura", "altitude", "best"},
    {"Acimut", "azimuth", "best"},
    {"", "direction", "best"},
    {"", "reason", ""},
    {"", "margin", ""},
    {"", "visibleFrom", "method"},
    {"", "visibleTo", "method"},
    {"", "bestTime", "method"},
    {"", "bestTimeDifference", "method"},  // minutes, the method's less the sky's
    {"", "constellation", "method"},
    {"", "error", "method"},               // degrees from the true direction at its best time
    {"Según el método", "", ""},
    {"Observaciones", "", ""},
}};

// The window's columns, in their order (report/view_rows.h, NightColumn).
inline constexpr std::array<PlanetField, 13> NightViewFields = {
    PlanetField::Name,          PlanetField::Magnitude, PlanetField::Constellation, PlanetField::Rise,
    PlanetField::Transit,       PlanetField::Set,       PlanetField::VisibleFrom,   PlanetField::VisibleTo,
    PlanetField::BestTime,      PlanetField::Altitude,  PlanetField::Azimuth,       PlanetField::MethodSummary,
    PlanetField::Notes};

// field of planet, a planet of night, its times local to the minute
// (the rising, culmination and setting nothing, "—", when the night does
// not carry them or the planet does not reach them)
// ("2027-01-15 20:30", sorted by the instant) and its numbers with
// separator. The visible span and the best moment have nothing ("—",
// null) for a planet that cannot be seen. Raises nothing.
EventCell PlanetCellOf(const PlanetNight& planet, PlanetField field, const NightAnswer& night,
                       std::string_view separator);

// The planet as one JSON object, without a line end: every column with a
// key, in order; those of one object together in it, the object null when
// none of them has a value. Raises nothing.
std::string PlanetFieldsJson(const PlanetNight& planet, const NightAnswer& night);

}  // namespace orbitas::report
