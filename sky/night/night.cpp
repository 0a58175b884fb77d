#include "sky/night/night.h"

#include <algorithm>
#include <cmath>

#include "sky/bodies/seen_sky.h"
#include "sky/search/toolkit.h"

namespace orbitas {
namespace {

// The search for the best moment narrows a visible interval from this
// many samples.
constexpr int BestSamples = 24;
// Closer to the Sun than this, a planet high only by day is "too near".
constexpr double NearTheSunDegrees = 30;
// A planet above its limit in the dark for less than this is not visible:
// its interval would read "from 18:37 to 18:37".
constexpr double ShortestVisibleDays = 1.0 / 1440;

// The stretches of span in which f > 0, from its crossings.
std::vector<Span> PositiveIntervals(const OfTime& f, const Span& span) {
  std::vector<Span> intervals;
  Instant from = span.from;
  bool inside = f(span.from) > 0;
  for (const Crossing& c : FindCrossings(f, span, SamplesPerDay)) {
    if (c.upward && !inside) from = c.time, inside = true;
    else if (!c.upward && inside) intervals.push_back({from, c.time}), inside = false;
  }
  if (inside) intervals.push_back({from, span.to});
  return intervals;
}

// The intersections of two lists of intervals, each in time order.
std::vector<Span> Intersect(const std::vector<Span>& a, const std::vector<Span>& b) {
  std::vector<Span> both;
  for (const Span& x : a) {
    for (const Span& y : b) {
      const Instant from = std::max(x.from, y.from), to = std::min(x.to, y.to);
      if (to > from) both.push_back({from, to});
    }
  }
  return both;
}

// Sunset, sunrise and the twilights' dusks and dawns from the changes of
// the sky's light: the first time the Sun goes down through each limit
// and the last time it comes back up; and the limits it never crosses.
SunNight SunEvents(const OfTime& sunAltitude, const Span& span) {
  SunNight sun;
  std::optional<TimedEvent>* const dusks[] = {&sun.set, &sun.civilDusk, &sun.nauticalDusk, &sun.astronomicalDusk};
  std::optional<TimedEvent>* const dawns[] = {&sun.rise, &sun.civilDawn, &sun.nauticalDawn, &sun.astronomicalDawn};
  const auto light = FindStateChanges([&](const Instant& t) { return LightOf(sunAltitude(t)); }, span, SamplesPerDay);
  SkyLight lightest = light.first, darkest = light.first;
  for (const StateChange<SkyLight>& c : light.changes) {
    lightest = std::min(lightest, c.after), darkest = std::max(darkest, c.after);
    ForEachLimitCrossed(c.before, c.after, [&](std::size_t k, bool down) {
      if (!down || !*dusks[k]) *(down ? dusks[k] : dawns[k]) = TimedEvent{c.time};
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

MoonNight MoonEvents(const ElementsTable& elements, const Place& place, const Span& span, const Instant& atMiddle) {
  MoonNight moon;
  auto height = [&](const Instant& t) {
    const MoonSky sky = MoonFrom(place, t);
    return sky.horizon.altitude - MoonHorizonAltitude(sky.semidiameter);
  };
  for (const Crossing& c : FindCrossings(height, span, SamplesPerDay)) {
    if (c.upward && !moon.rise) moon.rise = c.time;
    if (!c.upward && !moon.set) moon.set = c.time;
  }
  auto sunVector = [&](const Instant& t) {
    const EquatorialCoordinates eq = SeenEquatorial(elements, Body::Sun, t);
    return Vector{eq.x, eq.y, eq.z};
  };
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
                  const NightLimits& limits, Instant middle, SkyModel model) {
  DarkSky dark{span, middle, {}, limits, model};
  auto below = [&](const Instant& t) {
    return limits.sunAltitude - HorizonIn(model, elements, Body::Sun, place, t).altitude;
  };
  dark.intervals = PositiveIntervals(below, span);
  return dark;
}

Instant DarkestInstant(const ElementsTable& elements, const Place& place, const Span& span) {
  auto depth = [&](const Instant& t) { return -SeenHorizon(elements, Body::Sun, place, t).altitude; };
  return FindMaximum(depth, span, BestSamples);
}

namespace {

// The visible interval where the planet stands highest and the instant it
// is highest there; none, and the night's middle, when there is none.
template <typename Altitude>
std::pair<std::optional<Span>, Instant> HighestVisible(Altitude&& altitude, const std::vector<Span>& visible,
                                                       const Instant& middle) {
  Instant bestTime = middle;
  double bestAltitude = -90;
  std::optional<Span> chosen;
  for (const Span& v : visible) {
    const Instant t = FindMaximum(altitude, v, BestSamples);
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
  for (const Span& d : dark.intervals) {
    highestDark = std::max(highestDark, altitude(FindMaximum(altitude, d, BestSamples)));
  }
  p.margin = highestDark - dark.limits.planetAltitude;
  p.miss = highByDay && p.aspect.elongation < NearTheSunDegrees ? PlanetMiss::TooNearTheSun : PlanetMiss::TooLow;
}

}  // namespace

PlanetNight ComputePlanetNight(const ElementsTable& elements, Body body, const Place& place, const DarkSky& dark) {
  PlanetNight p;
  p.body = body;
  const SkyModel model = dark.model;
  auto altitude = [&](const Instant& t) { return HorizonIn(model, elements, body, place, t).altitude; };
  auto high = [&](const Instant& t) { return altitude(t) - dark.limits.planetAltitude; };
  const std::vector<Span> highIntervals = PositiveIntervals(high, dark.night);
  std::vector<Span> visible = Intersect(dark.intervals, highIntervals);
  const bool anyAtAll = !visible.empty();
  std::erase_if(visible, [](const Span& v) { return v.Days() < ShortestVisibleDays; });
  const bool onlyAMoment = anyAtAll && visible.empty();
  const auto [chosen, best] = HighestVisible(altitude, visible, dark.middle);
  const EquatorialCoordinates eq = EquatorialIn(model, elements, body, best);
  p.aspect = AspectIn(model, elements, body, best);
  p.constellation = ConstellationAt(eq.rightAscensionHours, eq.declination);
  if (chosen) {
    p.visibleFrom = TimedEvent{chosen->from};
    p.visibleTo = TimedEvent{chosen->to};
    const HorizonCoordinates h = HorizonIn(model, elements, body, place, best);
    p.best = BestView{best, h.altitude, h.azimuth, CompassPoint(h.azimuth)};
  } else {
    SayWhyNotVisible(p, dark, altitude, !highIntervals.empty());
    if (onlyAMoment) p.miss = PlanetMiss::OnlyAMoment, p.margin.reset();
  }
  p.instrument = InstrumentFor(p.aspect.magnitude, dark.limits.sky);
  if (p.best && p.instrument > dark.limits.instrument) {
    // Above the horizon in the dark, but too faint for what the observer has.
    p.best.reset(), p.visibleFrom.reset(), p.visibleTo.reset();
    p.miss = p.instrument == Instrument::Binoculars ? PlanetMiss::NeedsBinoculars : PlanetMiss::NeedsTelescope;
  }
  return p;
}

Night ComputeNight(const ElementsTable& elements, const Place& place, const Span& span,
                   const std::vector<Body>& bodies, const NightLimits& limits, SkyModel model) {
  Night night;
  night.span = span;
  auto sunAltitude = [&](const Instant& t) { return HorizonIn(model, elements, Body::Sun, place, t).altitude; };
  const Instant provisionalMiddle = Instant::FromUt((span.from.ut + span.to.ut) / 2);
  night.sun = SunEvents(sunAltitude, span);
  night.middle = night.sun.set && night.sun.rise && night.sun.rise->time > night.sun.set->time
                     ? Instant::FromUt((night.sun.set->time.ut + night.sun.rise->time.ut) / 2)
                     : provisionalMiddle;
  night.moon = MoonEvents(elements, place, span, night.middle);
  const DarkSky dark = DarkSkyOf(elements, place, span, limits, night.middle, model);
  for (const Body body : bodies) night.planets.push_back(ComputePlanetNight(elements, body, place, dark));
  return night;
}

}  // namespace orbitas
