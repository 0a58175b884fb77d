#include "sky/showers/meteor_showers.h"

#include <algorithm>
#include <cmath>

#include "calendar/delta_t.h"
#include "sky/bodies/moon.h"
#include "sky/bodies/reference.h"
#include "sky/frames/ecliptic.h"
#include "sky/search/toolkit.h"

namespace orbitas {
namespace {

constexpr double TropicalYear = 365.2422;  // days
constexpr double DegreesPerDay = 360 / TropicalYear;
// A peak's passage is sought in a bracket of this many days either side of
// the mean rate's guess, widened by as much at most MaxWidenings times,
// and narrowed to PeakPrecision (days, a tenth of a second).
constexpr double BracketDays = 2;
constexpr int MaxWidenings = 60;
constexpr double PeakPrecision = 1e-6;

// The days by which the Sun's longitude runs ahead of target at jd:
// positive after, negative before, within half a year.
double DaysPast(double target, const Instant& at) { return Wrapped(SolarLongitude(at) - target) / DegreesPerDay; }

}  // namespace

const std::vector<MeteorShower>& MeteorShowers() {
  static const std::vector<MeteorShower> showers = {
#include "sky/tables/meteor_showers.inc"
  };
  return showers;
}

double SolarLongitude(const Instant& at) { return SolarLongitudeOf(*ReferenceGeocentric(Body::Sun, at)); }

double SolarLongitudeOf(const Vector& sunGeocentric) { return Degrees360(J2000EclipticLongitude(sunGeocentric)); }

void FindShowerPeaks(const Span& span, const std::function<void(const ShowerPeak&)>& each) {
  const Instant &from = span.from, &to = span.to;
  const double start = from.ut, end = to.ut;
  std::vector<ShowerPeak> peaks;
  for (const MeteorShower& shower : MeteorShowers()) {
    // The first passage of the Sun through the peak's longitude from a
    // year before start, then one a year.
    double guess = start - DaysPast(shower.peak, from);
    for (; guess < end + 1; guess += TropicalYear) {
      auto past = [&](double jd) { return Wrapped(SolarLongitude(Instant::FromUt(jd)) - shower.peak); };
      // The mean rate misses the passage by up to some three days (the Sun
      // runs faster near perihelion, and its longitude here is J2000's, a
      // sidereal year's): the bracket is widened until it holds it.
      double from = guess - BracketDays, to = guess + BracketDays;
      for (int k = 0; k < MaxWidenings && past(from) >= 0; ++k) from -= BracketDays;
      for (int k = 0; k < MaxWidenings && past(to) <= 0; ++k) to += BracketDays;
      const double time = FalsePosition(past, from, to, PeakPrecision);
      if (time < start || time >= end) continue;
      const Instant at = Instant::FromUt(time);
      const Vector moon = *ReferenceGeocentric(Body::Moon, at), sun = *ReferenceGeocentric(Body::Sun, at);
      peaks.push_back({&shower, at, MoonIlluminated(moon, sun), DeltaTSeconds(time)});
    }
  }
  std::sort(peaks.begin(), peaks.end(), [](const ShowerPeak& a, const ShowerPeak& b) { return a.time.ut < b.time.ut; });
  for (const ShowerPeak& p : peaks) each(p);
}

double ZhrAt(const MeteorShower& shower, double solarLongitude) {
  // A default profile reaches this rate at the ends of the active span.
  constexpr double RateAtTheEnds = 2.0;
  const double offset = Wrapped(solarLongitude - shower.peak);
  double slope = offset < 0 ? shower.slopeBefore : shower.slopeAfter;
  if (slope == 0) {
    const double span = offset < 0 ? Wrapped(shower.peak - shower.start) : Wrapped(shower.end - shower.peak);
    slope = span > 0 ? std::log10(std::max(shower.zhr / RateAtTheEnds, 1.0)) / span : 0;
  }
  return shower.zhr * std::pow(10.0, -slope * std::fabs(offset));
}

bool ShowerActive(const MeteorShower& shower, const Instant& at) {
  const double sun = SolarLongitude(at);
  return shower.start <= shower.end ? sun >= shower.start && sun <= shower.end : sun >= shower.start || sun <= shower.end;
}

Radiant RadiantAt(const MeteorShower& shower, const Instant& at) {
  const double days = DaysPast(shower.peak, at);
  const double ra = Degrees360(shower.rightAscension + shower.driftRightAscension * days);
  return {ra, std::clamp(shower.declination + shower.driftDeclination * days, -90.0, 90.0)};
}

}  // namespace orbitas
