#include "sky/bodies/moon.h"

#include <erfa.h>

#include <algorithm>
#include <cmath>

#include "runtime/angle_units.h"
#include "sky/bodies/reference.h"
#include "sky/frames/earth_turning.h"
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
  // Seen from the place: the Moon stands up to a degree lower than from
  // the Earth's centre.
  const Vector observer = PlaceVector(place, at);
  Vector topocentric{};
  for (int i = 0; i < 3; ++i) topocentric[i] = sky.geocentric[i] * KilometresPerAu - observer[i];
  sky.horizon = TurnedHorizon(place, at, topocentric);
  sky.semidiameter = std::asin(MoonRadiusMetres / (Norm(topocentric) * 1000)) * DegreesPerRadian;
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
