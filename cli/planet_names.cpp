#include "cli/planet_names.h"

#include <string>

#include "session/body_names.h"
#include "ephemeris/elements.h"

namespace orbitas::cli {

namespace {

std::optional<Int16> AnyBody(std::string_view text) {
  const std::string folded = Folded(text);
  for (Int16 p = 1; p <= 9; ++p) {
    if (folded == std::to_string(p) || folded == Folded(BodyName(p))) return p;
  }
  return std::nullopt;
}

}  // namespace

std::optional<Int16> ParsePlanet(std::string_view text) {
  const std::optional<Int16> body = AnyBody(text);
  if (body == EarthBody) return std::nullopt;
  return body;
}

bool NamesTheEarth(std::string_view text) { return AnyBody(text) == EarthBody; }

}  // namespace orbitas::cli
