#include "calendar/julian_day.h"

#include <gtest/gtest.h>

#include "tests/support/runtime_error_check.h"

namespace orbitas {
namespace {

struct WorkedExample {
  const char* name;
  double year, month, day, hour, minute, second;
  double decimalHour;
  Int16 d0;
  double f;
  Int32 nAfterYearTerm;
  Int16 s, q, c;
  Int32 nMonth, nYear;
  double julianDay;
};

// The four worked examples, stage by stage.
const WorkedExample WorkedExamples[] = {
    {"2000-1-1 12:00", 2000, 1, 1, 12, 0, 0, 12, 1, 0, -3500, -1, 8, -15, -3484, 2451545, 2451545.0},
    {"1987-1-27 00:00", 1987, 1, 27, 0, 0, 0, 0, 27, -0.5, -3477, -1, 8, -15, -3435, 2446823, 2446822.5},
    {"1900-3-1 06:00", 1900, 3, 1, 6, 0, 0, 6, 1, -0.25, -3326, -1, 6, -15, -3249, 2415080, 2415079.75},
    {"1999-12-31 18:30", 1999, 12, 31, 18, 30, 0, 18.5, 31, 0.2708333333333321, -3500, 1, 3, -15,
     -3118, 2451544, 2451544.2708333333},
};

TEST(JulianDay, WorkedExamplesStageByStage) {
  for (const auto& ex : WorkedExamples) {
    SCOPED_TRACE(ex.name);
    const double hour = ComputeDecimalHour(ex.hour, ex.minute, ex.second);
    EXPECT_EQ(hour, ex.decimalHour);
    JulianDayStages st;
    const double jd = ComputeJulianDay(ex.year, ex.month, ComputeDecimalDay(ex.day, hour), &st);
    EXPECT_EQ(st.d0, ex.d0);
    EXPECT_NEAR(st.f, ex.f, 1e-12);
    EXPECT_EQ(st.n, ex.nAfterYearTerm);
    EXPECT_EQ(st.s, ex.s);
    EXPECT_EQ(st.q, ex.q);
    EXPECT_EQ(st.c, ex.c);
    EXPECT_EQ(st.nMonth, ex.nMonth);
    EXPECT_EQ(st.nYear, ex.nYear);
    EXPECT_NEAR(jd, ex.julianDay, 1e-9);
  }
}

TEST(JulianDay, NoonNeedsNoCorrectionAndMidnightDoes) {
  JulianDayStages st;
  EXPECT_EQ(ComputeJulianDay(2000, 1, 1.5, &st), 2451545.0);
  EXPECT_EQ(st.f, 0.0);
  EXPECT_EQ(st.nCorrected, 2451545);
  EXPECT_EQ(ComputeJulianDay(1987, 1, 27, &st), 2446822.5);
  EXPECT_EQ(st.fCorrected, 0.5);
  EXPECT_EQ(st.nCorrected, 2446822);
}

struct SameDay {
  const char* name;
  double year, month, day;
  double expected;
};

TEST(JulianDay, OutOfRangeDatesRunOn) {
  const SameDay cases[] = {
      {"all fields empty", 0, 0, 0, 1721028.5},
      {"month 13 is January of the next year", 2000, 13, 1, 2451910.5},
      {"January of the next year", 2001, 1, 1, 2451910.5},
      {"30 February is 1 March", 2000, 2, 30, 2451604.5},
      {"1 March", 2000, 3, 1, 2451604.5},
      {"no day stage yet: day 0", 2001, 3, 0, 2451968.5},
      {"last accepted year", 32767, 3, 1, 13689019.5},
      {"1858-11-17 00:00, the modified Julian day epoch", 1858, 11, 17, 2400000.5},
  };
  for (const auto& c : cases) EXPECT_EQ(ComputeJulianDay(c.year, c.month, c.day), c.expected) << c.name;
}

TEST(JulianDay, MinutesAndSecondsAreNotLimited) {
  EXPECT_EQ(ComputeDecimalHour(1, 90, 0), 2.5);
  EXPECT_EQ(ComputeDecimalHour(0, 0, 5400), 1.5);
  EXPECT_EQ(ComputeDecimalDay(1, 12), 1.5);
}

TEST(JulianDay, FractionalMonthRoundsHalvesToEven) {
  JulianDayStages st;
  ComputeJulianDay(2000, 2.5, 1, &st);
  EXPECT_EQ(st.q, 6);  // |2.5 - 9| = 6.5 rounds to 6
}

struct ErrorCase {
  const char* name;
  double year, month, day;
};

TEST(JulianDay, RaisesOverflowWhereAValueLeavesItsWidth) {
  const ErrorCase cases[] = {
      {"year 32768 in the century step", 32768, 3, 1},
      {"year 40000", 40000, 3, 1},
      {"day 32768", 2000, 1, 32768},
      {"day below -32768", 2000, 1, -32768.5},
      {"month whose distance from 9 passes 32767", 2000, 40000, 1},
      {"month whose year term passes 32 bits", 2000, 1e12, 1},
  };
  for (const auto& c : cases) {
    EXPECT_RUNTIME_ERROR(ComputeJulianDay(c.year, c.month, c.day), ErrorKind::Overflow) << c.name;
  }
  EXPECT_NO_THROW(ComputeJulianDay(2000, 1, -32768));
  EXPECT_NO_THROW(ComputeJulianDay(-32767, 1, 1));
}

TEST(JulianDay, RaisesTheFloatingPointFaultBeyondTheDoubleRange) {
  EXPECT_RUNTIME_ERROR(ComputeDecimalHour(1.7976931348623157e308, 6e307, 0), ErrorKind::FloatingPointFault);
  EXPECT_RUNTIME_ERROR(ComputeJulianDay(1e308, 1, 1), ErrorKind::FloatingPointFault);
}

}  // namespace
}  // namespace orbitas
