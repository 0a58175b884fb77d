#pragma once
// How a planet looks from the Earth: its phase angle, lit fraction,
// elongation from the Sun and visual magnitude, from heliocentric vectors
// of the planet and the Earth.
#include "sky/bodies/body.h"
#include "calendar/instant.h"
#include "sky/frames/vector.h"

namespace orbitas {

struct PlanetAspect {
  double phaseAngle = 0;   // Sun-planet-Earth, degrees, 0..180
  double illuminated = 0;  // the lit fraction of the disc, 0..1
  double elongation = 0;   // Sun-Earth-planet, degrees, 0..180
  bool eastOfSun = false;  // greater ecliptic longitude than the Sun's: seen after dusk
  double magnitude = 0;    // visual
};

// The aspect of body (a planet) whose heliocentric position is planet
// and the Earth's is earth, both AU on the mean equator and equinox of
// J2000, at `at` (only Neptune's magnitude depends on the date: the
// year of at.ut). The magnitudes are those of Mallama & Hilton (2018), as the
// Astronomical Almanac computes them: for Saturn, globe and rings with the
// rings' tilt to the Earth; for Uranus, with the mean of the sub-Earth and
// sub-Sun latitudes; for Pluto, V(1,0) = -1.01. Raises nothing.
PlanetAspect AspectOf(Body body, const Vector& planet, const Vector& earth, Instant at);

}  // namespace orbitas
