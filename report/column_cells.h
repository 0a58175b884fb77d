#pragma once
// The cells the column and field lists give (report/event_columns.h,
// EventCell), each kind made one way for all of them: a text, a number, a
// whole number, a local minute, yes or no. A cell holds its text for
// people, its sort key, its value for a file and its JSON literal.
#include <optional>
#include <string>
#include <string_view>

#include "calendar/time_zone.h"
#include "report/event_columns.h"

namespace orbitas::report {

// Nothing: "—" for people, "" for a file, null in the JSON.
EventCell EmptyCell();

// A text that is also its own value; sorted by key when given.
EventCell TextCell(std::string text, std::optional<double> key = std::nullopt);

// x in words of its own for people; sorted by x, the number alone for a
// file and the JSON.
EventCell WordedCell(double x, std::string people);

// x to pattern with separator and the minus sign, then unit, for people
// ("−1,2", "62,4°"); EmptyCell without x.
EventCell NumberCell(const std::optional<double>& x, std::string_view pattern, std::string_view separator,
                     std::string_view unit = "");

// x times scale rounded to a whole, then unit, for people ("99 %",
// "165°"); x itself for a file and the JSON.
EventCell WholeCell(double x, double scale = 1, std::string_view unit = "");

// t's local minute in zone for people ("2027-01-15 20:30"), sorted by
// the instant; ISO 8601 with the offset for a file and the JSON.
EventCell MinuteCell(const TimeZone& zone, const Instant& t);

// Yes or no in their words for people; true or false for a file and the
// JSON, sorted no first.
EventCell YesNoCell(bool yes, std::string_view yesWords, std::string_view noWords);

}  // namespace orbitas::report
