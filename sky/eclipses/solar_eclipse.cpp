#include <cmath>

#include "calendar/delta_t.h"
#include "sky/eclipses/apparent.h"
#include "sky/eclipses/eclipses.h"
#include "sky/eclipses/lunation.h"
#include "sky/search/toolkit.h"

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

MoonShadow MoonShadowAt(double jd) {
  const Vector sun = ApparentGeocentric(Body::Sun, jd), moon = ApparentGeocentric(Body::Moon, jd);
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

double AxisDistance(double jd) { return Norm(MoonShadowAt(jd).closest); }

// Total or annular where the axis meets the Earth at jd, if it does.
std::optional<EclipseType> CentralTypeAt(double jd) {
  const MoonShadow s = MoonShadowAt(jd);
  Hit hit;
  if (!FirstHit(s.moon, s.axis, jd, hit)) return std::nullopt;
  return Norm(Minus(hit.point, s.moon)) < s.umbraLength ? EclipseType::Total : EclipseType::Annular;
}

// The first or last instant (before or after greatest) at which the axis
// touches the Earth.
double CentralEnd(double greatest, bool before) {
  constexpr double Reach = 0.25;  // days: a central path lasts at most some 4 hours
  auto touches = [](double jd) { return CentralTypeAt(jd).has_value() ? -1.0 : 1.0; };
  const double a = before ? greatest - Reach : greatest, b = before ? greatest : greatest + Reach;
  return Bisect(touches, a, b, EclipsePrecision);
}

void Classify(SolarEclipse& e, const MoonShadow& s) {
  const std::optional<EclipseType> middle = CentralTypeAt(e.greatest);
  if (!middle) {
    // The axis misses the Earth: an eclipse whose umbra (or antumbra)
    // still grazes it, or a partial one.
    const double reach = Norm(s.closest) - EarthRadiusKm;
    e.type = reach < std::fabs(s.umbra) ? (s.umbra < 0 ? EclipseType::Total : EclipseType::Annular) : EclipseType::Partial;
    return;
  }
  e.type = *middle;
  const double margin = 10.0 / SecondsPerDay;
  for (const bool before : {true, false}) {
    const double end = CentralEnd(e.greatest, before) + (before ? margin : -margin);
    const std::optional<EclipseType> there = CentralTypeAt(end);
    if (there && *there != *middle) e.type = EclipseType::Hybrid;
  }
}

}  // namespace

std::optional<SolarEclipse> NextSolarEclipse(double after, double within) {
  for (double newMoon = NextMeanPhase(after, 0); newMoon < after + within; newMoon += SynodicMonth) {
    if (!NearTheEcliptic(newMoon)) continue;
    const double greatest = GoldenSection([](double jd) { return -AxisDistance(jd); }, newMoon - 1.2, newMoon + 1.2,
                                          EclipsePrecision);
    if (greatest <= after) continue;
    const MoonShadow s = MoonShadowAt(greatest);
    if (Norm(s.closest) >= EarthRadiusKm + s.penumbra) continue;
    SolarEclipse e;
    e.greatest = greatest;
    const double sign = Dot(s.closest, NorthPole(greatest)) >= 0 ? 1 : -1;
    e.gamma = sign * Norm(s.closest) / EarthRadiusKm;
    Classify(e, s);
    // The point of greatest eclipse: where the axis meets the Earth, or
    // the point of the Earth nearest the axis.
    Hit hit;
    Place point;
    if (FirstHit(s.moon, s.axis, greatest, hit)) {
      point = Place(hit.ground.latitude, hit.ground.longitude);
    } else {
      Vector nearest;
      for (int i = 0; i < 3; ++i) nearest[i] = s.closest[i] / Norm(s.closest) * EarthRadiusKm;
      const GroundPoint g = GroundOf(nearest, greatest);
      point = Place(g.latitude, g.longitude);
    }
    e.latitude = point.latitude, e.longitude = point.longitude;
    e.deltaT = DeltaTSeconds(greatest);
    const LocalSolarEclipse there = SolarEclipseFrom(e, point);
    e.magnitude = there.magnitude;
    if (e.type != EclipseType::Partial) e.centralDuration = there.duration;
    return e;
  }
  return std::nullopt;
}

}  // namespace orbitas
