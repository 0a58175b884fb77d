#include "sky/eclipses/eclipse_views.h"

#include <cmath>

#include "runtime/angle_units.h"
#include "sky/eclipses/apparent.h"
#include "sky/search/toolkit.h"

namespace orbitas {
namespace {

constexpr double ArcminutesPerRadian = 60 * DegreesPerRadian;

// b seen from a's direction on the tangent plane at a: x east, y north,
// arcminutes (gnomonic).
ViewPoint Offset(double time, const Vector& a, const Vector& b) {
  const double ra = std::atan2(a[1], a[0]), dec = std::atan2(a[2], std::hypot(a[0], a[1]));
  const Vector east{-std::sin(ra), std::cos(ra), 0};
  const Vector north{-std::sin(dec) * std::cos(ra), -std::sin(dec) * std::sin(ra), std::cos(dec)};
  const Vector bu{b[0] / Norm(b), b[1] / Norm(b), b[2] / Norm(b)}, au{a[0] / Norm(a), a[1] / Norm(a), a[2] / Norm(a)};
  const double along = Dot(bu, au);
  return {time, Dot(bu, east) / along * ArcminutesPerRadian, Dot(bu, north) / along * ArcminutesPerRadian};
}

ViewPoint MoonFromShadow(double jd) {
  return Offset(jd, Negated(ApparentGeocentric(Body::Sun, jd)), ApparentGeocentric(Body::Moon, jd));
}

}  // namespace

LunarEclipseView LunarEclipseViewOf(const LunarEclipse& e, double stepMinutes) {
  LunarEclipseView view;
  const Vector sun = ApparentGeocentric(Body::Sun, e.greatest), moon = ApparentGeocentric(Body::Moon, e.greatest);
  const double moonParallax = std::asin(EarthRadiusKm / Norm(moon)), sunParallax = std::asin(EarthRadiusKm / Norm(sun));
  const double sunRadius = Semidiameter(SunRadiusKm, Norm(sun));
  view.umbra = (1.01 * moonParallax + sunParallax - sunRadius) * ArcminutesPerRadian;
  view.penumbra = (1.01 * moonParallax + sunParallax + sunRadius) * ArcminutesPerRadian;
  view.moon = Semidiameter(MoonRatio * EarthRadiusKm, Norm(moon)) * ArcminutesPerRadian;
  const double margin = 20.0 / 1440, step = stepMinutes / 1440;
  for (double t = *e.p1 - margin; t <= *e.p4 + margin; t += step) view.path.push_back(MoonFromShadow(t));
  const std::pair<std::string_view, std::optional<double>> contacts[] = {
      {"P1", e.p1}, {"U1", e.u1}, {"U2", e.u2}, {"maximum", e.greatest}, {"U3", e.u3}, {"U4", e.u4}, {"P4", e.p4}};
  for (const auto& [name, t] : contacts) {
    if (t) view.contacts.push_back({name, MoonFromShadow(*t)});
  }
  return view;
}

SolarEclipseView SolarEclipseViewOf(const LocalSolarEclipse& local, const Place& place) {
  SolarEclipseView view;
  auto at = [&](std::string_view name, double jd) {
    const Vector observer = PlaceVector(place, jd);
    const Vector sun = Minus(ApparentGeocentric(Body::Sun, jd), observer);
    const Vector moon = Minus(ApparentGeocentric(Body::Moon, jd), observer);
    const AltitudeAzimuth s = HorizonOf(place, jd, sun), m = HorizonOf(place, jd, moon);
    // Along the horizon to the left (towards smaller azimuth) and up.
    const double dz = Wrapped(s.azimuth - m.azimuth);
    if (name == "maximum") {
      view.sun = Semidiameter(SunRadiusKm, Norm(sun)) * ArcminutesPerRadian;
      view.moon = Semidiameter(MoonRatio * EarthRadiusKm, Norm(moon)) * ArcminutesPerRadian;
      view.sunAltitude = s.altitude;
    }
    view.moons.push_back({name, {jd, dz * std::cos(s.altitude / DegreesPerRadian) * 60, (m.altitude - s.altitude) * 60}});
  };
  if (local.c1) at("C1", *local.c1);
  at("maximum", local.maximum);
  if (local.c4) at("C4", *local.c4);
  return view;
}

}  // namespace orbitas
