#include "table_instant.h"

#include <gtest/gtest.h>

namespace orbitas::cli {
namespace {

TEST(TableInstant, ReadsIsoDatesWithAstronomicalYearsAndJulianDays) {
  const auto a = ParseTableInstant("2026-01-01T06:30:15");
  ASSERT_TRUE(a && a->civil);
  EXPECT_EQ(a->civil->year, 2026);
  EXPECT_EQ(a->civil->hour, 6);
  EXPECT_EQ(a->civil->minute, 30);
  EXPECT_EQ(a->civil->second, 15);
  EXPECT_EQ(ParseTableInstant("-0500-03-01")->civil->year, -500);
  EXPECT_EQ(ParseTableInstant("+12000-01-01")->civil->year, 12000);
  EXPECT_EQ(ParseTableInstant("2026-01-01T06:30")->civil->second, 0);
  EXPECT_EQ(ParseTableInstant("2026-01-01T06:30:15.25")->civil->second, 15.25);
  EXPECT_EQ(ParseTableInstant("JD2451545.0")->julianDay, 2451545.0);
  EXPECT_FALSE(ParseTableInstant("JD2451545.0")->civil);
  for (const char* bad : {"2026-02-30", "2026-13-01", "2026-1-1", "26-01-01", "2026-01-01T24:00",
                          "2026-01-01T06", "2026-01-01T06:30:60", "JD", "JDabc", "JD1e999",
                          "2026-01-01x", "12000-01-01", ""}) {
    EXPECT_FALSE(ParseTableInstant(bad)) << bad;
  }
}

TEST(TableInstant, StepsArePositiveNumbersWithAUnit) {
  EXPECT_EQ(*ParseStepSeconds("10d"), 864000);
  EXPECT_EQ(*ParseStepSeconds("6h"), 21600);
  EXPECT_EQ(*ParseStepSeconds("0.5d"), 43200);
  EXPECT_EQ(*ParseStepSeconds("30m"), 1800);
  EXPECT_EQ(*ParseStepSeconds("15s"), 15);
  for (const char* bad : {"0d", "-1d", "5y", "d", "10", "1e999d", "1.5.2h", ""}) {
    EXPECT_FALSE(ParseStepSeconds(bad)) << bad;
  }
}

TEST(TableInstant, IsoTextAndJulianDays) {
  EXPECT_EQ(IsoText(*ParseTableInstant("-0500-03-01")->civil), "-0500-03-01T00:00:00");
  EXPECT_EQ(IsoText(*ParseTableInstant("+12000-01-01")->civil), "+12000-01-01T00:00:00");
  EXPECT_EQ(IsoText(*ParseTableInstant("2026-01-01T06:30:15.25")->civil), "2026-01-01T06:30:15.25");
  EXPECT_EQ(IsoText(CivilFromJulianDay(2451545.0)), "2000-01-01T12:00:00");
  EXPECT_EQ(IsoText(CivilFromJulianDay(2446822.5)), "1987-01-27T00:00:00");
  EXPECT_EQ(IsoText(CivilFromJulianDay(0.0)), "-4713-11-24T12:00:00");
}

}  // namespace
}  // namespace orbitas::cli
