#pragma once
// What the whole sky from a place shows at one instant besides the
// planets: the method's Sun, the reference's Moon with its lit fraction
// and side, and the ecliptic, all as horizon coordinates.
#include <optional>
#include <utility>
#include <vector>

#include "ephemeris/elements.h"
#include "calendar/instant.h"
#include "sky/frames/place.h"

namespace orbitas {

struct DomeSun {
  double altitude, azimuth;  // degrees, geometric; azimuth from north through east
};

struct DomeMoon {
  double altitude, azimuth;  // degrees
  double illuminated;        // the lit fraction, 0..1
  bool waxing;               // lit on its west side (after new moon)
};

struct SunMoonAndEcliptic {
  std::optional<DomeSun> sun;    // none beyond the method's range
  std::optional<DomeMoon> moon;  // lit by the method's Sun: none with it
  std::vector<std::pair<double, double>> ecliptic;  // (altitude, azimuth), degrees, every 2 degrees of longitude
};

// The Sun, the Moon and the J2000 ecliptic from place at `at`: the
// method's Sun and the horizon at at.ut, the reference's Moon at at.tt.
// Raises nothing: beyond the method's range the Sun and the Moon are left
// out.
SunMoonAndEcliptic SkyDomeAt(const ElementsTable& elements, const Place& place, Instant at);

}  // namespace orbitas
