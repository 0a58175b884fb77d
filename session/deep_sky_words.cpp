#include "session/deep_sky_words.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "runtime/number_text.h"
#include "session/names.h"
#include "session/nearest_names.h"

namespace orbitas {
namespace {

struct SpanishRow {
  std::string_view id, name;
};

constexpr SpanishRow SpanishRows[] = {
#include "session/deep_sky_spanish.inc"
};

constexpr std::string_view TypeWords[] = {"galaxia",          "cúmulo abierto",    "cúmulo globular",
                                          "nebulosa planetaria", "nebulosa difusa", "nebulosa oscura",
                                          "resto de supernova", "asterismo",         "estrella doble"};
constexpr std::string_view TypeCodes[] = {"galaxy",        "openCluster",      "globularCluster",
                                          "planetaryNebula", "diffuseNebula",  "darkNebula",
                                          "supernovaRemnant", "asterism",      "doubleStar"};

}  // namespace

std::string_view DeepSkySpanishName(std::string_view id) {
  for (const SpanishRow& r : SpanishRows)
    if (r.id == id) return r.name;
  return {};
}

std::string_view DeepSkySpanishName(const DeepSkyObject& object) { return DeepSkySpanishName(object.id); }

std::string_view DeepSkyKindWord(DeepSkyType type) {
  return type == DeepSkyType::DiffuseNebula ? "nebulosa" : DeepSkyTypeWords(type);
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

std::string DeepSkyTitle(const DeepSkyObject& object) {
  const std::string_view name = DeepSkySpanishName(object);
  return name.empty() ? std::string(object.id) : std::string(object.id) + " " + std::string(name);
}

std::vector<std::string> DeepSkyNames(const DeepSkyObject& object) {
  std::vector<std::string> names{std::string(object.id)};
  const auto add = [&](std::string name) {
    if (!name.empty() && std::find(names.begin(), names.end(), name) == names.end()) names.push_back(std::move(name));
  };
  if (object.messier) add("M" + std::to_string(object.messier));
  if (object.caldwell) add("C" + std::to_string(object.caldwell));
  add(std::string(object.designation));
  add(std::string(DeepSkySpanishName(object)));
  return names;
}

std::string_view DeepSkyTypeWords(DeepSkyType type) { return TypeWords[static_cast<int>(type)]; }
std::string_view DeepSkyTypeCode(DeepSkyType type) { return TypeCodes[static_cast<int>(type)]; }

std::vector<DeepSkyType> DeepSkyTypesOfWord(std::string_view word) {
  using T = DeepSkyType;
  static const std::pair<std::string_view, std::vector<T>> Words[] = {
      {"galaxia", {T::Galaxy}},
      {"abierto", {T::OpenCluster}},
      {"globular", {T::GlobularCluster}},
      {"cumulo", {T::OpenCluster, T::GlobularCluster}},
      {"planetaria", {T::PlanetaryNebula}},
      {"difusa", {T::DiffuseNebula}},
      {"oscura", {T::DarkNebula}},
      {"nebulosa", {T::PlanetaryNebula, T::DiffuseNebula, T::DarkNebula, T::SupernovaRemnant}},
      {"supernova", {T::SupernovaRemnant}},
      {"asterismo", {T::Asterism}},
      {"doble", {T::DoubleStar}}};
  std::string folded = Folded(word);
  // "galaxias", "cúmulos", "nebulosas": the plural is the same word.
  if (folded.size() > 3 && folded.back() == 's') folded.pop_back();
  if (folded == "globulare") folded = "globular";
  for (const auto& [w, types] : Words)
    if (folded == w) return types;
  return {};
}

std::vector<std::string> DeepSkyTypeWordList() {
  return {"galaxia", "cumulo", "abierto", "globular", "nebulosa", "planetaria", "difusa", "oscura", "supernova",
          "asterismo", "doble"};
}

std::string_view RatingWords(DeepSkyRating rating) {
  static constexpr std::string_view Words[] = {"fácil", "asequible", "difícil", "no se verá esta noche"};
  return Words[static_cast<int>(rating)];
}

std::string_view RatingCode(DeepSkyRating rating) {
  static constexpr std::string_view Codes[] = {"easy", "fair", "hard", "notTonight"};
  return Codes[static_cast<int>(rating)];
}

std::string_view ReasonCode(DeepSkyReason reason) {
  static constexpr std::string_view Codes[] = {"",          "neverRises",     "tooLow",   "daytimeOnly",
                                               "noDarkness", "moonlight",     "lightPollution", "twilight",
                                               "lowInTheSky", "tooFaint"};
  return Codes[static_cast<int>(reason)];
}

std::string InstrumentWithAperture(const DeepSkyConditions& conditions) {
  switch (conditions.instrument) {
    case Instrument::Eye: return "a simple vista";
    case Instrument::Binoculars: return "con prismáticos 10×50";
    case Instrument::Telescope: break;
  }
  return "con un telescopio de " + Format(conditions.aperture, "#0", ".") + " mm";
}

std::string ReasonWords(const DeepSkyNight& night, const DeepSkyConditions& conditions, std::string_view separator) {
  const auto degrees = [&](double x) { return SignedNumber(std::round(x), "#0", separator) + "°"; };
  switch (night.reason) {
    case DeepSkyReason::None: return {};
    case DeepSkyReason::NeverRises: return "nunca sale desde esta latitud";
    case DeepSkyReason::TooLow: return "demasiado bajo: culmina a " + degrees(night.highestAltitude);
    case DeepSkyReason::DaytimeOnly: return "solo está alto de día";
    case DeepSkyReason::NoDarkness: return "la noche no llega a oscurecer";
    case DeepSkyReason::Moonlight: {
      const double lit = night.moonIlluminated;
      const std::string moon = lit >= 0.97   ? "la Luna llena"
                               : lit <= 0.03 ? "la Luna nueva"
                                             : "la Luna al " + Format(std::round(lit * 100), "#0", separator) + " %";
      return moon + " a " + degrees(night.moonSeparation);
    }
    case DeepSkyReason::LightPollution:
      return conditions.sky == SkyDarkness::City ? "cielo de ciudad" : "cielo " + std::string(SkyCode(conditions.sky));
    case DeepSkyReason::Twilight: return "el crepúsculo no deja oscurecer el cielo";
    case DeepSkyReason::LowInTheSky: return "bajo en el cielo";
    case DeepSkyReason::TooFaint: return "demasiado débil " + InstrumentWithAperture(conditions);
  }
  return {};
}

}  // namespace orbitas
