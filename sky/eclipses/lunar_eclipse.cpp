#include <cmath>

#include "calendar/delta_t.h"
#include "sky/eclipses/apparent.h"
#include "sky/eclipses/eclipses.h"
#include "sky/eclipses/lunation.h"
#include "sky/search/toolkit.h"

namespace orbitas {
namespace {

// Danjon's enlargement of the Moon's parallax: the Earth's radius by 1/85,
// at its mean figure (0.99834).
constexpr double DanjonFactor = 1.01;

// The Earth's shadow at the Moon at an instant, radians.
struct Shadow {
  double distance;   // of the Moon's centre from the shadow's axis
  double umbra, penumbra, moon;
  Vector moonVector, offset;  // km: the Moon, and its centre less its projection on the axis
};

// The Earth's shadow at jd, from the reference's positions or, for a first
// rough search, the quick ones.
Shadow ShadowAt(double jd, Vector (*apparent)(Body, double) = ApparentGeocentric) {
  const Vector sun = apparent(Body::Sun, jd), moon = apparent(Body::Moon, jd);
  const Vector axis = Negated(sun);
  const double moonParallax = std::asin(EarthRadiusKm / Norm(moon));
  const double sunParallax = std::asin(EarthRadiusKm / Norm(sun));
  const double sunRadius = Semidiameter(SunRadiusKm, Norm(sun));
  Shadow s;
  s.distance = AngleBetween(moon, axis) / DegreesPerRadian;
  s.umbra = DanjonFactor * moonParallax + sunParallax - sunRadius;
  s.penumbra = DanjonFactor * moonParallax + sunParallax + sunRadius;
  s.moon = Semidiameter(MoonRatio * EarthRadiusKm, Norm(moon));
  s.moonVector = moon;
  const double along = Dot(moon, axis) / Norm(axis);
  for (int i = 0; i < 3; ++i) s.offset[i] = moon[i] - axis[i] / Norm(axis) * along;
  return s;
}

// The contact where the Moon's distance from the axis equals radius(s) +
// sign * moon, before (or after) greatest, within the search's reach.
std::optional<double> Contact(double greatest, bool before, double (*radius)(const Shadow&), double sign) {
  constexpr double Reach = 0.3;  // days: no phase lasts longer than 7 hours
  auto f = [&](double jd) {
    const Shadow s = ShadowAt(jd);
    return s.distance - (radius(s) + sign * s.moon);
  };
  if (f(greatest) >= 0) return std::nullopt;
  const double a = before ? greatest - Reach : greatest, b = before ? greatest : greatest + Reach;
  return FalsePosition(f, a, b, EclipsePrecision);
}

double Umbra(const Shadow& s) { return s.umbra; }
double Penumbra(const Shadow& s) { return s.penumbra; }

}  // namespace

std::optional<LunarEclipse> NextLunarEclipse(double after, double within) {
  for (double fullMoon = NextMeanPhase(after, 0.5); fullMoon < after + within; fullMoon += SynodicMonth) {
    if (!NearTheEcliptic(fullMoon)) continue;
    const double rough = BrentMinimum([](double jd) { return ShadowAt(jd, QuickApparentGeocentric).distance; },
                                       fullMoon - 1.2, fullMoon + 1.2, RoughPrecision);
    const Shadow near = ShadowAt(rough, QuickApparentGeocentric);
    if (near.distance >= near.penumbra + near.moon + QuickMarginRadians) continue;
    const double greatest = BrentMinimum([](double jd) { return ShadowAt(jd).distance; }, rough - RefineWindow,
                                          rough + RefineWindow, EclipsePrecision);
    if (greatest <= after) continue;
    const Shadow s = ShadowAt(greatest);
    if (s.distance >= s.penumbra + s.moon) continue;
    LunarEclipse e;
    e.greatest = greatest;
    e.umbralMagnitude = (s.umbra - s.distance + s.moon) / (2 * s.moon);
    e.penumbralMagnitude = (s.penumbra - s.distance + s.moon) / (2 * s.moon);
    e.type = e.umbralMagnitude >= 1 ? EclipseType::Total
             : e.umbralMagnitude > 0 ? EclipseType::Partial
                                     : EclipseType::Penumbral;
    const double sign = Dot(s.offset, NorthPole(greatest)) >= 0 ? 1 : -1;
    e.gamma = sign * Norm(s.offset) / EarthRadiusKm;
    e.p1 = Contact(greatest, true, Penumbra, 1), e.p4 = Contact(greatest, false, Penumbra, 1);
    e.u1 = Contact(greatest, true, Umbra, 1), e.u4 = Contact(greatest, false, Umbra, 1);
    e.u2 = Contact(greatest, true, Umbra, -1), e.u3 = Contact(greatest, false, Umbra, -1);
    e.deltaT = DeltaTSeconds(greatest);
    return e;
  }
  return std::nullopt;
}

}  // namespace orbitas
