#pragma once
// What the pictures of an eclipse show, as numbers: the Moon's path through
// the Earth's shadow, and the Sun's disc with the Moon over it as a place
// sees it. Angles in arcminutes, on the sky's tangent plane: x towards the
// east (left on a picture of the sky), y towards the north or the zenith.
#include <vector>

#include "sky/eclipses/eclipses.h"

namespace orbitas {

struct ViewPoint {
  Instant time;
  double x, y;  // arcminutes
};

struct ContactPoint {
  Contact kind;
  ViewPoint at;
};

struct LunarEclipseView {
  double umbra = 0, penumbra = 0, moon = 0;  // radii at greatest eclipse, arcminutes
  std::vector<ViewPoint> path;               // the Moon's centre from before P1 to after P4, from the shadow's centre (x east, y north)
  std::vector<ContactPoint> contacts;        // P1 … P4 and the greatest eclipse, as they happen
};

// The Moon's path through the shadow, every stepMinutes. Raises nothing.
LunarEclipseView LunarEclipseViewOf(const LunarEclipse& eclipse, double stepMinutes = 2);

struct SolarEclipseView {
  double sun = 0, moon = 0;          // radii at the maximum, arcminutes
  std::vector<ContactPoint> moons;   // the Moon's centre from the Sun's (x along the horizon to the left, y up) at C1, maximum and C4
  double sunAltitude = 0;            // degrees, at the maximum: the horizon is sunAltitude × 60 arcminutes below the Sun's centre
};

// The Sun and the Moon as place sees them at local's C1, maximum and C4
// (a local eclipse that is seen). Raises nothing.
SolarEclipseView SolarEclipseViewOf(const LocalSolarEclipse& local, const Place& place);

}  // namespace orbitas
