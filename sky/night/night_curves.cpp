#include "sky/night/night_curves.h"

#include <algorithm>
#include <cmath>

#include "sky/bodies/seen_sky.h"
#include "sky/bodies/moon.h"

namespace orbitas {

int Darkness(double sun) { return static_cast<int>(LightOf(sun)); }

NightCurves NightCurvesOf(const Night& night, const ElementsTable& elements, const Place& place) {
  NightCurves curves;
  const bool ordered = night.sun.set && night.sun.rise && night.sun.rise->time > night.sun.set->time;
  const double start = ordered ? night.sun.set->time.ut : night.span.from.ut;
  const double end = ordered ? night.sun.rise->time.ut : night.span.to.ut;
  curves.drawn = {Instant::FromUt(start), Instant::FromUt(end)};
  constexpr double Step = 5.0 / 1440;  // days
  const int steps = static_cast<int>(std::ceil((end - start) / Step));
  for (int k = 0; k <= steps; ++k) {
    const double jd = std::min(start + k * Step, end);
    const int level = Darkness(SeenHorizon(elements, Body::Sun, place, Instant::FromUt(jd)).altitude);
    const Instant from = Instant::FromUt(std::max(start, jd - Step / 2)), to = Instant::FromUt(std::min(end, jd + Step / 2));
    if (!curves.bands.empty() && curves.bands.back().darkness == level) curves.bands.back().span.to = to;
    else curves.bands.push_back({{from, to}, level});
  }
  auto curve = [&](Body body, auto&& altitude) {
    AltitudeCurve c{body, {}};
    for (int k = 0; k <= steps; ++k) {
      const Instant t = Instant::FromUt(std::min(start + k * Step, end));
      c.points.emplace_back(t, altitude(t));
    }
    return c;
  };
  for (const PlanetNight& p : night.planets) {
    if (!p.best) continue;
    curves.curves.push_back(
        curve(p.body, [&](const Instant& t) { return SeenHorizon(elements, p.body, place, t).altitude; }));
  }
  curves.curves.push_back(curve(Body::Moon, [&](const Instant& t) { return MoonFrom(place, t).horizon.altitude; }));
  return curves;
}

}  // namespace orbitas
