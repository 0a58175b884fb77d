#include "session/star_names.h"

#include <algorithm>
#include <array>

namespace orbitas {
namespace {

struct SpanishForm {
  std::string_view iau, spanish;
};

// The IAU names that Spanish writing adapts; every other IAU name is used
// as it stands (Vega, Deneb, Antares, Fomalhaut). Written out by hand from
// the forms in common Spanish use; see the sources in the documentation.
constexpr std::array<SpanishForm, 14> SpanishForms = {{
    {"Acrux", "Ácrux"},       {"Alcyone", "Alción"},   {"Aldebaran", "Aldebarán"}, {"Alderamin", "Alderamín"},
    {"Arcturus", "Arturo"},   {"Canopus", "Canopo"},   {"Castor", "Cástor"},       {"Denebola", "Denébola"},
    {"Polaris", "Estrella Polar"}, {"Pollux", "Pólux"}, {"Procyon", "Proción"},    {"Regulus", "Régulo"},
    {"Sirius", "Sirio"},      {"Spica", "Espiga"},
}};

}  // namespace

std::string_view StarProperName(const Star& star) {
  const auto found = std::find_if(SpanishForms.begin(), SpanishForms.end(),
                                  [&](const SpanishForm& f) { return f.iau == star.name; });
  return found == SpanishForms.end() ? star.name : found->spanish;
}

std::string StarLabel(const Star& star) {
  const std::string_view proper = StarProperName(star);
  if (!proper.empty()) return std::string(proper);
  const std::string_view letter = !star.bayer.empty() ? star.bayer : star.flamsteed;
  if (!letter.empty() && !star.constellation.empty())
    return std::string(letter) + " " + std::string(star.constellation);
  return "HIP " + std::to_string(star.hipparcos);
}

}  // namespace orbitas
