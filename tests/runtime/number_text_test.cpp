#include "runtime/number_text.h"

#include <gtest/gtest.h>

#include "tests/support/runtime_error_check.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "runtime/runtime_error.h"

namespace orbitas {
namespace {

struct ValCase {
  const char* text;
  double expected;
};

TEST(Val, ReadsTheLongestLeadingNumber) {
  const ValCase cases[] = {
      {"", 0},          {"abc", 0},        {"12", 12},        {" 1 2 ", 12},
      {"\t-3.5", -3.5}, {"+.5", 0.5},      {"1e3", 1000},     {"1E-3", 0.001},
      {"1e", 1},        {"1e+", 1},        {"1.2.3", 1.2},    {"2000abc", 2000},
      {"- 4", -4},      {"--3", 0},        {".", 0},          {"0x1A", 0},
      {"1,5", 1},       {"1e-999", 0},     {"2451545.25", 2451545.25}};
  for (const auto& c : cases) EXPECT_EQ(Val(c.text), c.expected) << '"' << c.text << '"';
}

TEST(Val, RaisesOverflowForANumberBeyondTheDoubleRange) {
  EXPECT_RUNTIME_ERROR(Val("1e999"), ErrorKind::Overflow);
  EXPECT_RUNTIME_ERROR(Val("-1e309"), ErrorKind::Overflow);
  EXPECT_EQ(Val("1.7976931348623157e308"), 1.7976931348623157e308);
}

struct TextCase {
  double x;
  const char* expected;
};

TEST(CStr, FifteenSignificantDigitsWithoutTrailingZeros) {
  const TextCase cases[] = {
      {0.0, "0"},
      {-0.0, "0"},
      {2451545.0, "2451545"},
      {2446822.5, "2446822.5"},
      {-5.25647741769397e-06, "-5.25647741769397E-06"},
      {0.0001, "0.0001"},
      {0.00001, "1E-05"},
      {999999999999999.0, "999999999999999"},
      {1e15, "1E+15"},
      {9999999999999999.0, "1E+16"},
      {123456789012345678.0, "1.23456789012346E+17"},
      {1e100, "1E+100"},
      {0.5, "0.5"},
      {-0.185834277598265, "-0.185834277598265"},
      {1.0 / 3, "0.333333333333333"},
      {2.0 / 3, "0.666666666666667"}};
  for (const auto& c : cases) EXPECT_EQ(CStr(c.x), c.expected) << c.expected;
}

TEST(CStr, WritesTheGivenDecimalSeparator) {
  EXPECT_EQ(CStr(2446822.5, ","), "2446822,5");
  EXPECT_EQ(CStr(-5.25647741769397e-06, ","), "-5,25647741769397E-06");
  EXPECT_EQ(CStr(12.0, ","), "12");
}

struct FormatCase {
  double x;
  const char* pattern;
  const char* expected;
};

TEST(Format, RoundsHalvesAwayFromZeroOnTheExactValue) {
  const FormatCase cases[] = {
      {5.0625, "#0.0##", "5.063"},         // an exact half rounds away from zero
      {59.9996, "#0.0##", "60.0"},         // no carry into the minutes
      {5.0, "#0.0##", "5.0"},
      {41.752, "#0.0##", "41.752"},
      {44.9999999999974, "#0.0##", "45.0"},
      {0.0005, "#0.0##", "0.001"},         // stored just above the half
      {1.0005, "#0.0##", "1.0"},           // stored just below the half
      {1.2345, "#0.0##", "1.234"},
      {-1.0625, "#0.0##", "-1.063"},
      {-0.0001, "#0.0##", "0.0"},          // rounds to zero: no sign
      {0.0, "#0.0##", "0.0"},
      {12.0, "#0.0#############", "12.0"},
      {18.5, "#0.0#############", "18.5"},
      {6.25, "#0.0#############", "6.25"},
      {1.0 / 3, "#0.0#############", "0.33333333333333"},
      {2.0 / 3, "#0.0#############", "0.66666666666667"},
      {0.1, "#0.0#############", "0.1"},
      {99999.99999999999, "#0.0#############", "99999.99999999998545"},
      {1e20, "#0.0##", "100000000000000000000.0"},
      {5e-324, "#0.0#############", "0.0"}};
  for (const auto& c : cases) EXPECT_EQ(Format(c.x, c.pattern), c.expected) << c.expected;
}

TEST(Format, WritesTheGivenDecimalSeparator) {
  EXPECT_EQ(Format(12.0, "#0.0#############", ","), "12,0");
  EXPECT_EQ(Format(41.752, "#0.0##", ","), "41,752");
}

TEST(Format, RefusesAPatternOfAnotherShape) {
  EXPECT_THROW(Format(1.0, "0.00E+00"), std::invalid_argument);
  EXPECT_THROW(Format(LocalDateTime{}, "hh:nn"), std::invalid_argument);
}

TEST(Format, DatePatternsGiveFixedWidths) {
  const LocalDateTime now{987, 3, 4, 5, 6, 7};
  EXPECT_EQ(Format(now, "yyyy"), "0987");
  EXPECT_EQ(Format(now, "mm"), "03");
  EXPECT_EQ(Format(now, "dd"), "04");
  EXPECT_EQ(Format(now, "hh"), "05");
  EXPECT_EQ(Format(now, "nn"), "06");
  EXPECT_EQ(Format(now, "ss"), "07");
  EXPECT_EQ(Format(LocalDateTime{2026, 12, 31, 23, 59, 59}, "hh"), "23");
}

}  // namespace
}  // namespace orbitas

