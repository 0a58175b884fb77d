#pragma once
// The commands that plan a night out: tonight's tour (--recorrido) and an
// eclipse on the map (--mapa). Each writes its answer in the format asked
// and returns the program's status; what the runners raise propagates.
#include "cli/arguments.h"
#include "cli/command_context.h"

namespace orbitas::cli {

int RunTour(const Arguments& args, Context& ctx);
int RunEclipseMap(const Arguments& args, Context& ctx);

}  // namespace orbitas::cli
