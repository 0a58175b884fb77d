#include "reference_error.h"

#include <erfa.h>

#include <numbers>

namespace orbitas {

std::optional<double> MethodErrorDegrees(double julianDay, Int16 body, const EquatorialCoordinates& eq) {
  if (body < 1 || body > 8 || body == EarthBody) return std::nullopt;
  constexpr double Radian = 180.0 / std::numbers::pi;
  double planet[2][3], earthHeliocentric[2][3], earthBarycentric[2][3];
  eraPlan94(julianDay, 0.0, body, planet);
  eraEpv00(julianDay, 0.0, earthHeliocentric, earthBarycentric);
  double reference[3];
  for (int i = 0; i < 3; ++i) reference[i] = planet[0][i] - earthHeliocentric[0][i];
  double ours[3];
  eraS2c(eq.rightAscensionDeg / Radian, eq.declination / Radian, ours);
  return eraSepp(ours, reference) * Radian;
}

}  // namespace orbitas
