#include "sky/frames/apparent_direction.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>

#include "runtime/angle_units.h"

namespace orbitas {

EarthMotion EarthMotionAt(const Instant& at) {
  double heliocentric[2][3], barycentric[2][3];
  eraEpv00(at.tt, 0.0, heliocentric, barycentric);
  EarthMotion e{};
  // eraEpv00's velocities are AU a day; ERFA's ERFA_DC is c in AU a day.
  for (int i = 0; i < 3; ++i) e.velocity[i] = barycentric[1][i] / ERFA_DC;
  e.sunDistance = eraPm(heliocentric[0]);
  return e;
}

Vector AberratedWith(const EarthMotion& earth, const Vector& direction) {
  double v[3] = {earth.velocity[0], earth.velocity[1], earth.velocity[2]};
  const double bm1 = std::sqrt(1 - eraPdp(v, v));  // the reciprocal of the Lorentz factor
  double p[3] = {direction[0], direction[1], direction[2]}, out[3];
  eraAb(p, v, earth.sunDistance, bm1, out);
  return {out[0], out[1], out[2]};
}

Vector AberratedDirection(double rightAscensionHours, double declinationDegrees, const Instant& at) {
  double p[3];
  eraS2c(rightAscensionHours / HoursPerRadian, declinationDegrees / DegreesPerRadian, p);
  return AberratedWith(EarthMotionAt(at), {p[0], p[1], p[2]});
}

}  // namespace orbitas
