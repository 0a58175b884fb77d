#include "table.h"

#include <cstdio>

#include "date_entry.h"
#include "number_text.h"
#include "progress.h"
#include "sky.h"
#include "table_rows.h"

namespace orbitas::cli {

int WriteTable(const TablePlan& plan, const std::string& separator, Output& out, bool progressTerminal,
               TableObserver* observer) {
  const TableFormat format = plan.request().format;
  // CSV and JSON are for programs: "." whatever the locale.
  const std::string sep = format == TableFormat::Text ? separator : ".";
  out.Write(TableHeader(format, plan.request().place.has_value()));

  ProgramState state;
  FillElements(state.elements);
  Progress progress(progressTerminal, plan.rows());
  InstantOutcome outcome;
  PlanetOutcome& planet = outcome.planets.emplace_back();
  if (format == TableFormat::Csv) LeaveOutCsvNumberTexts(planet.labels);
  std::string row, instant;
  CsvRows csv;
  std::int64_t done = 0;
  for (std::int64_t k = 0; k < plan.instants(); ++k) {
    instant.clear();
    try {
      if (plan.civil()) {
        const CivilTime t = plan.CivilAt(k);
        instant = plan.InstantText(k);
        DateLabelTexts texts(format != TableFormat::Csv);
        PressDateKey(state, true,
                     NumericDateFields({static_cast<double>(t.year), static_cast<double>(t.month),
                                        static_cast<double>(t.day), static_cast<double>(t.hour),
                                        static_cast<double>(t.minute), t.second}),
                     sep, texts);
        outcome.horadec = std::move(texts.horadec);
        outcome.diajuliano = std::move(texts.diajuliano);
      } else {
        state.julianDay = plan.JulianDayAt(k);
        outcome.diajuliano = CStr(state.julianDay, sep);
        instant = plan.InstantText(k);
      }
      outcome.julianDay = state.julianDay;
      for (const Int16 body : plan.request().bodies) {
        planet.body = body;
        RunPlanetRequest(state.elements, state.julianDay, body, sep, planet.values, planet.labels);
        if (plan.request().place) {
          planet.sky = PlanetInSky(state.julianDay, body, planet.values.equatorial, *plan.request().place);
        }
        const std::string_view diajuliano = outcome.diajuliano ? std::string_view(*outcome.diajuliano) : std::string_view();
        const TableRow r{instant, state.julianDay, diajuliano, &planet, sep};
        switch (format) {
          case TableFormat::Text: AppendTextRow(row, r); break;
          case TableFormat::Csv: csv.Append(row, r); break;
          case TableFormat::Json: AppendJsonRow(row, instant, outcome); break;
        }
        if (observer) observer->Row(instant, planet);
        progress.Update(++done);
      }
      // The rows of an instant are written together: one write, not one
      // per planet.
      out.Write(row);
      row.clear();
    } catch (const RuntimeError& error) {
      out.Write(row);  // the rows before the failing one
      out.Flush();
      if (instant.empty()) instant = plan.InstantText(k);
      std::fprintf(stderr, "orbitas-cli: %s: %s\n", instant.c_str(), error.what());
      if (observer) observer->Stopped(instant, error);
      return 1;
    }
  }
  out.Flush();
  return 0;
}

}  // namespace orbitas::cli
