#pragma once
// The year at a glance: every night of a year a row, the dates down and
// the local clock's hours across from noon to noon; the twilights as
// bands of shade (an hourglass), each planet's rising, culmination and
// setting as curves, the Moon's lit hours shaded lightly, and the year's
// marks at their dates; a key. Black on white reads without colour.
#include <string>
#include <string_view>

#include "pictures/picture_style.h"
#include "session/year_chart_contents.h"

namespace orbitas::pictures {

// The SVG of the chart, width x height pixels (points for a PDF), in
// style's colours and with no text under its smallestText; numbers with
// decimalSeparator. Raises nothing.
std::string DrawYearChart(const YearChart& chart, std::string_view decimalSeparator, int width, int height,
                          const PictureStyle& style = {});

}  // namespace orbitas::pictures
