#pragma once
// The lists a window shows as tables: the night's planets and showers, the
// year's events and the eclipses. Each table is a list of columns (an enum
// with each column's Spanish heading); each row holds, for every column,
// the text shown (the same words and numbers as the command line's texts),
// the value it sorts by and the value a CSV or JSON file takes, and the
// answer it comes from, so a window reads its rows and nothing beside them.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "report/night_columns.h"
#include "report/night_output.h"
#include "session/runners.h"

namespace orbitas::report {

struct ViewCell {
  std::string text;           // as shown, for people
  std::optional<double> key;  // the order of the column when it is not the text's
  std::string value;          // for a file: a number as the shortest text that reads back, an
                              // instant in ISO 8601 with its offset, else the text
};

struct ViewRow {
  std::vector<ViewCell> cells;       // one a column, in the order of the columns
  std::optional<Body> body;          // the body a row is about, when one is
  std::optional<Instant> time;       // the row's moment, when it has one
  std::optional<YearEvent> source;   // the event or eclipse a row shows, when it shows one
};

// The night's table: one row a planet (visible ones first, by their best
// time) and one a meteor shower. Times are local, to the minute, the hour
// alone. The columns are the planets' (report/night_columns.h,
// NightViewFields, whose headings they take); a shower fills those it has
// (report/shower_columns.h, ShowerViewFields).
enum class NightColumn {
  Body, Magnitude, Constellation, Rise, Transit, Set, VisibleFrom, VisibleTo, BestTime, Altitude, Azimuth, Method, Notes, Count
};

// The year's list (report/event_columns.h, EventViewFields): the instant
// (the reference's when it has one), what happens, the bodies, the
// method's instant and its error.

// The eclipses and transits (report/event_columns.h, EclipseViewFields):
// the instant of greatest eclipse, the event, and how the place sees it.

// The headings of a table, in its columns' order.
std::vector<std::string> NightColumns();
std::vector<std::string> YearEventColumns();
std::vector<std::string> EclipseColumns();

// The rows, numbers with separator. Raise nothing.
std::vector<ViewRow> NightRows(const NightAnswer& night, std::string_view separator);
ViewRow YearEventRow(const YearEvent& event, const TimeZone& zone, std::string_view separator);
ViewRow EclipseRow(const EclipseSeen& seen, const TimeZone& zone, std::string_view separator);

}  // namespace orbitas::report
