#pragma once
// The outcome of one instant as the command line prints it.
#include <optional>
#include <string>
#include <string_view>

#include "session/instant.h"

namespace orbitas::report {

// A readable Spanish block per planet, with the window's headings and the
// label texts exactly as the window shows them. The Earth's block is
// printed once. Only blocks whose labels were all written are printed.
// With a place, each complete planet is followed by its horizon block
// (numbers with separator).
std::string InstantAsText(const InstantOutcome& outcome, const std::optional<Place>& place = std::nullopt,
                          std::string_view separator = ".");

// One JSON object: "horadec", "diajuliano" (label texts or null),
// "JulianDay", and "planets": for each, "body", "name", "labels" (every
// label written, by its name), "values" (the computed numbers) and, with
// a place, "horizon" (the sky of the place). When a
// run-time error stopped the computation, "error" gives its kind and its
// Spanish message.
std::string InstantAsJson(const InstantOutcome& outcome);

// The "values" object of one planet outcome: the numbers behind the labels.
std::string PlanetValuesAsJson(const PlanetOutcome& planet);

}  // namespace orbitas::report
