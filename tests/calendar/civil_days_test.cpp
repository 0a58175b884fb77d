#include "calendar/civil_days.h"

#include <gtest/gtest.h>

namespace orbitas {
namespace {

TEST(CivilDays, CountsTheProlepticGregorianCalendar) {
  EXPECT_EQ(DaysFromCivil(1970, 1, 1), 0);
  EXPECT_EQ(DaysFromCivil(2000, 1, 1), 10957);
  EXPECT_EQ(DaysFromCivil(2000, 3, 1) - DaysFromCivil(2000, 2, 28), 2);  // 2000 is a leap year
  EXPECT_EQ(DaysFromCivil(1900, 3, 1) - DaysFromCivil(1900, 2, 28), 1);  // 1900 is not
  EXPECT_EQ(DaysFromCivil(0, 3, 1) - DaysFromCivil(0, 2, 28), 2);        // year 0 is
  for (std::int64_t days = -1'000'000; days <= 4'000'000; days += 997) {
    const CivilDate t = CivilFromDays(days);
    ASSERT_EQ(DaysFromCivil(t.year, t.month, t.day), days);
  }
}

}  // namespace
}  // namespace orbitas
