#pragma once
// What the command line gave, option by option, before the command is
// chosen: each option's text kept to be read by the command that takes it.
#include <optional>
#include <string>
#include <vector>

#include "cli/arguments.h"
#include "cli/option_table.h"

namespace orbitas::cli {

// What the command line gave, before the command is chosen.
struct Given {
  Arguments parsed;
  bool julianDay = false, explain = false, format = false, size = false, phenomena = false, finished = false;
  bool zone = false, eclipses = false, almanac = false, everything = false;
  std::optional<std::string> tour, aperture, objects, types, map, region;
  std::optional<std::string> eclipse, sizeText;
  std::optional<std::string> from, to, step, riseSet, night, planetLimit, sunLimit, separation, savePlace, instrument, magnitudeLimit, chart, field, year;
  std::optional<std::string> sky, homeSky;  // --cielo, and the sky saved with the home place
  std::vector<std::string> positional;
  std::vector<const OptionSpec*> seen;  // the options given, each once
  std::string zoneNote;                 // how coordinates got their zone, said when --zona does not give one
};

// The planets named (by number, in order), every planet when none is.
// Raises UsageError naming an unknown or empty name, or the Earth.
std::vector<Int16> ParseBodies(const std::vector<std::string>& names);

// Every option and positional value, until --help or --version. Raises
// UsageError for an option given twice, one unknown or a value missing.
Given Collect(const std::vector<std::string>& args);

// The place's own zone unless --zona gave one; for coordinates, the
// nearest city's, said once. Raises nothing.
void TakePlaceZone(Given& g);

}  // namespace orbitas::cli
