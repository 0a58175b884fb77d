#pragma once
// The sky as an observer sees it, for everything about the sky from a
// place: the Sun and the planets at their apparent places (the reference's
// positions at the instant's TT, with light time and aberration,
// apparent.h), the Moon as moon.h has it, each seen from the place on the
// horizon the Earth's turning gives (earth_turning.h). Pluto, which the
// reference lacks, is the method's direction on that same horizon. The
// method's own sky from a place is method_sky.h.
#include "calendar/instant.h"
#include "ephemeris/elements.h"
#include "ephemeris/equatorial.h"
#include "sky/bodies/body.h"
#include "sky/bodies/planet_appearance.h"
#include "sky/frames/horizon.h"
#include "sky/frames/place.h"

namespace orbitas {

// Which sky an answer is worked out in: the sky as it is seen (this
// file's), or the method's (method_sky.h), to set beside it. The method
// has no Moon: its Moon is the seen one.
enum class SkyModel { Seen, Method };

// Whether body's sky comes from the reference: every body but Pluto.
constexpr bool SeenFromTheReference(Body body) { return body != Body::Pluto; }

// The geocentric apparent direction of the Sun, the Moon or a planet at
// `at`, in the J2000 frame (GCRS): right ascension (degrees and hours),
// declination (degrees), distance (AU) and the vector x, y, z (AU), for
// constellations, charts and angles between bodies. The other fields of
// EquatorialCoordinates are 0. Pluto's is the method's (at the UT Julian
// day). Raises the method's run-time errors for Pluto only.
EquatorialCoordinates SeenEquatorial(const ElementsTable& elements, Body body, const Instant& at);

// Where the Sun, the Moon or a planet stands in the sky of place at `at`:
// seen from the place (its parallax, on the WGS84 ellipsoid at sea level),
// the geometric altitude with the standard refraction beside it, the
// azimuth, the hour angle, the right ascension and declination of the
// true equator and equinox of the date. Raises the method's run-time
// errors for Pluto only.
HorizonCoordinates SeenHorizon(const ElementsTable& elements, Body body, const Place& place, const Instant& at);

// A planet's phase, elongation and magnitude at `at` from the reference's
// heliocentric positions (the method's for Pluto). Raises the method's
// run-time errors for Pluto only.
PlanetAspect SeenAspect(const ElementsTable& elements, Body body, const Instant& at);

// SeenHorizon, SeenEquatorial and SeenAspect, or the method's own horizon
// (MethodHorizon: its J2000 direction precessed at UT, the mean sidereal
// time), equatorial coordinates and aspect (from its heliocentric
// vectors). Raise the method's run-time errors.
HorizonCoordinates HorizonIn(SkyModel model, const ElementsTable& elements, Body body, const Place& place,
                             const Instant& at);
EquatorialCoordinates EquatorialIn(SkyModel model, const ElementsTable& elements, Body body, const Instant& at);
PlanetAspect AspectIn(SkyModel model, const ElementsTable& elements, Body body, const Instant& at);

}  // namespace orbitas
