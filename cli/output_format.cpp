#include "cli/output_format.h"

#include "cli/usage_error.h"
#include "session/nearest_names.h"

namespace orbitas::cli {

OutputFormat ParseFormat(const std::string& text) {
  if (text == "texto" || text == "text") return OutputFormat::Text;
  if (text == "csv") return OutputFormat::Csv;
  if (text == "json") return OutputFormat::Json;
  if (text == "ics") return OutputFormat::Ics;
  if (text == "geojson") return OutputFormat::GeoJson;
  if (text == "kml") return OutputFormat::Kml;
  throw UsageError("formato desconocido: " + Shown(text) + " (texto, csv, json, ics, geojson o kml)" +
                   Suggestion(text, {"texto", "csv", "json", "ics", "geojson", "kml"}));
}

report::TableFormat TableFormatOf(OutputFormat format) {
  switch (format) {
    case OutputFormat::Csv: return report::TableFormat::Csv;
    case OutputFormat::Json: return report::TableFormat::Json;
    case OutputFormat::Ics: throw UsageError("el formato ics no se usa con las tablas: sí con --fenomenos y --eclipses");
    case OutputFormat::GeoJson:
    case OutputFormat::Kml: throw UsageError("los formatos geojson y kml son los de --mapa");
    case OutputFormat::Text: break;
  }
  return report::TableFormat::Text;
}

std::string_view FormatName(OutputFormat format) {
  static constexpr std::string_view Names[] = {"texto", "csv", "json", "ics", "geojson", "kml"};
  return Names[static_cast<int>(format)];
}

}  // namespace orbitas::cli
