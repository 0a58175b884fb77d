#pragma once
// The modern reference the method is measured against, and the only place
// that asks ERFA where the bodies are: eraPlan94 for the planets, eraEpv00
// for the Earth (and so the Sun), eraMoon98 for the Moon, all in the J2000
// mean frame. Every function takes an instant and asks ERFA at its TT
// (taken as TDB): the bodies move in TT. The method is fixed
// and the reference at hand, so each answer can carry its own error.
#include <optional>

#include "ephemeris/equatorial.h"
#include "sky/bodies/body.h"
#include "sky/bodies/error_bars.h"
#include "calendar/instant.h"
#include "sky/frames/vector.h"

namespace orbitas {

// The reference's heliocentric position of a planet (eraPlan94) or of the
// Earth (eraEpv00) at the instant (its TT), AU, J2000 mean equator and equinox
// (x towards the equinox). None for Pluto, the Sun and the Moon. Raises
// nothing.
std::optional<Vector> ReferenceHeliocentric(Body body, const Instant& at);

struct ReferenceState {
  Vector position;  // AU
  Vector velocity;  // AU a day
};

// The same heliocentric position with its velocity. None where
// ReferenceHeliocentric has none. Raises nothing.
std::optional<ReferenceState> ReferenceHeliocentricState(Body body, const Instant& at);

// eraPlan94's heliocentric Earth-Moon barycentre at the instant (its TT), AU
// and AU a day, J2000 mean equator: a quick stand-in for the Earth in the
// first stage of a search (within an arcsecond or so over 1000-3000,
// against eraEpv00's kilometres). Raises nothing.
std::optional<ReferenceState> ReferenceBarycentreState(const Instant& at);

// The reference's geocentric position and velocity of body at the instant
// (its TT), J2000 mean equator and equinox: a planet less the Earth, the
// Sun as the Earth reversed, the Moon from eraMoon98. None for Pluto and
// the Earth. Raises nothing.
std::optional<ReferenceState> ReferenceGeocentricState(Body body, const Instant& at);

// The position alone of ReferenceGeocentricState, AU.
std::optional<Vector> ReferenceGeocentric(Body body, const Instant& at);

// How far the reference itself may be from the true geometric direction
// of body (the Sun or a planet but Pluto) at the instant, degrees: the
// published maximum errors of eraPlan94 over 1800-2050 (by its UT year; half as large
// again over 1000-3000, and assumed so beyond) in longitude, latitude and
// distance, seen from the Earth's distance, plus the light time and
// aberration that the comparison leaves out on both sides. The printed
// error of the method is never smaller than this. None for Pluto, the
// Earth and the Moon. Raises nothing.
std::optional<double> ReferenceBoundDegrees(Body body, const Instant& at);

// The method's error in the direction eq (its right ascension and
// declination, J2000) of body at the instant: the angle to the reference's
// direction, degrees, and the reference's bound. Both none for Pluto.
// Raises nothing.
ErrorBars MethodError(Body body, const Instant& at, const EquatorialCoordinates& eq);

}  // namespace orbitas
