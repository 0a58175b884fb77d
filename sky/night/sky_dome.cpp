#include "sky/night/sky_dome.h"

#include "runtime/angle_units.h"
#include "sky/bodies/seen_sky.h"
#include "sky/bodies/moon.h"
#include "sky/frames/earth_turning.h"
#include "sky/frames/ecliptic.h"

namespace orbitas {

SunMoonAndEcliptic SkyDomeAt(const ElementsTable& elements, const Place& place, Instant at) {
  SunMoonAndEcliptic dome;
  const HorizonCoordinates sun = SeenHorizon(elements, Body::Sun, place, at);
  dome.sun = DomeSun{sun.altitude, sun.azimuth};
  const EquatorialCoordinates sunEq = SeenEquatorial(elements, Body::Sun, at);
  const Vector sunVector{sunEq.x, sunEq.y, sunEq.z};
  const MoonSky moon = MoonFrom(place, at);
  dome.moon = DomeMoon{moon.horizon.altitude, moon.horizon.azimuth, MoonIlluminated(moon.geocentric, sunVector),
                       LongitudeFromSun(moon.geocentric, sunVector) < 180};
  for (int k = 0; k <= 360; k += 2) {
    const EquatorialDirection e = EclipticPoint(k * ExactPi / 180, J2000ObliquityRadians);
    const HorizonCoordinates h = TurnedHorizonOf(place, at, e.rightAscension, e.declination);
    dome.ecliptic.emplace_back(h.altitude, h.azimuth);
  }
  return dome;
}

}  // namespace orbitas
