#pragma once
// The whole sky from a place at one instant, as seen lying on one's back:
// the zenith at the centre, the horizon a circle, north at the top and
// east on the left, with the 16 points of the compass, circles of
// altitude every 30 degrees, the ecliptic, and the Sun, the Moon (with its
// lit part) and the planets, each a dot sized by its magnitude; the
// radiants of the meteor showers active then, each a ring with rays; and
// the deep-sky objects by their marks (deep_sky_marks.h), at their size
// on the dome or a least size, the chosen one ringed.
#include <optional>
#include <string>
#include <utility>
#include <string_view>

#include "pictures/picture_style.h"
#include "session/picture_contents.h"

namespace orbitas::pictures {

// The SVG of the dome, width x height pixels, in style's colours and with
// no text under its smallestText (the dome then grows its texts, and
// leaves out the names that no longer find room). Bodies below the
// horizon are left out. decimalSeparator is the user's. Raises nothing.
std::string DrawSkyDome(const SkyDome& dome, std::string_view decimalSeparator, int width, int height,
                        const PictureStyle& style = {});

// Where DrawSkyDome puts a body at altitude and azimuth (degrees) in a
// picture width x height pixels drawn in style, of a dome with a heading
// (titled) or without one (the dome then takes the heading's room too):
// (x, y) in pixels from the top left; none below the horizon. Raises
// nothing.
std::optional<std::pair<double, double>> DomePointOf(double altitude, double azimuth, int width, int height,
                                                     const PictureStyle& style = {}, bool titled = true);

}  // namespace orbitas::pictures
