#pragma once
// The deep sky in the observer's words: objects' Spanish names and types,
// the tour's ratings and reasons, and the words a user types for them.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sky/deep_sky/deep_sky_catalogue.h"
#include "sky/deep_sky/deep_sky_night.h"

namespace orbitas {

// The object's usual Spanish name ("Galaxia de Andrómeda"), or "" when it
// has none; also by its id ("M31"). Raises nothing.
std::string_view DeepSkySpanishName(const DeepSkyObject& object);
std::string_view DeepSkySpanishName(std::string_view id);

// How a list names it: "M31 Galaxia de Andrómeda", "NGC 7009", "C14 Doble
// Cúmulo de Perseo (h)". Raises nothing.
std::string DeepSkyTitle(const DeepSkyObject& object);

// Every designation and name, for JSON's "names": the id, Messier,
// Caldwell, NGC/IC numbers and the Spanish name, each once. Raises nothing.
std::vector<std::string> DeepSkyNames(const DeepSkyObject& object);

// The type in Spanish ("galaxia", "cúmulo globular") and as a JSON code
// ("galaxy", "globularCluster"). Raises nothing.
std::string_view DeepSkyTypeWords(DeepSkyType type);
std::string_view DeepSkyTypeCode(DeepSkyType type);

// The types a user's word names (--tipo, folded: "galaxia", "abierto",
// "globular", "planetaria", "difusa", "oscura", "supernova", "asterismo",
// "doble", and "cumulo" for both clusters, "nebulosa" for every nebula);
// empty when none. The words, for a message and completion. Raises nothing.
std::vector<DeepSkyType> DeepSkyTypesOfWord(std::string_view word);
std::vector<std::string> DeepSkyTypeWordList();

// A rating in Spanish ("fácil", "asequible", "difícil", "no se verá esta
// noche") and as a JSON code ("easy", "fair", "hard", "notTonight").
// Raises nothing.
std::string_view RatingWords(DeepSkyRating rating);
std::string_view RatingCode(DeepSkyRating rating);

// Why, in the observer's words: "la Luna al 62 % a 40°", "cielo urbano",
// "demasiado bajo: culmina a 2°", "nunca sale desde esta latitud"; "" for
// no reason. sky and instrument say which sky and instrument it means;
// numbers with separator. Raises nothing.
std::string ReasonWords(const DeepSkyNight& night, const DeepSkyConditions& conditions, std::string_view separator);

// The JSON code of a reason ("moonlight", "lightPollution", ...; "" for
// none). Raises nothing.
std::string_view ReasonCode(DeepSkyReason reason);

// How the pictures name an object. Its kind in a word or two: "galaxia",
// "cúmulo abierto", "cúmulo globular", "nebulosa planetaria", "nebulosa",
// "nebulosa oscura", "resto de supernova", "asterismo", "estrella doble".
// A heading: "M31 · Galaxia de Andrómeda", or the id alone. What a picture
// says on hovering it: "M31, Galaxia de Andrómeda (NGC 224): galaxia,
// magnitud 3,4, 177,8′ × 69,7′", numbers in decimalSeparator, made of
// DeepSkyNaming's and DeepSkyNumbers' parts (magnitude NoMagnitude and
// axes 0 left out; minor 0 or the major's for a round one). Raise nothing.
std::string_view DeepSkyKindWord(DeepSkyType type);
std::string DeepSkyHeading(const DeepSkyObject& object);
std::string DeepSkyTitle(const DeepSkyObject& object, std::string_view decimalSeparator);
std::string DeepSkyNaming(const DeepSkyObject& object);
std::string DeepSkyNumbers(double magnitude, double majorAxis, double minorAxis, std::string_view decimalSeparator);

// The object text names ("M31", "NGC 869", "c14"), as DeepSkyObjectNamed
// reads it, or nullptr. Raises nothing.
const DeepSkyObject* DeepSkyObjectCalled(std::string_view text);

// The instrument with its aperture: "a simple vista", "con prismáticos
// 10×50", "con un telescopio de 150 mm". Raises nothing.
std::string InstrumentWithAperture(const DeepSkyConditions& conditions);

}  // namespace orbitas
