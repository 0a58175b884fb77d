#include "sky/events/geometry.h"

#include <erfa.h>

#include <cmath>

#include "ephemeris/equatorial.h"
#include "ephemeris/heliocentric.h"
#include "runtime/angle_units.h"
#include "sky/bodies/method_sky.h"
#include "sky/bodies/reference.h"
#include "sky/frames/ecliptic.h"

namespace orbitas {
namespace {

constexpr double Aberration = 20.49552 / 3600;  // degrees, at one AU

// The apparent longitude of date, degrees, of a geocentric equatorial J2000
// vector: precessed to the mean ecliptic and equinox of the date, with the
// nutation in longitude and the annual aberration. ERFA asks for the date
// in TT; it is given the instant's UT, as the method's seasons always
// were: the minute between them moves the equinox by a ten-thousandth of
// an arcsecond, a few milliseconds of the Sun's motion.
double ApparentLongitude(const Vector& equatorial, Instant at) {
  const double jd = at.ut;
  double rm[3][3], v[3] = {equatorial[0], equatorial[1], equatorial[2]}, ofDate[3];
  eraEcm06(jd, 0.0, rm);
  eraRxp(rm, v, ofDate);
  // The truncated series (good to a milliarcsecond) is plenty here and far
  // cheaper than the full one.
  double dpsi = 0, deps = 0;
  eraNut00b(jd, 0.0, &dpsi, &deps);
  return std::atan2(ofDate[1], ofDate[0]) * DegreesPerRadian + dpsi * DegreesPerRadian - Aberration / Norm(equatorial);
}

}  // namespace

double LongitudeOf(const Vector& v) { return std::atan2(v[1], v[0]) * DegreesPerRadian; }

Vector Geometry::Geocentric(Body body, Instant at) const {
  if (body == Body::Moon) return Moon(at);
  if (body == Body::Sun) return Sun(at);
  return Minus(*Heliocentric(body, at), *Heliocentric(Body::Earth, at));
}

Vector Geometry::Sun(Instant at) const { return Negated(*Heliocentric(Body::Earth, at)); }

MethodGeometry::MethodGeometry(const ElementsTable& elements) : elements_(elements), offset_(EpochOffset(elements)) {}

std::optional<Vector> MethodGeometry::Heliocentric(Body body, Instant at) const {
  const double jd = at.ut;
  if (body == Body::Earth) {
    const auto cached = earth_.find(jd);
    if (cached != earth_.end()) return cached->second;
  }
  const ElementRow row = body == Body::Earth ? EarthRow(elements_) : BodyRow(elements_, BodyNumber(body));
  const HeliocentricPosition p = ComputeHeliocentricPosition(row, jd, offset_, elements_);
  const Vector v{p.x, p.y, p.z};
  if (body == Body::Earth) earth_.emplace(jd, v);
  return v;
}

Vector MethodGeometry::Moon(Instant at) const {
  const auto cached = moon_.find(at.ut);
  if (cached != moon_.end()) return cached->second;
  const Vector moon = EclipticFromEquatorial(*ReferenceGeocentric(Body::Moon, at), ObliquityRadians);
  return moon_.emplace(at.ut, moon).first->second;
}

void MethodGeometry::Forget() const {
  earth_.clear();
  moon_.clear();
}

double MethodGeometry::SunApparentLongitude(Instant at) const {
  const Vector s = Sun(at);
  return ApparentLongitude(MethodEquatorialFromEcliptic(s[0], s[1], s[2]), at);
}

Vector MethodGeometry::Equatorial(const Vector& v) const { return MethodEquatorialFromEcliptic(v[0], v[1], v[2]); }

std::optional<Vector> ReferenceGeometry::Heliocentric(Body body, Instant at) const {
  const std::optional<Vector> v = ReferenceHeliocentric(body, at);
  if (!v) return std::nullopt;
  return EclipticFromEquatorial(*v, J2000ObliquityRadians);
}

Vector ReferenceGeometry::Moon(Instant at) const {
  return EclipticFromEquatorial(*ReferenceGeocentric(Body::Moon, at), J2000ObliquityRadians);
}

double ReferenceGeometry::SunApparentLongitude(Instant at) const {
  return ApparentLongitude(*ReferenceGeocentric(Body::Sun, at), at);
}

Vector ReferenceGeometry::Equatorial(const Vector& v) const { return EquatorialFromEcliptic(v, J2000ObliquityRadians); }

}  // namespace orbitas
