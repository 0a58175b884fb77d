// Risings and settings where the altitude says, culminations at the
// highest, and the polar night.
#include <gtest/gtest.h>

#include "tests/support/filled_elements.h"
#include "sky/bodies/method_sky.h"
#include "sky/bodies/sky_position.h"
#include "sky/night/rise_set.h"
#include "sky/bodies/moon.h"
#include "tests/support/body_print.h"
#include "tests/support/julian_days.h"

namespace orbitas {
namespace {

using testing::Ut;

const Place Madrid{40.4168, -3.7038, "40.4168, -3.7038"};

TEST(RiseSet, RisingAndSettingAtTheHorizonAltitudeAndCulminationAtTheTop) {
  const ElementsTable elements = testing::FilledElements();
  const double start = 2461381.5;  // 2026-12-07T00:00 UT
  for (const Body body : {Body::Mercury, Body::Venus, Body::Mars, Body::Jupiter, Body::Saturn, Body::Uranus,
                          Body::Neptune, Body::Pluto}) {
    const PlanetDay day = ComputePlanetDay(elements, body, Madrid, {Ut(start), Ut(start + 1)});
    ASSERT_TRUE(day.rise && day.set && day.transit) << body << ": " << day.misses.size();
    for (const Instant& at : {*day.rise, *day.set}) {
      EXPECT_NEAR(MethodHorizon(elements, body, Madrid, at).altitude, HorizonAltitude, 1e-4) << body;
    }
    const double top = MethodHorizon(elements, body, Madrid, *day.transit).altitude;
    EXPECT_DOUBLE_EQ(top, day.transitAltitude);
    for (const double minutes : {-10.0, -1.0, 1.0, 10.0}) {
      EXPECT_GT(top, MethodHorizon(elements, body, Madrid, day.transit->After(minutes / 1440)).altitude) << body;
    }
    EXPECT_EQ(day.riseError.method.has_value(), body != Body::Pluto) << "Pluto has no reference";
  }
}

TEST(RiseSet, TheSunByItsUpperLimbAndTheMoonFromThePlaceAsTheNightHasThem) {
  const ElementsTable elements = testing::FilledElements();
  const double start = 2461381.5;  // 2026-12-07T00:00 UT
  const PlanetDay sun = ComputePlanetDay(elements, Body::Sun, Madrid, {Ut(start), Ut(start + 1)});
  ASSERT_TRUE(sun.rise && sun.set);
  for (const Instant& at : {*sun.rise, *sun.set}) {
    EXPECT_NEAR(MethodHorizon(elements, Body::Sun, Madrid, at).altitude, SunsetAltitude, 1e-4) << "not the planets' -0.5667";
  }
  const PlanetDay moon = ComputeMoonDay(Madrid, {Ut(start), Ut(start + 1)});
  ASSERT_TRUE(moon.rise && moon.set && moon.transit);
  for (const double at : {moon.rise->ut, moon.set->ut}) {
    const MoonSky sky = MoonFrom(Madrid, Instant::FromUt(at));
    EXPECT_NEAR(sky.horizon.altitude, MoonHorizonAltitude(sky.semidiameter), 1e-4);
  }
  EXPECT_FALSE(moon.riseError.method) << "the Moon is the reference's own";
  EXPECT_NEAR(moon.set->ut, 2461381.5 + (16 + 22.0 / 60 - 1) / 24, 1.0 / 1440) << "16:22 in Madrid, as the night says";
}

TEST(RiseSet, ThePolarNightHasPlanetsThatNeverRiseAndOthersThatNeverSet) {
  const ElementsTable elements = testing::FilledElements();
  const Place svalbard{78, 15, "78, 15"};
  const double start = 2461381.5;
  const PlanetDay pluto = ComputePlanetDay(elements, Body::Pluto, svalbard, {Ut(start), Ut(start + 1)});
  const PlanetDay jupiter = ComputePlanetDay(elements, Body::Jupiter, svalbard, {Ut(start), Ut(start + 1)});
  EXPECT_EQ(pluto.misses, std::vector<DayMiss>{DayMiss::NeverRises});
  EXPECT_FALSE(pluto.rise || pluto.set);
  EXPECT_EQ(jupiter.misses, std::vector<DayMiss>{DayMiss::NeverSets});
  EXPECT_FALSE(jupiter.rise || jupiter.set);
  EXPECT_TRUE(jupiter.transit);
}

TEST(RiseSet, AVerdictNarrowerThanTheErrorSaysSo) {
  const ElementsTable elements = testing::FilledElements();
  const Place svalbard{78.2, 15.6, "78.2, 15.6"};
  const double start = 2461395.5;  // 2026-12-21T00:00 UT
  // Mars never sets, but its lowest point misses the horizon by less
  // than the method's error; Jupiter clears it by degrees.
  const PlanetDay mars = ComputePlanetDay(elements, Body::Mars, svalbard, {Ut(start), Ut(start + 1)});
  EXPECT_EQ(mars.misses, std::vector<DayMiss>{DayMiss::NeverSets});
  ASSERT_TRUE(mars.margin);
  EXPECT_GT(*mars.margin, 0);
  EXPECT_LT(*mars.margin, 0.4);
  EXPECT_TRUE(mars.verdictWithinError);
  const PlanetDay jupiter = ComputePlanetDay(elements, Body::Jupiter, svalbard, {Ut(start), Ut(start + 1)});
  ASSERT_TRUE(jupiter.margin);
  EXPECT_GT(*jupiter.margin, 2);
  EXPECT_FALSE(jupiter.verdictWithinError);
  EXPECT_FALSE(ComputePlanetDay(elements, Body::Mars, Madrid, {Ut(start), Ut(start + 1)}).margin);
}

TEST(SkyPosition, TheBarIsNeverTighterThanTheReference) {
  // Saturn from 54.26 N, 29.15 W on 2002-03-07: the method is 0.006° from
  // the reference, but the reference itself is only good to some 0.03°.
  const ElementsTable elements = testing::FilledElements();
  const double jd = 2452341.333;
  const SkyPosition sky = PlanetInSky(Instant::FromUt(jd), Body::Saturn, PlanetEquatorialAt(elements, 6, jd), Place{54.26, -29.15, ""});
  ASSERT_TRUE(sky.error.method && sky.error.reference);
  EXPECT_LT(*sky.error.method, 0.01);
  EXPECT_GT(*sky.error.reference, 0.026);
  EXPECT_EQ(*sky.error.Bar(), *sky.error.reference);
  EXPECT_FALSE(PlanetInSky(Instant::FromUt(jd), Body::Pluto, PlanetEquatorialAt(elements, 9, jd), Place{}).error.Bar());
}

}  // namespace
}  // namespace orbitas
