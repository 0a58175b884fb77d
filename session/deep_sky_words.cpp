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

std::string DeepSkyTitle(const DeepSkyObject& o, std::string_view separator) {
  const std::string_view name = DeepSkySpanishName(o.id);
  std::string title(o.id);
  if (!name.empty()) title += ", " + std::string(name);
  if (!o.designation.empty() && o.designation != o.id) title += " (" + std::string(o.designation) + ")";
  title += ": " + std::string(DeepSkyKindWord(o.type));
  if (o.HasMagnitude()) title += ", magnitud " + Format(o.magnitude, "#0.0", separator);
  if (o.majorAxis > 0) {
    title += ", " + Format(o.majorAxis, "#0.#", separator) + "′";
    if (o.minorAxis > 0 && o.minorAxis != o.majorAxis) title += " × " + Format(o.minorAxis, "#0.#", separator) + "′";
  }
  return title;
}

const DeepSkyObject* DeepSkyObjectCalled(std::string_view text) { return DeepSkyObjectNamed(text); }

}  // namespace orbitas
