#include "session/deep_sky_words.h"

#include <algorithm>
#include <utility>

#include "runtime/number_text.h"

namespace orbitas {
namespace {

struct SpanishRow {
  std::string_view id, name;
};

constexpr SpanishRow SpanishNames[] = {
#include "session/deep_sky_spanish.inc"
};

}  // namespace

std::string_view DeepSkySpanishName(std::string_view id) {
  const auto row = std::find_if(std::begin(SpanishNames), std::end(SpanishNames),
                                [&](const SpanishRow& r) { return r.id == id; });
  return row == std::end(SpanishNames) ? std::string_view() : row->name;
}

std::string_view DeepSkyKindWord(DeepSkyType type) {
  switch (type) {
    case DeepSkyType::Galaxy: return "galaxia";
    case DeepSkyType::OpenCluster: return "cúmulo abierto";
    case DeepSkyType::GlobularCluster: return "cúmulo globular";
    case DeepSkyType::PlanetaryNebula: return "nebulosa planetaria";
    case DeepSkyType::DiffuseNebula: return "nebulosa";
    case DeepSkyType::DarkNebula: return "nebulosa oscura";
    case DeepSkyType::SupernovaRemnant: return "resto de supernova";
    case DeepSkyType::Asterism: return "asterismo";
    case DeepSkyType::DoubleStar: return "estrella doble";
  }
  return "objeto";
}

std::string DeepSkyHeading(const DeepSkyObject& object) {
  const std::string_view name = DeepSkySpanishName(object.id);
  return std::string(object.id) + (name.empty() ? "" : " · " + std::string(name));
}

std::string DeepSkyNaming(const DeepSkyObject& o) {
  const std::string_view name = DeepSkySpanishName(o.id);
  std::string naming(o.id);
  if (!name.empty()) naming += ", " + std::string(name);
  if (!o.designation.empty() && o.designation != o.id) naming += " (" + std::string(o.designation) + ")";
  return naming + ": " + std::string(DeepSkyKindWord(o.type));
}

std::string DeepSkyNumbers(double magnitude, double major, double minor, std::string_view separator) {
  std::string numbers;
  if (magnitude < NoMagnitude) numbers += ", magnitud " + Format(magnitude, "#0.0", separator);
  if (major > 0) {
    numbers += ", " + Format(major, "#0.#", separator) + "′";
    if (minor > 0 && minor != major) numbers += " × " + Format(minor, "#0.#", separator) + "′";
  }
  return numbers;
}

std::string DeepSkyTitle(const DeepSkyObject& o, std::string_view separator) {
  return DeepSkyNaming(o) + DeepSkyNumbers(o.magnitude, o.majorAxis, o.minorAxis, separator);
}

const DeepSkyObject* DeepSkyObjectCalled(std::string_view text) { return DeepSkyObjectNamed(text); }

}  // namespace orbitas
