#include "sky/bodies/sky_position.h"

#include "sky/bodies/reference.h"

namespace orbitas {

SkyPosition PlanetInSky(double julianDay, Body body, const EquatorialCoordinates& eq, const Place& place) {
  SkyPosition sky;
  sky.horizon = ComputeHorizon(julianDay, eq.rightAscensionHours, eq.declination, place.latitude, place.longitude);
  sky.error = MethodError(body, Instant::FromUt(julianDay), eq);
  return sky;
}

}  // namespace orbitas
