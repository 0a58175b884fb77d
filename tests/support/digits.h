#pragma once
// Comparing a computed double with a value written to a given number of
// significant digits, as the worked examples give them.
#include <cstdio>
#include <string>

namespace orbitas::testing {

// The significant digits of a decimal text such as "-0.00000525647741769"
// (11 here: leading zeros do not count, trailing ones do).
inline int SignificantDigits(const std::string& text) {
  int digits = 0;
  bool started = false;
  for (char c : text) {
    if (c == 'e' || c == 'E') break;
    if (c < '0' || c > '9') continue;
    if (c != '0') started = true;
    if (started) ++digits;
  }
  return digits;
}

// value rounded to as many significant digits as expected has, in %g's form,
// beside expected read and printed the same way: equal when value agrees
// with the worked number to the last digit shown.
inline std::string Rounded(double value, int digits) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*g", digits, value);
  return buffer;
}

#define EXPECT_DIGITS(value, expected)                                              \
  EXPECT_EQ(::orbitas::testing::Rounded((value), ::orbitas::testing::SignificantDigits(expected)), \
            ::orbitas::testing::Rounded(std::stod(expected),                         \
                                        ::orbitas::testing::SignificantDigits(expected)))

}  // namespace orbitas::testing
