#pragma once
// When a planet rises, culminates and sets on one local day, found by
// following its positions through the day: in the sky as it is seen, or
// in the method's.
#include <optional>
#include <vector>

#include "ephemeris/elements.h"
#include "sky/bodies/body.h"
#include "sky/bodies/seen_sky.h"
#include "calendar/instant.h"
#include "sky/frames/place.h"
#include "sky/search/toolkit.h"

namespace orbitas {

// What did not happen on the day, in the order a report names them.
enum class DayMiss {
  NeverRises,       // below the horizon all day
  NeverSets,        // above it all day
  NoRiseThatDay,    // it rises on other days, not this one
  NoSetThatDay,
  NoTransitThatDay,
};

struct PlanetDay {
  Body body = Body::Mercury;
  std::optional<Instant> rise, transit, set;
  double transitAltitude = 0.0;              // degrees, when transit
  std::vector<DayMiss> misses;               // what did not happen that day
  // For NeverRises and NeverSets: how near the planet comes to the rising
  // altitude (degrees: its highest height below it, negative, or its
  // lowest above it).
  std::optional<double> margin;
};

// A body's height above its rising altitude (degrees) and its hour angle
// (hours, -12..12) at an instant.
struct HeightAndHour {
  double height, hourAngle;
};

// The first rising and setting (height through zero, up or down) and the
// first upper transit (hour angle through zero going up) of a body in
// span, its end included, and whether it stood above or below at any
// sample; sample(t), of an Instant, gives its HeightAndHour. Found from
// `samples` equal steps, each change narrowed below precision (days). What
// sample raises propagates.
struct HorizonPassages {
  std::optional<Instant> rise, transit, set;
  bool everAbove = false, everBelow = false;
};

template <typename Sample>
HorizonPassages FindHorizonPassages(Sample&& sample, const Span& span, int samples, double precision) {
  HorizonPassages found;
  auto at = [&](double ut) { return sample(Instant::FromUt(ut)); };
  const double start = span.from.ut, end = span.to.ut;
  double previous = start;
  HeightAndHour before = at(start);
  found.everAbove = before.height > 0, found.everBelow = before.height <= 0;
  auto below = [&](double ut) { return at(ut).height < 0; };
  auto east = [&](double ut) { return at(ut).hourAngle < 0; };
  auto narrowed = [&](auto& side, double a, double b) { return Instant::FromUt(NarrowChange(side, a, b, precision)); };
  for (int k = 1; k <= samples; ++k) {
    const double ut = start + (end - start) * k / samples;
    const HeightAndHour now = at(ut);
    found.everAbove = found.everAbove || now.height > 0;
    found.everBelow = found.everBelow || now.height <= 0;
    if (!found.rise && before.height <= 0 && now.height > 0) found.rise = narrowed(below, previous, ut);
    if (!found.set && before.height > 0 && now.height <= 0) found.set = narrowed(below, previous, ut);
    // The upper transit: the hour angle passes 0 going up (not the jump
    // from +12 h to -12 h at the lower one).
    if (!found.transit && before.hourAngle < 0 && now.hourAngle >= 0 && now.hourAngle - before.hourAngle < 6) {
      found.transit = narrowed(east, previous, ut);
    }
    previous = ut;
    before = now;
  }
  return found;
}

// The first rising, upper transit (hour angle 0) and setting of body (the
// Sun or a planet) in span from place, in the sky of model, each to within
// a millisecond. Rising and setting are where the geometric altitude
// crosses HorizonAltitude (the centre of a planet at the horizon's 34' of
// refraction), for the Sun SunsetAltitude (its upper limb), as almanacs
// give them. Raises the method's run-time errors (Pluto, or the method's
// sky, beyond its range).
PlanetDay ComputePlanetDay(const ElementsTable& elements, Body body, const Place& place, const Span& day,
                           SkyModel model = SkyModel::Seen);

// The same for the Moon (seen from the place, the top of its disc at the
// horizon's refraction). Raises nothing.
PlanetDay ComputeMoonDay(const Place& place, const Span& span);

}  // namespace orbitas
