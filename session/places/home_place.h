#pragma once
// The saved home place: a small INI-style file, orbitas.conf, in
// $XDG_CONFIG_HOME/orbitas/ (by default ~/.config/orbitas/), written by
// --guardar-lugar and read by every command that needs a place when none
// is given.
#include <optional>
#include <string>

#include "session/request_refused.h"
#include "session/runners.h"

namespace orbitas {

// The file's path from the environment's XDG_CONFIG_HOME and HOME (either
// may be null): $XDG_CONFIG_HOME/orbitas/orbitas.conf, or
// $HOME/.config/orbitas/orbitas.conf when XDG_CONFIG_HOME is unset or not
// absolute. Empty when neither is known. The front end reads the
// environment and passes them.
std::string HomePlacePath(const char* xdgConfigHome, const char* home);

// The home file cannot be read or written: its path and why, in Spanish.
class HomeFileError : public RequestRefused {
 public:
  using RequestRefused::RequestRefused;
};

struct HomePlace {
  Place place;       // its text "casa: Madrid, España"
  std::string zone;  // the zone saved with it, or empty
  std::string sky;   // the sky's darkness saved with it ("rural", session/names.h SkyCode), or empty
  bool repairedText = false;  // bytes of its texts that were not UTF-8 are read as U+FFFD
};

// What a front end says of a home file whose texts were not all UTF-8.
std::string RepairedHomeNote(const std::string& path);

// The place saved in path, or none when there is no such file; read under
// a shared lock (path.lock), so that a save from another process is seen
// whole or not at all. Raises HomeFileError naming the file (and the line)
// when it cannot be read or is not as --guardar-lugar writes it.
std::optional<HomePlace> ReadHomePlace(const std::string& path);

struct HomePlaceWritten {
  std::optional<HomePlace> before;  // the place it replaces, if it could be read
  std::string keptBroken;           // where a file that could not be read was kept, or empty: the front end says so
};

// Writes place, zone and sky (empty: none) to path, creating its folder, whole
// or not at all, through the safe writer (a symbolic link is written
// through to its target). Saves from several processes at once take turns
// (an exclusive lock on path.lock). A file there that cannot be read as a
// home place is never lost: it is kept beside under the first free name of
// orbitas.conf.roto, orbitas.conf.roto.1, … Raises HomeFileError, in
// Spanish, with the path and why, when the folder or the file cannot be
// written (a folder where the file should be, no permission, a full disk).
HomePlaceWritten WriteHomePlace(const std::string& path, const Place& place, const std::string& zone,
                                const std::string& sky = "");

}  // namespace orbitas
