#include "session/star_names.h"

#include <array>

#include "session/name_table.h"

namespace orbitas {
namespace {

// The IAU names that Spanish writing adapts; every other IAU name is used
// as it stands (Vega, Deneb, Antares, Fomalhaut). Written out by hand from
// the forms in common Spanish use; see the sources in the documentation.
constexpr std::array<NamePair, 14> SpanishForms = {{
    {"Acrux", "Ácrux"},       {"Alcyone", "Alción"},   {"Aldebaran", "Aldebarán"}, {"Alderamin", "Alderamín"},
    {"Arcturus", "Arturo"},   {"Canopus", "Canopo"},   {"Castor", "Cástor"},       {"Denebola", "Denébola"},
    {"Polaris", "Estrella Polar"}, {"Pollux", "Pólux"}, {"Procyon", "Proción"},    {"Regulus", "Régulo"},
    {"Sirius", "Sirio"},      {"Spica", "Espiga"},
}};

}  // namespace

std::string_view StarProperName(const Star& star) {
  return NameIn(SpanishForms, star.name).value_or(star.name);
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
