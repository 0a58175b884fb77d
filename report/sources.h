#pragma once
// Where the sky's figures come from, said once, at the end of an answer:
// the texts above it name only what is seen.
#include <string>

namespace orbitas::report {

// The last line of a text answer about the sky from a place, ending in a
// line break: "Fuentes: …"; with deepSky, the tour's catalogue and its
// model of difficulty too. Raises nothing.
std::string SourcesLine(bool deepSky = false);

// The same as a JSON array of strings, one a source. Raises nothing.
std::string SourcesJson(bool deepSky = false);

}  // namespace orbitas::report
