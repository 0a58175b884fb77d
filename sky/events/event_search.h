#pragma once
// One search for each kind of the year's events, over a stretch of time:
// each runs on the method's positions, and again near each instant found
// on the reference's, whose instant goes beside it. The searches share
// the method's positions of the Earth and the Moon within a stretch.
#include <vector>

#include "sky/events/geometry.h"
#include "sky/events/phenomena.h"

namespace orbitas {

class EventSearch {
 public:
  explicit EventSearch(const ElementsTable& elements) : method_(elements) {}

  // Each returns the events of its kind with their time in span
  // (searched in UT: the method's Julian days as typed; the reference read
  // at TT), in the order found. body is a planet.
  // Conjunctions with the Sun (inferior and superior for Mercury and
  // Venus) and the oppositions of the outer planets.
  std::vector<Phenomenon> Conjunctions(Body body, const Span& span) const;
  // Mercury's and Venus's greatest elongations east and west.
  std::vector<Phenomenon> GreatestElongations(Body body, const Span& span) const;
  // Where the geocentric longitude stands still.
  std::vector<Phenomenon> Stations(Body body, const Span& span) const;
  // Perihelia and aphelia (of the Earth too).
  std::vector<Phenomenon> Apsides(Body body, const Span& span) const;
  // The least separations of two bodies seen from the Earth under limit
  // degrees; body may be the Moon.
  std::vector<Phenomenon> CloseApproaches(Body body, Body other, double limit, const Span& span) const;
  // New moon, first quarter, full moon and last quarter.
  std::vector<Phenomenon> MoonPhases(const Span& span) const;
  // The equinoxes and solstices.
  std::vector<Phenomenon> Seasons(const Span& span) const;

  // How many days the method's approach of p and q near t may stand from
  // the reference's: their errors over their relative speed.
  double ErrorDays(Body p, Body q, Instant at) const;

  // A new stretch: the kept positions are dropped.
  void NewStretch() const { method_.Forget(); }

 private:
  MethodGeometry method_;
  ReferenceGeometry reference_;
};

}  // namespace orbitas
