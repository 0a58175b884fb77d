#include "sky/bodies/moon.h"

#include <erfa.h>

#include <algorithm>
#include <cmath>

#include "runtime/angle_units.h"
#include "sky/bodies/reference.h"
#include "sky/frames/ecliptic.h"
#include "sky/frames/physical_constants.h"
#include "sky/search/toolkit.h"

namespace orbitas {
namespace {

constexpr double MoonRadiusMetres = 1737400.0;

// The reference's Moon at `at`, for the phase.
Vector MoonGeocentric(const Instant& at) { return *ReferenceGeocentric(Body::Moon, at); }

}  // namespace

MoonSky MoonFrom(const Place& place, const Instant& at) {
  MoonSky sky;
  sky.geocentric = *ReferenceGeocentric(Body::Moon, at);
  // The place on the Earth, turned by the sidereal time to the equator of
  // the date, then back to J2000: the sidereal time and the precession at
  // UT, as the method's horizon turns the sky (ERFA asks TT for both; ΔT
  // moves the place by some 30 metres, a thousandth of the Moon's
  // parallax), so that the Moon and the planets share one horizon.
  double terrestrial[3];
  eraGd2gc(1, place.longitude / DegreesPerRadian, place.latitude / DegreesPerRadian, 0.0, terrestrial);
  const double theta = eraGmst06(at.ut, 0.0, at.ut, 0.0);
  double ofDate[3] = {(terrestrial[0] * std::cos(theta) - terrestrial[1] * std::sin(theta)) / MetresPerAu,
                      (terrestrial[0] * std::sin(theta) + terrestrial[1] * std::cos(theta)) / MetresPerAu,
                      terrestrial[2] / MetresPerAu};
  double precession[3][3], observer[3];
  eraPmat06(at.ut, 0.0, precession);
  eraTrxp(precession, ofDate, observer);
  double topocentric[3];
  for (int i = 0; i < 3; ++i) topocentric[i] = sky.geocentric[i] - observer[i];
  double ra = 0, dec = 0;
  eraC2s(topocentric, &ra, &dec);
  sky.horizon = ComputeHorizon(at, eraAnp(ra) * HoursPerRadian, dec * DegreesPerRadian, place.latitude,
                               place.longitude);
  sky.semidiameter = std::asin(MoonRadiusMetres / (eraPm(topocentric) * MetresPerAu)) * DegreesPerRadian;
  return sky;
}

double LongitudeFromSun(const Vector& moon, const Vector& sun) {
  const double d = std::fmod(J2000EclipticLongitude(moon) - J2000EclipticLongitude(sun) + 720.0, 360.0);
  return d;
}

double MoonIlluminated(const Vector& moon, const Vector& sun) {
  // The phase angle at the Moon, between the directions to the Sun and to
  // the Earth.
  Vector toSun{}, toEarth{};
  for (int i = 0; i < 3; ++i) toSun[i] = sun[i] - moon[i], toEarth[i] = -moon[i];
  const double dot = toSun[0] * toEarth[0] + toSun[1] * toEarth[1] + toSun[2] * toEarth[2];
  const double norms = std::sqrt((toSun[0] * toSun[0] + toSun[1] * toSun[1] + toSun[2] * toSun[2]) *
                                 (toEarth[0] * toEarth[0] + toEarth[1] * toEarth[1] + toEarth[2] * toEarth[2]));
  return (1 + std::clamp(dot / norms, -1.0, 1.0)) / 2;
}

MoonPhase MoonPhaseAt(const Instant& at, const std::function<Vector(const Instant&)>& sunGeocentric) {
  const double julianDay = at.ut;
  MoonPhase phase;
  const Vector moon = MoonGeocentric(at), sun = sunGeocentric(at);
  phase.illuminated = MoonIlluminated(moon, sun);
  phase.longitudeFromSun = LongitudeFromSun(moon, sun);
  phase.code = PhaseOf(phase.longitudeFromSun);
  // The last new moon: about longitudeFromSun / 12.19 days ago. The
  // difference, taken in -180..180, passes zero upwards there.
  const double guess = julianDay - phase.longitudeFromSun / 12.190749;
  auto signedDifference = [&](const Instant& t) {
    return Wrapped(LongitudeFromSun(MoonGeocentric(t), sunGeocentric(t)));
  };
  const Span around{Instant::FromUt(guess - 2.5), Instant::FromUt(std::min(guess + 2.5, julianDay))};
  double newMoon = guess;
  for (const Crossing& c : FindCrossings(signedDifference, around, 60)) {
    if (c.upward && c.time <= at) newMoon = c.time.ut;
  }
  phase.ageDays = julianDay - newMoon;
  return phase;
}

PhaseCode PhaseOf(double longitudeFromSun) {
  return static_cast<PhaseCode>(static_cast<int>(Degrees360(longitudeFromSun + 22.5) / 45) % 8);
}

}  // namespace orbitas
