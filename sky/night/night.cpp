#include "sky/night/night.h"

#include <algorithm>
#include <cmath>

#include "sky/bodies/method_sky.h"
#include "sky/bodies/reference.h"
#include "sky/search/toolkit.h"

namespace orbitas {
namespace {

// The search for the best moment narrows a visible interval from this
// many samples.
constexpr int BestSamples = 24;
// Closer to the Sun than this, a planet high only by day is "too near".
constexpr double NearTheSunDegrees = 30;

// The intervals of [start, end] in which f > 0, from its crossings.
std::vector<Interval> PositiveIntervals(const std::function<double(double)>& f, double start, double end) {
  std::vector<Interval> intervals;
  double from = start;
  bool inside = f(start) > 0;
  for (const Crossing& c : FindCrossings(f, start, end, SamplesPerDay)) {
    if (c.upward && !inside) from = c.time, inside = true;
    else if (!c.upward && inside) intervals.push_back({from, c.time}), inside = false;
  }
  if (inside) intervals.push_back({from, end});
  return intervals;
}

// The intersections of two lists of intervals, each in time order.
std::vector<Interval> Intersect(const std::vector<Interval>& a, const std::vector<Interval>& b) {
  std::vector<Interval> both;
  for (const Interval& x : a) {
    for (const Interval& y : b) {
      const double from = std::max(x.from, y.from), to = std::min(x.to, y.to);
      if (to > from) both.push_back({from, to});
    }
  }
  return both;
}

// The same aspect from the reference's vectors: how far the method's
// geometry moves the magnitude.
std::optional<double> MagnitudeError(Body body, Instant at, double magnitude) {
  const std::optional<Vector> planet = ReferenceHeliocentric(body, at);
  if (!planet) return std::nullopt;
  const PlanetAspect reference = AspectOf(body, *planet, *ReferenceHeliocentric(Body::Earth, at), at);
  return std::fabs(reference.magnitude - magnitude);
}

// Sunset, sunrise and the twilights' dusks and dawns from the changes of
// the sky's light: the first time the Sun goes down through each limit
// and the last time it comes back up; and the limits it never crosses.
SunNight SunEvents(const std::function<double(double)>& sunAltitude, double start, double end,
                   const ErrorBars& bars) {
  SunNight sun;
  std::optional<TimedEvent>* const dusks[] = {&sun.set, &sun.civilDusk, &sun.nauticalDusk, &sun.astronomicalDusk};
  std::optional<TimedEvent>* const dawns[] = {&sun.rise, &sun.civilDawn, &sun.nauticalDawn, &sun.astronomicalDawn};
  const auto light = FindStateChanges([&](double jd) { return LightOf(sunAltitude(jd)); }, start, end, SamplesPerDay);
  SkyLight lightest = light.first, darkest = light.first;
  for (const StateChange<SkyLight>& c : light.changes) {
    lightest = std::min(lightest, c.after), darkest = std::max(darkest, c.after);
    ForEachLimitCrossed(c.before, c.after, [&](std::size_t k, bool down) {
      if (!down || !*dusks[k]) *(down ? dusks[k] : dawns[k]) = TimedEvent{Instant::FromUt(c.time), MinutesOf(bars, sunAltitude, c.time)};
    });
  }
  bool belowSaid = false;
  for (std::size_t k = 0; k < TwilightLimits.size(); ++k) {
    const bool sunset = k == 0;
    if (!IsBelow(darkest, k)) {
      sun.misses.push_back({sunset ? SunMiss::NeverSets : SunMiss::NeverBelow, TwilightLimits[k]});
    } else if (!belowSaid && IsBelow(lightest, k)) {
      // Only the highest limit the Sun never reaches is worth saying.
      sun.misses.push_back({sunset ? SunMiss::NeverRises : SunMiss::NeverAbove, TwilightLimits[k]});
      belowSaid = true;
    }
  }
  return sun;
}

MoonNight MoonEvents(const ElementsTable& elements, const Place& place, double start, double end, double middle) {
  MoonNight moon;
  auto height = [&](double jd) {
    const MoonSky sky = MoonFrom(place, Instant::FromUt(jd));
    return sky.horizon.altitude - MoonHorizonAltitude(sky.semidiameter);
  };
  for (const Crossing& c : FindCrossings(height, start, end, SamplesPerDay)) {
    if (c.upward && !moon.rise) moon.rise = Instant::FromUt(c.time);
    if (!c.upward && !moon.set) moon.set = Instant::FromUt(c.time);
  }
  auto sunVector = [&](double jd) {
    const EquatorialCoordinates eq = SunEquatorialAt(elements, jd);
    return Vector{eq.x, eq.y, eq.z};
  };
  const Instant atMiddle = Instant::FromUt(middle);
  moon.phase = MoonPhaseAt(atMiddle, sunVector);
  moon.altitudeAtMiddle = MoonFrom(place, atMiddle).horizon.altitude;
  return moon;
}

}  // namespace

int CompassPoint(double azimuth) {
  const double a = Degrees360(azimuth + 11.25);
  return static_cast<int>(a / 22.5) % 16;
}

DarkSky DarkSkyOf(const ElementsTable& elements, const Place& place, const Span& span,
                  const NightLimits& limits, Instant middle, const ErrorBars& sunBars) {
  const Instant &from = span.from, &to = span.to;
  const double start = from.ut, end = to.ut;
  DarkSky dark{start, end, middle.ut, {}, sunBars, limits};
  auto below = [&](double jd) { return limits.sunAltitude - MethodHorizon(elements, Body::Sun, place, jd).altitude; };
  dark.intervals = PositiveIntervals(below, start, end);
  return dark;
}

Instant DarkestInstant(const ElementsTable& elements, const Place& place, const Span& span) {
  const auto& [start, end] = span;
  auto depth = [&](double jd) { return -MethodHorizon(elements, Body::Sun, place, jd).altitude; };
  return Instant::FromUt(FindMaximum(depth, start.ut, end.ut, BestSamples));
}

namespace {

// The visible interval where the planet stands highest and the instant it
// is highest there; none, and the night's middle, when there is none.
template <typename Altitude>
std::pair<std::optional<Interval>, double> HighestVisible(Altitude&& altitude, const std::vector<Interval>& visible,
                                                          double middle) {
  double bestTime = middle, bestAltitude = -90;
  std::optional<Interval> chosen;
  for (const Interval& v : visible) {
    const double t = FindMaximum(altitude, v.from, v.to, BestSamples);
    const double a = altitude(t);
    if (!chosen || a > bestAltitude) chosen = v, bestTime = t, bestAltitude = a;
  }
  return {chosen, bestTime};
}

// Why a planet with no visible interval has none: no darkness at all, too
// near the Sun (high only by day), or too low while it is dark, with how
// near it comes to the altitude limit then.
template <typename Altitude>
void SayWhyNotVisible(PlanetNight& p, const DarkSky& dark, Altitude&& altitude, bool highByDay) {
  if (dark.intervals.empty()) {
    p.miss = PlanetMiss::NoDarkness;
    return;
  }
  double highestDark = -90;
  for (const Interval& d : dark.intervals) {
    highestDark = std::max(highestDark, altitude(FindMaximum(altitude, d.from, d.to, BestSamples)));
  }
  p.margin = highestDark - dark.limits.planetAltitude;
  p.verdictWithinError = p.error.Covers(*p.margin);
  p.miss = highByDay && p.aspect.elongation < NearTheSunDegrees ? PlanetMiss::TooNearTheSun : PlanetMiss::TooLow;
}

}  // namespace

PlanetNight ComputePlanetNight(const ElementsTable& elements, Body body, const Place& place, const DarkSky& dark) {
  PlanetNight p;
  p.body = body;
  auto altitude = [&](double jd) { return MethodHorizon(elements, body, place, jd).altitude; };
  auto high = [&](double jd) { return altitude(jd) - dark.limits.planetAltitude; };
  auto sunAltitude = [&](double jd) { return MethodHorizon(elements, Body::Sun, place, jd).altitude; };
  auto below = [&](double jd) { return dark.limits.sunAltitude - sunAltitude(jd); };
  const std::vector<Interval> highIntervals = PositiveIntervals(high, dark.start, dark.end);
  const auto [chosen, bestTime] = HighestVisible(altitude, Intersect(dark.intervals, highIntervals), dark.middle);
  const EquatorialCoordinates eq = MethodEquatorial(elements, body, bestTime);
  const Instant best = Instant::FromUt(bestTime);
  p.error = MethodError(body, best, eq);
  p.aspect = AspectOf(body, MethodHeliocentricEquatorial(elements, body, bestTime),
                      MethodHeliocentricEquatorial(elements, Body::Earth, bestTime), best);
  p.magnitudeError = MagnitudeError(body, best, p.aspect.magnitude);
  p.constellation = ConstellationAt(eq.rightAscensionHours, eq.declination);
  if (chosen) {
    // Each end is where the planet's altitude or the Sun's reaches its
    // limit; its error comes from whichever it is.
    auto endOf = [&](double t, bool open) {
      if (open) return TimedEvent{Instant::FromUt(t), {}};
      const bool planetLimits = std::fabs(high(t)) < std::fabs(below(t));
      return TimedEvent{Instant::FromUt(t), planetLimits ? MinutesOf(p.error, altitude, t) : MinutesOf(dark.sunBars, sunAltitude, t)};
    };
    p.visibleFrom = endOf(chosen->from, !(chosen->from > dark.start));
    p.visibleTo = endOf(chosen->to, !(chosen->to < dark.end));
    const HorizonCoordinates h = MethodHorizon(elements, body, place, bestTime);
    p.best = BestView{best, h.altitude, h.azimuth, CompassPoint(h.azimuth)};
  } else {
    SayWhyNotVisible(p, dark, altitude, !highIntervals.empty());
  }
  p.instrument = InstrumentFor(p.aspect.magnitude);
  if (p.best && p.instrument > dark.limits.instrument) {
    // Above the horizon in the dark, but too faint for what the observer has.
    p.best.reset(), p.visibleFrom.reset(), p.visibleTo.reset();
    p.miss = p.instrument == Instrument::Binoculars ? PlanetMiss::NeedsBinoculars : PlanetMiss::NeedsTelescope;
  }
  return p;
}

Night ComputeNight(const ElementsTable& elements, const Place& place, const Span& span,
                   const std::vector<Body>& bodies, const NightLimits& limits) {
  const Instant &from = span.from, &to = span.to;
  const double start = from.ut, end = to.ut;
  Night night;
  night.span = span;
  auto sunAltitude = [&](double jd) { return MethodHorizon(elements, Body::Sun, place, jd).altitude; };
  auto sunError = [&](double jd) { return MethodError(Body::Sun, Instant::FromUt(jd), SunEquatorialAt(elements, jd)); };
  const double provisionalMiddle = (start + end) / 2;
  const ErrorBars sunBars = sunError(provisionalMiddle);
  night.sun = SunEvents(sunAltitude, start, end, sunBars);
  const double middle = night.sun.set && night.sun.rise && night.sun.rise->time > night.sun.set->time
                            ? (night.sun.set->time.ut + night.sun.rise->time.ut) / 2
                            : provisionalMiddle;
  night.middle = Instant::FromUt(middle);
  night.sun.error = sunError(middle);
  night.moon = MoonEvents(elements, place, start, end, middle);
  const DarkSky dark = DarkSkyOf(elements, place, span, limits, night.middle, sunBars);
  for (const Body body : bodies) night.planets.push_back(ComputePlanetNight(elements, body, place, dark));
  return night;
}

}  // namespace orbitas
