// Órbitas's timings: one planet request with every check on (the Earth, the
// planet and the equatorial coordinates), the same with the label texts,
// the Julian day, and the rows of a CSV table.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "ephemeris/equatorial.h"
#include "calendar/julian_day.h"
#include "session/planet_request.h"
#include "cli/table.h"
#include "cli/typed_values.h"

namespace {

using namespace orbitas;

ElementsTable Filled() {
  ElementsTable elements{};
  FillElements(elements);
  return elements;
}

void PlanetRequest(benchmark::State& state) {
  const ElementsTable elements = Filled();
  double jd = 2451545.0;
  for (auto _ : state) {
    const double offset = EpochOffset(elements);
    const auto earth = ComputeHeliocentricPosition(EarthRow(elements), jd, offset, elements);
    const auto mars = ComputeHeliocentricPosition(BodyRow(elements, 4), jd, offset, elements);
    EquatorialCoordinates eq;
    ComputeEquatorialCoordinates(earth, mars, eq);
    benchmark::DoNotOptimize(eq);
    jd += 0.37;
  }
}
BENCHMARK(PlanetRequest);

void PlanetRequestWithTexts(benchmark::State& state) {
  const ElementsTable elements = Filled();
  PlanetRequestValues values;
  LabelTexts labels;
  double jd = 2451545.0;
  for (auto _ : state) {
    RunPlanetRequest(elements, jd, 4, ".", values, labels);
    benchmark::DoNotOptimize(labels);
    jd += 0.37;
  }
}
BENCHMARK(PlanetRequestWithTexts);

void JulianDay(benchmark::State& state) {
  double day = 1.5;
  for (auto _ : state) {
    benchmark::DoNotOptimize(ComputeJulianDay(2000, 1, day));
    day += 0.001;
    if (day > 28) day = 1.5;
  }
}
BENCHMARK(JulianDay);

// A CSV table written to /dev/null: one iteration is 1000 instants of all
// eight planets; items are rows.
void CsvTableRows(benchmark::State& state) {
  using namespace orbitas::cli;
  TableRequest request;
  request.start = *ParseTableInstant("2000-01-01");
  request.end = *ParseTableInstant("2000-01-01T16:39");
  request.stepSeconds = 60;
  request.bodies = {1, 2, 4, 5, 6, 7, 8, 9};
  const TablePlan plan(request);
  cli::Output sink(std::fopen("/dev/null", "w"), "/dev/null");
  for (auto _ : state) WriteTable(plan, TableFormat::Csv, ".", sink, false);
  sink.Close();
  state.SetItemsProcessed(state.iterations() * plan.rows());
}
BENCHMARK(CsvTableRows)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
