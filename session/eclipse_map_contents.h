#pragma once
// What an eclipse's map shows, laid out on its plane (world_map.h): the
// coasts and borders, the path shaded between its limits, the central
// line with its clock times, the partial limits and the lines of equal
// magnitude, the point of greatest eclipse, the place with how it sees
// the eclipse, and the towns inside the path. Everything is in the
// frame's own units, x from 0 (west) to 1 (east) and y from 0 (north) to
// 1 (south), clipped to it.
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "session/eclipse_map.h"
#include "session/world_map.h"

namespace orbitas {

// Which part of the Earth: all of it, the path about the place (or the
// whole path without one), or a box of latitudes and longitudes.
struct MapRegion {
  enum Kind { World, Auto, Box } kind = Auto;
  double south = 0, west = 0, north = 0, east = 0;  // degrees, a Box's
};

using MapPoint = std::pair<double, double>;  // x, y in the frame, 0..1

// The frame on the map's plane, in the plane's units.
struct MapFrame {
  MapPlane plane;
  double west = 0, east = 0, south = 0, north = 0;
  // Where latitude, longitude (degrees) falls in the frame. Raises nothing.
  MapPoint Of(double latitude, double longitude) const {
    const auto [x, y] = plane.Project(latitude, longitude);
    return {(x - west) / (east - west), (north - y) / (north - south)};
  }
  // Its inverse: the latitude and longitude (degrees) of a frame point,
  // the latitude clamped to ±90. Raises nothing.
  std::pair<double, double> EarthAt(const MapPoint& at) const;
};
using MapPolyline = std::vector<MapPoint>;

struct MapMark {
  MapPoint at;
  std::string text;        // its label ("10:47", "Cádiz 2 min 53 s", "0,6")
};

struct EclipseMapPicture {
  std::string title;               // "Eclipse total de Sol del lun 2 ago 2027"
  std::string subtitle;            // the region and its scale
  MapFrame frame;                  // how a place falls on it
  double aspect = 1;               // the frame's width over its height
  std::vector<MapPolyline> coasts, borders, graticule;
  std::vector<MapPolyline> path;   // the shaded path, closed rings (north limit, then the south's back)
  std::vector<MapPolyline> centralLine, limits, partialLimits;
  // A solar eclipse's limits where it begins or ends at sunrise or
  // sunset; a lunar one's line with the Moon on the horizon at greatest.
  std::vector<MapPolyline> riseSetLimits;
  std::vector<std::pair<MapPolyline, std::string>> magnitudes;  // a line and its level ("0,6")
  std::vector<MapMark> times;      // along the central line, local clock
  std::optional<MapMark> greatest;
  std::optional<MapMark> place;    // with its kind, magnitude and time
  std::vector<MapMark> cities;     // inside the path, with their durations
  std::optional<MapMark> nearest;  // the nearest point of the path from the place
  std::vector<MapMark> moonOverhead;  // a lunar eclipse's points
  double scaleKilometres = 0;      // a round length for the scale bar
  double scaleWidth = 0;           // and its width in the frame
  bool annular = false;
  bool lunar = false;
};

// The map of answer over region, numbers with separator. Raises nothing.
EclipseMapPicture EclipseMapPictureOf(const EclipseMapAnswer& answer, const MapRegion& region,
                                      std::string_view separator);

}  // namespace orbitas
