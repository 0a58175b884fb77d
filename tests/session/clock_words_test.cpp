// The day and the clock as a heading says them. Mistakes: the weekday off
// by one (1970-01-01 was a Thursday), the month's abbreviation of the
// wrong month, the database's name for the clock ("Europe/Madrid"), the
// winter abbreviation in summer, a numeric abbreviation shown raw ("-03"),
// English city names where Spanish has its own.
#include <gtest/gtest.h>

#include "calendar/civil_time.h"
#include "session/clock_words.h"
#include "tests/support/julian_days.h"

namespace orbitas {
namespace {

using testing::Jd;

TEST(ClockWords, DatesWithTheirWeekday) {
  const struct {
    const char* iso;
    const char* words;
  } cases[] = {{"2026-12-14", "lun 14 dic 2026"}, {"2027-08-02", "lun 2 ago 2027"}, {"1970-01-01", "jue 1 ene 1970"},
               {"2000-02-29", "mar 29 feb 2000"}, {"2026-06-07", "dom 7 jun 2026"}, {"1582-10-15", "vie 15 oct 1582"},
               {"hoy", "hoy"},                    {"2026-13-01", "2026-13-01"}};
  for (const auto& c : cases) EXPECT_EQ(DateWithWeekday(c.iso), c.words) << c.iso;
}

TEST(ClockWords, ZonesAsTheirClocks) {
  const Instant winter = Instant::FromUt(Jd(2026, 12, 14, 12, 0, 0)), summer = Instant::FromUt(Jd(2027, 7, 1, 12, 0, 0));
  const struct {
    const char* zone;
    Instant at;
    const char* words;
  } cases[] = {
      {"Europe/Madrid", winter, "hora de Madrid (CET)"},
      {"Europe/Madrid", summer, "hora de Madrid (CEST)"},
      {"America/Argentina/Buenos_Aires", winter, "hora de Buenos Aires (UTC\u22123)"},
      {"America/Mexico_City", winter, "hora de Ciudad de México (CST)"},
      {"Atlantic/Canary", summer, "hora de Canarias (WEST)"},
      {"Asia/Kathmandu", winter, "hora de Kathmandu (UTC+5:45)"},
  };
  for (const auto& c : cases) EXPECT_EQ(ClockWords(*TimeZone::Named(c.zone), c.at), c.words) << c.zone;
  EXPECT_EQ(ClockWords(TimeZone(), winter), "UT");
  EXPECT_EQ(ClockWords(TimeZone::FixedOffset(3600, "+01:00"), winter), "hora UTC+1");
  EXPECT_EQ(ClockWords(TimeZone::FixedOffset(3600, "CET"), winter), "hora CET");
  EXPECT_EQ(ClockWords(*TimeZone::Named("Europe/Madrid")), "hora de Madrid") << "a span names no abbreviation";
  EXPECT_EQ(ClockWordsOn(*TimeZone::Named("Europe/Madrid"), "2027-07-01"), "hora de Madrid (CEST)");
}

}  // namespace
}  // namespace orbitas
