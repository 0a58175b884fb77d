#include "sky/night/year_nights.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "sky/bodies/method_sky.h"
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
BodyCrossings Crossings(Horizon&& horizon, double start, double end, double limit) {
  auto sample = [&](double jd) {
    const HorizonCoordinates h = horizon(jd);
    return HeightAndHour{h.altitude - limit, h.hourAngle};
  };
  const HorizonPassages found = FindHorizonPassages(sample, start, end, Samples, Precision);
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
  auto light = [&](double jd) { return LightOf(MethodHorizon(elements, Body::Sun, place, jd).altitude); };
  const StateChanges<SkyLight> found = FindStateChanges(light, night.start, night.end, Samples, Precision);
  SkyLight lightest = found.first, darkest = found.first;
  for (const StateChange<SkyLight>& c : found.changes) {
    lightest = std::min(lightest, c.after), darkest = std::max(darkest, c.after);
    ForEachLimitCrossed(c.before, c.after, [&](std::size_t k, bool down) {
      std::optional<double>& first = down ? night.dusk[k] : night.dawn[k];
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
  const Instant &from = span.from, &to = span.to;
  const double start = from.ut, end = to.ut;
  YearNight night;
  night.start = start, night.end = end;
  SunLimits(elements, place, night);
  const double middle = (start + end) / 2;
  const HorizonCoordinates sunAtMiddle = MethodHorizon(elements, Body::Sun, place, middle);
  for (const Body body : planets) {
    auto horizon = [&](double jd) { return MethodHorizon(elements, body, place, jd); };
    night.planets.push_back(Crossings(horizon, start, end, HorizonAltitude));
    night.elongations.push_back(Separation(horizon(middle), sunAtMiddle));
  }
  auto moon = [&](double jd) {
    MoonSky sky = MoonFrom(place, Instant::FromUt(jd));
    sky.horizon.altitude -= MoonHorizonAltitude(sky.semidiameter) - HorizonAltitude;
    return sky.horizon;
  };
  night.moon = Crossings(moon, start, end, HorizonAltitude);
  auto sunVector = [&](double jd) {
    const EquatorialCoordinates eq = SunEquatorialAt(elements, jd);
    return Vector{eq.x, eq.y, eq.z};
  };
  const MoonPhase phase = MoonPhaseAt(Instant::FromUt(middle), sunVector);
  night.moonIlluminated = phase.illuminated;
  night.moonLongitudeFromSun = phase.longitudeFromSun;
  return night;
}

}  // namespace orbitas
