#include "sky/eclipses/apparent.h"

#include <erfa.h>

#include <cmath>

#include "calendar/delta_t.h"
#include "runtime/angle_units.h"
#include "sky/bodies/reference.h"

namespace orbitas {
namespace {

constexpr double LightSecondsPerKm = 1 / 299792.458;
constexpr double SecondsPerDayHere = 86400.0;

Vector Scaled(const Vector& v, double k) { return {v[0] * k, v[1] * k, v[2] * k}; }

// The matrix from the J2000 (GCRS) frame to the Earth's (ITRS) at
// julianDay (UT): IAU 2000B precession-nutation, no polar motion.
void CelestialToTerrestrial(double julianDay, double matrix[3][3]) {
  eraC2t00b(TerrestrialTime(julianDay), 0.0, julianDay, 0.0, 0.0, 0.0, matrix);
}

}  // namespace

// The reference's Earth, heliocentric, at julianDay (UT): a cubic
// (Hermite) between its positions and velocities at the half days around
// it, within a few metres of eraEpv00 and at a small part of its cost,
// which the searches' thousands of instants near one another would
// otherwise pay each time.
ReferenceState InterpolatedEarth(double julianDay) {
  constexpr double Step = 0.5;  // days
  struct Node {
    double day = -1e300;
    ReferenceState state;
  };
  thread_local Node nodes[2];
  const double first = std::floor(julianDay / Step) * Step;
  // An instant far from the last ones (a search striding over days) is
  // cheaper asked directly than through two new nodes.
  thread_local double lastDay = -1e300;
  thread_local ReferenceState last;
  if (julianDay == lastDay) return last;
  if (std::fabs(first - nodes[0].day) > 2 * Step && std::fabs(julianDay - lastDay) > Step) {
    lastDay = julianDay;
    last = *ReferenceHeliocentricState(Body::Earth, julianDay);
    return last;
  }
  for (int k = 0; k < 2; ++k) {
    const double day = first + k * Step;
    if (nodes[k].day != day) nodes[k] = {day, *ReferenceHeliocentricState(Body::Earth, day)};
  }
  const double s = (julianDay - first) / Step, s2 = s * s, s3 = s2 * s;
  const double h00 = 2 * s3 - 3 * s2 + 1, h10 = s3 - 2 * s2 + s, h01 = -2 * s3 + 3 * s2, h11 = s3 - s2;
  const double d00 = (6 * s2 - 6 * s) / Step, d10 = 3 * s2 - 4 * s + 1, d01 = (-6 * s2 + 6 * s) / Step, d11 = 3 * s2 - 2 * s;
  const ReferenceState& a = nodes[0].state;
  const ReferenceState& b = nodes[1].state;
  ReferenceState earth;
  for (int i = 0; i < 3; ++i) {
    earth.position[i] = h00 * a.position[i] + h10 * Step * a.velocity[i] + h01 * b.position[i] + h11 * Step * b.velocity[i];
    earth.velocity[i] = d00 * a.position[i] + d10 * a.velocity[i] + d01 * b.position[i] + d11 * b.velocity[i];
  }
  return earth;
}

Vector ApparentGeocentric(Body body, double julianDay) {
  // Light that reaches the Earth's centre at t left the body at t - tau;
  // seen from the moving Earth it is turned by the aberration. Together,
  // to first order in v/c, the body's geocentric vector less its
  // geocentric velocity times tau: the Moon where it was, the Sun shifted
  // by the Earth's own motion (20"), a planet by both.
  ReferenceState state;
  if (body == Body::Moon) {
    state = *ReferenceGeocentricState(Body::Moon, julianDay);
  } else {
    const ReferenceState earth = InterpolatedEarth(julianDay);
    state = {Negated(earth.position), Negated(earth.velocity)};
    if (body != Body::Sun) {
      const ReferenceState planet = *ReferenceHeliocentricState(body, julianDay);
      state.position = Minus(planet.position, earth.position);
      state.velocity = Minus(planet.velocity, earth.velocity);
    }
  }
  const double tau = Norm(state.position) * KilometresPerAu * LightSecondsPerKm / SecondsPerDayHere;  // days
  Vector apparent;
  for (int i = 0; i < 3; ++i) apparent[i] = state.position[i] - state.velocity[i] * tau;
  return Scaled(apparent, KilometresPerAu);
}

Vector PlaceVector(const Place& place, double julianDay) {
  double terrestrial[3], matrix[3][3], celestial[3];
  eraGd2gc(1, place.longitude / DegreesPerRadian, place.latitude / DegreesPerRadian, 0.0, terrestrial);
  CelestialToTerrestrial(julianDay, matrix);
  eraTrxp(matrix, terrestrial, celestial);
  return Scaled({celestial[0], celestial[1], celestial[2]}, 0.001);
}

GroundPoint GroundOf(const Vector& point, double julianDay) {
  double matrix[3][3], celestial[3] = {point[0] * 1000, point[1] * 1000, point[2] * 1000}, terrestrial[3];
  CelestialToTerrestrial(julianDay, matrix);
  eraRxp(matrix, celestial, terrestrial);
  double longitude = 0, latitude = 0, height = 0;
  eraGc2gd(1, terrestrial, &longitude, &latitude, &height);
  return {latitude * DegreesPerRadian, longitude * DegreesPerRadian};
}

bool FirstHit(const Vector& point, const Vector& direction, double julianDay, Hit& hit) {
  double matrix[3][3];
  CelestialToTerrestrial(julianDay, matrix);
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
  hit.ground = GroundOf(hit.point, julianDay);
  return true;
}

Vector NorthPole(double julianDay) {
  double matrix[3][3];
  CelestialToTerrestrial(julianDay, matrix);
  return {matrix[2][0], matrix[2][1], matrix[2][2]};
}

AltitudeAzimuth HorizonOf(const Place& place, double julianDay, const Vector& fromPlace) {
  double matrix[3][3], celestial[3] = {fromPlace[0], fromPlace[1], fromPlace[2]}, v[3];
  CelestialToTerrestrial(julianDay, matrix);
  eraRxp(matrix, celestial, v);
  const double phi = place.latitude / DegreesPerRadian, lambda = place.longitude / DegreesPerRadian;
  const double east = -std::sin(lambda) * v[0] + std::cos(lambda) * v[1];
  const double north = -std::sin(phi) * std::cos(lambda) * v[0] - std::sin(phi) * std::sin(lambda) * v[1] +
                       std::cos(phi) * v[2];
  const double up = std::cos(phi) * std::cos(lambda) * v[0] + std::cos(phi) * std::sin(lambda) * v[1] +
                    std::sin(phi) * v[2];
  double azimuth = std::atan2(east, north) * DegreesPerRadian;
  if (azimuth < 0) azimuth += 360;
  return {std::atan2(up, std::hypot(east, north)) * DegreesPerRadian, azimuth};
}

double Semidiameter(double radius, double distance) { return std::asin(radius / distance); }

}  // namespace orbitas
