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
#include <optional>
#include <string>
#include <vector>

#include "ephemeris/heliocentric.h"

namespace orbitas::pictures {

struct OrbitPicture {
  std::string instant;     // the civil date and time, ISO 8601
  std::string julianDay;   // as the window shows it
  std::vector<Int16> bodies;  // the planets asked for
  std::optional<HeliocentricPosition> earth;  // at the instant, when computed
  std::vector<std::pair<Int16, HeliocentricPosition>> planets;  // those computed
  std::string stopped;     // why the computation stopped, or empty
};

// The SVG of the picture, width x height pixels. decimalSeparator is the
// user's, for the numbers in its texts. The orbits come from
// ComputeHeliocentricPosition over one period (2 pi / n days) with the
// table's elements; points the method cannot compute are left out.
std::string DrawOrbits(const ElementsTable& elements, double julianDay, const OrbitPicture& picture,
                       std::string_view decimalSeparator, int width, int height);

}  // namespace orbitas::pictures
