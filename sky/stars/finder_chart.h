#pragma once
// A finder chart: a square field of the sky around a planet, such as one
// prints to take outside. Everything is projected stereographically onto
// the plane tangent at the field's centre, in degrees at the centre's
// scale: x grows towards the east, y towards the north (the picture draws
// east on the left, as the sky is seen). Directions are in the J2000 frame,
// the catalogue's and the method's own. A chart may instead be centred on
// a fixed direction (a deep-sky object): it then has no path and no
// method's place.
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "calendar/instant.h"
#include "ephemeris/elements.h"
#include "sky/bodies/body.h"
#include "sky/frames/place.h"
#include "sky/stars/stars.h"

namespace orbitas {

struct DeepSkyObject;  // sky/deep_sky/deep_sky_catalogue.h

using ChartPoint = std::pair<double, double>;  // (x, y), degrees on the chart

struct ChartProjection {
  double centreRightAscension;  // hours
  double centreDeclination;     // degrees

  // The chart point of the direction (rightAscensionHours, hours;
  // declinationDegrees, degrees): 2 tan(c/2) in degrees for a direction c
  // from the centre, along its position angle. None for a direction more
  // than 120 degrees from the centre, where the projection runs away.
  // Raises nothing.
  std::optional<ChartPoint> Project(double rightAscensionHours, double declinationDegrees) const;
};

struct ChartStar {
  const Star* star;
  ChartPoint at;
};

struct ChartFigure {
  std::string_view constellation;                  // IAU three letters
  std::vector<std::pair<ChartPoint, ChartPoint>> lines;  // every line with an end in the field
  ChartPoint label;                                // the mean of its stars in the field
};

struct ChartGridLine {
  bool ofRightAscension;                  // a line of constant right ascension (else of declination)
  double value;                           // hours or degrees
  std::vector<std::vector<ChartPoint>> pieces;  // the line within the field, in pieces
};

struct ChartPathPoint {
  Instant time;
  ChartPoint at;
  bool tick;  // every 5 days from the chart's instant
};

// A deep-sky object in the field (deep_sky_dome.h's DeepSkyInField).
struct ChartDeepSky {
  const DeepSkyObject* object;
  ChartPoint at;  // chart degrees
  // The axes as drawn on the chart, chart degrees (the minor one the major
  // one for a round object; both 0 when the catalogue gives no size), and
  // the major axis's angle on the chart, degrees from the chart's north
  // (+y) through its east (+x): the position angle turned by the
  // projection's meridian convergence.
  double majorAxis, minorAxis, angle;
};

struct FinderChart {
  ChartProjection projection;
  double field;      // degrees across the square
  double half;       // chart degrees from the centre to a side: field/2 at the middle of each side
  Body body;
  Instant instant;
  // The planet by the reference (ERFA) at the instant, which the chart is
  // centred on; none where the reference lacks it (Pluto), and then the
  // chart is centred on the method's place.
  std::optional<ChartPoint> reference;
  ChartPoint method;                    // the method's place at the instant
  std::optional<double> methodError;    // degrees: the method's error bar there
  std::vector<ChartPathPoint> path;     // 15 days either side, a point a day
  bool pathFromReference;               // the path is the reference's (else the method's)
  std::string_view constellation;       // where the planet stands, IAU three letters
  std::vector<ChartStar> stars;         // in the field, brightest first
  std::vector<ChartFigure> figures;     // with a line in the field
  std::vector<std::vector<ChartPoint>> borders;  // the IAU boundaries within the field, in pieces
  std::vector<ChartGridLine> grid;
  // With a place: the planet's horizon coordinates by the method, degrees,
  // and, while it is above the horizon, the position angle of the zenith
  // from it (radians, from north through east): below it, no way up is
  // worth an arrow.
  std::optional<double> altitude, azimuth, zenithAngle;
  // The deep-sky objects in the field (filled by whoever knows which to
  // show), and the object the chart is centred on, or nullptr for a
  // planet's chart: then body, reference, method, methodError and path
  // mean nothing (the path is empty).
  std::vector<ChartDeepSky> deepSky;
  const DeepSkyObject* object = nullptr;
};

// The finder chart of body (a planet) at `at`, fieldDegrees across (2 to
// 90), with the horizon of place if given: the method's planet, path and
// horizon at at.ut (its Julian day as typed), the reference's planet at
// at.tt. Raises the method's run-time errors where the method cannot place
// the planet.
FinderChart FinderChartOf(const ElementsTable& elements, Body body, Instant at, double fieldDegrees,
                          const std::optional<Place>& place);

// The finder chart centred on the fixed direction (rightAscensionHours,
// hours; declinationDegrees, degrees; J2000), fieldDegrees across (2 to
// 90), with the horizon of place if given: the direction with the annual
// aberration, turned by the Earth's precession, nutation and rotation at
// `at` (its TT and UT). No path, no reference, and method at the centre.
// Raises nothing.
FinderChart FinderChartAround(double rightAscensionHours, double declinationDegrees, Instant at, double fieldDegrees,
                              const std::optional<Place>& place);

}  // namespace orbitas
