#pragma once
// One night from a place: the altitude of each planet and of the Moon
// against local time, from sunset to sunrise, over bands of the sky's
// darkness (day, civil, nautical and astronomical twilight, night); the
// visible interval of each planet drawn thicker and its best moment marked;
// and the minute it follows, when it has one, as a line across it.
#include <string>
#include <string_view>

#include "pictures/picture_style.h"
#include "session/picture_contents.h"

namespace orbitas::pictures {

// The SVG of the picture, width x height pixels, in style's colours and
// with no text under its smallestText; decimalSeparator is the user's.
// Raises nothing.
std::string DrawNight(const NightPicture& night, std::string_view decimalSeparator, int width, int height,
                      const PictureStyle& style = {});

}  // namespace orbitas::pictures
