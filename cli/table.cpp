#include "cli/table.h"

#include "cli/progress.h"
#include "session/runners.h"

namespace orbitas::cli {
namespace {

// Appends one planet's row at one instant, in the table's format.
class RowAppender {
 public:
  RowAppender(report::TableFormat format, std::string_view separator) : format_(format), separator_(separator) {}

  void Append(std::string& row, const std::string& instant, const InstantOutcome& outcome,
              const PlanetOutcome& planet) {
    using namespace report;
    const std::string_view diajuliano = outcome.diajuliano ? std::string_view(*outcome.diajuliano) : std::string_view();
    const TableRow r{instant, outcome.julianDay, diajuliano, &planet, separator_};
    switch (format_) {
      case TableFormat::Text: AppendTextRow(row, r); break;
      case TableFormat::Csv: csv_.Append(row, r); break;
      case TableFormat::Json: AppendJsonRow(row, instant, outcome); break;
    }
  }

 private:
  report::TableFormat format_;
  std::string_view separator_;
  report::CsvRows csv_;
};

}  // namespace

std::optional<TableStop> WriteTable(const TablePlan& plan, TableFormat format, const std::string& separator,
                                    Output& out, bool progressTerminal, TableObserver* observer) {
  using namespace report;
  // CSV and JSON are for programs: "." whatever the locale.
  const std::string sep = format == TableFormat::Text ? separator : ".";
  out.Write(TableHeader(format, plan.request().place.has_value()));

  TableRunner runner(plan, sep, format != TableFormat::Csv);
  Progress progress(progressTerminal, plan.rows());
  PlanetOutcome& planet = runner.planet();
  if (format == TableFormat::Csv) LeaveOutCsvNumberTexts(planet.labels);
  std::string row;
  RowAppender appender(format, sep);
  std::int64_t done = 0;
  for (std::int64_t k = 0; k < plan.instants(); ++k) {
    try {
      runner.Enter(k);
      const InstantOutcome& outcome = runner.outcome();
      const std::string& instant = runner.instant();
      for (const Int16 body : plan.request().bodies) {
        runner.RunPlanet(body);
        appender.Append(row, instant, outcome, planet);
        if (observer) observer->Row(instant, outcome.julianDay, planet);
        progress.Update(++done);
      }
      // The rows of an instant are written together: one write, not one
      // per planet.
      out.Write(row);
      row.clear();
    } catch (const RuntimeError& error) {
      out.Write(row);  // the rows before the failing one
      out.Flush();
      const std::string instant = runner.instant().empty() ? plan.InstantText(k) : runner.instant();
      if (observer) observer->Stopped(instant, error);
      return TableStop{instant, error.what()};
    }
  }
  out.Flush();
  return std::nullopt;
}

SkyPathCollector::SkyPathCollector(const std::vector<Int16>& bodies) {
  for (const Body body : BodiesOf(bodies)) paths_.push_back({body, {}});
}

void SkyPathCollector::Row(const std::string& instant, double julianDay, const PlanetOutcome& planet) {
  for (SkyPath& path : paths_) {
    if (BodyNumber(path.body) == planet.body) {
      const EquatorialCoordinates& eq = planet.values.equatorial;
      path.points.push_back({instant, julianDay, eq.rightAscensionHours, eq.declination});
    }
  }
}

void SkyPathCollector::Stopped(const std::string& instant, const RuntimeError& error) {
  stopped_ = std::string(error.what()) + " en " + instant;
}

}  // namespace orbitas::cli
