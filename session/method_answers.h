#pragma once
// The method's answers beside the sky's: the same night or day worked out
// in the method's sky (sky/bodies/seen_sky.h, SkyModel::Method), with how
// far its direction is from the true one, for --metodo, the JSON's
// "method" and the planner's "Comparar con el método".
#include <optional>
#include <vector>

#include "ephemeris/elements.h"
#include "session/sky_answers.h"

namespace orbitas {

// The method's night of span (local noon to noon) from place for planets,
// each planet with its error (degrees) at its best moment, or the middle
// of the night. None where the method fails (a date beyond its range).
// Raises nothing.
std::optional<MethodNight> MethodNightOf(const ElementsTable& elements, const Place& place, const Span& span,
                                         const std::vector<Body>& planets, const NightLimits& limits);

// The method's rising, culmination and setting of each of bodies on the
// local day span (the Moon left out: the method has none), each with its
// error (degrees) at the culmination, or the middle of the day. Empty
// where the method fails. Raises nothing.
std::vector<MethodPlanetDay> MethodDaysOf(const ElementsTable& elements, const Place& place, const Span& span,
                                          const std::vector<Body>& bodies);

}  // namespace orbitas
