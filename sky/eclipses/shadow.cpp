#include "sky/eclipses/shadow.h"

#include <cmath>

#include "sky/bodies/apparent.h"
#include "sky/frames/earth_turning.h"
#include "sky/eclipses/radii.h"
#include "sky/eclipses/lunation.h"
#include "sky/search/over_time.h"

namespace orbitas {
namespace {

// Danjon's enlargement of the Moon's parallax: the Earth's radius by 1/85,
// at its mean figure (0.99834).
constexpr double DanjonFactor = 1.01;

}  // namespace

double TouchGap(const DiscCrossing& c, Touch touch) {
  return touch == Touch::Outer ? c.distance - (c.disc + c.body) : c.distance - std::fabs(c.disc - c.body);
}

EarthShadow EarthShadowOf(const Vector& sun, const Vector& moon) {
  const Vector axis = Negated(sun);
  const double moonParallax = std::asin(EarthRadiusKm / Norm(moon));
  const double sunParallax = std::asin(EarthRadiusKm / Norm(sun));
  const double sunRadius = Semidiameter(SunRadiusKm, Norm(sun));
  EarthShadow s;
  s.distance = AngleBetween(moon, axis) / DegreesPerRadian;
  s.umbra = DanjonFactor * moonParallax + sunParallax - sunRadius;
  s.penumbra = DanjonFactor * moonParallax + sunParallax + sunRadius;
  s.moon = Semidiameter(MoonRatio * EarthRadiusKm, Norm(moon));
  return s;
}

std::optional<Instant> FindContact(const std::function<double(const Instant&)>& gap, const Instant& greatest,
                                   double reach, bool before) {
  if (gap(greatest) >= 0) return std::nullopt;
  const Span within = before ? Around(greatest, reach, 0) : Around(greatest, 0, reach);
  // No change of sign within reach: the touch, if any, is farther away.
  if (gap(before ? within.from : within.to) < 0) return std::nullopt;
  return ZeroWithin(gap, within, EclipsePrecision);
}

}  // namespace orbitas
