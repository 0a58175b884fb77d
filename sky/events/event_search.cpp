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

// A quantity the searches follow, of the instant.
using Function = OfTime;

// The longitude of body less the Sun's, less target, -180..180.
Function LongitudeFromSun(const Geometry& g, Body body, double target) {
  return [&g, body, target](const Instant& at) {
    return Wrapped(LongitudeOf(g.Geocentric(body, at)) - LongitudeOf(g.Sun(at)) - target);
  };
}

Function Elongation(const Geometry& g, Body body) {
  return [&g, body](const Instant& at) {
    return AngleBetween(g.Geocentric(body, at), g.Sun(at));
  };
}

// The rate of the geocentric longitude, degrees a day.
Function LongitudeRate(const Geometry& g, Body body) {
  return [&g, body](const Instant& at) {
    constexpr double h = 0.01;
    return Wrapped(LongitudeOf(g.Geocentric(body, at.After(h))) - LongitudeOf(g.Geocentric(body, at.After(-h)))) / (2 * h);
  };
}

Function Distance(const Geometry& g, Body body) {
  return [&g, body](const Instant& at) { return Norm(*g.Heliocentric(body, at)); };
}

Function Separation(const Geometry& g, Body body, Body other) {
  return [&g, body, other](const Instant& at) {
    return AngleBetween(g.Geocentric(body, at), g.Geocentric(other, at));
  };
}

Function SunLongitude(const Geometry& g, double target) {
  return [&g, target](const Instant& at) { return Wrapped(g.SunApparentLongitude(at) - target); };
}

Phenomenon Event(PhenomenonKind kind, const Instant& t, Body body, Body other, std::optional<double> value,
                 PhenomenonUnit unit, std::optional<Instant> reference) {
  return {kind, t.ut, body, other, value, unit, reference, std::nullopt};
}

}  // namespace

