#pragma once
// Where a direction of the method's stands in the sky of a place: the
// equatorial coordinates precessed from the fixed J2000 frame to the date
// (IAU 2006), the local sidereal time, the hour angle, and the azimuth and
// altitude. Sidereal time and precession come from ERFA, with UT1 = UTC =
// the method's Julian day, and the precession's TT taken equal to UT (the
// minute or so between them moves the equinox by well under an
// arcsecond).
#include "calendar/instant.h"

namespace orbitas {

// Sæmundsson's refraction holds down to this geometric altitude, degrees;
// below it the refraction tapers to nothing at RefractionEndAltitude.
inline constexpr double LowestRefractedAltitude = -1.0;
inline constexpr double RefractionEndAltitude = -2.0;

// The geometric altitude of a body's centre at rising and setting, when
// 34' of refraction lift it to the horizon, degrees; the Sun's, with its
// 16' of semidiameter besides.
inline constexpr double HorizonAltitude = -0.5667;
inline constexpr double SunsetAltitude = -0.8333;

struct HorizonCoordinates {
  double rightAscensionOfDate;  // hours, 0 <= RA < 24, mean equator and equinox of the date
  double declinationOfDate;     // degrees
  double localSiderealTime;     // hours, 0 <= LST < 24 (mean sidereal time)
  double hourAngle;             // hours, -12 <= H < 12, positive west of the meridian
  double azimuth;               // degrees, 0 <= A < 360, from north through east
  double altitude;              // degrees, geometric (no refraction)
  double apparentAltitude;      // degrees, with standard refraction (tapered below -1°)
};

// The horizon coordinates of the direction (rightAscensionHours, hours;
// declinationDegrees, degrees; J2000 frame) at `at` (its UT) from
// the place at latitudeDegrees (north positive, -90..90) and
// longitudeDegrees (east positive). Plain double arithmetic; raises
// nothing.
HorizonCoordinates ComputeHorizon(const Instant& at, double rightAscensionHours, double declinationDegrees,
                                  double latitudeDegrees, double longitudeDegrees);

// A direction of the J2000 frame (rightAscensionHours, hours;
// declinationDegrees, degrees) on the mean equator and equinox of `at`
// (precessed to its UT Julian day, as the horizon above is; dates before
// J2000 too), IAU 2006 precession:
// right ascension in radians, 0 <= RA < 2 pi, and declination in radians.
// Raises nothing.
struct PrecessedDirection {
  double rightAscension;  // radians
  double declination;     // radians
};
PrecessedDirection PrecessFromJ2000(const Instant& at, double rightAscensionHours, double declinationDegrees);

// The local mean sidereal time, hours (0..24), at `at` (its UT, also
// standing for TT) and longitudeDegrees (east positive): ERFA's eraGmst06
// plus the longitude.
double LocalSiderealTime(const Instant& at, double longitudeDegrees);

// Standard refraction, degrees, for a geometric altitude in degrees:
// Sæmundsson's formula R = 1.02' / tan(h + 10.3 / (h + 5.11)) (10 °C,
// 1010 hPa) above LowestRefractedAltitude; below it, the value there
// scaled down in a straight line to 0 at RefractionEndAltitude, so that
// the apparent altitude never jumps; 0 below that.
double Refraction(double altitudeDegrees);

}  // namespace orbitas
