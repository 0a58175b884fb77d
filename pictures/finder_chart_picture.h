#pragma once
// A finder chart to print and take outside: black stars on white around a
// planet, north up and east left as the sky is seen, with the
// constellation figures and boundaries, an RA/Dec grid, the planet's path
// over a month with a date every 5 days, the reference's and the method's
// places with the method's error as a circle, a scale bar, a magnitude key
// and, with a place, the planet's altitude and azimuth and an arrow
// towards the zenith; the deep-sky objects of the field at their size and
// angle (deep_sky_marks.h). A chart of a deep-sky object has no path and
// no planet's places: the object's title stands under it instead.
#include <string>
#include <string_view>

#include "pictures/picture_style.h"
#include "session/chart_contents.h"

namespace orbitas::pictures {

// The SVG of the chart, width x height pixels, in style's colours and with
// no text under its smallestText; decimalSeparator is the user's. Raises
// nothing.
std::string DrawFinderChart(const FinderChartPicture& chart, std::string_view decimalSeparator, int width,
                            int height, const PictureStyle& style = {});

}  // namespace orbitas::pictures
