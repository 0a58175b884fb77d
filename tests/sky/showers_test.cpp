// Meteor showers' peaks against the International Meteor Organization's
// calendars for 2026 and 2027, and the J2000 solar longitudes they are
// counted in against the seasons, which are counted in longitudes of date.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "calendar/civil_days.h"
#include "sky/events/phenomena.h"
#include "sky/night/night_showers.h"
#include "sky/night/sky_brightness.h"
#include "sky/search/toolkit.h"
#include "sky/showers/meteor_showers.h"
#include "tests/support/filled_elements.h"
#include "tests/support/julian_days.h"

namespace orbitas {
namespace {

using testing::Jd;
using testing::Ut;

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
    FindShowerPeaks({Instant::FromUt(c.date - 2), Instant::FromUt(c.date + 3)}, [&](const ShowerPeak& p) {
      if (p.shower->code != c.code) return;
      ++found;
      EXPECT_GT(p.time.ut, c.date - 0.5) << c.code;
      EXPECT_LT(p.time.ut, c.date + 1.5) << c.code;  // the calendar's day, or the night after it
    });
    EXPECT_EQ(found, 1) << c.code << " " << c.date;
  }
}

TEST(Showers, EveryPeakIsWhereTheSunReachesItsLongitudeEvenFarFrom2000) {
  // The mean rate's guess can miss the passage by more than two days (the
  // Sun is faster near perihelion, and J2000 longitudes come round in a
  // sidereal year): the peak must still be the passage, not the end of a
  // bracket that does not hold it (the Lyrids of 2995 were 9 hours off).
  for (const double start : {Jd(2994, 9, 1), Jd(1000, 1, 1), Jd(2026, 1, 1)}) {
    int peaks = 0;
    FindShowerPeaks({Instant::FromUt(start), Instant::FromUt(start + 365.25)}, [&](const ShowerPeak& p) {
      ++peaks;
      EXPECT_NEAR(Wrapped(SolarLongitude(p.time) - p.shower->peak), 0, 1e-5) << p.shower->code << " from " << start;
    });
    EXPECT_EQ(peaks, static_cast<int>(MeteorShowers().size()));
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
    const std::optional<Phenomenon> season = NextSeason(e, Span::Of(Ut(t), SearchHorizonDays));
    ASSERT_TRUE(season && season->referenceTime);
    const double target = 90.0 * k;
    double atJ2000 = season->referenceTime->ut;
    for (int i = 0; i < 20; ++i) atJ2000 -= std::remainder(SolarLongitude(Instant::FromUt(atJ2000)) - target, 360.0) / 0.9856;
    const double hours = (atJ2000 - season->referenceTime->ut) * 24;
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
  EXPECT_TRUE(ShowerActive(*perseids, Instant::FromUt(Jd(2026, 8, 1))));
  EXPECT_FALSE(ShowerActive(*perseids, Instant::FromUt(Jd(2026, 9, 1))));
  const Radiant peak = RadiantAt(*perseids, Instant::FromUt(Jd(2026, 8, 13, 2))),
              week = RadiantAt(*perseids, Instant::FromUt(Jd(2026, 8, 6, 2)));
  EXPECT_NEAR(peak.rightAscension, 48, 0.2);
  EXPECT_NEAR(peak.rightAscension - week.rightAscension, 7 * 1.35, 0.3) << "the radiant moves east day by day";
  const MeteorShower* quadrantids = &MeteorShowers().front();
  EXPECT_TRUE(ShowerActive(*quadrantids, Instant::FromUt(Jd(2026, 1, 1)))) << "an activity across the year's end";
  EXPECT_TRUE(ShowerActive(*quadrantids, Instant::FromUt(Jd(2025, 12, 30))));
}

TEST(Showers, ThePerseidsOnTheNightOfTheirPeakFromMadrid) {
  const ElementsTable e = testing::FilledElements();
  const Place madrid(40.4168, -3.7038);
  const double start = Jd(2026, 8, 12, 10), end = Jd(2026, 8, 13, 10);
  NightLimits astronomical;
  astronomical.sunAltitude = AstronomicalTwilight;
  const DarkSky dark = DarkSkyOf(e, madrid, {Ut(start), Ut(end)}, astronomical, Ut((start + end) / 2), {});
  ASSERT_EQ(dark.intervals.size(), 1u);
  const std::vector<ShowerNight> showers =
      ShowersInTheNight(madrid, dark.intervals, dark.middle, DarkestInstant(e, madrid, {Ut(start), Ut(end)}));
  const auto perseids = std::find_if(showers.begin(), showers.end(), [](const ShowerNight& s) { return s.shower->code == "PER"; });
  ASSERT_NE(perseids, showers.end());
  EXPECT_FALSE(perseids->darkestHour);
  // The radiant climbs all night, so the best hour is the end of astronomical
  // darkness (within the minutes the reference Sun, whose twilight begins
  // to light the sky, stands from the method's), not civil dawn.
  EXPECT_NEAR(perseids->bestTime.ut, dark.intervals.front().to.ut, 5.0 / 1440);
  EXPECT_GT(perseids->radiantAltitude, 55);
  EXPECT_NEAR(perseids->hourlyRate,
              perseids->zhrNow * std::sin(perseids->radiantAltitude * ExactPi / 180) /
                  std::pow(2.2, 6.5 - perseids->limitingMagnitude), 1e-9);
  EXPECT_GT(perseids->zhrNow, 90) << "within a day of the peak";
  EXPECT_FALSE(perseids->moonUp) << "the Moon is new: the total eclipse of that day";
  EXPECT_NEAR(perseids->limitingMagnitude, 6.75, 0.06) << "a rural sky's 6.8, the radiant high up";
  for (const ShowerNight& s : showers) EXPECT_TRUE(ShowerActive(*s.shower, dark.middle)) << s.shower->code;
}

const MeteorShower& Shower(std::string_view code) {
  for (const MeteorShower& s : MeteorShowers()) {
    if (s.code == code) return s;
  }
  throw std::logic_error("no such shower");
}

TEST(Showers, ActivityFallsAwayFromThePeakAsEachSideOfTheProfileSays) {
  const MeteorShower &geminids = Shower("GEM"), &perseids = Shower("PER");
  struct Case {
    const MeteorShower* shower;
    double longitude, zhr, tolerance;
  } cases[] = {
      {&geminids, 262.2, 150, 1e-9},                                // at the peak
      {&geminids, 261.2, 150 * std::pow(10.0, -0.39), 1e-9},       // a day before: the slow rise
      {&geminids, 263.2, 150 * std::pow(10.0, -0.81), 1e-9},       // a day after: the steep fall
      {&geminids, 252.2, 0.02, 0.01},                              // ten days before: almost none
      {&perseids, 114.3, 2, 1e-9},                                 // no published slopes: 2 at the start
      {&perseids, 150.7, 2, 1e-9},                                 // and at the end
      {&Shower("QUA"), 283.15 - 360, 80, 1e-9},                    // the peak across the year's turn
  };
  for (const Case& c : cases) EXPECT_NEAR(ZhrAt(*c.shower, c.longitude), c.zhr, c.tolerance) << c.shower->code << " " << c.longitude;
}

TEST(Showers, TheNakedEyeSeesLessInALighterSky) {
  EXPECT_NEAR(NakedEyeLimitingMagnitude(DarkSkyBrightness(0)), 6.4, 0.05);
  EXPECT_LT(NakedEyeLimitingMagnitude(DarkSkyBrightness(80)), NakedEyeLimitingMagnitude(DarkSkyBrightness(0)));
  // The full Moon high up, the point of sky 60 degrees from it.
  const double full = MoonlitSkyBrightness(0, 60, 30, 30) + DarkSkyBrightness(30);
  EXPECT_GT(NakedEyeLimitingMagnitude(full), 4.0);
  EXPECT_LT(NakedEyeLimitingMagnitude(full), 5.0);
  EXPECT_GT(MoonlitSkyBrightness(0, 10, 30, 30), MoonlitSkyBrightness(0, 90, 30, 30)) << "brighter near the Moon";
  EXPECT_GT(MoonlitSkyBrightness(0, 60, 30, 30), 5 * MoonlitSkyBrightness(120, 60, 30, 30)) << "a crescent lights less";
  EXPECT_EQ(MoonlitSkyBrightness(0, 60, 95, 30), 0) << "a Moon below the horizon";
  EXPECT_EQ(TwilightSkyBrightness(-18), 0);
  EXPECT_GT(NakedEyeLimitingMagnitude(TwilightSkyBrightness(-12)), 3.5) << "nautical twilight";
  EXPECT_LT(NakedEyeLimitingMagnitude(TwilightSkyBrightness(-6)), 2.5) << "the end of civil twilight";
  // Either side of the change from rods to cones, no jump of more than a magnitude.
  EXPECT_NEAR(NakedEyeLimitingMagnitude(1479), NakedEyeLimitingMagnitude(1481), 1.0);
}

}  // namespace
}  // namespace orbitas
