#include "sky/bodies/sky_position.h"

#include "sky/bodies/reference.h"

namespace orbitas {

SkyPosition PlanetInSky(Instant at, Body body, const EquatorialCoordinates& eq, const Place& place) {
  SkyPosition sky;
  sky.horizon = ComputeHorizon(at, eq.rightAscensionHours, eq.declination, place.latitude, place.longitude);
  sky.error = MethodError(body, at, eq);
  return sky;
}

}  // namespace orbitas
