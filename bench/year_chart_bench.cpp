// The year at a glance: the chart's contents for Madrid in 2027 (every
// night's Sun, planets and Moon, and the year's events), and its drawing.
// The figure is a year's chart in under one second.
#include <benchmark/benchmark.h>

#include "calendar/time_zone.h"
#include "pictures/year_chart_picture.h"
#include "session/runners.h"
#include "session/year_chart_contents.h"

namespace {

using namespace orbitas;

const Place Madrid(40.4165, -3.70256, "Madrid");

void YearChartContents(benchmark::State& state) {
  const TimeZone zone = *TimeZone::Named("Europe/Madrid");
  for (auto _ : state) benchmark::DoNotOptimize(YearChartOf(MethodElements(), Madrid, zone, 2027));
}
BENCHMARK(YearChartContents)->Unit(benchmark::kMillisecond);

void YearChartDrawing(benchmark::State& state) {
  const YearChart chart = YearChartOf(MethodElements(), Madrid, *TimeZone::Named("Europe/Madrid"), 2027);
  for (auto _ : state) benchmark::DoNotOptimize(pictures::DrawYearChart(chart, ",", 842, 595));
}
BENCHMARK(YearChartDrawing)->Unit(benchmark::kMillisecond);

}  // namespace
