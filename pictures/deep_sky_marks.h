#pragma once
// The marks of the deep-sky objects, one drawing for the dome, the finder
// chart and the paths' picture: an ellipse for a galaxy at its size and
// angle, a circle for an open cluster, a circle with a cross for a
// globular one, a square for a nebula (diffuse, planetary, a supernova's
// remnant; dashed for a dark one), a small dotted circle for an asterism
// or a double star. Each is drawn at least a least size across, so that a
// small one stays visible.
#include <string_view>

#include <optional>
#include <vector>

#include "pictures/label_box.h"
#include "pictures/label_placer.h"
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

// The room a mark keeps from the names placed after it: its middle, at
// most least pixels either side, so that names may lie over a large
// object's edge but never over a small one. Raises nothing.
Box DeepSkyKept(const DeepSkyMark& mark, double least);

// Where the object's id (a text size pixels high) goes beside its mark,
// clear of the whole mark, by placer; none where there is no room.
// Raises nothing.
std::optional<Box> DeepSkyName(const DeepSkyMark& mark, std::string_view id, double size, LabelPlacer& placer);

// Draws the mark in colour with lines width pixels wide, and a ring of
// ringColour round it when ringed (the object the user chose). Raises
// nothing.
void DrawDeepSkyMark(SvgWriter& svg, const DeepSkyMark& mark, std::string_view colour, double width,
                     bool ringed = false, std::string_view ringColour = "");

// A picture's deep-sky marks and, beside each (the same order), the box its
// name took, or none where it had no room.
struct DeepSkyLayout {
  std::vector<DeepSkyMark> marks;
  std::vector<std::optional<Box>> names;
};

}  // namespace orbitas::pictures
