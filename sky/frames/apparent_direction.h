#pragma once
// Where a catalogue's fixed object is seen from the Earth: its J2000
// (ICRS) direction moved by the annual aberration of the Earth's
// barycentric velocity (ERFA's eraEpv00 and eraAb, at TT). Light's bending
// by the Sun (under 0.01" beyond 45° from it) and the objects' proper
// motions are left out. Turned onto a horizon by earth_turning.h
// (precession and nutation), it gives the place of date as seen.
#include "calendar/instant.h"
#include "sky/frames/vector.h"

namespace orbitas {

// The unit vector, J2000 frame, towards the direction (rightAscensionHours,
// hours; declinationDegrees, degrees; J2000) as the Earth's centre sees it
// at `at` (its TT), aberration included. Raises nothing.
Vector AberratedDirection(double rightAscensionHours, double declinationDegrees, const Instant& at);

// The Earth's barycentric velocity over the speed of light at `at` (TT),
// J2000 frame, for many directions at one instant; AberratedWith applies
// it (with the Earth–Sun distance sunDistance, AU) to a unit vector.
// Raises nothing.
struct EarthMotion {
  double velocity[3];   // over c
  double sunDistance;   // AU
};
EarthMotion EarthMotionAt(const Instant& at);
Vector AberratedWith(const EarthMotion& earth, const Vector& direction);

}  // namespace orbitas
