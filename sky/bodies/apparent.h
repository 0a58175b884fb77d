#pragma once
// The apparent places of eclipses and transits, from the reference: the
// Sun, the Moon and Mercury or Venus as they are seen from the Earth's
// centre at an instant (the bodies at its TT), with light time and
// aberration, in km on the J2000 mean equator. The Earth's turning is in
// earth_turning.h, the bodies' sizes in radii.h.
#include "sky/bodies/body.h"
#include "sky/frames/physical_constants.h"
#include "calendar/instant.h"
#include "sky/frames/vector.h"

namespace orbitas {

// The geocentric apparent position of the Sun, the Moon, Mercury or Venus
// at the instant, km. Raises nothing.
Vector ApparentGeocentric(Body body, const Instant& at);

// The same, coarser and some ten times cheaper, for the first stage of a
// search that ApparentGeocentric then refines: the Earth is eraPlan94's
// Earth-Moon barycentre less the Moon's share of it (eraMoon98), within an
// arcsecond or so of eraEpv00's over 1000-3000. Raises nothing.
Vector QuickApparentGeocentric(Body body, const Instant& at);

// Quicker still for the Sun and the planets, where the Moon does not
// matter: seen from the Earth-Moon barycentre itself (eraPlan94 alone),
// within some 7" of the view from the Earth's centre. None of the Moon.
// Raises nothing.
Vector BarycentricApparent(Body body, const Instant& at);

}  // namespace orbitas
