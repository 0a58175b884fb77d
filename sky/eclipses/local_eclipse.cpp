#include <algorithm>
#include <cmath>

#include "sky/bodies/apparent.h"
#include "sky/frames/earth_turning.h"
#include "sky/eclipses/radii.h"
#include "sky/eclipses/eclipses.h"
#include "sky/eclipses/lunation.h"
#include "sky/eclipses/shadow.h"
#include "sky/search/over_time.h"

namespace orbitas {
namespace {

// The Sun and the Moon seen from a place at an instant, radians.
struct Discs {
  double distance;       // between the centres
  double sun, moon;      // semidiameters (the Moon's mean)
  double moonUmbral;     // the Moon's, to its limb's valleys
  Vector sunFromPlace;
  // The Moon over the Sun: its mean disc for the partial phase's edges, its
  // valleys' for the total or annular phase's.
  DiscCrossing Partial() const { return {distance, sun, moon}; }
  DiscCrossing Central() const { return {distance, sun, moonUmbral}; }
};

Discs DiscsFrom(const Place& place, const Instant& at) {
  const Vector observer = PlaceVector(place, at);
  const Vector sun = Minus(ApparentGeocentric(Body::Sun, at), observer);
  const Vector moon = Minus(ApparentGeocentric(Body::Moon, at), observer);
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

ContactSky SunAt(const Place& place, const Instant& at) {
  const AltitudeAzimuth h = HorizonOf(place, at, DiscsFrom(place, at).sunFromPlace);
  return {h.altitude, h.azimuth};
}

}  // namespace

LocalSolarEclipse SolarEclipseFrom(const SolarEclipse& eclipse, const Place& place) {
  constexpr double Reach = 0.25;  // days either side of the greatest eclipse
  LocalSolarEclipse local;
  const Instant maximum = LeastWithin([&](const Instant& t) { return DiscsFrom(place, t).distance; },
                                      Around(eclipse.greatest, Reach, Reach), EclipsePrecision);
  const Discs m = DiscsFrom(place, maximum);
  local.contacts.push_back({Contact::Greatest, maximum, SunAt(place, maximum)});
  if (TouchGap(m.Partial(), Touch::Outer) >= 0) {
    local.miss = LocalMiss::OutsidePenumbra;
    return local;
  }
  auto add = [&](Contact kind, DiscCrossing (Discs::*crossing)() const, Touch touch, bool before) {
    const auto gap = [&](const Instant& t) { return TouchGap((DiscsFrom(place, t).*crossing)(), touch); };
    const std::optional<Instant> t = FindContact(gap, maximum, Reach, before);
    if (!t) return;
    const ContactEvent event{kind, *t, SunAt(place, *t)};
    local.contacts.insert(before ? local.contacts.begin() : local.contacts.end(), event);
  };
  const bool central = TouchGap(m.Central(), Touch::Inner) < 0;
  if (central) add(Contact::C2, &Discs::Central, Touch::Inner, true), add(Contact::C3, &Discs::Central, Touch::Inner, false);
  add(Contact::C1, &Discs::Partial, Touch::Outer, true), add(Contact::C4, &Discs::Partial, Touch::Outer, false);
  if (central) {
    local.duration = SecondsBetween(local.contacts, Contact::C2, Contact::C3);
    local.type = m.moonUmbral > m.sun ? EclipseType::Total : EclipseType::Annular;
    local.magnitude = m.moon / m.sun;
  } else {
    local.type = EclipseType::Partial;
    local.magnitude = (m.sun + m.moon - m.distance) / (2 * m.sun);
  }
  local.obscuration = Obscuration(m.sun, m.moon, m.distance);
  const bool risesOrSets = std::any_of(local.contacts.begin(), local.contacts.end(), [](const ContactEvent& c) {
    return (c.kind == Contact::C1 || c.kind == Contact::Greatest || c.kind == Contact::C4) && c.sky->altitude >= 0;
  });
  if (!risesOrSets) {
    local.miss = LocalMiss::SunBelowHorizon;
    local.type.reset();
  }
  return local;
}

LocalLunarEclipse LunarEclipseFrom(const LunarEclipse& eclipse, const Place& place) {
  LocalLunarEclipse local;
  for (const ContactEvent& contact : eclipse.contacts) {
    const Instant at = contact.time;
    const Vector moon = Minus(ApparentGeocentric(Body::Moon, at), PlaceVector(place, at));
    const AltitudeAzimuth h = HorizonOf(place, at, moon);
    local.visible = local.visible || h.altitude > 0;
    local.contacts.push_back({contact.kind, contact.time, ContactSky{h.altitude, h.azimuth}});
  }
  return local;
}

}  // namespace orbitas
