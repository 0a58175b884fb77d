#include "sky/eclipses/eclipse_views.h"

#include <cmath>

#include "runtime/angle_units.h"
#include "sky/bodies/apparent.h"
#include "sky/frames/earth_turning.h"
#include "sky/eclipses/radii.h"
#include "sky/eclipses/shadow.h"
#include "sky/search/toolkit.h"

namespace orbitas {
namespace {

constexpr double ArcminutesPerRadian = 60 * DegreesPerRadian;

// b seen from a's direction on the tangent plane at a: x east, y north,
// arcminutes (gnomonic).
ViewPoint Offset(const Instant& time, const Vector& a, const Vector& b) {
  const double ra = std::atan2(a[1], a[0]), dec = std::atan2(a[2], std::hypot(a[0], a[1]));
  const Vector east{-std::sin(ra), std::cos(ra), 0};
  const Vector north{-std::sin(dec) * std::cos(ra), -std::sin(dec) * std::sin(ra), std::cos(dec)};
  const Vector bu{b[0] / Norm(b), b[1] / Norm(b), b[2] / Norm(b)}, au{a[0] / Norm(a), a[1] / Norm(a), a[2] / Norm(a)};
  const double along = Dot(bu, au);
  return {time, Dot(bu, east) / along * ArcminutesPerRadian, Dot(bu, north) / along * ArcminutesPerRadian};
}

ViewPoint MoonFromShadow(const Instant& at) {
  return Offset(at, Negated(ApparentGeocentric(Body::Sun, at)), ApparentGeocentric(Body::Moon, at));
}

}  // namespace

LunarEclipseView LunarEclipseViewOf(const LunarEclipse& e, double stepMinutes) {
  LunarEclipseView view;
  const Instant greatest = e.greatest;
  const EarthShadow shadow = EarthShadowOf(ApparentGeocentric(Body::Sun, greatest), ApparentGeocentric(Body::Moon, greatest));
  view.umbra = shadow.umbra * ArcminutesPerRadian;
  view.penumbra = shadow.penumbra * ArcminutesPerRadian;
  view.moon = shadow.moon * ArcminutesPerRadian;
  const double margin = 20.0 / 1440, step = stepMinutes / 1440;
  const double first = ContactTime(e.contacts, Contact::P1)->ut, last = ContactTime(e.contacts, Contact::P4)->ut;
  for (double t = first - margin; t <= last + margin; t += step) view.path.push_back(MoonFromShadow(Instant::FromUt(t)));
  for (const ContactEvent& c : e.contacts) view.contacts.push_back({c.kind, MoonFromShadow(c.time)});
  return view;
}

SolarEclipseView SolarEclipseViewOf(const LocalSolarEclipse& local, const Place& place) {
  SolarEclipseView view;
  for (const ContactEvent& c : local.contacts) {
    if (c.kind == Contact::C2 || c.kind == Contact::C3) continue;
    const Instant at = c.time;
    const Vector observer = PlaceVector(place, at);
    const Vector sun = Minus(ApparentGeocentric(Body::Sun, at), observer);
    const Vector moon = Minus(ApparentGeocentric(Body::Moon, at), observer);
    const AltitudeAzimuth s = HorizonOf(place, at, sun), m = HorizonOf(place, at, moon);
    // Along the horizon to the left (towards smaller azimuth) and up.
    const double dz = Wrapped(s.azimuth - m.azimuth);
    if (c.kind == Contact::Greatest) {
      view.sun = Semidiameter(SunRadiusKm, Norm(sun)) * ArcminutesPerRadian;
      view.moon = Semidiameter(MoonRatio * EarthRadiusKm, Norm(moon)) * ArcminutesPerRadian;
      view.sunAltitude = s.altitude;
    }
    view.moons.push_back({c.kind, {at, dz * std::cos(s.altitude / DegreesPerRadian) * 60, (m.altitude - s.altitude) * 60}});
  }
  return view;
}

}  // namespace orbitas
