#pragma once
// A month's page of the printed almanac: its title, then each section's
// heading and lines, black on white, on an A4 portrait page.
#include <string>

#include "session/almanac_contents.h"

namespace orbitas::pictures {

// The SVG of page, width x height points. Lines too long for the page
// shrink to fit it. Raises nothing.
std::string DrawAlmanacPage(const AlmanacPage& page, int width, int height);

}  // namespace orbitas::pictures