namespace orbitas {
namespace {

// Format "#0.0##" against the exact decimal expansion that printf writes,
// rounded by hand: halves and their neighbours, and values spread over the
// range of seconds and beyond.
std::string SecondsByExactExpansion(double x) {
  // Sixty places hold every value here well enough to tell a half from
  // its neighbours.
  char exact[400];
  std::snprintf(exact, sizeof exact, "%.60f", std::fabs(x));
  std::string digits(exact);
  const std::size_t point = digits.find('.');
  std::string kept = digits.substr(0, point) + digits.substr(point + 1, 3);
  if (digits[point + 4] >= '5') {
    std::size_t i = kept.size();
    while (i > 0 && kept[i - 1] == '9') kept[--i] = '0';
    if (i == 0) kept.insert(kept.begin(), '1');
    else ++kept[i - 1];
  }
  std::string whole = kept.substr(0, kept.size() - 3), decimals = kept.substr(kept.size() - 3);
  while (decimals.size() > 1 && decimals.back() == '0') decimals.pop_back();
  whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size() - 1));
  const bool zero = kept.find_first_not_of('0') == std::string::npos;
  return (x < 0 && !zero ? "-" : "") + whole + "." + decimals;
}

TEST(FormatSeconds, AgreesWithTheExactExpansionEverywhere) {
  std::vector<double> values = {0.0, -0.0, 0.0005, -0.0005, 59.9995, 59.9996, 0.0625, 1e-300, 4503599627370495.5,
                                9007199254740991.0, 1e16, -123456.4445};
  for (int k = 0; k < 40000; ++k) {
    const double half = k / 2000.0;  // on or next to a half of the last place
    values.insert(values.end(), {half, std::nextafter(half, 0.0), std::nextafter(half, 100.0)});
  }
  std::uint64_t state = 7;
  for (int k = 0; k < 50000; ++k) {
    state = state * 6364136223846793005ULL + 1442695040888963407ULL;
    values.push_back(std::ldexp(static_cast<double>(state >> 11), -46) - 64.0);  // -64..64
  }
  char buffer[48];
  for (const double x : values) {
    const std::string expected = SecondsByExactExpansion(x);
    ASSERT_EQ(Format(x, "#0.0##"), expected) << x;
    ASSERT_EQ(std::string(buffer, WriteFormat(x, "#0.0##", ".", buffer, sizeof buffer)), expected) << x;
  }
}

}  // namespace
}  // namespace orbitas
