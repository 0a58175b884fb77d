// Time zones: offsets through the year, the day summer time begins and
// ends, the years past the database, and zones that do not leak into one
// another.
#include <gtest/gtest.h>

#include "calendar/time_zone.h"

namespace orbitas {
namespace {

TEST(TimeZone, MadridInWinterSummerAndOnTheDaySummerTimeBegins) {
  const TimeZone madrid = *TimeZone::Named("Europe/Madrid");
  const auto utc = [](int y, int m, int d, int h, int mi) {
    CivilTime t;
    t.year = y, t.month = m, t.day = d, t.hour = h, t.minute = mi;
    return SecondsFromCivil(t);
  };
  const auto local = [](int y, int m, int d, int h, int mi) {
    CivilTime t;
    t.year = y, t.month = m, t.day = d, t.hour = h, t.minute = mi;
    return t;
  };
  EXPECT_EQ(madrid.LocalAt(utc(2026, 1, 15, 11, 0)).Iso(), "2026-01-15T12:00:00+01:00");
  EXPECT_EQ(madrid.LocalAt(utc(2026, 7, 15, 10, 0)).Iso(), "2026-07-15T12:00:00+02:00");
  EXPECT_EQ(madrid.UtcOf(local(2026, 1, 15, 12, 0)), utc(2026, 1, 15, 11, 0));
  EXPECT_EQ(madrid.UtcOf(local(2026, 7, 15, 12, 0)), utc(2026, 7, 15, 10, 0));
  // 2026-03-29: 02:00 becomes 03:00; the day has 23 hours.
  EXPECT_EQ(madrid.LocalAt(utc(2026, 3, 29, 1, 0)).Iso(), "2026-03-29T03:00:00+02:00");
  EXPECT_EQ(madrid.UtcOf(local(2026, 3, 30, 0, 0)) - madrid.UtcOf(local(2026, 3, 29, 0, 0)), 23 * 3600.0);
  EXPECT_EQ(madrid.UtcOf(local(2026, 3, 29, 2, 30)), utc(2026, 3, 29, 1, 30));  // in the gap: the old offset
  // 2026-10-25: 03:00 becomes 02:00 again; a repeated time is its first.
  EXPECT_EQ(madrid.UtcOf(local(2026, 10, 25, 2, 30)), utc(2026, 10, 25, 0, 30));
  // Past the database's last transition, the file's rule goes on.
  EXPECT_EQ(madrid.LocalAt(utc(2100, 7, 1, 10, 0)).Iso(), "2100-07-01T12:00:00+02:00");
  EXPECT_EQ(madrid.UtcOf(local(2100, 3, 28, 2, 30)), utc(2100, 3, 28, 1, 30));
  EXPECT_EQ(madrid.UtcOf(local(2100, 10, 31, 2, 30)), utc(2100, 10, 31, 0, 30));
  EXPECT_EQ(TimeZone::FixedOffset(-12600, "-03:30").UtcOf(local(2026, 1, 1, 0, 0)), utc(2026, 1, 1, 3, 30));
  EXPECT_TRUE(TimeZone::FixedOffset(0, "UTC").IsUtc());
}

TEST(TimeZone, EachZoneKeepsItsOwnOffsetsWhateverWasChosenLast) {
  const auto noon = [](int month) {
    CivilTime t;
    t.year = 2026, t.month = month, t.day = 15, t.hour = 12;
    return SecondsFromCivil(t);
  };
  const TimeZone madrid = *TimeZone::Named("Europe/Madrid");
  const TimeZone sydney = *TimeZone::Named("Australia/Sydney");
  const TimeZone dublin = *TimeZone::Named("Europe/Dublin");
  EXPECT_FALSE(TimeZone::Named("Europa/Madrid"));
  EXPECT_FALSE(TimeZone::Named("../../etc/passwd"));
  struct Case {
    const TimeZone* zone;
    int month;
    long offset;
  };
  for (const Case& c : {Case{&madrid, 1, 3600}, Case{&sydney, 1, 39600}, Case{&madrid, 7, 7200},
                        Case{&sydney, 7, 36000}, Case{&dublin, 1, 0}, Case{&dublin, 7, 3600}}) {
    EXPECT_EQ(c.zone->OffsetAt(Instant::FromUt(JulianDayFromUnixSeconds(noon(c.month)))), c.offset)
        << c.zone->name() << " " << c.month;
  }
}

}  // namespace
}  // namespace orbitas
