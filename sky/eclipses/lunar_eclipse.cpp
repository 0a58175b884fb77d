#include <cmath>

#include "calendar/delta_t.h"
#include "sky/bodies/apparent.h"
#include "sky/frames/earth_turning.h"
#include "sky/eclipses/radii.h"
#include "sky/eclipses/eclipses.h"
#include "sky/eclipses/lunation.h"
#include "sky/eclipses/shadow.h"
#include "sky/search/toolkit.h"

namespace orbitas {
namespace {

// The Earth's shadow at the Moon at an instant, with the Moon's centre
// less its projection on the shadow's axis (km), for gamma.
struct ShadowAndMoon {
  EarthShadow shadow;
  Vector offset;
};

// The Earth's shadow at `at`, from the reference's positions or, for a
// first rough search, the quick ones.
ShadowAndMoon ShadowAt(const Instant& at, Vector (*apparent)(Body, const Instant&) = ApparentGeocentric) {
  const Vector sun = apparent(Body::Sun, at), moon = apparent(Body::Moon, at);
  const Vector axis = Negated(sun);
  ShadowAndMoon s{EarthShadowOf(sun, moon), {}};
  const double along = Dot(moon, axis) / Norm(axis);
  for (int i = 0; i < 3; ++i) s.offset[i] = moon[i] - axis[i] / Norm(axis) * along;
  return s;
}

double DistanceAt(const Instant& t) { return ShadowAt(t).shadow.distance; }

// The contacts before and after greatest, in time order, with it.
ContactList LunarContacts(const Instant& greatest) {
  constexpr double Reach = 0.3;  // days: no phase lasts longer than 7 hours
  ContactList found;
  auto add = [&](Contact kind, DiscCrossing (EarthShadow::*disc)() const, Touch touch, bool before) {
    const auto gap = [&](const Instant& t) { return TouchGap((ShadowAt(t).shadow.*disc)(), touch); };
    if (const std::optional<Instant> t = FindContact(gap, greatest, Reach, before)) found.push_back({kind, *t, std::nullopt});
  };
  add(Contact::P1, &EarthShadow::Penumbra, Touch::Outer, true);
  add(Contact::U1, &EarthShadow::Umbra, Touch::Outer, true);
  add(Contact::U2, &EarthShadow::Umbra, Touch::Inner, true);
  found.push_back({Contact::Greatest, greatest, std::nullopt});
  add(Contact::U3, &EarthShadow::Umbra, Touch::Inner, false);
  add(Contact::U4, &EarthShadow::Umbra, Touch::Outer, false);
  add(Contact::P4, &EarthShadow::Penumbra, Touch::Outer, false);
  return found;
}

// The lunar eclipse whose greatest instant is greatest, if the Moon
// touches the penumbra then at all.
std::optional<LunarEclipse> LunarEclipseAt(const Instant& greatest) {
  const ShadowAndMoon there = ShadowAt(greatest);
  const EarthShadow& s = there.shadow;
  if (s.distance >= s.penumbra + s.moon) return std::nullopt;
  LunarEclipse e;
  e.greatest = greatest;
  e.umbralMagnitude = (s.umbra - s.distance + s.moon) / (2 * s.moon);
  e.penumbralMagnitude = (s.penumbra - s.distance + s.moon) / (2 * s.moon);
  e.type = e.umbralMagnitude >= 1 ? EclipseType::Total
           : e.umbralMagnitude > 0 ? EclipseType::Partial
                                   : EclipseType::Penumbral;
  const double sign = Dot(there.offset, NorthPole(e.greatest)) >= 0 ? 1 : -1;
  e.gamma = sign * Norm(there.offset) / EarthRadiusKm;
  e.contacts = LunarContacts(greatest);
  e.deltaT = DeltaTSeconds(greatest.ut);
  return e;
}

}  // namespace

std::optional<LunarEclipse> NextLunarEclipse(const Span& span) {
  const auto quick = [](const Instant& t) { return ShadowAt(t, QuickApparentGeocentric).shadow.distance; };
  const auto misses = [](const Instant& rough) {
    const EarthShadow near = ShadowAt(rough, QuickApparentGeocentric).shadow;
    return near.distance >= near.penumbra + near.moon + QuickMarginRadians;
  };
  return NextLunationEclipse(span, 0.5, quick, misses, DistanceAt, LunarEclipseAt);
}

}  // namespace orbitas
