#include "cli/output_format.h"

#include "cli/usage_error.h"
#include "session/nearest_names.h"

namespace orbitas::cli {

OutputFormat ParseFormat(const std::string& text) {
  if (text == "texto" || text == "text") return OutputFormat::Text;
  if (text == "csv") return OutputFormat::Csv;
  if (text == "json") return OutputFormat::Json;
  if (text == "ics") return OutputFormat::Ics;
  throw UsageError("formato desconocido: " + Shown(text) + " (texto, csv, json o ics)" +
                   Suggestion(text, {"texto", "csv", "json", "ics"}));
}

report::TableFormat TableFormatOf(OutputFormat format) {
  switch (format) {
    case OutputFormat::Csv: return report::TableFormat::Csv;
    case OutputFormat::Json: return report::TableFormat::Json;
    case OutputFormat::Ics: throw UsageError("el formato ics no se usa con las tablas: sí con --fenomenos y --eclipses");
    case OutputFormat::Text: break;
  }
  return report::TableFormat::Text;
}

std::string_view FormatName(OutputFormat format) {
  static constexpr std::string_view Names[] = {"texto", "csv", "json", "ics"};
  return Names[static_cast<int>(format)];
}

}  // namespace orbitas::cli
