#include "sky/night/year_nights.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "sky/bodies/method_sky.h"
#include "sky/bodies/moon.h"
#include "sky/frames/horizon.h"
#include "sky/search/toolkit.h"

namespace orbitas {
namespace {

// Half-hour samples, each change of sign narrowed to half a minute.
constexpr int Samples = 48;
constexpr double Precision = 30.0 / 86400.0;

// Where the sampled heights cross zero, narrowed by height(jd).
struct Sampled {
  std::array<double, Samples + 1> jd, height, hourAngle;
};

template <typename Horizon>
Sampled Sample(Horizon&& horizon, double start, double end, double limit) {
  Sampled s{};
  for (int k = 0; k <= Samples; ++k) {
    s.jd[k] = start + (end - start) * k / Samples;
    const HorizonCoordinates h = horizon(s.jd[k]);
    s.height[k] = h.altitude - limit;
    s.hourAngle[k] = h.hourAngle;
  }
  return s;
}

template <typename Horizon>
BodyCrossings Crossings(Horizon&& horizon, double start, double end, double limit) {
  const Sampled s = Sample(horizon, start, end, limit);
  auto height = [&](double jd) { return horizon(jd).altitude - limit; };
  auto hour = [&](double jd) { return horizon(jd).hourAngle; };
  BodyCrossings c;
  for (int k = 1; k <= Samples; ++k) {
    if (!c.rise && s.height[k - 1] <= 0 && s.height[k] > 0) c.rise = Bisect(height, s.jd[k - 1], s.jd[k], Precision);
    if (!c.set && s.height[k - 1] > 0 && s.height[k] <= 0) c.set = Bisect(height, s.jd[k - 1], s.jd[k], Precision);
    if (!c.transit && s.hourAngle[k - 1] < 0 && s.hourAngle[k] >= 0 && s.hourAngle[k] - s.hourAngle[k - 1] < 6) {
      c.transit = Bisect(hour, s.jd[k - 1], s.jd[k], Precision);
    }
  }
  return c;
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
  auto sun = [&](double jd) { return MethodHorizon(elements, Body::Sun, place, jd); };
  const Sampled s = Sample(sun, night.start, night.end, 0);
  for (std::size_t l = 0; l < NightLimitsDown.size(); ++l) {
    const double limit = NightLimitsDown[l];
    auto height = [&](double jd) { return sun(jd).altitude - limit; };
    bool below = false, above = false;
    for (int k = 0; k <= Samples; ++k) (s.height[k] - limit <= 0 ? below : above) = true;
    night.alwaysBelow[l] = !above, night.alwaysAbove[l] = !below;
    for (int k = 1; k <= Samples; ++k) {
      const double a = s.height[k - 1] - limit, b = s.height[k] - limit;
      if (!night.dusk[l] && a > 0 && b <= 0) night.dusk[l] = Bisect(height, s.jd[k - 1], s.jd[k], Precision);
      if (!night.dawn[l] && a <= 0 && b > 0) night.dawn[l] = Bisect(height, s.jd[k - 1], s.jd[k], Precision);
    }
  }
}

}  // namespace

YearNight ComputeYearNight(const ElementsTable& elements, const Place& place, double start, double end,
                           const std::vector<Body>& planets) {
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
    MoonSky sky = MoonFrom(place, jd);
    sky.horizon.altitude -= MoonHorizonAltitude(sky.semidiameter) - HorizonAltitude;
    return sky.horizon;
  };
  night.moon = Crossings(moon, start, end, HorizonAltitude);
  auto sunVector = [&](double jd) {
    const EquatorialCoordinates eq = SunEquatorialAt(elements, jd);
    return Vector{eq.x, eq.y, eq.z};
  };
  const MoonPhase phase = MoonPhaseAt(middle, sunVector);
  night.moonIlluminated = phase.illuminated;
  night.moonLongitudeFromSun = phase.longitudeFromSun;
  return night;
}

}  // namespace orbitas
