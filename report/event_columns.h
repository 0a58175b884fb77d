#pragma once
// The year's list of events, and the list of eclipses, each as one list
// of columns shared by its writers: the window's table, the CSV rows and
// (for the phenomena) the JSON. Each column has its Spanish heading (when
// the window shows it), its CSV header (when the CSV has it) and its JSON
// key; every row gives each column its text for people, its sort key and
// its value for a file.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "calendar/time_zone.h"
#include "session/runners.h"

namespace orbitas::report {

enum class EventField {
  Instant, Utc, JulianDay, Kind, Bodies, Description, Value, Unit, ErrorSeconds, MethodInstant, MethodJulianDay,
  ReferenceInstant, ReferenceMinimum, Count
};

struct EventFieldName {
  std::string_view heading;  // the window's, or "" where it does not show it
  std::string_view csv;      // the CSV header's, or "" where the CSV has no such column
  std::string_view json;     // the phenomena's JSON key
};

inline constexpr std::array<EventFieldName, static_cast<std::size_t>(EventField::Count)> EventFields = {{
    {"Fecha", "instant", "instant"},
    {"", "utc", "utc"},
    {"", "", "julianDay"},
    {"", "kind", "kind"},
    {"Astros", "bodies", "bodies"},
    {"Suceso", "description", "description"},
    {"", "value", "value"},
    {"", "unit", "unit"},
    {"Error", "error_seconds", "errorSeconds"},
    {"Según el método", "method_instant", "methodInstant"},
    {"", "", "methodJulianDay"},
    {"", "", "referenceInstant"},
    {"", "", "referenceMinimum"},
}};

// The window's columns, in their order.
inline constexpr std::array<EventField, 5> EventViewFields = {EventField::Instant, EventField::Description,
                                                              EventField::Bodies, EventField::MethodInstant,
                                                              EventField::ErrorSeconds};

// One event's column: the text people read (numbers with separator, "—"
// where it has none), the value it sorts by when not its text, the value
// for a CSV field (unquoted; "" where it has none) and the JSON literal
// ("null" where it has none).
struct EventCell {
  std::string text;
  std::optional<double> key;
  std::string file;
  std::string json;
};

// field of event, its times in zone. Raises nothing.
EventCell EventCellOf(const YearEvent& event, EventField field, const TimeZone& zone, std::string_view separator);

// The CSV header of the year's list and an event's row (RFC 4180, CRLF):
// the columns with a CSV header, in order, every row with all of them.
std::string EventCsvHeader();
std::string EventCsvRow(const YearEvent& event, const TimeZone& zone);

// A phenomenon as one JSON object on one line: every column by its key.
std::string EventFieldsJson(const YearEvent& event, const TimeZone& zone);

// The eclipses and transits, one a row.
enum class EclipseField {
  Instant, Utc, JulianDay, Kind, Type, Description, DeltaT, Source, LocalType, LocalMaximum, LocalMagnitude,
  LocalAltitude, FromPlace, Count
};

inline constexpr std::array<EventFieldName, static_cast<std::size_t>(EclipseField::Count)> EclipseFields = {{
    {"Fecha", "instant", "instant"},
    {"", "utc", "utc"},
    {"", "", "julianDay"},
    {"", "kind", "kind"},
    {"", "type", "type"},
    {"Suceso", "description", "description"},
    {"", "delta_t_seconds", "deltaT"},
    {"", "", "source"},
    {"", "local_type", ""},
    {"", "local_maximum", ""},
    {"", "local_magnitude", ""},
    {"", "local_altitude", ""},
    {"Desde el lugar", "", ""},
}};

// The JSON's columns, in their order: those with a JSON key. What the
// place sees goes in the JSON's own nested objects, not in columns.
inline constexpr std::array<EclipseField, 8> EclipseJsonFields = {
    EclipseField::Kind,   EclipseField::Instant,     EclipseField::Utc,    EclipseField::JulianDay,
    EclipseField::DeltaT, EclipseField::Description, EclipseField::Source, EclipseField::Type};

// The window's columns, in their order.
inline constexpr std::array<EclipseField, 3> EclipseViewFields = {EclipseField::Instant, EclipseField::Description,
                                                                  EclipseField::FromPlace};

// field of seen, its times in zone: the local columns from the place the
// eclipse was seen from ("none" where it is not seen there; empty
// without a place). A transit's type is "transit" for a file and null in
// the JSON. Raises nothing.
EventCell EclipseCellOf(const EclipseSeen& seen, EclipseField field, const TimeZone& zone, std::string_view separator);

// The eclipses' CSV header and a row (RFC 4180, CRLF), from the columns
// with a CSV header.
std::string EclipseColumnsCsvHeader();
std::string EclipseColumnsCsvRow(const EclipseSeen& seen, const TimeZone& zone);

}  // namespace orbitas::report
