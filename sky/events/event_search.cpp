#include "sky/events/event_search.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "ephemeris/angles.h"
#include "sky/bodies/method_sky.h"
#include "sky/bodies/planet_appearance.h"
#include "sky/bodies/reference.h"
#include "sky/search/toolkit.h"

namespace orbitas {
namespace {

constexpr double Precision = 1e-6;           // days: the method's instants, to a tenth of a second
constexpr double ReferencePrecision = 2e-5;  // days: the reference's, to a couple of seconds

// How far from the method's instant the reference's is sought, and the
// step of that search, days.
constexpr double ConjunctionWindow = 60, StationWindow = 30, ElongationWindow = 20;
constexpr double MoonApproachWindow = 1, PlanetApproachWindow = 10;
constexpr double PhaseWindow = 1, SeasonWindow = 3;

// A quantity the searches follow, of t, a Julian day (UT): the search's
// variable, made an instant for the geometry at each step.
using Function = std::function<double(double)>;

Instant At(double t) { return Instant::FromUt(t); }

// The longitude of body less the Sun's, less target, -180..180.
Function LongitudeFromSun(const Geometry& g, Body body, double target) {
  return [&g, body, target](double t) {
    const Instant at = At(t);
    return Wrapped(LongitudeOf(g.Geocentric(body, at)) - LongitudeOf(g.Sun(at)) - target);
  };
}

Function Elongation(const Geometry& g, Body body) {
  return [&g, body](double t) {
    const Instant at = At(t);
    return AngleBetween(g.Geocentric(body, at), g.Sun(at));
  };
}

// The rate of the geocentric longitude, degrees a day.
Function LongitudeRate(const Geometry& g, Body body) {
  return [&g, body](double t) {
    constexpr double h = 0.01;
    return Wrapped(LongitudeOf(g.Geocentric(body, At(t + h))) - LongitudeOf(g.Geocentric(body, At(t - h)))) / (2 * h);
  };
}

Function Distance(const Geometry& g, Body body) {
  return [&g, body](double t) { return Norm(*g.Heliocentric(body, At(t))); };
}

Function Separation(const Geometry& g, Body body, Body other) {
  return [&g, body, other](double t) {
    const Instant at = At(t);
    return AngleBetween(g.Geocentric(body, at), g.Geocentric(other, at));
  };
}

Function SunLongitude(const Geometry& g, double target) {
  return [&g, target](double t) { return Wrapped(g.SunApparentLongitude(At(t)) - target); };
}

Phenomenon Event(PhenomenonKind kind, double t, Body body, Body other, std::optional<double> value,
                 PhenomenonUnit unit, std::optional<double> reference) {
  const std::optional<Instant> at = reference ? std::optional(Instant::FromUt(*reference)) : std::nullopt;
  return {kind, t, body, other, value, unit, at, std::nullopt};
}

}  // namespace

std::vector<Phenomenon> EventSearch::Conjunctions(Body p, const Span& span) const {
  const auto& [from, to] = span;
  const double a = from.ut, b = to.ut;
  std::vector<Phenomenon> found;
  const bool inner = IsInferior(p);
  const std::vector<double> targets = inner ? std::vector<double>{0} : std::vector<double>{0, 180};
  const std::vector<std::vector<Crossing>> roots =
      AngleZerosOfEach(LongitudeFromSun(method_, p, 0), targets, a, b, 1.0, Precision);
  for (std::size_t k = 0; k < targets.size(); ++k) {
    const double target = targets[k];
    for (const Crossing& r : roots[k]) {
      PhenomenonKind kind = target == 180 ? PhenomenonKind::Opposition : PhenomenonKind::Conjunction;
      if (inner) {
        kind = Norm(method_.Geocentric(p, At(r.time))) < Norm(method_.Sun(At(r.time)))
                   ? PhenomenonKind::InferiorConjunction
                   : PhenomenonKind::SuperiorConjunction;
      }
      std::optional<double> reference;
      if (HasReference(p)) {
        reference = NearestRoot(LongitudeFromSun(reference_, p, target), r.time, 1.0, ConjunctionWindow,
                                ReferencePrecision);
      }
      if (kind == PhenomenonKind::Opposition) {
        const Instant at = At(r.time);
        const double magnitude = AspectOf(p, method_.Equatorial(*method_.Heliocentric(p, at)),
                                          method_.Equatorial(*method_.Heliocentric(Body::Earth, at)), at)
                                     .magnitude;
        found.push_back(Event(kind, r.time, p, Body::Sun, magnitude, PhenomenonUnit::Magnitude, reference));
      } else {
        found.push_back(Event(kind, r.time, p, Body::Sun, Elongation(method_, p)(r.time), PhenomenonUnit::Degrees,
                              reference));
      }
    }
  }
  return found;
}

std::vector<Phenomenon> EventSearch::GreatestElongations(Body p, const Span& span) const {
  const auto& [from, to] = span;
  const double a = from.ut, b = to.ut;
  std::vector<Phenomenon> found;
  if (!IsInferior(p)) return found;
  for (const double t : LocalExtrema(Elongation(method_, p), a, b, 1.0, true, Precision)) {
    const bool east = LongitudeFromSun(method_, p, 0)(t) > 0;
    std::optional<double> reference;
    if (HasReference(p)) {
      reference = NearestExtremum(Elongation(reference_, p), t, 0.5, ElongationWindow, true, ReferencePrecision);
    }
    found.push_back(Event(east ? PhenomenonKind::GreatestEastern : PhenomenonKind::GreatestWestern, t, p, Body::Sun,
                          Elongation(method_, p)(t), PhenomenonUnit::Degrees, reference));
  }
  return found;
}

std::vector<Phenomenon> EventSearch::Stations(Body p, const Span& span) const {
  const auto& [from, to] = span;
  const double a = from.ut, b = to.ut;
  std::vector<Phenomenon> found;
  for (const Crossing& r : AngleZeros(LongitudeRate(method_, p), a, b, 1.0, Precision)) {
    std::optional<double> reference;
    if (HasReference(p)) {
      reference = NearestRoot(LongitudeRate(reference_, p), r.time, 1.0, StationWindow, ReferencePrecision, r.upward);
    }
    found.push_back(Event(r.upward ? PhenomenonKind::RetrogradeEnds : PhenomenonKind::RetrogradeBegins, r.time, p,
                          Body::Sun, Elongation(method_, p)(r.time), PhenomenonUnit::Degrees, reference));
  }
  return found;
}

std::vector<Phenomenon> EventSearch::Apsides(Body p, const Span& span) const {
  const auto& [from, to] = span;
  const double a = from.ut, b = to.ut;
  std::vector<Phenomenon> found;
  const ElementsTable& elements = method_.elements();
  const ElementRow row = p == Body::Earth ? EarthRow(elements) : BodyRow(elements, BodyNumber(p));
  const double period = FullTurn / row.dailyMotion;
  const double step = std::clamp(period / 100, 0.5, 30.0);
  for (const bool far : {false, true}) {
    for (const double t : LocalExtrema(Distance(method_, p), a, b, step, far, Precision)) {
      std::optional<double> reference;
      if (HasReference(p)) {
        reference = NearestExtremum(Distance(reference_, p), t, step, period / 5, far, ReferencePrecision);
      }
      found.push_back(Event(far ? PhenomenonKind::Aphelion : PhenomenonKind::Perihelion, t, p, Body::Sun,
                            Distance(method_, p)(t), PhenomenonUnit::AstronomicalUnits, reference));
    }
  }
  return found;
}

double EventSearch::ErrorDays(Body p, Body q, Instant at) const {
  const double t = at.ut;
  // How far the method may put the approach from the reference's: the
  // two bodies' errors (degrees) over how fast one passes the other.
  constexpr double MostDays = 400;
  auto error = [&](Body body) {
    if (body == Body::Moon) return 0.0;
    return MethodError(body, at, MethodEquatorial(method_.elements(), body, t)).method.value_or(0.0);
  };
  auto apart = [&](double u) {
    const Instant then = At(u);
    return LongitudeOf(method_.Geocentric(p, then)) - LongitudeOf(method_.Geocentric(q, then));
  };
  const double rate = std::fabs(Wrapped(apart(t + 1) - apart(t - 1))) / 2;  // degrees a day
  return std::min(MostDays, (error(p) + error(q)) / std::max(rate, (error(p) + error(q)) / MostDays));
}

std::vector<Phenomenon> EventSearch::CloseApproaches(Body p, Body q, double limit, const Span& span) const {
  const auto& [from, to] = span;
  const double a = from.ut, b = to.ut;
  std::vector<Phenomenon> found;
  const double step = p == Body::Moon ? 1.0 / 6 : 1.0;
  for (const double t : LocalExtrema(Separation(method_, p, q), a, b, step, false, Precision)) {
    const double closest = Separation(method_, p, q)(t);
    if (closest >= limit) continue;
    std::optional<double> reference, miss;
    if (HasReference(p) && HasReference(q)) {
      const double window = p == Body::Moon ? MoonApproachWindow : PlanetApproachWindow + ErrorDays(p, q, At(t));
      reference = NearestExtremum(Separation(reference_, p, q), t, step / 4, window, false, ReferencePrecision);
      if (reference && Separation(reference_, p, q)(*reference) >= limit) {
        miss = Separation(reference_, p, q)(*reference);
        reference.reset();
      }
    }
    Phenomenon event = Event(PhenomenonKind::CloseApproach, t, p, q, closest, PhenomenonUnit::Degrees, reference);
    event.referenceMiss = miss;
    found.push_back(event);
  }
  return found;
}

std::vector<Phenomenon> EventSearch::MoonPhases(const Span& span) const {
  const auto& [from, to] = span;
  const double a = from.ut, b = to.ut;
  std::vector<Phenomenon> found;
  const PhenomenonKind kinds[] = {PhenomenonKind::NewMoon, PhenomenonKind::FirstQuarter, PhenomenonKind::FullMoon,
                                  PhenomenonKind::LastQuarter};
  const std::vector<std::vector<Crossing>> roots =
      AngleZerosOfEach(LongitudeFromSun(method_, Body::Moon, 0), {0, 90, 180, 270}, a, b, 0.5, Precision);
  for (int k = 0; k < 4; ++k) {
    for (const Crossing& r : roots[k]) {
      const std::optional<double> reference = NearestRoot(LongitudeFromSun(reference_, Body::Moon, 90.0 * k), r.time,
                                                          0.1, PhaseWindow, ReferencePrecision);
      found.push_back(Event(kinds[k], r.time, Body::Moon, Body::Sun, std::nullopt, PhenomenonUnit::None, reference));
    }
  }
  return found;
}

std::vector<Phenomenon> EventSearch::Seasons(const Span& span) const {
  const auto& [from, to] = span;
  const double a = from.ut, b = to.ut;
  std::vector<Phenomenon> found;
  const PhenomenonKind kinds[] = {PhenomenonKind::MarchEquinox, PhenomenonKind::JuneSolstice,
                                  PhenomenonKind::SeptemberEquinox, PhenomenonKind::DecemberSolstice};
  const std::vector<std::vector<Crossing>> roots =
      AngleZerosOfEach(SunLongitude(method_, 0), {0, 90, 180, 270}, a, b, 2.0, Precision);
  for (int k = 0; k < 4; ++k) {
    for (const Crossing& r : roots[k]) {
      const std::optional<double> reference =
          NearestRoot(SunLongitude(reference_, 90.0 * k), r.time, 0.5, SeasonWindow, ReferencePrecision);
      found.push_back(Event(kinds[k], r.time, Body::Sun, Body::Sun, std::nullopt, PhenomenonUnit::None, reference));
    }
  }
  return found;
}

}  // namespace orbitas
