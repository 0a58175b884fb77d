#pragma once
// The rows of a table in its three formats, each appended to a buffer that
// the table reuses from row to row: no heap allocation per field.
#include <string>
#include <string_view>

#include "session/instant.h"

namespace orbitas::report {

enum class TableFormat { Text, Csv, Json };

// What a row shows: the instant as ISO text, its Julian day (as a number
// and as the window's text) and one planet's outcome.
struct TableRow {
  std::string_view instant;
  double julianDay = 0.0;
  std::string_view diajuliano;
  const PlanetOutcome* planet = nullptr;
  std::string_view separator = ".";  // the texts' decimal separator
};

// The line before the first row ("" for JSON Lines); with horizon, the
// columns of the sky of a place too.
std::string TableHeader(TableFormat format, bool horizon = false);

// Aligned columns with the window's label texts (and, when the planet has
// a sky position, its altitude, azimuth and the method's error).
void AppendTextRow(std::string& out, const TableRow& row);

// RFC 4180 (CRLF) rows: numbers as the shortest text that reads back to
// the same double, the sexagesimal fields as the window's texts. The
// instant's columns (its text, its Julian day and the Earth's four values)
// are the same for every planet of an instant: they are written once and
// reused. When the planet has a sky position, its altitude, azimuth (both
// degrees) and the method's error (degrees, empty for Pluto) follow.
class CsvRows {
 public:
  void Append(std::string& out, const TableRow& row);

 private:
  std::string instant_;  // the instant they were written for
  double julianDay_ = 0.0;
  double earth_[4] = {};
  std::string instantColumns_;  // "instant,julian_day" and then, after
  std::string earthColumns_;    // body and planet, ",x,y,z,r" of the Earth
};

// The labels a CSV row never shows (its numbers are written from the
// values): the request need not make their texts.
void LeaveOutCsvNumberTexts(LabelTexts& labels);

// One JSON object: "instant" and then the keys of the single instant's
// --json output, for the one planet of outcome.
void AppendJsonRow(std::string& out, std::string_view instant, const InstantOutcome& outcome);

}  // namespace orbitas::report
