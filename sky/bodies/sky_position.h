#pragma once
// The sky from a place: where a planet stands above the horizon at an
// instant, with the method's own error beside it.
#include "ephemeris/equatorial.h"
#include "sky/bodies/body.h"
#include "sky/bodies/error_bars.h"
#include "sky/frames/horizon.h"
#include "calendar/instant.h"
#include "sky/frames/place.h"

namespace orbitas {

struct SkyPosition {
  HorizonCoordinates horizon{};
  ErrorBars error;  // degrees; none for Pluto
};

// The planet whose method coordinates are eq, at `at`, seen from place:
// the horizon at at.ut, the method's error against the reference at at.tt.
// Raises nothing.
SkyPosition PlanetInSky(Instant at, Body body, const EquatorialCoordinates& eq, const Place& place);

}  // namespace orbitas
