#pragma once
// How much room a text takes in a picture, estimated without a font
// engine: every picture places its labels and fits its titles by it.
#include <algorithm>
#include <string_view>

namespace orbitas::pictures {

// A text's width at font size (pixels), roughly: 0.58 of the size a
// character (DejaVu Sans's mean advance); UTF-8 continuation bytes take
// no room. Raises nothing.
inline double TextWidth(std::string_view text, double size) {
  return 0.58 * size * static_cast<double>(std::count_if(text.begin(), text.end(), [](char ch) {
           return (static_cast<unsigned char>(ch) & 0xC0) != 0x80;
         }));
}

// The font size at which text fits in width (pixels), bold text a tenth
// wider: size itself when it fits, smaller when it would be clipped.
inline double FittedSize(std::string_view text, double size, double width, bool bold = true) {
  const double needed = TextWidth(text, size) * (bold ? 1.1 : 1.0);
  return needed <= width ? size : size * width / needed;
}

}  // namespace orbitas::pictures
