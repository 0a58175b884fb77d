// The little writers every output shares: JSON strings and numbers, the
// widths of UTF-8 text, the sexagesimal and azimuth texts, the minus sign
// and the CSV field.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "report/json.h"
#include "report/text_layout.h"

namespace orbitas::report {
namespace {

TEST(JsonString, EscapesWhatJsonRequires) {
  // Mistakes: the quote or backslash left raw, a control character
  // written raw or as \x.., "é" or "Δ" escaped or mangled, '/' escaped.
  const struct {
    std::string_view in, out;
  } rows[] = {
      {"Marte", "\"Marte\""},
      {"di \"hola\"", "\"di \\\"hola\\\"\""},
      {"a\\b", "\"a\\\\b\""},
      {"l\u00ednea\n\ttab", "\"l\u00ednea\\n\\ttab\""},
      {std::string_view("\x01", 1), "\"\\u0001\""},
      {"\u0394T 1/2", "\"\u0394T 1/2\""},
      {"", "\"\""},
  };
  for (const auto& r : rows) EXPECT_EQ(JsonString(r.in), r.out) << r.in;
}

TEST(JsonNumber, ShortestTextAndNullForNonNumbers) {
  // Mistakes: a fixed precision ("0.100000"), the locale's comma, "nan" or
  // "inf" in the JSON, "-0" kept as "0" or the reverse, exponent lost.
  const struct {
    double x;
    std::string_view out;
  } rows[] = {
      {0.1, "0.1"}, {-1.24, "-1.24"}, {2461456.1555555556, "2461456.1555555556"}, {100, "100"}, {1e-7, "1e-07"},
  };
  for (const auto& r : rows) EXPECT_EQ(JsonNumber(r.x), r.out) << r.x;
  EXPECT_EQ(JsonNumber(std::numeric_limits<double>::quiet_NaN()), "null");
  EXPECT_EQ(JsonNumber(std::numeric_limits<double>::infinity()), "null");
  EXPECT_EQ(std::stod(JsonNumber(1.0 / 3)), 1.0 / 3) << "reads back to the same double";
}

TEST(TextLayout, WidthsCountCharactersNotBytes) {
  // Mistakes: bytes counted (so "Júpiter" is 8 wide), the least gap
  // ignored when the text is already wider, padding past the start.
  EXPECT_EQ(DisplayWidth("Júpiter"), 7u);
  EXPECT_EQ(DisplayWidth("αδ°′″"), 5u);
  EXPECT_EQ(PadRight("Júpiter", 10), "Júpiter   ");
  EXPECT_EQ(PadRight("Júpiter", 5, 2), "Júpiter  ");
  EXPECT_EQ(PadRight("ab", 2), "ab");
  std::string out = "x: ó";
  PadFrom(out, 3, 4);
  EXPECT_EQ(out, "x: ó   ");
}

TEST(TextLayout, SexagesimalAndAzimuthTexts) {
  // Mistakes: the sign without its space, an azimuth of 359.96 written
  // 360,0 (it is north), the separator not applied, a tenth truncated.
  EXPECT_EQ(HoursMinutesSeconds("22", "3", "41.752"), "22 h 3 m 41.752 s");
  EXPECT_EQ(DegreesMinutesSeconds("-", "-13", "1", "24.911"), "- -13° 1′ 24.911″");
  EXPECT_EQ(DegreesMinutesSeconds("", "13", "1", "24.911"), "13° 1′ 24.911″");
  const struct {
    double degrees;
    std::string_view text;
  } rows[] = {{0, "0,0"}, {12.34, "12,3"}, {12.36, "12,4"}, {359.94, "359,9"}, {359.96, "0,0"}, {180, "180,0"}};
  for (const auto& r : rows) EXPECT_EQ(AzimuthText(r.degrees, ","), r.text) << r.degrees;
  EXPECT_EQ(AzimuthText(12.34, "."), "12.3");
  EXPECT_EQ(DateAtTime("2026-12-08 18:20"), "2026-12-08 a las 18:20");
}

TEST(TextLayout, MinusSignsOnlyForNegativeNumbers) {
  // Mistakes: the hyphens of dates, ranges and names turned too, a
  // leading '-' missed, a '-' before a letter turned.
  const struct {
    std::string_view in, out;
  } rows[] = {
      {"-1,2", "\u22121,2"},
      {"magnitud -1,2", "magnitud \u22121,2"},
      {"(-3,0 min)", "(\u22123,0 min)"},
      {"2027-02-19", "2027-02-19"},
      {"1950-2100", "1950-2100"},
      {"Púppidas-Vélidas", "Púppidas-Vélidas"},
      {"a-5", "a-5"},
      {"- x", "- x"},
      {"−2", "−2"},
  };
  for (const auto& r : rows) EXPECT_EQ(WithMinusSigns(r.in), r.out) << r.in;
}

TEST(TextLayout, CsvFieldQuotesOnlyWhenNeeded) {
  // Mistakes: every field quoted, a quote not doubled, a line break or
  // a semicolon-only field treated wrongly.
  const struct {
    std::string_view in, out;
  } rows[] = {
      {"Marte", "Marte"},
      {"Venus, Júpiter", "\"Venus, Júpiter\""},
      {"el \"método\"", "\"el \"\"método\"\"\""},
      {"dos\nlíneas", "\"dos\nlíneas\""},
      {"a;b", "a;b"},
      {"", ""},
  };
  for (const auto& r : rows) EXPECT_EQ(CsvField(r.in), r.out) << r.in;
}

}  // namespace
}  // namespace orbitas::report
