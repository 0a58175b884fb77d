#include "sky/night/night.h"

#include <erfa.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "sky/search/crossings.h"
#include "ephemeris/equatorial.h"
#include "ephemeris/heliocentric.h"
#include "sky/bodies/reference_direction.h"
#include "sky/night/rise_set.h"
#include "sky/bodies/sun.h"

namespace orbitas {
namespace {

constexpr int Samples = 144;  // every ten minutes of a day
constexpr double HalfMinute = 30 / SecondsPerDay;

// "-6", "10", "-0.8333": a limit as the reasons write it.
std::string Degrees(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", value);
  return text;
}

// The minutes that an angular error (degrees) makes at time on a curve
// whose altitude is altitude(t).
template <typename F>
std::optional<double> ErrorMinutes(F&& altitude, double time, std::optional<double> degrees) {
  if (!degrees) return std::nullopt;
  const double rate = std::fabs(altitude(time + HalfMinute) - altitude(time - HalfMinute));  // degrees a minute
  if (!(rate > 0)) return std::nullopt;
  return *degrees / rate;
}

// The larger of the method's error and the reference's own bound: the bar
// an answer can honestly carry.
std::optional<double> Bar(std::optional<double> method, std::optional<double> reference) {
  if (!method) return std::nullopt;
  return reference ? std::max(*method, *reference) : method;
}

struct Interval {
  double from, to;
};

// The intervals of [start, end] in which f > 0, from its crossings.
std::vector<Interval> PositiveIntervals(const std::function<double(double)>& f, double start, double end,
                                        const std::vector<Crossing>& crossings) {
  std::vector<Interval> intervals;
  double from = start;
  bool inside = f(start) > 0;
  for (const Crossing& c : crossings) {
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

Vector EarthVector(const ElementsTable& elements, double jd) {
  const HeliocentricPosition e =
      ComputeHeliocentricPosition(EarthRow(elements), jd, EpochOffset(elements), elements);
  return EquatorialFromEcliptic(e.x, e.y, e.z);
}

Vector PlanetVector(const ElementsTable& elements, Int16 body, double jd) {
  const HeliocentricPosition p =
      ComputeHeliocentricPosition(BodyRow(elements, body), jd, EpochOffset(elements), elements);
  return EquatorialFromEcliptic(p.x, p.y, p.z);
}

// The same aspect from the reference's vectors: how far the method's
// geometry moves the magnitude.
std::optional<double> MagnitudeError(Int16 body, double jd, double magnitude) {
  if (body < 1 || body > 8) return std::nullopt;
  double planet[2][3], earth[2][3], earthBarycentric[2][3];
  eraPlan94(jd, 0.0, body, planet);
  eraEpv00(jd, 0.0, earth, earthBarycentric);
  const PlanetAspect reference = AspectOf(body, {planet[0][0], planet[0][1], planet[0][2]},
                                          {earth[0][0], earth[0][1], earth[0][2]}, jd);
  return std::fabs(reference.magnitude - magnitude);
}

SunNight SunEvents(const std::function<double(double)>& sunAltitude, double start, double end,
                   std::optional<double> bar) {
  SunNight sun;
  struct Threshold {
    double altitude;
    std::optional<TimedEvent> *dusk, *dawn;
    const char* name;
  };
  const Threshold thresholds[] = {{SunsetAltitude, &sun.set, &sun.rise, ""},
                                  {-6, &sun.civilDusk, &sun.civilDawn, "civil"},
                                  {-12, &sun.nauticalDusk, &sun.nauticalDawn, "náutico"},
                                  {-18, &sun.astronomicalDusk, &sun.astronomicalDawn, "astronómico"}};
  // One pass of samples for all four thresholds.
  std::vector<double> times(Samples + 1), altitudes(Samples + 1);
  for (int k = 0; k <= Samples; ++k) {
    times[k] = start + (end - start) * k / Samples;
    altitudes[k] = sunAltitude(times[k]);
  }
  bool belowSaid = false;
  for (const Threshold& t : thresholds) {
    auto height = [&](double jd) { return sunAltitude(jd) - t.altitude; };
    for (int k = 1; k <= Samples; ++k) {
      const bool before = altitudes[k - 1] - t.altitude > 0, after = altitudes[k] - t.altitude > 0;
      if (before && !after && !*t.dusk) {
        const double at = Bisect(height, times[k - 1], times[k]);
        *t.dusk = TimedEvent{at, ErrorMinutes(sunAltitude, at, bar)};
      }
      if (!before && after) {  // the last rise of the range
        const double at = Bisect(height, times[k - 1], times[k]);
        *t.dawn = TimedEvent{at, ErrorMinutes(sunAltitude, at, bar)};
      }
    }
    const bool alwaysAbove = std::all_of(altitudes.begin(), altitudes.end(), [&](double a) { return a > t.altitude; });
    const bool alwaysBelow = std::all_of(altitudes.begin(), altitudes.end(), [&](double a) { return a <= t.altitude; });
    if (alwaysAbove) {
      sun.reasons.push_back(*t.name == '\0' ? std::string("el Sol no se pone")
                                            : "el Sol no baja de " + Degrees(t.altitude) + "°");
    } else if (alwaysBelow && !belowSaid) {
      // Only the highest limit the Sun never reaches is worth saying.
      sun.reasons.push_back(*t.name == '\0' ? std::string("el Sol no sale")
                                            : "el Sol no sube de " + Degrees(t.altitude) + "°");
      belowSaid = true;
    }
  }
  return sun;
}

}  // namespace

std::string_view CompassPoint(double azimuth) {
  static constexpr std::string_view Points[] = {"N", "NNE", "NE", "ENE", "E", "ESE", "SE", "SSE",
                                                "S", "SSO", "SO", "OSO", "O", "ONO", "NO", "NNO"};
  double a = std::fmod(azimuth + 11.25, 360.0);
  if (a < 0) a += 360;
  return Points[static_cast<int>(a / 22.5) % 16];
}

Night ComputeNight(const ElementsTable& elements, const Place& place, double start, double end,
                   const std::vector<Int16>& bodies, const NightLimits& limits) {
  Night night;
  night.start = start;
  night.end = end;
  auto sunAt = [&](double jd) { return SunEquatorialAt(elements, jd); };
  auto sunAltitude = [&](double jd) {
    const EquatorialCoordinates eq = sunAt(jd);
    return ComputeHorizon(jd, eq.rightAscensionHours, eq.declination, place.latitude, place.longitude).altitude;
  };
  const double provisionalMiddle = (start + end) / 2;
  const std::optional<double> sunBar =
      Bar(SunMethodErrorDegrees(provisionalMiddle, sunAt(provisionalMiddle)), ReferenceBoundDegrees(provisionalMiddle, 0));
  night.sun = SunEvents(sunAltitude, start, end, sunBar);
  night.middle = night.sun.set && night.sun.rise && night.sun.rise->time > night.sun.set->time
                     ? (night.sun.set->time + night.sun.rise->time) / 2
                     : provisionalMiddle;
  night.sun.methodError = SunMethodErrorDegrees(night.middle, sunAt(night.middle));
  night.sun.referenceError = *ReferenceBoundDegrees(night.middle, 0);

  // The Moon.
  auto sunVector = [&](double jd) {
    const EquatorialCoordinates eq = sunAt(jd);
    return std::array<double, 3>{eq.x, eq.y, eq.z};
  };
  auto moonHeight = [&](double jd) {
    const MoonSky moon = MoonFrom(place, jd);
    return moon.horizon.altitude - MoonHorizonAltitude(moon.semidiameter);
  };
  for (const Crossing& c : FindCrossings(moonHeight, start, end, Samples)) {
    if (c.upward && !night.moon.rise) night.moon.rise = c.time;
    if (!c.upward && !night.moon.set) night.moon.set = c.time;
  }
  night.moon.phase = MoonPhaseAt(night.middle, sunVector);
  night.moon.altitudeAtMiddle = MoonFrom(place, night.middle).horizon.altitude;

  // The dark part of the night, shared by every planet.
  auto dark = [&](double jd) { return limits.sunAltitude - sunAltitude(jd); };
  const std::vector<Interval> darkIntervals =
      PositiveIntervals(dark, start, end, FindCrossings(dark, start, end, Samples));

  for (const Int16 body : bodies) {
    PlanetNight p;
    p.body = body;
    auto altitude = [&](double jd) { return PlanetHorizon(elements, body, place, jd).altitude; };
    auto high = [&](double jd) { return altitude(jd) - limits.planetAltitude; };
    const std::vector<Interval> highIntervals =
        PositiveIntervals(high, start, end, FindCrossings(high, start, end, Samples));
    const std::vector<Interval> visible = Intersect(darkIntervals, highIntervals);

    // The visible interval where the planet stands highest.
    double bestTime = night.middle, bestAltitude = -90;
    std::optional<Interval> chosen;
    for (const Interval& v : visible) {
      const double t = FindMaximum(altitude, v.from, v.to, 24);
      const double a = altitude(t);
      if (!chosen || a > bestAltitude) chosen = v, bestTime = t, bestAltitude = a;
    }
    const EquatorialCoordinates eq = PlanetEquatorialAt(elements, body, bestTime);
    p.methodError = MethodErrorDegrees(bestTime, body, eq);
    p.referenceError = ReferenceBoundDegrees(bestTime, body);
    const std::optional<double> bar = Bar(p.methodError, p.referenceError);
    p.aspect = AspectOf(body, PlanetVector(elements, body, bestTime), EarthVector(elements, bestTime), bestTime);
    p.magnitudeError = MagnitudeError(body, bestTime, p.aspect.magnitude);
    p.constellation = ConstellationAt(eq.rightAscensionHours, eq.declination);

    if (chosen) {
      // Each end is where the planet's altitude or the Sun's reaches its
      // limit; its error comes from whichever it is.
      auto endOf = [&](double t) {
        const bool planetLimits = std::fabs(high(t)) < std::fabs(dark(t));
        return TimedEvent{t, planetLimits ? ErrorMinutes(altitude, t, bar) : ErrorMinutes(sunAltitude, t, sunBar)};
      };
      if (chosen->from > start) p.visibleFrom = endOf(chosen->from);
      else p.visibleFrom = TimedEvent{chosen->from, std::nullopt};
      if (chosen->to < end) p.visibleTo = endOf(chosen->to);
      else p.visibleTo = TimedEvent{chosen->to, std::nullopt};
      const HorizonCoordinates h = PlanetHorizon(elements, body, place, bestTime);
      p.best = BestView{bestTime, h.altitude, h.azimuth, CompassPoint(h.azimuth)};
    } else if (darkIntervals.empty()) {
      p.reason = "no hay noche cerrada";
    } else {
      // How high it gets while it is dark: the margin of "no sube".
      double highestDark = -90;
      for (const Interval& d : darkIntervals) highestDark = std::max(highestDark, altitude(FindMaximum(altitude, d.from, d.to, 24)));
      p.margin = highestDark - limits.planetAltitude;
      p.verdictWithinError = bar && std::fabs(*p.margin) < *bar;
      const bool highByDay = !highIntervals.empty();
      if (highByDay && p.aspect.elongation < 30) {
        char text[64];
        std::snprintf(text, sizeof text, "demasiado cerca del Sol (elongación %.0f°)", p.aspect.elongation);
        p.reason = text;
      } else {
        p.reason = "no sube a " + Degrees(limits.planetAltitude) + "° de noche";
      }
    }
    night.planets.push_back(std::move(p));
  }
  return night;
}

}  // namespace orbitas
