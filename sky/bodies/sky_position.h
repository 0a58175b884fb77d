#pragma once
// The sky from a place: where a planet stands above the horizon at an
// instant, with the method's own error beside it.
#include <optional>

#include "ephemeris/equatorial.h"
#include "sky/frames/horizon.h"
#include "sky/frames/place.h"

namespace orbitas {

struct SkyPosition {
  HorizonCoordinates horizon{};
  std::optional<double> methodError;     // degrees; none for Pluto
  std::optional<double> referenceError;  // degrees: the reference's own bound; none for Pluto

  // The bar an answer can honestly carry: the method's error, never below
  // the reference's own bound.
  std::optional<double> Bar() const {
    if (!methodError) return std::nullopt;
    return referenceError && *referenceError > *methodError ? referenceError : methodError;
  }
};

// The planet whose method coordinates are eq, at julianDay (days, UT),
// seen from place. Raises nothing.
SkyPosition PlanetInSky(double julianDay, Int16 body, const EquatorialCoordinates& eq, const Place& place);

}  // namespace orbitas
