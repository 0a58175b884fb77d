#pragma once
// The little JSON the command line writes.
#include <string>
#include <string_view>

namespace orbitas::report {

// text as a JSON string literal, quotes included.
std::string JsonString(std::string_view text);

// x as a JSON number that reads back to the same double (the shortest such
// text); "null" for a value JSON cannot hold.
std::string JsonNumber(double x);

}  // namespace orbitas::report
