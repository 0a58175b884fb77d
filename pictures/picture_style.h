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
// A finder chart prints on white: its grid a shade darker, its figures
// blue, its constellation borders brown.
inline constexpr std::string_view ChartGridColour = "#c8cdd6";
inline constexpr std::string_view ChartFigureColour = "#7d9cc0";
inline constexpr std::string_view ChartBorderColour = "#9a8f80";

// The sky's light from day to night (day, civil, nautical, astronomical
// twilight, night): the night's picture shades its hours with all five;
// the year's chart leaves day white and shades the other four.
inline constexpr std::string_view NightShades[] = {"#dbe9f6", "#a9c3de", "#6d8cb3", "#3b557d", "#1b2a44"};
inline constexpr std::string_view YearShades[] = {"#ffffff", "#dfe6f0", "#b7c4d8", "#8898b4", "#5a6985"};

// How a star's dot grows with its brightness: base - perMagnitude × the
// magnitude, between smallest and largest, all in text heights.
struct StarScale {
  double base, perMagnitude, smallest, largest;
};
// On the dome the stars stay smaller than any planet, so that the planets
// stand out; on a finder chart, which goes to the 8th magnitude, the
// faintest is a speck and the brightest a disc.
inline constexpr StarScale DomeStars{0.3, 0.045, 0.06, 0.42};
inline constexpr StarScale ChartStars{0.44, 0.048, 0.05, 0.6};

// A star's dot, radius in pixels, for a text height of font. Raises
// nothing.
inline double StarRadius(double magnitude, double font, const StarScale& scale) {
  const double radius = font * (scale.base - scale.perMagnitude * magnitude);
  return radius < font * scale.smallest ? font * scale.smallest : radius > font * scale.largest ? font * scale.largest : radius;
}

// Text height for a picture `height` pixels high: 18 at 900.
constexpr double FontSize(int height) { return height / 50.0 < 9 ? 9 : height / 50.0; }

}  // namespace orbitas::pictures
