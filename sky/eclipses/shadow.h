#pragma once
// What every eclipse and transit is measured by: a round body crossing a
// round disc as seen from one point (the Moon through the Earth's umbra
// or penumbra, the Moon over the Sun from a place, Mercury or Venus over
// the Sun from the Earth's centre), and the instants their edges touch.
#include <functional>
#include <optional>

#include "calendar/instant.h"
#include "sky/frames/vector.h"

namespace orbitas {

// A body crossing a disc, radians, as seen from one point.
struct DiscCrossing {
  double distance = 0;  // between the centres
  double disc = 0;      // the disc's radius: a shadow's section, or the Sun's
  double body = 0;      // the crossing body's radius
};

// Which touch of the two edges: from outside (the body begins to enter
// the disc, or has just left it), or from inside (the body wholly within
// the disc, or the disc wholly within the body).
enum class Touch { Outer, Inner };

// How far the body stands from that touch, radians: negative while the
// edges overlap past it, zero at it. Outer: distance − (disc + body);
// inner: distance − |disc − body|. Raises nothing.
double TouchGap(const DiscCrossing& crossing, Touch touch);

// The Earth's shadow at the Moon, seen from the Earth's centre, radians:
// its umbra and penumbra as discs, and the Moon's disc. The Earth is
// enlarged for its atmosphere by Danjon's rule, as NASA's Five Millennium
// Canon does: the Earth's radius by 1/85, so that the shadows' radii are
// 1.01 times the Moon's parallax (0.99834 of it for the Earth's mean
// figure) plus the Sun's parallax, less or plus the Sun's semidiameter.
struct EarthShadow {
  double distance = 0;         // of the Moon's centre from the shadow's axis
  double umbra = 0, penumbra = 0, moon = 0;
  DiscCrossing Umbra() const { return {distance, umbra, moon}; }
  DiscCrossing Penumbra() const { return {distance, penumbra, moon}; }
};

// The Earth's shadow from the Sun and the Moon (geocentric apparent, km).
// Raises nothing.
EarthShadow EarthShadowOf(const Vector& sun, const Vector& moon);

// The instant at which gap reaches zero on one side of greatest, before it
// or after it, within reach days, to the eclipse searches' precision; none
// when gap at greatest is not below zero (that touch never happens). What
// gap raises propagates.
std::optional<Instant> FindContact(const std::function<double(const Instant&)>& gap, const Instant& greatest,
                                   double reach, bool before);

}  // namespace orbitas
