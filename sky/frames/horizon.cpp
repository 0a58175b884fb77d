#include "sky/frames/horizon.h"

#include <erfa.h>

#include <cmath>

#include "runtime/angle_units.h"

namespace orbitas {

PrecessedDirection PrecessFromJ2000(const Instant& at, double rightAscensionHours, double declinationDegrees) {
  double j2000[3], ofDate[3], precession[3][3];
  eraS2c(rightAscensionHours / HoursPerRadian, declinationDegrees / DegreesPerRadian, j2000);
  eraPmat06(at.ut, 0.0, precession);
  eraRxp(precession, j2000, ofDate);
  double ra = 0, dec = 0;
  eraC2s(ofDate, &ra, &dec);
  return {eraAnp(ra), dec};
}

double LocalSiderealTime(const Instant& at, double longitudeDegrees) {
  const double gmst = eraGmst06(at.ut, 0.0, at.ut, 0.0);  // UT1 = UTC, TT = UT
  return eraAnp(gmst + longitudeDegrees / DegreesPerRadian) * HoursPerRadian;
}

namespace {

double Saemundsson(double altitude) {
  return 1.02 / std::tan((altitude + 10.3 / (altitude + 5.11)) / DegreesPerRadian) / 60.0;
}

}  // namespace

double Refraction(double altitude) {
  if (altitude > LowestRefractedAltitude) return Saemundsson(altitude);
  if (altitude <= RefractionEndAltitude) return 0.0;
  return Saemundsson(LowestRefractedAltitude) * (altitude - RefractionEndAltitude) /
         (LowestRefractedAltitude - RefractionEndAltitude);
}

HorizonCoordinates ComputeHorizon(const Instant& at, double rightAscensionHours, double declinationDegrees,
                                  double latitudeDegrees, double longitudeDegrees) {
  HorizonCoordinates h{};
  // J2000 to the mean equator and equinox of the date.
  const PrecessedDirection ofDate = PrecessFromJ2000(at, rightAscensionHours, declinationDegrees);
  const double ra = ofDate.rightAscension, dec = ofDate.declination;
  h.rightAscensionOfDate = ra * HoursPerRadian;
  h.declinationOfDate = dec * DegreesPerRadian;

  h.localSiderealTime = LocalSiderealTime(at, longitudeDegrees);
  const double hourAngle = eraAnpm(h.localSiderealTime / HoursPerRadian - ra);
  h.hourAngle = hourAngle * HoursPerRadian;
  double azimuth = 0, elevation = 0;
  eraHd2ae(hourAngle, dec, latitudeDegrees / DegreesPerRadian, &azimuth, &elevation);
  h.azimuth = azimuth * DegreesPerRadian;
  h.altitude = elevation * DegreesPerRadian;
  h.apparentAltitude = h.altitude + Refraction(h.altitude);
  return h;
}

}  // namespace orbitas
