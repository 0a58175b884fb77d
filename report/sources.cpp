#include "report/sources.h"

#include <array>
#include <string_view>

#include "report/json.h"

namespace orbitas::report {
namespace {

constexpr std::array<std::string_view, 4> Sources = {
    "el Sol, la Luna y los planetas, de ERFA (IAU SOFA), en su lugar aparente y con la refracción normal en el horizonte",
    "Plutón, de sus elementos orbitales medios",
    "las estrellas, de Hipparcos, y las constelaciones, de los límites de la IAU",
    "las lluvias, de la lista de la IMO",
};

}  // namespace

std::string SourcesLine() {
  std::string line = "\nFuentes: ";
  for (std::size_t k = 0; k < Sources.size(); ++k) line += std::string(k ? "; " : "") + std::string(Sources[k]);
  return line + ".\n";
}

std::string SourcesJson() {
  std::string json = "[";
  for (std::size_t k = 0; k < Sources.size(); ++k) json += std::string(k ? ", " : "") + JsonString(Sources[k]);
  return json + "]";
}

}  // namespace orbitas::report
