#include <cmath>

#include "calendar/delta_t.h"
#include "sky/bodies/apparent.h"
#include "sky/frames/earth_turning.h"
#include "sky/eclipses/radii.h"
#include "sky/eclipses/eclipses.h"
#include "sky/eclipses/lunation.h"
#include "sky/eclipses/shadow.h"
#include "sky/search/over_time.h"

namespace orbitas {
namespace {

// The planets' radii, km (IAU).
double PlanetRadiusKm(Body planet) { return planet == Body::Mercury ? 2439.7 : 6051.8; }

struct Passage {
  double distance, sun, planet;  // radians
  bool inFront;                  // nearer than the Sun: an inferior conjunction, not a superior one
};

// The planet and the Sun at `at`, from the reference's positions or, for
// the walk and a first rough search, as seen from the Earth-Moon
// barycentre.
Passage PassageAt(Body planet, const Instant& at, Vector (*apparent)(Body, const Instant&) = ApparentGeocentric) {
  const Vector sun = apparent(Body::Sun, at), p = apparent(planet, at);
  return {AngleBetween(sun, p) / DegreesPerRadian, Semidiameter(SunRadiusKm, Norm(sun)),
          Semidiameter(PlanetRadiusKm(planet), Norm(p)), Norm(p) < Norm(sun)};
}

// The contacts before and after greatest, in time order, with it.
ContactList TransitContacts(Body planet, const Instant& greatest) {
  constexpr double Reach = 0.5;  // days: a transit of Venus lasts at most some 8 hours
  auto gap = [planet](Touch touch) {
    return [planet, touch](const Instant& t) {
      const Passage c = PassageAt(planet, t);
      return TouchGap({c.distance, c.sun, c.planet}, touch);
    };
  };
  ContactList found;
  auto add = [&](Contact kind, Touch touch, bool before) {
    if (const std::optional<Instant> t = FindContact(gap(touch), greatest, Reach, before)) found.push_back({kind, *t, std::nullopt});
  };
  add(Contact::T1, Touch::Outer, true);
  add(Contact::T2, Touch::Inner, true);
  found.push_back({Contact::Greatest, greatest, std::nullopt});
  add(Contact::T3, Touch::Inner, false);
  add(Contact::T4, Touch::Outer, false);
  return found;
}

// The transit whose planet passes nearest the Sun's centre at greatest,
// if the discs touch then at all.
std::optional<Transit> TransitAt(Body planet, const Instant& greatest) {
  const Passage c = PassageAt(planet, greatest);
  if (!c.inFront || c.distance >= c.sun + c.planet) return std::nullopt;
  Transit t;
  t.body = planet;
  t.greatest = greatest;
  t.separation = c.distance * DegreesPerRadian * 3600;
  t.contacts = TransitContacts(planet, greatest);
  t.deltaT = DeltaTSeconds(greatest.ut);
  return t;
}

}  // namespace

std::optional<Transit> NextTransit(Body planet, const Span& span) {
  // Stride through the days while the planet is far from the Sun, then
  // find the least distance near each close passage. How fast the planet
  // can close on the Sun, degrees a day: Venus's 1.6 and Mercury's 4 near
  // inferior conjunction, with a margin.
  constexpr double NearDegrees = 2.0, ShortestStride = 0.5;  // degrees, days
  const double fastestDegreesPerDay = planet == Body::Mercury ? 4.5 : 2.0;
  Passage near{};  // the passage where the stride stopped: its last call
  const auto apart = [&](const Instant& t) {
    near = PassageAt(planet, t, BarycentricApparent);
    return near.distance * DegreesPerRadian;
  };
  Instant walked = span.from;
  while (const std::optional<Instant> close = StrideUntilWithin(apart, {walked, span.to}, NearDegrees,
                                                                fastestDegreesPerDay, ShortestStride)) {
    // Beyond the Sun (a superior conjunction) there is no transit.
    if (!near.inFront) {
      walked = close->After(3);
      continue;
    }
    const Instant rough = LeastWithin([&](const Instant& t) { return PassageAt(planet, t, BarycentricApparent).distance; },
                                      Around(*close, 1, 2), RoughPrecision);
    const Passage roughly = PassageAt(planet, rough, BarycentricApparent);
    if (roughly.distance >= roughly.sun + roughly.planet + QuickMarginRadians) {
      walked = rough.After(3);  // past this passage
      continue;
    }
    const Instant greatest = LeastWithin([&](const Instant& t) { return PassageAt(planet, t).distance; },
                                         Around(rough, RefineWindow, RefineWindow), EclipsePrecision);
    if (greatest > span.from) {
      if (std::optional<Transit> t = TransitAt(planet, greatest)) return t;
    }
    walked = greatest.After(3);  // past this passage
  }
  return std::nullopt;
}

}  // namespace orbitas
