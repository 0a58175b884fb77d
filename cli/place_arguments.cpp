#include "cli/place_arguments.h"

#include <cstdlib>
#include <utility>

#include "cli/usage_error.h"
#include "session/places/home_place.h"
#include "session/places/place_text.h"
#include "session/request_refused.h"

namespace orbitas::cli {

std::string HomePath() { return HomePlacePath(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME")); }

Place PlaceNamed(const std::string& typed, std::vector<std::string>& notes, std::string* zoneNote) {
  try {
    TypedPlace typedPlace = PlaceFromText(typed);
    if (!typedPlace.othersNote.empty()) notes.push_back(std::move(typedPlace.othersNote));
    if (zoneNote) *zoneNote = std::move(typedPlace.zoneNote);
    return std::move(typedPlace.place);
  } catch (const RequestRefused& refused) {
    throw UsageError(refused.what());
  }
}

}  // namespace orbitas::cli
