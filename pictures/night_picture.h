#pragma once
// One night from a place: the altitude of each planet and of the Moon
// against local time, from sunset to sunrise, over bands of the sky's
// darkness (day, civil, nautical and astronomical twilight, night); the
// visible interval of each planet drawn thicker and its best moment marked.
#include <string>
#include <string_view>

#include "session/picture_contents.h"

namespace orbitas::pictures {

// The SVG of the picture, width x height pixels; decimalSeparator is the
// user's.
std::string DrawNight(const NightPicture& night, std::string_view decimalSeparator, int width, int height);

}  // namespace orbitas::pictures
