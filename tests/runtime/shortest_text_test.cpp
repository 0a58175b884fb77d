#include "runtime/shortest_text.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

namespace orbitas {
namespace {

// WriteShortest stands in for std::to_chars wherever the program writes a
// round-trip number, so it must write the very same bytes: random bit
// patterns, every power of ten with its neighbours, and the layouts' edges.
TEST(ShortestText, WritesWhatToCharsWrites) {
  auto check = [](double x) {
    char expected[64], actual[ShortestMaxLength];
    const std::string want(expected, std::to_chars(expected, expected + sizeof expected, x).ptr);
    ASSERT_EQ(std::string(actual, WriteShortest(x, actual)), want);
  };
  std::uint64_t state = 11;
  for (int k = 0; k < 300000; ++k) {
    state = state * 6364136223846793005ULL + 1442695040888963407ULL;
    double x;
    std::memcpy(&x, &state, sizeof x);
    if (std::isfinite(x)) check(x);
  }
  for (int e = -324; e <= 308; ++e) {
    const double p = std::pow(10.0, e);
    for (const double x : {p, std::nextafter(p, 0.0), std::nextafter(p, INFINITY), 1.5 * p, -7 * p}) check(x);
  }
  for (const double x : {0.0, -0.0, 1e-4, 1e-5, 1.5e-5, 0.0001234, 1e15, 1e16, 123456789012345680.0,
                         9007199254740993.0, 5e-324, 1.7976931348623157e308, -2.2250738585072014e-308,
                         2440587.5, -5.256477417693973e-06}) {
    check(x);
  }
}

}  // namespace
}  // namespace orbitas
