#pragma once
// The places orbitas-cli is given: by --lugar and --guardar-lugar, and the
// home place's file.
#include <string>
#include <vector>

#include "session/places/place_text.h"

namespace orbitas::cli {

// The home place's file, from this process's environment (XDG_CONFIG_HOME,
// else HOME). Raises nothing.
std::string HomePath();

// A place by its coordinates or its name; the other places of that name go
// to notes, and how coordinates got their zone to zoneNote when given.
// Raises UsageError, in Spanish, for a place that does not read.
Place PlaceNamed(const std::string& typed, std::vector<std::string>& notes, std::string* zoneNote = nullptr);

}  // namespace orbitas::cli
