#include "sky/bodies/sky_position.h"

#include "sky/bodies/reference_direction.h"

namespace orbitas {

SkyPosition PlanetInSky(double julianDay, Int16 body, const EquatorialCoordinates& eq, const Place& place) {
  SkyPosition sky;
  sky.horizon = ComputeHorizon(julianDay, eq.rightAscensionHours, eq.declination, place.latitude, place.longitude);
  sky.methodError = MethodErrorDegrees(julianDay, body, eq);
  sky.referenceError = ReferenceBoundDegrees(julianDay, body);
  return sky;
}

}  // namespace orbitas
