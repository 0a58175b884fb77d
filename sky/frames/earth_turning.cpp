#include "sky/frames/earth_turning.h"

#include <erfa.h>

#include <cmath>

#include "runtime/angle_units.h"
#include "sky/frames/physical_constants.h"

namespace orbitas {
namespace {

// The celestial-to-intermediate matrix (IAU 2000B precession-nutation at
// TT) and the equation of the origins, for an hour of UT. They move by
// less than a metre on the ground in an hour (the fastest nutation term,
// 0.2" over 5.5 days): they are kept for the hour, and only the Earth's
// rotation angle is computed anew.
struct Intermediate {
  double celestialToIntermediate[3][3];
  double polarMotion[3][3];
  double equationOfOrigins;  // radians, the ERA less the apparent sidereal time
};

Intermediate& IntermediateFor(const Instant& at) {
  constexpr double HoursPerDay = 24;
  thread_local double hour = std::nan("");
  thread_local Intermediate kept;
  const double thisHour = std::floor(at.ut * HoursPerDay);
  if (thisHour != hour) {
    hour = thisHour;
    const double tt = Instant::FromUt((thisHour + 0.5) / HoursPerDay).tt;
    double npb[3][3], x = 0, y = 0;
    eraPnm00b(tt, 0.0, npb);
    eraBpn2xy(npb, &x, &y);
    const double s = eraS00(tt, 0.0, x, y);
    eraC2ixys(x, y, s, kept.celestialToIntermediate);
    kept.equationOfOrigins = eraEors(npb, s);
    eraPom00(0.0, 0.0, eraSp00(tt, 0.0), kept.polarMotion);
  }
  return kept;
}

// The matrix from the J2000 (GCRS) frame to the Earth's (ITRS) at an
// instant: the intermediate frame of its hour turned by the Earth's
// rotation angle at UT (as UT1), no polar motion.
void CelestialToTerrestrial(const Instant& at, double matrix[3][3]) {
  Intermediate& i = IntermediateFor(at);  // ERFA's arguments are not const
  eraC2tcio(i.celestialToIntermediate, eraEra00(at.ut, 0.0), i.polarMotion, matrix);
}

// A J2000 vector in the Earth's frame.
Vector Terrestrial(const Instant& at, const Vector& celestial) {
  double matrix[3][3], c[3] = {celestial[0], celestial[1], celestial[2]}, t[3];
  CelestialToTerrestrial(at, matrix);
  eraRxp(matrix, c, t);
  return {t[0], t[1], t[2]};
}

// A direction of the Earth's frame (x, y, z) on a place's horizon.
AltitudeAzimuth OnHorizon(const Place& place, const Vector& v) {
  const double phi = place.latitude / DegreesPerRadian, lambda = place.longitude / DegreesPerRadian;
  const double east = -std::sin(lambda) * v[0] + std::cos(lambda) * v[1];
  const double north = -std::sin(phi) * std::cos(lambda) * v[0] - std::sin(phi) * std::sin(lambda) * v[1] +
                       std::cos(phi) * v[2];
  const double up = std::cos(phi) * std::cos(lambda) * v[0] + std::cos(phi) * std::sin(lambda) * v[1] +
                    std::sin(phi) * v[2];
  return {std::atan2(up, std::hypot(east, north)) * DegreesPerRadian,
          eraAnp(std::atan2(east, north)) * DegreesPerRadian};
}

}  // namespace

Vector PlaceVector(const Place& place, const Instant& at) {
  double terrestrial[3], matrix[3][3], celestial[3];
  eraGd2gc(1, place.longitude / DegreesPerRadian, place.latitude / DegreesPerRadian, 0.0, terrestrial);
  CelestialToTerrestrial(at, matrix);
  eraTrxp(matrix, terrestrial, celestial);
  return Scaled({celestial[0], celestial[1], celestial[2]}, 0.001);
}

GroundPoint GroundOf(const Vector& point, const Instant& at) {
  double matrix[3][3], celestial[3] = {point[0] * 1000, point[1] * 1000, point[2] * 1000}, terrestrial[3];
  CelestialToTerrestrial(at, matrix);
  eraRxp(matrix, celestial, terrestrial);
  double longitude = 0, latitude = 0, height = 0;
  eraGc2gd(1, terrestrial, &longitude, &latitude, &height);
  return {latitude * DegreesPerRadian, longitude * DegreesPerRadian};
}

bool FirstHit(const Vector& point, const Vector& direction, const Instant& at, Hit& hit) {
  double matrix[3][3];
  CelestialToTerrestrial(at, matrix);
  double p[3] = {point[0], point[1], point[2]}, d[3] = {direction[0], direction[1], direction[2]}, pt[3], dt[3];
  eraRxp(matrix, p, pt);
  eraRxp(matrix, d, dt);
  // The ellipsoid made a sphere by stretching z.
  const double stretch = 1 / (1 - EarthFlattening);
  const double ps[3] = {pt[0], pt[1], pt[2] * stretch}, ds[3] = {dt[0], dt[1], dt[2] * stretch};
  const double a = ds[0] * ds[0] + ds[1] * ds[1] + ds[2] * ds[2];
  const double b = 2 * (ps[0] * ds[0] + ps[1] * ds[1] + ps[2] * ds[2]);
  const double c = ps[0] * ps[0] + ps[1] * ps[1] + ps[2] * ps[2] - EarthRadiusKm * EarthRadiusKm;
  const double discriminant = b * b - 4 * a * c;
  if (discriminant < 0) return false;
  const double t = (-b - std::sqrt(discriminant)) / (2 * a);
  hit.point = {point[0] + t * direction[0], point[1] + t * direction[1], point[2] + t * direction[2]};
  hit.ground = GroundOf(hit.point, at);
  return true;
}

Vector NorthPole(const Instant& at) {
  double matrix[3][3];
  CelestialToTerrestrial(at, matrix);
  return {matrix[2][0], matrix[2][1], matrix[2][2]};
}

AltitudeAzimuth HorizonOf(const Place& place, const Instant& at, const Vector& fromPlace) {
  return OnHorizon(place, Terrestrial(at, fromPlace));
}

HorizonCoordinates TurnedHorizon(const Place& place, const Instant& at, const Vector& fromPlace) {
  const Vector v = Terrestrial(at, fromPlace);
  const AltitudeAzimuth seen = OnHorizon(place, v);
  const double lambda = place.longitude / DegreesPerRadian;
  const double hourAngle = eraAnpm(lambda - std::atan2(v[1], v[0]));
  const double sidereal = eraAnp(eraEra00(at.ut, 0.0) - IntermediateFor(at).equationOfOrigins + lambda);
  HorizonCoordinates h{};
  h.rightAscensionOfDate = eraAnp(sidereal - hourAngle) * HoursPerRadian;
  h.declinationOfDate = std::atan2(v[2], std::hypot(v[0], v[1])) * DegreesPerRadian;
  h.localSiderealTime = sidereal * HoursPerRadian;
  h.hourAngle = hourAngle * HoursPerRadian;
  h.azimuth = seen.azimuth;
  h.altitude = seen.altitude;
  h.apparentAltitude = h.altitude + Refraction(h.altitude);
  return h;
}

HorizonCoordinates TurnedHorizonOf(const Place& place, const Instant& at, double rightAscensionHours,
                                   double declinationDegrees) {
  double v[3];
  eraS2c(rightAscensionHours / HoursPerRadian, declinationDegrees / DegreesPerRadian, v);
  return TurnedHorizon(place, at, {v[0], v[1], v[2]});
}

}  // namespace orbitas
