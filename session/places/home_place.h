#pragma once
// The saved home place: a small INI-style file, orbitas.conf, in
// $XDG_CONFIG_HOME/orbitas/ (by default ~/.config/orbitas/), written by
// --guardar-lugar and read by every command that needs a place when none
// is given.
#include <optional>
#include <string>

#include "session/runners.h"

namespace orbitas {

// The file's path from the environment's XDG_CONFIG_HOME and HOME (either
// may be null): $XDG_CONFIG_HOME/orbitas/orbitas.conf, or
// $HOME/.config/orbitas/orbitas.conf when XDG_CONFIG_HOME is unset or not
// absolute. Empty when neither is known. The front end reads the
// environment and passes them.
std::string HomePlacePath(const char* xdgConfigHome, const char* home);

struct HomePlace {
  Place place;       // its text "casa: Madrid, España"
  std::string zone;  // the zone saved with it, or empty
};

// The place saved in path, or none when there is no such file. Raises
// RequestRefused naming the file (and the line) when it cannot be read or is
// not as --guardar-lugar writes it.
std::optional<HomePlace> ReadHomePlace(const std::string& path);

// Writes place and zone (empty: none) to path, creating its folder, whole
// or not at all (a new file renamed over the old). Refuses (RequestRefused) to
// replace a file that cannot be read as a home place. Returns the place it
// replaces, if any.
std::optional<HomePlace> WriteHomePlace(const std::string& path, const Place& place, const std::string& zone);

}  // namespace orbitas
