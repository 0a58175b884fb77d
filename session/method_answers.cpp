#include "session/method_answers.h"

#include "runtime/runtime_error.h"
#include "sky/bodies/method_sky.h"
#include "sky/bodies/reference.h"

namespace orbitas {
namespace {

// The method's error bar for body at `at`, degrees: its direction's angle
// to the reference's, never below the reference's own bound.
std::optional<double> ErrorAt(const ElementsTable& elements, Body body, const Instant& at) {
  return MethodError(body, at, MethodEquatorial(elements, body, at)).Bar();
}

Instant Middle(const Span& span) { return Instant::FromUt((span.from.ut + span.to.ut) / 2); }

}  // namespace

std::optional<MethodNight> MethodNightOf(const ElementsTable& elements, const Place& place, const Span& span,
                                         const std::vector<Body>& planets, const NightLimits& limits) {
  try {
    const Night night = ComputeNight(elements, place, span, planets, limits, SkyModel::Method);
    MethodNight method{night.sun, {}};
    for (const PlanetNight& p : night.planets) {
      method.planets.push_back({p, ErrorAt(elements, p.body, p.best ? p.best->time : night.middle)});
    }
    return method;
  } catch (const RuntimeError&) {
    return std::nullopt;
  }
}

std::vector<MethodPlanetDay> MethodDaysOf(const ElementsTable& elements, const Place& place, const Span& span,
                                          const std::vector<Body>& bodies) {
  std::vector<MethodPlanetDay> days;
  try {
    for (const Body body : bodies) {
      if (body == Body::Moon) continue;
      const PlanetDay day = ComputePlanetDay(elements, body, place, span, SkyModel::Method);
      days.push_back({day, ErrorAt(elements, body, day.transit ? *day.transit : Middle(span))});
    }
  } catch (const RuntimeError&) {
    // What the method reached stays; the rest has no answer beside it.
  }
  return days;
}

}  // namespace orbitas
