#pragma once
// A planet's path across the sky over a table's rows: right ascension and
// declination at each row, joined in order, right ascension growing to the
// left as on the sky seen from the northern hemisphere, the ecliptic for
// reference, dates along the path, and each stationary point (where the
// right ascension turns back) marked "estacionario" with its date; behind
// them the stars, the figures and the Messier and Caldwell objects to
// PathDeepSkyMagnitude by their marks (deep_sky_marks.h).
#include <string>
#include <string_view>

#include "session/picture_contents.h"

namespace orbitas::pictures {

// The SVG of the picture, width x height pixels; decimalSeparator is the
// user's.
std::string DrawSkyPaths(const SkyPaths& sky, std::string_view decimalSeparator, int width, int height);

}  // namespace orbitas::pictures
