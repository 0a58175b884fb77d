#include "cli/table.h"

#include "cli/progress.h"

namespace orbitas::cli {

std::optional<TableStop> WriteTable(const TablePlan& plan, TableFormat format, const std::string& separator,
                                    Output& out, bool progressTerminal, TableObserver* observer) {
  using namespace report;
  // CSV and JSON are for programs: "." whatever the locale.
  const std::string sep = format == TableFormat::Text ? separator : ".";
  out.Write(TableHeader(format, plan.request().place.has_value()));

  InstantRunner runner(sep, plan.request().place);
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
        runner.EnterDate(NumericDateFields({static_cast<double>(t.year), static_cast<double>(t.month),
                                            static_cast<double>(t.day), static_cast<double>(t.hour),
                                            static_cast<double>(t.minute), t.second}),
                         outcome, format != TableFormat::Csv);
      } else {
        runner.EnterJulianDay(plan.JulianDayAt(k), outcome);
        instant = plan.InstantText(k);
      }
      for (const Int16 body : plan.request().bodies) {
        runner.RunPlanet(body, outcome.julianDay, planet);
        const std::string_view diajuliano = outcome.diajuliano ? std::string_view(*outcome.diajuliano) : std::string_view();
        const TableRow r{instant, outcome.julianDay, diajuliano, &planet, sep};
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
      if (observer) observer->Stopped(instant, error);
      return TableStop{instant, error.what()};
    }
  }
  out.Flush();
  return std::nullopt;
}

SkyPathCollector::SkyPathCollector(const std::vector<Int16>& bodies) {
  for (const Int16 body : bodies) paths_.push_back({body, {}});
}

void SkyPathCollector::Row(const std::string& instant, const PlanetOutcome& planet) {
  for (pictures::SkyPath& path : paths_) {
    if (path.body == planet.body) {
      const EquatorialCoordinates& eq = planet.values.equatorial;
      path.points.push_back({instant, eq.rightAscensionHours, eq.declination});
    }
  }
}

void SkyPathCollector::Stopped(const std::string& instant, const RuntimeError& error) {
  stopped_ = std::string(error.what()) + " en " + instant;
}

}  // namespace orbitas::cli
