#pragma once
// The sky from a place: where a planet stands above the horizon at an
// instant, with the method's own error beside it.
#include <optional>

#include "equatorial.h"
#include "horizon.h"
#include "place.h"

namespace orbitas {

struct SkyPosition {
  HorizonCoordinates horizon{};
  std::optional<double> methodError;  // degrees; none for Pluto
};

// The planet whose method coordinates are eq, at julianDay (days, UT),
// seen from place. Raises nothing.
SkyPosition PlanetInSky(double julianDay, Int16 body, const EquatorialCoordinates& eq, const Place& place);

}  // namespace orbitas
