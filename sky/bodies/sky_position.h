#pragma once
// The sky from a place: where a planet stands above the horizon at an
// instant, with the method's own error beside it.
#include "ephemeris/equatorial.h"
#include "sky/bodies/body.h"
#include "sky/bodies/error_bars.h"
#include "sky/frames/horizon.h"
#include "sky/frames/place.h"

namespace orbitas {

struct SkyPosition {
  HorizonCoordinates horizon{};
  ErrorBars error;  // degrees; none for Pluto
};

// The planet whose method coordinates are eq, at julianDay (days, UT),
// seen from place. Raises nothing.
SkyPosition PlanetInSky(double julianDay, Body body, const EquatorialCoordinates& eq, const Place& place);

}  // namespace orbitas
