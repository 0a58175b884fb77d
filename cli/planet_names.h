#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "runtime/conversions.h"

namespace orbitas::cli {

// Lower case, with the accented letters of Spanish (UTF-8) made plain:
// "Júpiter" and "JUPITER" both give "jupiter".
std::string Folded(std::string_view text);

// The body number of a planet the user can choose: "1", "2", "4" to "9", or
// a Spanish name in any case, with or without accents ("Júpiter",
// "JUPITER", "jupiter"). The Earth ("3", "Tierra") and anything else give
// no number.
std::optional<Int16> ParsePlanet(std::string_view text);

// True when text names the Earth, which is not a planet the user can choose.
bool NamesTheEarth(std::string_view text);

}  // namespace orbitas::cli
