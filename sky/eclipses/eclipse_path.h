#pragma once
// Where on the Earth a solar eclipse is seen: its central line, the
// limits of its total or annular path, the limits of the partial eclipse
// and its lines of equal magnitude, each a line of ground points with
// their instants. Every point is found with the test the local
// circumstances use (local_eclipse.cpp): a place is inside the path when,
// at its own greatest eclipse, the Moon's disc to its limb's valleys lies
// wholly within the Sun's or covers it; on a partial limit when the two
// mean discs just touch then. The Sun and the Moon are the reference's
// apparent places interpolated every minute (cubic Lagrange: well under a
// metre on the ground), the Earth the WGS84 ellipsoid turned as
// earth_turning.h turns it. A limit is found along the ground line square
// to the central line's track, by bisection to 50 m; between points a
// minute apart the shadow moves some 30 to 60 km. Lunar eclipses: where
// the Moon stands overhead at each contact (SubLunarPoints).
#include <memory>
#include <optional>
#include <vector>

#include "calendar/instant.h"
#include "sky/eclipses/eclipses.h"

namespace orbitas {

struct PathPoint {
  Instant time;                    // when the point is on the line (its greatest eclipse), UT
  double latitude = 0;             // degrees, geodetic, north positive
  double longitude = 0;            // degrees, east positive
  double sunAltitude = 0;          // degrees, geometric, then
  std::optional<double> duration;  // seconds of the total or annular phase (central line only)
};

// One line of points in time order.
using PathLine = std::vector<PathPoint>;

struct MagnitudeLine {
  double magnitude = 0;         // the Sun's diameter covered at greatest eclipse (0.2, 0.4 …)
  PathLine north, south;        // on either side of the central line (or of the axis's track)
};

struct SolarEclipsePath {
  SolarEclipse eclipse;
  PathLine centralLine;                   // empty for an eclipse whose axis misses the Earth
  PathLine northLimit, southLimit;        // of the total or annular path
  PathLine partialNorthLimit, partialSouthLimit;  // where the partial eclipse begins to be seen, while the axis is on the Earth
  // Where the partial eclipse begins or ends as the Sun rises or sets:
  // the points of the terminator the penumbra's edge crosses, every two
  // minutes of the whole eclipse, in pieces that run on.
  std::vector<PathLine> riseSetLimits;
  std::vector<MagnitudeLine> magnitudes;  // 0.2, 0.4, 0.6, 0.8
  std::optional<double> widthAtGreatest;  // km, across the path at the central line's point nearest greatest
};

// The path of eclipse, its points stepMinutes apart (1 to 10). Raises
// nothing. A non-central eclipse has no central line and no path limits
// (its total or annular part, if any, only grazes the limb).
SolarEclipsePath SolarEclipsePathOf(const SolarEclipse& eclipse, double stepMinutes = 1);

// Whether places see eclipse total or annular, by the path's own test,
// the Sun and the Moon computed once for them all.
class EclipseSky;
class PathTest {
 public:
  explicit PathTest(const SolarEclipse& eclipse);
  ~PathTest();
  PathTest(const PathTest&) = delete;
  PathTest& operator=(const PathTest&) = delete;
  // Negative inside the path: the margin, radians, of the Moon's disc
  // within the Sun's (or beyond it) at the place's greatest eclipse.
  // Raises nothing.
  double CentralMargin(const Place& place) const;

 private:
  std::unique_ptr<const EclipseSky> sky_;
  Instant greatest_;
};

// PathTest(eclipse).CentralMargin(place), for one place. Raises nothing.
double CentralMargin(const SolarEclipse& eclipse, const Place& place);

// Where a lunar eclipse is seen: at each contact, the point of the Earth
// with the Moon overhead; the Moon is above the horizon within 90° of it
// (a little more with refraction and parallax). Raises nothing.
struct SubLunarPoint {
  Contact contact = Contact::Greatest;
  Instant time;
  double latitude = 0, longitude = 0;  // degrees, geodetic
};
std::vector<SubLunarPoint> SubLunarPoints(const LunarEclipse& eclipse);

}  // namespace orbitas
