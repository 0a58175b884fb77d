#pragma once
// The pictures' style for the window's look.
#include "pictures/picture_style.h"
#include "planner/picture_look.h"

namespace orbitas::planner {

// The day or night palette of the pictures' style table, and the
// smallest text. Raises nothing.
inline pictures::PictureStyle PictureStyleOf(const PictureLook& look) {
  pictures::PictureStyle style;
  style.palette = look.night ? &pictures::NightPalette : &pictures::DayPalette;
  style.smallestText = look.smallestText;
  return style;
}

}  // namespace orbitas::planner
