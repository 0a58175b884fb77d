#pragma once
// The bright stars and the constellation figures, as compiled-in tables:
// the catalogue of the stars to magnitude 8 with their J2000
// places, and the figures as pairs of its stars. Stars carry no error of
// the method: their places come from the catalogue, whose own error is a
// fraction of an arcsecond, and are precessed with ERFA.
#include <span>
#include <string_view>

#include "sky/frames/horizon.h"
#include "calendar/instant.h"
#include "sky/frames/place.h"

namespace orbitas {

struct Star {
  int hipparcos;                   // Hipparcos catalogue number
  double rightAscension;           // hours, J2000, 0..24
  double declination;              // degrees, J2000
  double magnitude;                // visual magnitude
  double colourIndex;              // B-V, magnitudes (0.6 where the catalogue has none)
  std::string_view constellation;  // IAU three letters, "" where the catalogue gives none
  std::string_view bayer;          // Greek letter in UTF-8 ("α"), or ""
  std::string_view flamsteed;      // Flamsteed number as text ("32"), or ""
  std::string_view name;           // IAU proper name ("Regulus"), or ""
};

struct FigureLine {
  std::string_view constellation;  // IAU three letters
  const Star* from;
  const Star* to;
};

// Every star of the catalogue, by Hipparcos number. Raises nothing.
std::span<const Star> StarCatalogue();

// The star with that Hipparcos number, or nullptr. Raises nothing.
const Star* StarByHipparcos(int hipparcos);

// The star with that IAU proper name ("Sirius"), or nullptr. Raises nothing.
const Star* StarNamed(std::string_view iauName);

// Every line of every constellation figure; a constellation's lines are
// consecutive (Serpens's two halves are two runs). Raises nothing.
std::span<const FigureLine> ConstellationFigures();

// The star's horizon coordinates from place at `at` (reads at.ut, as the
// planets' horizon does): its J2000 place precessed to the date with ERFA,
// the local sidereal time, and the same refraction rule as the planets'.
// Raises nothing.
HorizonCoordinates StarHorizon(const Star& star, const Place& place, Instant at);

}  // namespace orbitas
