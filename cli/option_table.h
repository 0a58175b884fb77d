#pragma once
// Every option of orbitas-cli, defined once: its names, its argument, its
// help line and what the shell completes after it. The help's list of
// options is made from this table; the manual page and the bash completion
// are checked against it. A new option is one row.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "session/nearest_names.h"

namespace orbitas::cli {

enum class OptionId { Json, JulianDay, From, To, Step, Format, Explain, RiseSet, Night, PlanetLimit, SunLimit, Phenomena, Separation,
                      Place, SavePlace, Instrument, Eclipses, Eclipse, MagnitudeLimit, Chart, Field, Year, Almanac,
                      Zone, Picture, Size, Method, Sky, Tour, Aperture, Objects, Type, Everything, Map, Region, Help, Version };

// What the shell completes after an option that takes a value.
enum class Completion { Nothing, Formats, Zones, PictureFiles, Instruments, Skies };

struct OptionSpec {
  OptionId id;
  std::string_view name;       // "--desde": the Spanish name the help shows
  std::string_view alias;      // an older spelling kept for scripts ("--from"), or empty
  std::string_view argument;   // "INICIO", or empty for an option without a value; "[FECHA]" when it may be left out
  std::string_view help;       // one line, in Spanish
  Completion completion = Completion::Nothing;
};

extern const std::array<OptionSpec, 37> Options;

// The option that arg names: its name or alias, or the same with the
// accents left out ("--tamano" for "--tamaño"); "-h" is --help. Null for
// any other text.
const OptionSpec* FindOption(std::string_view arg);

// Every name and alias of the table.
std::vector<std::string> OptionNames();

// The help's "Opciones:" section: a line per option, its aliases once.
std::string OptionsHelp();

}  // namespace orbitas::cli
