#pragma once
// The deep-sky objects as the pictures name them: the object's Spanish
// name when it has one, its kind in Spanish, and the one-line title a
// picture gives it. (The Spanish names come from deep_sky_spanish.inc.)
#include <string>
#include <string_view>

#include "sky/deep_sky/deep_sky_catalogue.h"

namespace orbitas {

// The Spanish name of an object by its id ("M31": "Galaxia de
// Andrómeda"); "" for one without a name. Raises nothing.
std::string_view DeepSkySpanishName(std::string_view id);

// "galaxia", "cúmulo abierto", "cúmulo globular", "nebulosa planetaria",
// "nebulosa", "nebulosa oscura", "resto de supernova", "asterismo",
// "estrella doble". Raises nothing.
std::string_view DeepSkyKindWord(DeepSkyType type);

// "M31 · Galaxia de Andrómeda", or the id alone for an object without a
// Spanish name. Raises nothing.
std::string DeepSkyHeading(const DeepSkyObject& object);

// What a picture says of an object on hovering it: "M31, Galaxia de
// Andrómeda (NGC 224): galaxia, magnitud 3.4, 190′ × 60′", with the
// numbers in decimalSeparator. Raises nothing.
std::string DeepSkyTitle(const DeepSkyObject& object, std::string_view decimalSeparator);

// The title's parts: "M31, Galaxia de Andrómeda (NGC 224): galaxia", and
// ", magnitud 3.4, 177.8′ × 69.7′" (magnitude NoMagnitude and axes 0 left
// out; minor 0 or the major's for a round one), in decimalSeparator.
// Raises nothing.
std::string DeepSkyNaming(const DeepSkyObject& object);
std::string DeepSkyNumbers(double magnitude, double majorAxis, double minorAxis, std::string_view decimalSeparator);

// Whether text names an object of the catalogue ("M31", "NGC 869",
// "c14"), as DeepSkyObjectNamed reads it; the object or nullptr. Raises
// nothing.
const DeepSkyObject* DeepSkyObjectCalled(std::string_view text);

}  // namespace orbitas
