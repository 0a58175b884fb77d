#pragma once
// The year at a glance from a place: for each night (local noon to the
// next local noon), when the Sun crosses the altitudes of sunset and of
// the three twilights, when each planet rises, culminates and sets and how
// far it stands from the Sun, and when the Moon rises and sets and how
// much of it is lit. Times to half a minute, enough for a chart of a year;
// the night's own page (ComputeNight) has them to the millisecond with
// their errors.
#include <array>
#include <optional>
#include <vector>

#include "ephemeris/elements.h"
#include "sky/bodies/body.h"
#include "sky/frames/horizon.h"
#include "calendar/instant.h"
#include "sky/frames/place.h"
#include "sky/night/night.h"

namespace orbitas {

// When a body rises, culminates (hour angle 0) and sets in a night; each
// absent when it does not happen in the night.
struct BodyCrossings {
  std::optional<Instant> rise, transit, set;
};

struct YearNight {
  Span span;  // local noon to the next local noon
  // For each altitude of TwilightLimits: when the Sun goes below it in
  // the evening and comes back above it in the morning, and whether it
  // stays below it all night (polar night) or above it (midnight sun).
  std::array<std::optional<Instant>, 4> dusk, dawn;
  std::array<bool, 4> alwaysBelow{}, alwaysAbove{};
  std::vector<BodyCrossings> planets;  // one a planet, in the order asked
  std::vector<double> elongations;     // degrees from the Sun at midnight, one a planet
  BodyCrossings moon;
  double moonIlluminated = 0.0;        // the lit fraction at midnight, 0..1
  double moonLongitudeFromSun = 0.0;   // degrees, 0..360: 0 new, 180 full
};

// The night of span (a day) from place, for planets (the
// method's positions and horizon at UT; the Sun the method's too; the Moon
// ERFA's, at TT). Raises the method's run-time errors.
YearNight ComputeYearNight(const ElementsTable& elements, const Place& place, const Span& span,
                           const std::vector<Body>& planets);

}  // namespace orbitas
