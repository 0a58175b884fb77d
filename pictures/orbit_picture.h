#pragma once
// The orbits seen from the north of the ecliptic at one instant: the Sun,
// the orbits of the Earth and of each chosen planet as the method draws
// them over one revolution, each body at the instant with its name, the
// line of sight from the Earth to each planet, the direction of the vernal
// equinox, a scale bar in AU, and the date and Julian day in the title.
//
// The vernal equinox (the x axis) points right and the planets move
// counter-clockwise. Each point stands at its heliocentric longitude and at
// its radius vector: the latitude (at most 17° for Pluto) is folded into
// the plane, so that a marker's distance from the Sun is its radius
// vector to scale. With an outer planet, a second panel shows the inner
// system at its own scale.
#include <string>
#include <string_view>

#include "session/picture_contents.h"

namespace orbitas::pictures {

// The SVG of the picture, width x height pixels. decimalSeparator is the
// user's, for the numbers in its texts.
std::string DrawOrbits(const OrbitPicture& picture, std::string_view decimalSeparator, int width, int height);

}  // namespace orbitas::pictures
