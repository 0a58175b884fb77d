#pragma once
// An eclipse as a picture: the Moon's path through the Earth's shadow,
// with each contact marked and its time; or the Sun's disc with the Moon at
// the first contact, the maximum and the last, as a place sees them, and
// the horizon when it is near. North (or up) at the top, east (or the left
// along the horizon) on the left.
#include <string>
#include <string_view>

#include "pictures/picture_style.h"
#include "session/picture_contents.h"

namespace orbitas::pictures {

// The SVG of the picture, width x height pixels, in style's colours and
// with no text under its smallestText; decimalSeparator is the user's.
// Raises nothing.
std::string DrawEclipse(const EclipsePicture& eclipse, std::string_view decimalSeparator, int width, int height,
                        const PictureStyle& style = {});

}  // namespace orbitas::pictures
