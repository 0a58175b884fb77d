#include "sky/night/year_nights.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "sky/bodies/seen_sky.h"
#include "sky/bodies/moon.h"
#include "sky/frames/horizon.h"
#include "sky/night/rise_set.h"
#include "sky/search/toolkit.h"

namespace orbitas {
namespace {

// Half-hour samples, each change of sign narrowed to half a minute.
constexpr int Samples = 48;
constexpr double Precision = 30.0 / SecondsPerDay;

template <typename Horizon>
BodyCrossings Crossings(Horizon&& horizon, const Span& span, double limit) {
  auto sample = [&](const Instant& t) {
    const HorizonCoordinates h = horizon(t);
    return HeightAndHour{h.altitude - limit, h.hourAngle};
  };
  const HorizonPassages found = FindHorizonPassages(sample, span, Samples, Precision);
  return {found.rise, found.transit, found.set};
}

// The angle between two directions given as right ascension (hours) and
// declination (degrees), degrees.
double Separation(const HorizonCoordinates& a, const HorizonCoordinates& b) {
  constexpr double D = 3.14159265358979323846 / 180;
  const double cosine = std::sin(a.declinationOfDate * D) * std::sin(b.declinationOfDate * D) +
                        std::cos(a.declinationOfDate * D) * std::cos(b.declinationOfDate * D) *
                            std::cos((a.rightAscensionOfDate - b.rightAscensionOfDate) * 15 * D);
  return std::acos(std::clamp(cosine, -1.0, 1.0)) / D;
}

void SunLimits(const ElementsTable& elements, const Place& place, YearNight& night) {
  auto light = [&](const Instant& t) { return LightOf(SeenHorizon(elements, Body::Sun, place, t).altitude); };
  const StateChanges<SkyLight> found = FindStateChanges(light, night.span, Samples, Precision);
  SkyLight lightest = found.first, darkest = found.first;
  for (const StateChange<SkyLight>& c : found.changes) {
    lightest = std::min(lightest, c.after), darkest = std::max(darkest, c.after);
    ForEachLimitCrossed(c.before, c.after, [&](std::size_t k, bool down) {
      std::optional<Instant>& first = down ? night.dusk[k] : night.dawn[k];
      if (!first) first = c.time;
    });
  }
  for (std::size_t k = 0; k < TwilightLimits.size(); ++k) {
    night.alwaysBelow[k] = IsBelow(lightest, k), night.alwaysAbove[k] = !IsBelow(darkest, k);
  }
}

}  // namespace

YearNight ComputeYearNight(const ElementsTable& elements, const Place& place, const Span& span,
                           const std::vector<Body>& planets) {
  YearNight night;
  night.span = span;
  SunLimits(elements, place, night);
  const Instant middle = Instant::FromUt((span.from.ut + span.to.ut) / 2);
  const HorizonCoordinates sunAtMiddle = SeenHorizon(elements, Body::Sun, place, middle);
  for (const Body body : planets) {
    auto horizon = [&](const Instant& t) { return SeenHorizon(elements, body, place, t); };
    night.planets.push_back(Crossings(horizon, span, HorizonAltitude));
    night.elongations.push_back(Separation(horizon(middle), sunAtMiddle));
  }
  auto moon = [&](const Instant& t) {
    MoonSky sky = MoonFrom(place, t);
    sky.horizon.altitude -= MoonHorizonAltitude(sky.semidiameter) - HorizonAltitude;
    return sky.horizon;
  };
  night.moon = Crossings(moon, span, HorizonAltitude);
  auto sunVector = [&](const Instant& t) {
    const EquatorialCoordinates eq = SeenEquatorial(elements, Body::Sun, t);
    return Vector{eq.x, eq.y, eq.z};
  };
  const MoonPhase phase = MoonPhaseAt(middle, sunVector);
  night.moonIlluminated = phase.illuminated;
  night.moonLongitudeFromSun = phase.longitudeFromSun;
  return night;
}

}  // namespace orbitas
