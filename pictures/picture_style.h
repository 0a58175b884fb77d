#pragma once
// What the pictures share: a colour for each body, of different lightness
// so that they stay apart for colour-blind readers (and in grey), and the
// sizes of text and markers for a picture of a given height.
#include <string_view>

#include "runtime/conversions.h"
#include "sky/bodies/body.h"

namespace orbitas::pictures {

// The colour of a planet or the Earth, as "#rrggbb"; black for the others.
constexpr std::string_view BodyColour(Body body) {
  constexpr std::string_view Colours[] = {"#000000", "#7a5a1e", "#e69f00", "#0072b2", "#d55e00", "#cc79a7",
                                          "#009e73", "#56b4e9", "#332288", "#555555"};
  const Int16 p = BodyNumber(body);
  return p >= 1 && p <= 9 ? Colours[p] : Colours[0];
}

inline constexpr std::string_view SunColour = "#f0c020";
inline constexpr std::string_view GridColour = "#d8d8d8";
inline constexpr std::string_view InkColour = "#222222";

// Text height for a picture `height` pixels high: 18 at 900.
constexpr double FontSize(int height) { return height / 50.0 < 9 ? 9 : height / 50.0; }

}  // namespace orbitas::pictures
