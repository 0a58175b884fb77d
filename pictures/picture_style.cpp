#include "pictures/picture_style.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace orbitas::pictures {
namespace {

// The channel k (0 red, 1 green, 2 blue) of "#rrggbb"; 0 when it is not one.
int Channel(std::string_view colour, int k) {
  if (colour.size() != 7 || colour[0] != '#') return 0;
  int value = 0;
  for (const char c : colour.substr(1 + 2 * static_cast<std::size_t>(k), 2)) {
    const int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : c >= 'A' && c <= 'F' ? c - 'A' + 10 : 0;
    value = value * 16 + digit;
  }
  return value;
}

}  // namespace

std::string Blend(std::string_view from, std::string_view to, double t, bool truncated) {
  t = std::clamp(t, 0.0, 1.0);
  int out[3];
  for (int k = 0; k < 3; ++k) {
    const double a = Channel(from, k), b = Channel(to, k), mixed = a + t * (b - a);
    out[k] = truncated ? static_cast<int>(mixed) : static_cast<int>(std::lround(mixed));
  }
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", out[0], out[1], out[2]);
  return text;
}

}  // namespace orbitas::pictures
