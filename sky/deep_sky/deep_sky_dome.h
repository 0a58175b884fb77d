#pragma once
// The deep-sky objects a picture draws: those above a place's horizon at
// an instant, as the sky dome shows them, and those inside a finder
// chart's field, projected as its stars are, each with its major axis as
// drawn there.
#include <span>
#include <string_view>
#include <vector>

#include "calendar/instant.h"
#include "sky/deep_sky/deep_sky_catalogue.h"
#include "sky/frames/place.h"
#include "sky/stars/finder_chart.h"

namespace orbitas {

// The Messier and Caldwell objects of magnitude magnitudeLimit or
// brighter (those without a magnitude are left out), in the catalogue's
// order, then each object of `extra` (designations as DeepSkyObjectNamed
// reads them) not among them yet, in extra's order; an unknown
// designation is skipped. Raises nothing.
std::vector<const DeepSkyObject*> MessierAndCaldwell(double magnitudeLimit,
                                                     std::span<const std::string_view> extra = {});

// The objects a chart shows: every Messier and Caldwell object, and the
// others of magnitude magnitudeLimit or brighter, in the catalogue's
// order. Raises nothing.
std::vector<const DeepSkyObject*> ChartObjects(double magnitudeLimit);

struct DeepSkyAbove {
  const DeepSkyObject* object;
  double altitude, azimuth;  // degrees, geometric, of date with aberration; azimuth from north through east
  // The horizon coordinates (degrees) of the point one degree from the
  // object along its major axis's position angle (along north when it has
  // none): a picture turns the axis onto its own projection with it.
  double axisAltitude, axisAzimuth;
};

// Those of objects whose geometric altitude from place at `at` (reads its
// TT for the aberration, its UT for the Earth's turning) is at least 0, in
// the order of objects. Raises nothing.
std::vector<DeepSkyAbove> DeepSkyObjectsAbove(std::span<const DeepSkyObject* const> objects, const Place& place,
                                              const Instant& at);

// ChartDeepSky, the object as a chart draws it, is finder_chart.h's.


// Those of objects whose centre projects inside the square of half-width
// half (chart degrees) about projection's centre, J2000 places as the
// chart's stars. In the order of objects. Raises nothing.
std::vector<ChartDeepSky> DeepSkyInField(std::span<const DeepSkyObject* const> objects,
                                         const ChartProjection& projection, double half);

}  // namespace orbitas
