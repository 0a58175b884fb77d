#pragma once
// The Moon. The method has no Moon: its position is ERFA's eraMoon98
// (Meeus's series; against ELP/MPP02 over 1950-2100, 2.9" RMS and 18.3" at
// worst in geocentric direction), seen from the place, since from the
// surface the Moon stands up to a degree lower than from the centre.
#include <functional>

#include "sky/frames/horizon.h"
#include "calendar/instant.h"
#include "sky/frames/place.h"
#include "sky/frames/vector.h"

namespace orbitas {

struct MoonSky {
  HorizonCoordinates horizon{};      // topocentric, geometric altitude
  double semidiameter = 0.0;         // degrees, topocentric
  Vector geocentric{};               // AU, J2000 mean equator and equinox
};

// The Moon at the instant (the reference's Moon at its TT, the Earth
// turned as earth_turning.h turns it) from place, on the WGS84
// ellipsoid at sea level. Raises nothing.
MoonSky MoonFrom(const Place& place, const Instant& at);

// The geometric altitude of the Moon's centre when the top of its disc
// stands at HorizonAltitude (the refraction at the horizon), degrees.
inline double MoonHorizonAltitude(double semidiameter) { return HorizonAltitude - semidiameter; }

// The eight phases, each a sector of 45 degrees of the Moon's longitude
// less the Sun's, centred on new moon (0), first quarter (90), full moon
// (180) and last quarter (270), with the crescents and gibbous phases
// between them.
enum class PhaseCode { New, WaxingCrescent, FirstQuarter, WaxingGibbous, Full, WaningGibbous, LastQuarter, WaningCrescent };

struct MoonPhase {
  double illuminated = 0.0;   // the lit fraction of the disc, 0..1
  double ageDays = 0.0;       // since the last new moon
  double longitudeFromSun = 0.0;  // ecliptic longitude of the Moon less the Sun's, degrees, 0..360
  PhaseCode code = PhaseCode::New;
};

// The phase at `at`, with the Sun given by sunGeocentric of an instant
// (AU, J2000 equatorial): the method's Sun; the reference's Moon at TT.
// The age (days) is the time since the Moon's longitude last equalled the
// Sun's, found by bisection. Raises what sunGeocentric raises.
MoonPhase MoonPhaseAt(const Instant& at, const std::function<Vector(const Instant&)>& sunGeocentric);

// The phase of the Moon's longitude less the Sun's (degrees, 0..360).
PhaseCode PhaseOf(double longitudeFromSun);

// The Moon's ecliptic longitude less the Sun's, degrees, 0..360, for
// geocentric J2000 equatorial vectors of both.
double LongitudeFromSun(const Vector& moon, const Vector& sun);

// The lit fraction of the Moon for geocentric vectors of both (AU).
double MoonIlluminated(const Vector& moon, const Vector& sun);

}  // namespace orbitas
