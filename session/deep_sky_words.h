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
// has none. Raises nothing.
std::string_view DeepSkySpanishName(const DeepSkyObject& object);

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

// The instrument with its aperture: "a simple vista", "con prismáticos
// 10×50", "con un telescopio de 150 mm". Raises nothing.
std::string InstrumentWithAperture(const DeepSkyConditions& conditions);

}  // namespace orbitas
