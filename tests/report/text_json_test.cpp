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
  EXPECT_EQ(DateAtTime("mar 8 dic 2026 18:20"), "mar 8 dic 2026 a las 18:20");
  EXPECT_EQ(DateAtTime("2026-12-08 18:20"), "2026-12-08 a las 18:20");
}

TEST(TextLayout, MinusSignsWrittenWithTheNumberForPeopleOnly) {
  // Mistakes: a file's number given the minus sign (a spreadsheet no
  // longer reads it), a negative number left with the hyphen for people,
  // the separator lost, a positive number or zero given a sign.
  const struct {
    double x;
    const char* pattern;
    Numerals numbers;
    std::string_view out;
  } rows[] = {
      {-1.23, "#0.0", ForPeople(","), "\u22121,2"}, {-1.23, "#0.0", ForFiles(), "-1.2"},
      {-1.23, "#0.0", ForFiles(","), "-1,2"},      {1.23, "#0.0", ForPeople(","), "1,2"},
      {0, "#0.000", ForPeople("."), "0.000"},      {-12, "#0", ForPeople("."), "\u221212"},
  };
  for (const auto& r : rows) EXPECT_EQ(r.numbers(r.x, r.pattern), r.out) << r.x << " " << r.pattern;
  EXPECT_EQ(SignedNumber(-0.5, "#0.0", ","), "\u22120,5");
  EXPECT_EQ(ForPeople(",").Minus(), "\u2212");
  EXPECT_EQ(ForFiles().Minus(), "-");
}

TEST(TextLayout, DatesAndPlacesKeepTheirHyphensButNotTheirSigns) {
  // Mistakes: the hyphens between a date's fields turned, a hyphenated
  // name turned ("Saint-Étienne", "Castilla-La Mancha"), a coordinate's
  // sign left as a hyphen, the first of two coordinates missed.
  const struct {
    std::string_view in, out;
  } dates[] = {{"2027-02-19", "2027-02-19"}, {"vie 19 feb 2027 21:30", "vie 19 feb 2027 21:30"}, {"-0500-03-01", "\u22120500-03-01"}};
  for (const auto& d : dates) EXPECT_EQ(DateText(std::string(d.in)), d.out) << d.in;
  const struct {
    std::string_view in, out;
  } places[] = {
      {"40.4168, -3.7038", "40.4168, \u22123.7038"},
      {"-33.4489, -70.6693", "\u221233.4489, \u221270.6693"},
      {"Saint-Étienne (Auvergne-Rhône-Alpes, Francia; 45.4340, 4.3900)",
       "Saint-Étienne (Auvergne-Rhône-Alpes, Francia; 45.4340, 4.3900)"},
      {"Sevilla (Andalusia, España; 37.3828, -5.9732)", "Sevilla (Andalusia, España; 37.3828, \u22125.9732)"},
  };
  for (const auto& p : places) {
    Place place;
    place.text = std::string(p.in);
    EXPECT_EQ(PlaceText(place), p.out) << p.in;
  }
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
