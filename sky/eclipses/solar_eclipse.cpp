#include <cmath>

#include "calendar/delta_t.h"
#include "sky/bodies/apparent.h"
#include "sky/frames/earth_turning.h"
#include "sky/eclipses/radii.h"
#include "sky/eclipses/eclipses.h"
#include "sky/eclipses/lunation.h"
#include "sky/search/over_time.h"

namespace orbitas {
namespace {

// The Moon's shadow at an instant: its axis, and its cones' radii where
// they cross the plane through the Earth's centre square to the axis
// (the fundamental plane), km.
struct MoonShadow {
  Vector moon, axis;       // the Moon (km) and the axis's direction, from the Sun away
  Vector closest;          // the axis's point nearest the Earth's centre
  double penumbra, umbra;  // radii in the fundamental plane; umbra < 0: the umbra reaches beyond it
  double umbraLength;      // from the Moon to the umbra's vertex
};

// The Moon's shadow at `at`, from the reference's positions or, for a
// first rough search, the quick ones.
MoonShadow MoonShadowAt(const Instant& at, Vector (*apparent)(Body, const Instant&) = ApparentGeocentric) {
  const Vector sun = apparent(Body::Sun, at), moon = apparent(Body::Moon, at);
  const Vector sunToMoon = Minus(moon, sun);
  const double length = Norm(sunToMoon);
  MoonShadow s;
  s.moon = moon;
  for (int i = 0; i < 3; ++i) s.axis[i] = sunToMoon[i] / length;
  const double along = Dot(moon, s.axis);  // negative: the Moon is on the Sun's side of the plane
  for (int i = 0; i < 3; ++i) s.closest[i] = moon[i] - along * s.axis[i];
  const double moonRadius = MoonRatio * EarthRadiusKm, umbralRadius = MoonUmbralRatio * EarthRadiusKm;
  const double f1 = std::asin((SunRadiusKm + moonRadius) / length), f2 = std::asin((SunRadiusKm - umbralRadius) / length);
  s.penumbra = -along * std::tan(f1) + moonRadius / std::cos(f1);
  s.umbra = umbralRadius / std::cos(f2) + along * std::tan(f2);
  s.umbraLength = umbralRadius / std::sin(f2);
  return s;
}

double AxisDistance(const Instant& at, Vector (*apparent)(Body, const Instant&) = ApparentGeocentric) {
  return Norm(MoonShadowAt(at, apparent).closest);
}

// Where the shadow's axis passes nearest the Earth's limb when it misses
// the Earth: the point of the limb and the distance to the axis, km, both
// in the fundamental plane. There the Earth's outline is an ellipse, its
// axis towards the pole shortened by the flattening as the pole tilts
// towards the Sun (1 - e² cos² d, d the declination of the shadow's
// axis); scaled to a circle, its nearest point is along the radius.
struct LimbPass {
  Vector point;     // km, geocentric J2000
  double distance;  // km from the axis
};

LimbPass NearestLimb(const MoonShadow& s, const Instant& at) {
  const Vector pole = NorthPole(at);
  const double sinD = Dot(pole, s.axis);
  Vector y{}, x{};
  for (int i = 0; i < 3; ++i) y[i] = pole[i] - sinD * s.axis[i];
  const double ny = Norm(y);
  for (int i = 0; i < 3; ++i) y[i] /= ny;
  x = {y[1] * s.axis[2] - y[2] * s.axis[1], y[2] * s.axis[0] - y[0] * s.axis[2], y[0] * s.axis[1] - y[1] * s.axis[0]};
  const double squaredEccentricity = EarthFlattening * (2 - EarthFlattening);
  const double rho = std::sqrt(1 - squaredEccentricity * (1 - sinD * sinD));
  const double px = Dot(s.closest, x), py = Dot(s.closest, y);
  const double n = std::hypot(px, py / rho);
  const double lx = px / n * EarthRadiusKm, ly = py / n * EarthRadiusKm;
  LimbPass pass{};
  for (int i = 0; i < 3; ++i) pass.point[i] = lx * x[i] + ly * y[i];
  pass.distance = std::hypot(px - lx, py - ly);
  return pass;
}

// Total or annular where the axis meets the Earth at `at`, if it does.
std::optional<EclipseType> CentralTypeAt(const Instant& at) {
  const MoonShadow s = MoonShadowAt(at);
  Hit hit;
  if (!FirstHit(s.moon, s.axis, at, hit)) return std::nullopt;
  return Norm(Minus(hit.point, s.moon)) < s.umbraLength ? EclipseType::Total : EclipseType::Annular;
}

// The first or last instant (before or after greatest) at which the axis
// touches the Earth.
Instant CentralEnd(const Instant& greatest, bool before) {
  constexpr double Reach = 0.25;  // days: a central path lasts at most some 4 hours
  auto touches = [](const Instant& t) { return CentralTypeAt(t).has_value(); };
  return ChangeWithin(touches, before ? Around(greatest, Reach, 0) : Around(greatest, 0, Reach), EclipsePrecision);
}

// The type of an eclipse whose axis meets the Earth at greatest: total or
// annular, or hybrid when it is the other near an end of the central path.
EclipseType CentralType(const Instant& greatest, EclipseType middle) {
  const double margin = 10.0 / SecondsPerDay;
  for (const bool before : {true, false}) {
    const Instant end = CentralEnd(greatest, before).After(before ? margin : -margin);
    const std::optional<EclipseType> there = CentralTypeAt(end);
    if (there && *there != middle) return EclipseType::Hybrid;
  }
  return middle;
}

// An eclipse whose axis misses the Earth, as NASA's canon gives it: the
// greatest eclipse at the Earth's limb; total or annular when the umbra
// (positive radius in the fundamental plane) or the antumbra (negative)
// reaches the limb there, else partial; the magnitude there, the Sun's
// diameter covered, (L1 − Δ) / (L1 + L2) in the canon's terms, and no
// central duration.
void NonCentral(SolarEclipse& e, const MoonShadow& s, const LimbPass& limb) {
  e.central = false;
  e.type = limb.distance >= std::fabs(s.umbra) ? EclipseType::Partial
           : s.umbra > 0                     ? EclipseType::Total
                                             : EclipseType::Annular;
  e.magnitude = (s.penumbra - limb.distance) / (s.penumbra - s.umbra);
  const GroundPoint g = GroundOf(limb.point, e.greatest);
  e.latitude = g.latitude, e.longitude = g.longitude;
}

// The solar eclipse whose greatest instant is greatest, if the Moon's
// penumbra touches the Earth then at all.
std::optional<SolarEclipse> SolarEclipseAt(const Instant& greatest) {
  const MoonShadow s = MoonShadowAt(greatest);
  if (Norm(s.closest) >= EarthRadiusKm + s.penumbra) return std::nullopt;
  SolarEclipse e;
  e.greatest = greatest;
  const Instant at = e.greatest;
  const double sign = Dot(s.closest, NorthPole(at)) >= 0 ? 1 : -1;
  e.gamma = sign * Norm(s.closest) / EarthRadiusKm;
  e.deltaT = DeltaTSeconds(greatest.ut);
  Hit hit;
  if (!FirstHit(s.moon, s.axis, at, hit)) {
    NonCentral(e, s, NearestLimb(s, greatest));
    return e;
  }
  // The point of greatest eclipse: where the axis meets the Earth.
  e.type = CentralType(greatest, *CentralTypeAt(greatest));
  e.latitude = hit.ground.latitude, e.longitude = hit.ground.longitude;
  const LocalSolarEclipse there = SolarEclipseFrom(e, Place(e.latitude, e.longitude));
  e.magnitude = there.magnitude;
  e.centralDuration = there.duration;
  return e;
}

}  // namespace

std::optional<SolarEclipse> NextSolarEclipse(const Span& span) {
  const auto quick = [](const Instant& t) { return AxisDistance(t, QuickApparentGeocentric); };
  const auto misses = [](const Instant& rough) {
    const MoonShadow near = MoonShadowAt(rough, QuickApparentGeocentric);
    return Norm(near.closest) >= EarthRadiusKm + near.penumbra + QuickMarginKm;
  };
  return NextLunationEclipse(span, 0, quick, misses, [](const Instant& t) { return AxisDistance(t); },
                             SolarEclipseAt);
}

}  // namespace orbitas
