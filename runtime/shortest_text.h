#pragma once
// The shortest decimal text that reads back to the same double, laid out
// exactly as std::to_chars(first, last, x) lays it out (fixed or
// scientific, whichever is shorter, fixed on a tie; "e" with a sign and at
// least two exponent digits), but several times faster: the digits come
// from libfmt's Dragonbox.

#include <cstddef>
#include <string>

namespace orbitas {

// The most bytes WriteShortest writes: "-2.2250738585072014e-308".
inline constexpr std::size_t ShortestMaxLength = 24;

// Writes the shortest round-trip text of x (finite) into out, which has
// room for ShortestMaxLength bytes; returns the number of bytes written.
// Cannot fail for a finite x; writes "inf", "-inf" or "nan" otherwise.
std::size_t WriteShortest(double x, char* out);

// The same text as a string. Raises nothing.
inline std::string ShortestText(double x) {
  char buffer[ShortestMaxLength];
  return std::string(buffer, WriteShortest(x, buffer));
}

}  // namespace orbitas
