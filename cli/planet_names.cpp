#include "cli/planet_names.h"

#include <string>

#include "session/body_names.h"
#include "ephemeris/elements.h"

namespace orbitas::cli {

std::string Folded(std::string_view text) {
  static constexpr std::string_view Accented[] = {"á", "é", "í", "ó", "ú", "ñ", "Á", "É", "Í", "Ó", "Ú", "Ñ"};
  static constexpr char Plain[] = {'a', 'e', 'i', 'o', 'u', 'n', 'a', 'e', 'i', 'o', 'u', 'n'};
  std::string folded;
  folded.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    bool replaced = false;
    // Only a byte of a multi-byte character can start an accented letter.
    for (std::size_t k = 0; static_cast<unsigned char>(text[i]) >= 0x80 && k < std::size(Accented); ++k) {
      if (text.substr(i, Accented[k].size()) == Accented[k]) {
        folded += Plain[k];
        i += Accented[k].size();
        replaced = true;
        break;
      }
    }
    if (replaced) continue;
    const char c = text[i++];
    folded += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
  }
  return folded;
}

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
