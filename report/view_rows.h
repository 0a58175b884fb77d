#pragma once
// The lists a window shows as tables: the night's planets and showers, the
// year's events and the eclipses, a row each with its cells' texts (the
// same words and numbers as the command line's texts) and the values they
// sort by.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "report/night_output.h"
#include "session/runners.h"

namespace orbitas::report {

struct ViewCell {
  std::string text;
  std::optional<double> key;  // the order of the column when it is not the text's
};

struct ViewRow {
  std::vector<ViewCell> cells;  // one a column, in the order of the columns
  std::optional<Body> body;     // the body a row is about, when one is
  std::optional<Instant> time;  // the row's moment, when it has one
};

// The night's table: one row a planet (visible ones first, by their best
// time) and one a meteor shower: magnitude, constellation, visible from and
// to, best time, altitude and azimuth then, the method's error, and what
// it needs or why it cannot be seen. Times are local, to the minute.
std::vector<std::string> NightColumns();
std::vector<ViewRow> NightRows(const NightAnswer& night, std::string_view separator);

// The year's list: the instant (the reference's when it has one), what
// happens, the bodies, the method's instant and its error.
std::vector<std::string> YearEventColumns();
ViewRow YearEventRow(const YearEvent& event, const TimeZone& zone, std::string_view separator);

// The eclipses and transits: the instant of greatest eclipse, the event,
// and how the place sees it.
std::vector<std::string> EclipseColumns();
ViewRow EclipseRow(const EclipseSeen& seen, const TimeZone& zone, std::string_view separator);

}  // namespace orbitas::report
