// Time of one planet request with every check on: the Earth, the planet and
// the equatorial coordinates, with the label texts; and of the parts.
#include <benchmark/benchmark.h>

#include "equatorial.h"
#include "julian_day.h"
#include "planet_request.h"

namespace {

using namespace orbitas;

class DiscardingDisplay : public ResultDisplay {
 public:
  void Show(ResultLabel, const std::string& text) override { benchmark::DoNotOptimize(text.data()); }
};

ElementsTable Filled() {
  ElementsTable elements{};
  FillElements(elements);
  return elements;
}

void PositionsOnly(benchmark::State& state) {
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
BENCHMARK(PositionsOnly);

void PlanetRequestWithTexts(benchmark::State& state) {
  const ElementsTable elements = Filled();
  PlanetRequestValues values;
  DiscardingDisplay display;
  double jd = 2451545.0;
  for (auto _ : state) {
    RunPlanetRequest(elements, jd, 4, ".", values, display);
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

}  // namespace

BENCHMARK_MAIN();
