#pragma once
// What orbitas-cli says when the method's arithmetic gives out: the value
// as typed, and how far the method reaches.
#include <string>

#include "cli/arguments.h"

namespace orbitas::cli {

// "WHAT queda fuera del alcance del método, que con todos los planetas
// llega del día juliano −430546 al 5334693 (años −5891 a 9893)": the last
// Julian days at which all eight planets are still computed, found by
// bisection on the program itself.
std::string BeyondTheMethod(const std::string& what);

// The instant of args as typed, cut when long: "el día juliano 1e308" or
// "el instante 2000 1 1 12 0 0".
std::string TypedInstant(const Arguments& args);

}  // namespace orbitas::cli
