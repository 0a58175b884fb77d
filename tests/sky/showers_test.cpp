// Meteor showers' peaks against the International Meteor Organization's
// calendars for 2026 and 2027, and the J2000 solar longitudes they are
// counted in against the seasons, which are counted in longitudes of date.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "calendar/civil_days.h"
#include "sky/events/phenomena.h"
#include "sky/night/night_showers.h"
#include "sky/showers/meteor_showers.h"
#include "tests/support/filled_elements.h"

namespace orbitas {
namespace {

double Jd(int year, int month, int day, double hour = 0) {
  return static_cast<double>(DaysFromCivil(year, month, day)) + 2440587.5 + hour / 24;
}

TEST(Showers, TheMajorPeaksFallOnTheImoCalendarsDates) {
  const struct {
    const char* code;
    double date;  // the calendar's day of the peak, 0h UT
  } calendar[] = {
      {"QUA", Jd(2026, 1, 3)},  {"LYR", Jd(2026, 4, 22)}, {"ETA", Jd(2026, 5, 6)},  {"PER", Jd(2026, 8, 12)},
      {"ORI", Jd(2026, 10, 21)}, {"LEO", Jd(2026, 11, 17)}, {"GEM", Jd(2026, 12, 14)}, {"URS", Jd(2026, 12, 22)},
      {"QUA", Jd(2027, 1, 4)},  {"LYR", Jd(2027, 4, 22)}, {"ETA", Jd(2027, 5, 6)},  {"PER", Jd(2027, 8, 13)},
      {"ORI", Jd(2027, 10, 21)}, {"LEO", Jd(2027, 11, 18)}, {"GEM", Jd(2027, 12, 14)}, {"URS", Jd(2027, 12, 22)},
  };
  for (const auto& c : calendar) {
    int found = 0;
    FindShowerPeaks(c.date - 2, c.date + 3, [&](const ShowerPeak& p) {
      if (p.shower->code != c.code) return;
      ++found;
      EXPECT_GT(p.time, c.date - 0.5) << c.code;
      EXPECT_LT(p.time, c.date + 1.5) << c.code;  // the calendar's day, or the night after it
    });
    EXPECT_EQ(found, 1) << c.code << " " << c.date;
  }
}

TEST(Showers, J2000LongitudesRunSomeEightHoursBehindTheSeasons) {
  // The seasons are the Sun's apparent longitude of date (0, 90, 180, 270);
  // the same J2000 longitudes come later by the precession since 2000, 0.37
  // degrees in 2026, less the aberration and the nutation: 8 to 10 hours
  // as the Sun's speed goes through the year (counted in longitudes of date
  // they would coincide).
  const ElementsTable e = testing::FilledElements();
  double t = Jd(2026, 1, 1);
  for (int k = 0; k < 4; ++k) {
    const std::optional<Phenomenon> season = NextSeason(e, t);
    ASSERT_TRUE(season && season->referenceTime);
    const double target = 90.0 * k;
    double atJ2000 = *season->referenceTime;
    for (int i = 0; i < 20; ++i) atJ2000 -= std::remainder(SolarLongitude(atJ2000) - target, 360.0) / 0.9856;
    const double hours = (atJ2000 - *season->referenceTime) * 24;
    EXPECT_GT(hours, 8) << target;
    EXPECT_LT(hours, 10) << target;
    t = season->time + 1;
  }
}

TEST(Showers, ActivityAndTheRadiantsDrift) {
  const MeteorShower* perseids = nullptr;
  for (const MeteorShower& s : MeteorShowers()) {
    if (s.code == "PER") perseids = &s;
  }
  ASSERT_TRUE(perseids);
  EXPECT_TRUE(ShowerActive(*perseids, Jd(2026, 8, 1)));
  EXPECT_FALSE(ShowerActive(*perseids, Jd(2026, 9, 1)));
  const Radiant peak = RadiantAt(*perseids, Jd(2026, 8, 13, 2)), week = RadiantAt(*perseids, Jd(2026, 8, 6, 2));
  EXPECT_NEAR(peak.rightAscension, 48, 0.2);
  EXPECT_NEAR(peak.rightAscension - week.rightAscension, 7 * 1.35, 0.3) << "the radiant moves east day by day";
  const MeteorShower* quadrantids = &MeteorShowers().front();
  EXPECT_TRUE(ShowerActive(*quadrantids, Jd(2026, 1, 1))) << "an activity across the year's end";
  EXPECT_TRUE(ShowerActive(*quadrantids, Jd(2025, 12, 30)));
}

TEST(Showers, ThePerseidsOnTheNightOfTheirPeakFromMadrid) {
  const ElementsTable e = testing::FilledElements();
  const Place madrid(40.4168, -3.7038);
  const double start = Jd(2026, 8, 12, 10), end = Jd(2026, 8, 13, 10);
  const DarkSky dark = DarkSkyOf(e, madrid, start, end, {}, (start + end) / 2, {});
  const std::vector<ShowerNight> showers = ShowersInTheNight(madrid, dark);
  const auto perseids = std::find_if(showers.begin(), showers.end(), [](const ShowerNight& s) { return s.shower->code == "PER"; });
  ASSERT_NE(perseids, showers.end());
  EXPECT_GT(perseids->radiantAltitude, 55) << "the radiant climbs all night and is highest at dawn";
  EXPECT_NEAR(perseids->hourlyRate, 100 * std::sin(perseids->radiantAltitude * ExactPi / 180), 1e-9);
  EXPECT_FALSE(perseids->moonUp) << "the Moon is new: the total eclipse of that day";
  EXPECT_LT(perseids->moonIlluminated, 0.01);
  for (const ShowerNight& s : showers) EXPECT_TRUE(ShowerActive(*s.shower, dark.middle)) << s.shower->code;
}

}  // namespace
}  // namespace orbitas
