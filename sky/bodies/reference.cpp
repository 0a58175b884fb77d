#include "sky/bodies/reference.h"

#include <erfa.h>

#include <cmath>
#include <cstring>

#include "calendar/julian_day.h"
#include "runtime/angle_units.h"
#include "sky/frames/physical_constants.h"

namespace orbitas {
namespace {

// eraPlan94's maximum errors over 1800-2050 (Simon et al. 1994): longitude
// and latitude in arcseconds, distance in km; index 0 is unused.
struct Bound {
  double longitude, latitude, distance;
};
constexpr Bound PlanetBounds[] = {{0, 0, 0},   {4, 1, 300},   {5, 1, 800},       {6, 1, 1000},  {17, 1, 7700},
                                  {71, 5, 76000}, {81, 13, 267000}, {86, 7, 712000}, {11, 1, 253000}};
// The speed of light in AU a day for the bounds' light-time term, with the
// astronomical unit of 149,597,870.691 km that the bounds were first
// published with; ERFA_DC (the 2012 unit) differs from it by 6e-11 of
// itself, which would move the last printed digits of the bounds.
constexpr double LightAuPerDay = 173.1446326846693;

// The Earth's heliocentric position and velocity at tt (Julian day, TT).
// The Earth's series is the reference's costliest, and a body's
// geocentric position and the Sun's ask for it at the same instant: the
// last answer is kept, the one cache of the reference's Earth.
void Earth(double tt, double pv[2][3]) {
  thread_local double lastTt = std::nan("");
  thread_local double last[2][3];
  if (tt != lastTt) {
    double barycentric[2][3];
    eraEpv00(tt, 0.0, last, barycentric);
    lastTt = tt;
  }
  std::memcpy(pv, last, sizeof last);
}

Vector Row(const double v[3]) { return {v[0], v[1], v[2]}; }

}  // namespace

std::optional<Vector> ReferenceHeliocentric(Body body, const Instant& at) {
  const std::optional<ReferenceState> state = ReferenceHeliocentricState(body, at);
  if (!state) return std::nullopt;
  return state->position;
}

std::optional<ReferenceState> ReferenceHeliocentricState(Body body, const Instant& at) {
  const double tt = at.tt;
  double pv[2][3];
  if (body == Body::Earth) {
    Earth(tt, pv);
  } else if (IsPlanet(body) && HasReference(body)) {
    eraPlan94(tt, 0.0, BodyNumber(body), pv);
  } else {
    return std::nullopt;
  }
  return ReferenceState{Row(pv[0]), Row(pv[1])};
}

std::optional<ReferenceState> ReferenceBarycentreState(const Instant& at) {
  constexpr int EarthMoonBarycentre = 3;  // eraPlan94's third body
  double pv[2][3];
  eraPlan94(at.tt, 0.0, EarthMoonBarycentre, pv);
  return ReferenceState{Row(pv[0]), Row(pv[1])};
}

std::optional<ReferenceState> ReferenceGeocentricState(Body body, const Instant& at) {
  if (!HasReference(body) || body == Body::Earth) return std::nullopt;
  const double tt = at.tt;
  double pv[2][3];
  if (body == Body::Moon) {
    // The searches ask for the Moon at one instant several times over (for
    // the Moon and again for the Earth's share of it): the last answer is
    // kept.
    thread_local double lastTt = std::nan("");
    thread_local ReferenceState last;
    if (tt != lastTt) {
      eraMoon98(tt, 0.0, pv);
      lastTt = tt, last = ReferenceState{Row(pv[0]), Row(pv[1])};
    }
    return last;
  }
  double earth[2][3];
  Earth(tt, earth);
  if (body == Body::Sun) return ReferenceState{Negated(Row(earth[0])), Negated(Row(earth[1]))};
  eraPlan94(tt, 0.0, BodyNumber(body), pv);
  return ReferenceState{Minus(Row(pv[0]), Row(earth[0])), Minus(Row(pv[1]), Row(earth[1]))};
}

std::optional<Vector> ReferenceGeocentric(Body body, const Instant& at) {
  const std::optional<ReferenceState> state = ReferenceGeocentricState(body, at);
  if (!state) return std::nullopt;
  return state->position;
}

std::optional<double> ReferenceBoundDegrees(Body body, const Instant& at) {
  if (!HasReference(body) || body == Body::Earth || body == Body::Moon) return std::nullopt;
  const double year = DecimalYear(at.ut);
  const double widening = year >= 1800 && year <= 2050 ? 1.0 : 1.5;
  const double tt = at.tt;
  double earth[2][3];
  Earth(tt, earth);
  // The Earth's own error (about 5 km) is far below every planet's.
  double position[3], velocity[3];
  const Bound& bound = PlanetBounds[body == Body::Sun ? BodyNumber(Body::Earth) : BodyNumber(body)];
  double heliocentricDistance = eraPm(earth[0]);
  if (body == Body::Sun) {
    for (int i = 0; i < 3; ++i) position[i] = -earth[0][i], velocity[i] = -earth[1][i];
  } else {
    double planet[2][3];
    eraPlan94(tt, 0.0, BodyNumber(body), planet);
    heliocentricDistance = eraPm(planet[0]);
    for (int i = 0; i < 3; ++i) position[i] = planet[0][i] - earth[0][i], velocity[i] = planet[1][i] - earth[1][i];
  }
  const double distance = eraPm(position);
  // The planet's heliocentric error, AU, seen from the Earth.
  const double across = heliocentricDistance * std::hypot(bound.longitude, bound.latitude) / ArcsecondsPerRadian;
  const double along = bound.distance / KilometresPerAu;
  const double seen = widening * (across + along) / distance;
  // Light time and aberration: at most the relative velocity over c.
  const double apparent = eraPm(velocity) / LightAuPerDay;
  return (seen + apparent) * DegreesPerRadian;
}

ErrorBars MethodError(Body body, const Instant& at, const EquatorialCoordinates& eq) {
  ErrorBars bars;
  std::optional<Vector> reference = ReferenceGeocentric(body, at);
  if (!reference) return bars;
  double ours[3];
  eraS2c(eq.rightAscensionDeg / DegreesPerRadian, eq.declination / DegreesPerRadian, ours);
  bars.method = eraSepp(ours, reference->data()) * DegreesPerRadian;
  bars.reference = ReferenceBoundDegrees(body, at);
  return bars;
}

}  // namespace orbitas
