#pragma once
// The Spanish names of the nine bodies, by body number.

#include <array>
#include <string_view>

#include "runtime/conversions.h"

namespace orbitas {

// The name of body p (1 to 9): "Mercurio", "Venus", "Tierra", "Marte",
// "Júpiter", "Saturno", "Urano", "Neptuno", "Plutón"; entry 0 is the empty
// name. Raises SubscriptOutOfRange for p outside 0..9.
std::string_view BodyName(Int16 p);

// All ten names by body number, entry 0 empty: what a planet request
// writes into its table of names.
const std::array<std::string_view, 10>& BodyNames();

}  // namespace orbitas
