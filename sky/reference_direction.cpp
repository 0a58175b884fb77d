#include "reference_direction.h"

#include <erfa.h>

#include "angle_units.h"

namespace orbitas {

std::optional<std::array<double, 3>> ReferenceGeocentric(double julianDay, Int16 body) {
  if (body < 1 || body > 8 || body == EarthBody) return std::nullopt;
  double planet[2][3], earthHeliocentric[2][3], earthBarycentric[2][3];
  eraPlan94(julianDay, 0.0, body, planet);
  eraEpv00(julianDay, 0.0, earthHeliocentric, earthBarycentric);
  std::array<double, 3> geocentric{};
  for (int i = 0; i < 3; ++i) geocentric[i] = planet[0][i] - earthHeliocentric[0][i];
  return geocentric;
}

std::optional<double> MethodErrorDegrees(double julianDay, Int16 body, const EquatorialCoordinates& eq) {
  std::optional<std::array<double, 3>> reference = ReferenceGeocentric(julianDay, body);
  if (!reference) return std::nullopt;
  double ours[3];
  eraS2c(eq.rightAscensionDeg / DegreesPerRadian, eq.declination / DegreesPerRadian, ours);
  return eraSepp(ours, reference->data()) * DegreesPerRadian;
}

}  // namespace orbitas
