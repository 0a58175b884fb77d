#include "sky/night/night_curves.h"

#include <algorithm>
#include <cmath>

#include "sky/bodies/method_sky.h"
#include "sky/bodies/moon.h"

namespace orbitas {

int Darkness(double sun) { return static_cast<int>(LightOf(sun)); }

NightCurves NightCurvesOf(const Night& night, const ElementsTable& elements, const Place& place) {
  NightCurves curves;
  const bool ordered = night.sun.set && night.sun.rise && night.sun.rise->time > night.sun.set->time;
  const double start = ordered ? night.sun.set->time.ut : night.span.from.ut;
  const double end = ordered ? night.sun.rise->time.ut : night.span.to.ut;
  curves.start = start, curves.end = end;
  constexpr double Step = 5.0 / 1440;  // days
  const int steps = static_cast<int>(std::ceil((end - start) / Step));
  for (int k = 0; k <= steps; ++k) {
    const double jd = std::min(start + k * Step, end);
    const int level = Darkness(MethodHorizon(elements, Body::Sun, place, jd).altitude);
    const double from = std::max(start, jd - Step / 2), to = std::min(end, jd + Step / 2);
    if (!curves.bands.empty() && curves.bands.back().darkness == level) curves.bands.back().to = to;
    else curves.bands.push_back({from, to, level});
  }
  auto curve = [&](Body body, auto&& altitude) {
    AltitudeCurve c{body, {}};
    for (int k = 0; k <= steps; ++k) {
      const double jd = std::min(start + k * Step, end);
      c.points.emplace_back(jd, altitude(jd));
    }
    return c;
  };
  for (const PlanetNight& p : night.planets) {
    if (!p.best) continue;
    curves.curves.push_back(
        curve(p.body, [&](double jd) { return MethodHorizon(elements, p.body, place, jd).altitude; }));
  }
  curves.curves.push_back(curve(Body::Moon, [&](double jd) { return MoonFrom(place, Instant::FromUt(jd)).horizon.altitude; }));
  return curves;
}

}  // namespace orbitas
