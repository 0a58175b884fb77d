// The eclipse of 2027-08-02 on the map from Sevilla, as orbitas-cli
// --mapa --dibujo computes it: the path, the way to it and the towns
// inside, and the map's drawing; the figure is under 1 s.
#include <benchmark/benchmark.h>

#include "calendar/time_zone.h"
#include "pictures/eclipse_map_picture.h"
#include "session/eclipse_map.h"
#include "session/eclipse_map_contents.h"

namespace {

using namespace orbitas;

SkyRequest FromSevilla() {
  SkyRequest request;
  request.place = Place(37.3828, -5.9732, "Sevilla");
  request.zone = *TimeZone::Named("Europe/Madrid");
  request.at = Instant::FromUt(2461618.5);  // 2027-08-01
  return request;
}

void EclipseMapAnswerOf(benchmark::State& state) {
  const SkyRequest request = FromSevilla();
  for (auto _ : state) benchmark::DoNotOptimize(RunEclipseMap(request));
}
BENCHMARK(EclipseMapAnswerOf)->Unit(benchmark::kMillisecond);

void EclipseMapDrawing(benchmark::State& state) {
  const EclipseMapAnswer answer = RunEclipseMap(FromSevilla());
  for (auto _ : state) {
    const EclipseMapPicture map = EclipseMapPictureOf(answer, {MapRegion::Auto}, ",");
    benchmark::DoNotOptimize(pictures::DrawEclipseMap(map, ",", 1200, 900));
  }
}
BENCHMARK(EclipseMapDrawing)->Unit(benchmark::kMillisecond);

}  // namespace