std::vector<Phenomenon> EventSearch::Conjunctions(Body p, const Span& span) const {
  std::vector<Phenomenon> found;
  const bool inner = IsInferior(p);
  const std::vector<double> targets = inner ? std::vector<double>{0} : std::vector<double>{0, 180};
  const std::vector<std::vector<Crossing>> roots =
      AngleZerosOfEach(LongitudeFromSun(method_, p, 0), targets, span, 1.0, Precision);
  for (std::size_t k = 0; k < targets.size(); ++k) {
    const double target = targets[k];
    for (const Crossing& r : roots[k]) {
      PhenomenonKind kind = target == 180 ? PhenomenonKind::Opposition : PhenomenonKind::Conjunction;
      if (inner) {
        kind = Norm(method_.Geocentric(p, r.time)) < Norm(method_.Sun(r.time))
                   ? PhenomenonKind::InferiorConjunction
                   : PhenomenonKind::SuperiorConjunction;
      }
      std::optional<Instant> reference;
      if (HasReference(p)) {
        reference = NearestRoot(LongitudeFromSun(reference_, p, target), r.time, 1.0, ConjunctionWindow,
                                ReferencePrecision);
      }
      if (kind == PhenomenonKind::Opposition) {
        const Instant& at = r.time;
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
  std::vector<Phenomenon> found;
  if (!IsInferior(p)) return found;
  for (const Instant& t : LocalExtrema(Elongation(method_, p), span, 1.0, true, Precision)) {
    const bool east = LongitudeFromSun(method_, p, 0)(t) > 0;
    std::optional<Instant> reference;
    if (HasReference(p)) {
      reference = NearestExtremum(Elongation(reference_, p), t, 0.5, ElongationWindow, true, ReferencePrecision);
    }
    found.push_back(Event(east ? PhenomenonKind::GreatestEastern : PhenomenonKind::GreatestWestern, t, p, Body::Sun,
                          Elongation(method_, p)(t), PhenomenonUnit::Degrees, reference));
  }
  return found;
}

std::vector<Phenomenon> EventSearch::Stations(Body p, const Span& span) const {
  std::vector<Phenomenon> found;
  for (const Crossing& r : AngleZeros(LongitudeRate(method_, p), span, 1.0, Precision)) {
    std::optional<Instant> reference;
    if (HasReference(p)) {
      reference = NearestRoot(LongitudeRate(reference_, p), r.time, 1.0, StationWindow, ReferencePrecision, r.upward);
    }
    found.push_back(Event(r.upward ? PhenomenonKind::RetrogradeEnds : PhenomenonKind::RetrogradeBegins, r.time, p,
                          Body::Sun, Elongation(method_, p)(r.time), PhenomenonUnit::Degrees, reference));
  }
  return found;
}

std::vector<Phenomenon> EventSearch::Apsides(Body p, const Span& span) const {
  std::vector<Phenomenon> found;
  const ElementsTable& elements = method_.elements();
  const ElementRow row = p == Body::Earth ? EarthRow(elements) : BodyRow(elements, BodyNumber(p));
  const double period = FullTurn / row.dailyMotion;
  const double step = std::clamp(period / 100, 0.5, 30.0);
  for (const bool far : {false, true}) {
    for (const Instant& t : LocalExtrema(Distance(method_, p), span, step, far, Precision)) {
      std::optional<Instant> reference;
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
  // How far the method may put the approach from the reference's: the
  // two bodies' errors (degrees) over how fast one passes the other.
  constexpr double MostDays = 400;
  auto error = [&](Body body) {
    if (body == Body::Moon) return 0.0;
    return MethodError(body, at, MethodEquatorial(method_.elements(), body, at)).method.value_or(0.0);
  };
  auto apart = [&](const Instant& then) {
    return LongitudeOf(method_.Geocentric(p, then)) - LongitudeOf(method_.Geocentric(q, then));
  };
  const double rate = std::fabs(Wrapped(apart(at.After(1)) - apart(at.After(-1)))) / 2;  // degrees a day
  return std::min(MostDays, (error(p) + error(q)) / std::max(rate, (error(p) + error(q)) / MostDays));
}

std::vector<Phenomenon> EventSearch::CloseApproaches(Body p, Body q, double limit, const Span& span) const {
  std::vector<Phenomenon> found;
  const double step = p == Body::Moon ? 1.0 / 6 : 1.0;
  for (const Instant& t : LocalExtrema(Separation(method_, p, q), span, step, false, Precision)) {
    const double closest = Separation(method_, p, q)(t);
    if (closest >= limit) continue;
    std::optional<Instant> reference;
    std::optional<double> miss;
    if (HasReference(p) && HasReference(q)) {
      const double window = p == Body::Moon ? MoonApproachWindow : PlanetApproachWindow + ErrorDays(p, q, t);
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
  std::vector<Phenomenon> found;
  const PhenomenonKind kinds[] = {PhenomenonKind::NewMoon, PhenomenonKind::FirstQuarter, PhenomenonKind::FullMoon,
                                  PhenomenonKind::LastQuarter};
  const std::vector<std::vector<Crossing>> roots =
      AngleZerosOfEach(LongitudeFromSun(method_, Body::Moon, 0), {0, 90, 180, 270}, span, 0.5, Precision);
  for (int k = 0; k < 4; ++k) {
    for (const Crossing& r : roots[k]) {
      const std::optional<Instant> reference = NearestRoot(LongitudeFromSun(reference_, Body::Moon, 90.0 * k), r.time,
                                                          0.1, PhaseWindow, ReferencePrecision);
      found.push_back(Event(kinds[k], r.time, Body::Moon, Body::Sun, std::nullopt, PhenomenonUnit::None, reference));
    }
  }
  return found;
}

std::vector<Phenomenon> EventSearch::Seasons(const Span& span) const {
  std::vector<Phenomenon> found;
  const PhenomenonKind kinds[] = {PhenomenonKind::MarchEquinox, PhenomenonKind::JuneSolstice,
                                  PhenomenonKind::SeptemberEquinox, PhenomenonKind::DecemberSolstice};
  const std::vector<std::vector<Crossing>> roots =
      AngleZerosOfEach(SunLongitude(method_, 0), {0, 90, 180, 270}, span, 2.0, Precision);
  for (int k = 0; k < 4; ++k) {
    for (const Crossing& r : roots[k]) {
      const std::optional<Instant> reference =
          NearestRoot(SunLongitude(reference_, 90.0 * k), r.time, 0.5, SeasonWindow, ReferencePrecision);
      found.push_back(Event(kinds[k], r.time, Body::Sun, Body::Sun, std::nullopt, PhenomenonUnit::None, reference));
    }
  }
  return found;
}

}  // namespace orbitas
