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

// What the tour adds: where its objects and their difficulty come from.
constexpr std::string_view DeepSky =
    "el cielo profundo, de OpenNGC, en su lugar de la fecha (ERFA: precesión, nutación y aberración), y su "
    "dificultad, del umbral de contraste del ojo de Crumey (2014) contra el cielo de Krisciunas y Schaefer";

}  // namespace

std::string SourcesLine(bool deepSky) {
  std::string line = "\nFuentes: ";
  for (std::size_t k = 0; k < Sources.size(); ++k) line += std::string(k ? "; " : "") + std::string(Sources[k]);
  if (deepSky) line += "; " + std::string(DeepSky);
  return line + ".\n";
}

std::string SourcesJson(bool deepSky) {
  std::string json = "[";
  for (std::size_t k = 0; k < Sources.size(); ++k) json += std::string(k ? ", " : "") + JsonString(Sources[k]);
  if (deepSky) json += ", " + JsonString(DeepSky);
  return json + "]";
}

}  // namespace orbitas::report
