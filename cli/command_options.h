#pragma once
// Which options each command takes: one table, checked once the command
// is known, so that no option given is ever silently left unused.
#include <vector>

#include "cli/arguments.h"
#include "cli/option_table.h"

namespace orbitas::cli {

// Raises UsageError naming the first option of given that command does
// not take, the command, and the options it does take ("--json no se usa
// con --carta, que admite --lugar, --zona, --campo, --dibujo y --tamaño").
// --zona with --jd is taken only where it changes what is written: with
// --lugar and --dibujo (the sky's picture shows the local time).
void RequireOptionsOf(Command command, const std::vector<const OptionSpec*>& given, bool julianDay, bool place,
                      bool picture);

}  // namespace orbitas::cli
