#include <cmath>

#include "sky/eclipses/apparent.h"
#include "sky/eclipses/eclipses.h"
#include "sky/eclipses/lunation.h"
#include "sky/search/toolkit.h"

namespace orbitas {
namespace {

// The Sun and the Moon seen from a place at an instant, radians.
struct Discs {
  double distance;       // between the centres
  double sun, moon;      // semidiameters (the Moon's mean)
  double moonUmbral;     // the Moon's, to its limb's valleys
  Vector sunFromPlace;
};

Discs DiscsFrom(const Place& place, double jd) {
  const Vector observer = PlaceVector(place, jd);
  const Vector sun = Minus(ApparentGeocentric(Body::Sun, jd), observer);
  const Vector moon = Minus(ApparentGeocentric(Body::Moon, jd), observer);
  return {AngleBetween(sun, moon) / DegreesPerRadian, Semidiameter(SunRadiusKm, Norm(sun)),
          Semidiameter(MoonRatio * EarthRadiusKm, Norm(moon)), Semidiameter(MoonUmbralRatio * EarthRadiusKm, Norm(moon)),
          sun};
}

// The covered fraction of the Sun's disc: the overlap of two circles of
// radii r (the Sun) and m at distance d, over the Sun's area.
double Obscuration(double r, double m, double d) {
  if (d >= r + m) return 0;
  if (d <= std::fabs(r - m)) return m >= r ? 1 : (m * m) / (r * r);
  const double a = std::acos((d * d + r * r - m * m) / (2 * d * r)), b = std::acos((d * d + m * m - r * r) / (2 * d * m));
  const double overlap = r * r * a + m * m * b - 0.5 * std::sqrt((-d + r + m) * (d + r - m) * (d - r + m) * (d + r + m));
  return overlap / (ExactPi * r * r);
}

ContactSky SunAt(const Place& place, double jd) {
  const AltitudeAzimuth h = HorizonOf(place, jd, DiscsFrom(place, jd).sunFromPlace);
  return {h.altitude, h.azimuth};
}

}  // namespace

LocalSolarEclipse SolarEclipseFrom(const SolarEclipse& eclipse, const Place& place) {
  constexpr double Reach = 0.25;  // days either side of the greatest eclipse
  LocalSolarEclipse local;
  local.maximum = BrentMinimum([&](double jd) { return DiscsFrom(place, jd).distance; }, eclipse.greatest - Reach,
                                eclipse.greatest + Reach, EclipsePrecision);
  const Discs m = DiscsFrom(place, local.maximum);
  local.sunMaximum = SunAt(place, local.maximum);
  if (m.distance >= m.sun + m.moon) {
    local.miss = LocalMiss::OutsidePenumbra;
    return local;
  }
  auto outer = [&](double jd) { const Discs d = DiscsFrom(place, jd); return d.distance - (d.sun + d.moon); };
  auto inner = [&](double jd) { const Discs d = DiscsFrom(place, jd); return d.distance - std::fabs(d.sun - d.moonUmbral); };
  local.c1 = FalsePosition(outer, local.maximum - Reach, local.maximum, EclipsePrecision);
  local.c4 = FalsePosition(outer, local.maximum, local.maximum + Reach, EclipsePrecision);
  const bool central = m.distance < std::fabs(m.sun - m.moonUmbral);
  if (central) {
    local.c2 = FalsePosition(inner, local.maximum - Reach, local.maximum, EclipsePrecision);
    local.c3 = FalsePosition(inner, local.maximum, local.maximum + Reach, EclipsePrecision);
    local.duration = (*local.c3 - *local.c2) * SecondsPerDay;
    local.type = m.moonUmbral > m.sun ? EclipseType::Total : EclipseType::Annular;
    local.magnitude = m.moon / m.sun;
  } else {
    local.type = EclipseType::Partial;
    local.magnitude = (m.sun + m.moon - m.distance) / (2 * m.sun);
  }
  local.obscuration = Obscuration(m.sun, m.moon, m.distance);
  local.sunC1 = SunAt(place, *local.c1), local.sunC4 = SunAt(place, *local.c4);
  if (local.c2) local.sunC2 = SunAt(place, *local.c2), local.sunC3 = SunAt(place, *local.c3);
  if (local.sunC1->altitude < 0 && local.sunC4->altitude < 0 && local.sunMaximum.altitude < 0) {
    local.miss = LocalMiss::SunBelowHorizon;
    local.type.reset();
  }
  return local;
}

LocalLunarEclipse LunarEclipseFrom(const LunarEclipse& eclipse, const Place& place) {
  LocalLunarEclipse local;
  auto moonAt = [&](double jd) {
    const Vector moon = Minus(ApparentGeocentric(Body::Moon, jd), PlaceVector(place, jd));
    const AltitudeAzimuth h = HorizonOf(place, jd, moon);
    local.visible = local.visible || h.altitude > 0;
    return ContactSky{h.altitude, h.azimuth};
  };
  auto at = [&](const std::optional<double>& t) { return t ? std::optional<ContactSky>(moonAt(*t)) : std::nullopt; };
  local.p1 = at(eclipse.p1), local.u1 = at(eclipse.u1), local.u2 = at(eclipse.u2);
  local.u3 = at(eclipse.u3), local.u4 = at(eclipse.u4), local.p4 = at(eclipse.p4);
  local.greatest = moonAt(eclipse.greatest);
  return local;
}

}  // namespace orbitas
