#pragma once
// The marks of the deep-sky objects, one drawing for the dome, the finder
// chart and the paths' picture: an ellipse for a galaxy at its size and
// angle, a circle for an open cluster, a circle with a cross for a
// globular one, a square for a nebula (diffuse, planetary, a supernova's
// remnant; dashed for a dark one), a small dotted circle for an asterism
// or a double star. Each is drawn at least a least size across, so that a
// small one stays visible.
#include <string_view>

#include "pictures/label_box.h"
#include "pictures/svg_writer.h"
#include "session/picture_contents.h"

namespace orbitas::pictures {

struct DeepSkyMark {
  DeepSkyType type = DeepSkyType::Galaxy;
  Point at;             // pixels
  double major, minor;  // full axes, pixels, as drawn (the least size applied)
  double rotation;      // degrees clockwise on the page from +x to the major axis
};

// The mark of an object of type at `at` whose axes are majorPixels and
// minorPixels across (minor 0: round) with its major axis along the page
// direction (dx, dy) (any length; (0, 0) for none, then upright), at least
// least pixels across (a galaxy's minor axis at least a third of that).
// Raises nothing.
DeepSkyMark DeepSkyMarkOf(DeepSkyType type, Point at, double majorPixels, double minorPixels, Point direction,
                          double least);

// The box the mark takes, for the label placer. Raises nothing.
Box DeepSkyBox(const DeepSkyMark& mark);

// Draws the mark in colour with lines width pixels wide, and a ring of
// ringColour round it when ringed (the object the user chose). Raises
// nothing.
void DrawDeepSkyMark(SvgWriter& svg, const DeepSkyMark& mark, std::string_view colour, double width,
                     bool ringed = false, std::string_view ringColour = "");

}  // namespace orbitas::pictures
