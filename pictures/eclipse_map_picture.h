#pragma once
// An eclipse's map: the coasts and borders, the path shaded, its central
// line with its clock times, the partial limits and the lines of equal
// magnitude, the greatest eclipse, the place and the towns inside the
// path, a scale and a key. Legible in grey: the path is a fill, the
// central line solid and thick, the limits solid, the magnitudes dashed.
#include <string>
#include <string_view>

#include "pictures/picture_style.h"
#include "session/eclipse_map_contents.h"

namespace orbitas::pictures {

// Where DrawEclipseMap puts the map's frame on a page of width x height
// pixels in style, pixels: what a click on the drawing is read by.
// Raises nothing.
struct MapFrameBox {
  double left, top, width, height, font;
};
MapFrameBox EclipseMapFrameBox(const EclipseMapPicture& map, int width, int height, const PictureStyle& style = {});

// The height, at most mostHeight pixels, at which a map width pixels wide
// fills its width with no empty band above or below the key: the whole
// Earth is twice as wide as it is high. Raises nothing.
int EclipseMapFittedHeight(const EclipseMapPicture& map, int width, int mostHeight, const PictureStyle& style = {});

// The SVG of the map, width x height pixels (the map keeps its aspect
// inside them), in style's colours. Raises nothing.
std::string DrawEclipseMap(const EclipseMapPicture& map, std::string_view decimalSeparator, int width, int height,
                           const PictureStyle& style = {});

}  // namespace orbitas::pictures
