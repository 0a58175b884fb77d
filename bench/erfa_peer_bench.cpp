// The peer measured beside Órbitas in the same run: ERFA's eraPlan94 for
// the Earth-Moon barycentre and the planet with eraC2s, and eraCal2jd.
// Also a plain transcription of Órbitas's own arithmetic without any check,
// to show what the checks cost.
#include <benchmark/benchmark.h>
#include <erfa.h>

#include <cmath>

namespace {

void ErfaPlanetSequence(benchmark::State& state) {
  double jd = 2451545.0;
  for (auto _ : state) {
    double earth[2][3], planet[2][3];
    eraPlan94(jd, 0.0, 3, earth);
    eraPlan94(jd, 0.0, 4, planet);
    double geo[3] = {planet[0][0] - earth[0][0], planet[0][1] - earth[0][1], planet[0][2] - earth[0][2]};
    double ra, dec;
    eraC2s(geo, &ra, &dec);
    benchmark::DoNotOptimize(ra);
    benchmark::DoNotOptimize(dec);
    jd += 0.37;
  }
}
BENCHMARK(ErfaPlanetSequence);

void ErfaCalendar(benchmark::State& state) {
  int day = 1;
  for (auto _ : state) {
    double djm0, djm;
    benchmark::DoNotOptimize(eraCal2jd(2000, 1, day, &djm0, &djm));
    benchmark::DoNotOptimize(djm);
    day = day % 28 + 1;
  }
}
BENCHMARK(ErfaCalendar);

// Órbitas's arithmetic for one body, as plain doubles: no fault checks, no
// integer range checks, the tolerance computed once.
struct Plain {
  double x, y, z;
};
Plain PlainPosition(double i, double node, double peri, double a, double n, double e, double L, double jd) {
  const double FullTurn = 2 * 3.14159265358979;
  const double t = (jd - 2451545.0) - 575.0;
  const double m0 = ((t * n) + L) - peri;
  const double turns = m0 / FullTurn;
  double m = (turns - std::trunc(turns)) * FullTurn;
  if (m < 0) m += FullTurn;
  double E = m, F = 0.05;
  while (std::fabs(F) >= 1e-12) {
    F = (E - e * std::sin(E)) - m;
    E = E - F / (1 - e * std::cos(E));
  }
  double nu = 2 * std::atan(std::pow((1 + e) / (1 - e), 0.5) * std::tan(E * 0.5));
  if (nu < 0) nu += FullTurn;
  const double r = ((1 - e * e) * a) / ((std::cos(nu) * e) + 1);
  const double u = (peri + nu) - node;
  return {(std::cos(u) * std::cos(node) - std::sin(u) * std::sin(node) * std::cos(i)) * r,
          (std::sin(u) * std::cos(node) * std::cos(i) + std::cos(u) * std::sin(node)) * r,
          std::sin(u) * r * std::sin(i)};
}

void UncheckedTranscription(benchmark::State& state) {
  const double k = 0.0174532925199433;
  double jd = 2451545.0;
  for (auto _ : state) {
    const Plain earth = PlainPosition(0.00031 * k, 182 * k, 102.9568 * k, 1.000007, 0.9855988 * k,
                                      0.0166665, 307.68053 * k, jd);
    const Plain mars = PlainPosition(1.84951 * k, 49.5596 * k, 335.9683 * k, 1.5237285, 0.5240138 * k,
                                     0.0933978, 297.03416 * k, jd);
    const double eps = 0.4089182868111674;
    const double X = mars.x - earth.x, dy = mars.y - earth.y, dz = mars.z - earth.z;
    const double Y = std::cos(eps) * dy - std::sin(eps) * dz, Z = std::sin(eps) * dy + std::cos(eps) * dz;
    double ra = std::atan(Y / X);
    if (X < 0) ra += 3.14159265358979;
    if (Y < 0 && X > 0) ra += 2 * 3.14159265358979;
    benchmark::DoNotOptimize(ra);
    benchmark::DoNotOptimize(std::atan(Z / std::sqrt(X * X + Y * Y)));
    benchmark::DoNotOptimize(std::sqrt((X * X + Y * Y) + Z * Z));
    jd += 0.37;
  }
}
BENCHMARK(UncheckedTranscription);

}  // namespace
