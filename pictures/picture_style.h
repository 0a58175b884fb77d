#pragma once
// What the pictures share: their colours (a colour for each body, of
// different lightness so that they stay apart for colour-blind readers,
// and in grey), for the day and for the night, and the sizes of text and
// markers for a picture of a given height.
#include <string>
#include <string_view>

#include "runtime/conversions.h"
#include "sky/bodies/body.h"

namespace orbitas::pictures {

// Every colour the dome, the night's chart, the eclipse, the finder chart
// and the year's chart draw with, by what it is for, each as "#rrggbb".
// DayPalette is the pictures' own, on white; NightPalette the same roles
// in dim reds on black, for reading outside without losing the eyes' dark
// adaptation: no colour in it has more green or blue than red.
struct Palette {
  // Shared by all the pictures.
  std::string_view paper;     // the background
  std::string_view ink;       // titles, axes, ticks and their numbers
  std::string_view mutedInk;  // the finder chart's grid numbers
  std::string_view grid;      // the orbits' and the paths' grid lines
  std::string_view bodies[10];  // by BodyNumber: 1 Mercury .. 9 Pluto; [0] for any other
  std::string_view moon;      // the Moon's curve on the night's chart
  std::string_view sun, sunEdge;
  std::string_view bodyRim;   // the thin ring that keeps a dot off what is under it
  std::string_view marker;    // the night chart's marked minute
  // The sky's light from day to night (day, civil, nautical, astronomical
  // twilight, night): the night's chart shades its hours with all five;
  // the year's chart leaves day as the paper and shades the other four.
  std::string_view nightShades[5];
  std::string_view yearShades[5];
  // The dome: its sky blended from night to day by the Sun's altitude.
  std::string_view domeDaySky, domeNightSky;
  std::string_view domeCircles, domeCircleLabels, ecliptic;
  std::string_view moonDark, moonLit;  // the Moon's disc and its lit part
  std::string_view chosenRing;         // round the body the user chose
  std::string_view domeNames;          // the bodies' names on the sky
  std::string_view stars[4];           // by colour index: below 0, 0.5, 1, and redder
  std::string_view figures, figureNames, starNames, leaders;
  std::string_view radiant;            // the meteor showers' radiants and names
  // The night's chart.
  std::string_view altitudeLines, altitudeLimit, curveNames;
  // The eclipse: the night of a lunar one, a solar one's sky blended from
  // day to that night by the part of the Sun covered.
  std::string_view eclipseNight, eclipseDaySky;
  std::string_view penumbra, penumbraEdge, umbra, umbraEdge;
  std::string_view lunarMoon;          // the Moon's outline and path over the shadow
  std::string_view solarMoon, solarMoonEdge;
  std::string_view corona, ground, horizon;
  std::string_view eclipseText, eclipseSubtitle, eclipseNote;
  // The finder chart.
  std::string_view chartPaper, chartInk;  // the field and what is drawn black on it
  std::string_view chartGrid, chartFigures, chartFigureNames, chartBorders;
  std::string_view chartStar, chartStarRing, chartStarNames, chartLeaders;
  std::string_view beyondStars;
  // The year's chart: the Moon's lit hours, each night's phase as a shade
  // from new to full, the full and new moons' marks, and the clock changes.
  std::string_view moonHours, newMoonShade, fullMoonShade;
  std::string_view fullMoon, markRim, clockChange, yearGrid;
  // The deep-sky objects' marks and ids: on the dome's sky, and on the
  // finder chart's paper (the paths' picture, on white, takes the day's).
  std::string_view domeDeepSky, chartDeepSky;
};

inline constexpr Palette DayPalette{
    "#ffffff", "#222222", "#555555", "#d8d8d8",
    {"#000000", "#7a5a1e", "#e69f00", "#0072b2", "#d55e00", "#cc79a7", "#009e73", "#56b4e9", "#332288", "#555555"},
    "#9a9a9a", "#f0c020", "#8a6a00", "#ffffff", "#c2185b",
    {"#dbe9f6", "#a9c3de", "#6d8cb3", "#3b557d", "#1b2a44"},
    {"#ffffff", "#dfe6f0", "#b7c4d8", "#8898b4", "#5a6985"},
    "#6fa8dc", "#0b1a33", "#4a5a78", "#8a9ab8", "#d9b54a", "#3a3a3a", "#f2f0e6", "#ffd54a", "#ffffff",
    {"#d6e4ff", "#ffffff", "#fff3d9", "#ffdcb8"},
    "#3f5f8f", "#7f9cc8", "#e8e4d0", "#9a9680", "#7fe0a0",
    "#8a9ab8", "#e0c060", "#ffffff",
    "#0b1a33", "#5b86c5", "#3d4152", "#8a90a8", "#5a1f1a", "#c06050", "#f2f0e6", "#1b1b1b", "#cfcfcf",
    "#f4f1e0", "#2e3b2a", "#9ab08a", "#ffffff", "#e8ecf4", "#ffe9a0",
    "#ffffff", "#000000", "#c8cdd6", "#7d9cc0", "#4d6f99", "#9a8f80", "#000000", "#ffffff", "#222222", "#666666",
    "#7a2a00",
    "#efe3a0", "#282828", "#ffffff", "#ffffff", "#ffffff", "#b00020", "#9aa3b0",
    "#a8d8b0", "#a0306a"};

inline constexpr Palette NightPalette{
    "#000000", "#c03020", "#802018", "#3a0a06",
    {"#c03020", "#a04028", "#ff5038", "#c84840", "#e02010", "#f04848", "#b02818", "#d05040", "#781c10", "#602018"},
    "#905048", "#d04020", "#701808", "#000000", "#ff4030",
    {"#3a0c08", "#2c0906", "#200604", "#140302", "#0a0000"},
    {"#301008", "#240a06", "#1a0704", "#100302", "#000000"},
    "#3a0c08", "#0a0000", "#501410", "#802018", "#903818", "#280806", "#a04838", "#ff5030", "#c03020",
    {"#c04840", "#d04838", "#c84028", "#b83818"},
    "#4a1008", "#701c10", "#a03020", "#601810", "#e05040",
    "#4a1008", "#803018", "#c03020",
    "#0a0000", "#3a0c08", "#200604", "#501410", "#400806", "#902018", "#a04838", "#000000", "#903828",
    "#301008", "#140402", "#603018", "#c03020", "#a02818", "#d05030",
    "#000000", "#c03020", "#3a0a06", "#601810", "#802018", "#4a1410", "#c03020", "#000000", "#a02818", "#601810",
    "#b03020",
    "#401008", "#200404", "#c04030", "#000000", "#000000", "#ff3020", "#3a0a06",
    "#b04030", "#a03020"};

// The colour of a planet or the Earth in palette; palette's [0] (in the
// day's, black) for the others. Raises nothing.
constexpr std::string_view BodyColour(Body body, const Palette& palette = DayPalette) {
  const Int16 p = BodyNumber(body);
  return p >= 1 && p <= 9 ? palette.bodies[p] : palette.bodies[0];
}

// The day's colours under the names the orbits' and the paths' pictures
// draw with.
inline constexpr std::string_view SunColour = DayPalette.sun;
inline constexpr std::string_view GridColour = DayPalette.grid;
inline constexpr std::string_view InkColour = DayPalette.ink;

// The colour a fraction t (0..1, clamped) of the way from `from` to `to`
// (both "#rrggbb"), channel by channel, rounded to the nearest or, with
// truncated, towards zero. Raises nothing; a malformed colour reads as 0.
std::string Blend(std::string_view from, std::string_view to, double t, bool truncated = false);

// How a picture is drawn: in which colours, and the least height in
// pixels of any text on it (0: each picture sizes its own texts).
struct PictureStyle {
  const Palette* palette = &DayPalette;
  double smallestText = 0;
};

// A picture's base text height font, raised so that its smallest text,
// smallestFactor × font, is at least style.smallestText. Raises nothing.
constexpr double FloorFont(double font, double smallestFactor, const PictureStyle& style) {
  return style.smallestText > 0 && font * smallestFactor < style.smallestText ? style.smallestText / smallestFactor
                                                                              : font;
}

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
