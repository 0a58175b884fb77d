#pragma once
// A planet's path across the sky over a table's rows: right ascension and
// declination at each row, joined in order, right ascension growing to the
// left as on the sky seen from the northern hemisphere, the ecliptic for
// reference, dates along the path, and each stationary point (where the
// right ascension turns back) marked "estacionario" with its date.
#include <string>
#include <vector>

#include "runtime/conversions.h"

namespace orbitas::pictures {

struct SkyPoint {
  std::string date;            // the row's instant, ISO 8601 (date part shown)
  double rightAscension = 0;   // hours
  double declination = 0;      // degrees
};

struct SkyPath {
  Int16 body = 0;
  std::vector<SkyPoint> points;  // in row order
};

// The rows k (1 .. n-2) at which the right ascension turns back: the
// steps before and after them go opposite ways (across 0h/24h, the short
// way round counts).
std::vector<std::size_t> StationaryRows(const std::vector<SkyPoint>& points);

// The SVG of the picture, width x height pixels; stopped, when not empty,
// says why the table ended early. decimalSeparator is the user's.
std::string DrawSkyPaths(const std::vector<SkyPath>& paths, const std::string& stopped,
                         std::string_view decimalSeparator, int width, int height);

}  // namespace orbitas::pictures
