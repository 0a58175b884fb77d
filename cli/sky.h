#pragma once
// The sky from a place: where each planet stands above the horizon at an
// instant, with the method's own error beside it.
#include <optional>
#include <string>

#include "equatorial.h"
#include "horizon.h"

namespace orbitas::cli {

// A place on the Earth, decimal degrees, north and east positive.
struct Place {
  double latitude = 0.0;   // -90..90
  double longitude = 0.0;  // -180..180
  std::string text;        // "40.4168, -3.7038": as the headings show it
};

// "LAT,LON" with decimal points ("40.4168,-3.7038"). Raises UsageError
// naming the value for a malformed number, a latitude beyond ±90 or a
// longitude beyond ±180.
Place ParsePlace(const std::string& text);

struct SkyPosition {
  HorizonCoordinates horizon{};
  std::optional<double> methodError;  // degrees; none for Pluto
};

// The planet whose method coordinates are eq, at julianDay (UT), seen from
// place.
SkyPosition PlanetInSky(double julianDay, Int16 body, const EquatorialCoordinates& eq, const Place& place);

}  // namespace orbitas::cli
