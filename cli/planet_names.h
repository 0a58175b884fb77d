#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "runtime/conversions.h"
#include "session/nearest_names.h"

namespace orbitas::cli {

// The body number of a planet the user can choose: "1", "2", "4" to "9", or
// a Spanish name in any case, with or without accents ("Júpiter",
// "JUPITER", "jupiter"). The Earth ("3", "Tierra") and anything else give
// no number.
std::optional<Int16> ParsePlanet(std::string_view text);

// True when text names the Earth, which is not a planet the user can choose.
bool NamesTheEarth(std::string_view text);

}  // namespace orbitas::cli
