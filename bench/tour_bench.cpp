// Tonight's tour from Sevilla on 2026-12-14: the night's Sun, Moon,
// planets and showers and the 668 deep-sky objects through it, as
// orbitas-cli --recorrido computes them; the figure is under 0.3 s.
#include <benchmark/benchmark.h>

#include "calendar/time_zone.h"
#include "session/tour.h"

namespace {

using namespace orbitas;

void Tour(benchmark::State& state, Instrument instrument) {
  SkyRequest request;
  request.place = Place(37.3828, -5.9732, "Sevilla");
  request.zone = *TimeZone::Named("Europe/Madrid");
  request.date.year = 2026, request.date.month = 12, request.date.day = 14;
  for (const Body planet : AllPlanets) request.bodies.push_back(planet);
  TourChoice choice;
  choice.conditions.instrument = instrument;
  for (auto _ : state) benchmark::DoNotOptimize(RunTour(request, choice));
}
BENCHMARK_CAPTURE(Tour, Eye, Instrument::Eye)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Tour, Telescope, Instrument::Telescope)->Unit(benchmark::kMillisecond);

}  // namespace
