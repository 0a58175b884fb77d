#pragma once
// The formats --formato names, and what each command writes in them.
#include <string>
#include <string_view>

#include "report/table_rows.h"

namespace orbitas::cli {

// What --formato asks for: a table takes the first three, the phenomena
// the first four, an eclipse's map (--mapa) text, GeoJSON and KML.
enum class OutputFormat { Text, Csv, Json, Ics, GeoJson, Kml };

// "texto" (or "text"), "csv", "json", "ics", "geojson" or "kml". Raises UsageError naming
// text, with the nearest name, for any other.
OutputFormat ParseFormat(const std::string& text);

// A table's format: any but the calendar file, which raises UsageError.
report::TableFormat TableFormatOf(OutputFormat format);

// The format's name as --formato takes it.
std::string_view FormatName(OutputFormat format);

}  // namespace orbitas::cli
