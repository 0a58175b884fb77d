// The finder chart's geometry: the planet at the centre, east to the
// left and north up once drawn, the method's place as far from the
// reference's as its error says, the field's edges, and the arrow to the
// zenith where the zenith is.
#include <gtest/gtest.h>

#include <cmath>

#include "runtime/angle_units.h"
#include "session/runners.h"
#include "sky/bodies/method_sky.h"
#include "sky/bodies/reference.h"
#include "sky/frames/horizon.h"
#include "sky/stars/finder_chart.h"

namespace orbitas {
namespace {

TEST(FinderChart, CentredOnThePlanetWithEastLeftAndNorthUp) {
  struct Case {
    Body body;
    double jd, field;
  };
  const Case cases[] = {{Body::Uranus, 2461383.375, 20}, {Body::Mars, 2461383.375, 8},
                        {Body::Saturn, 2461200.5, 40},   {Body::Venus, 2460100.5, 90}};
  for (const Case& c : cases) {
    const FinderChart chart = FinderChartOf(MethodElements(), c.body, Instant::FromUt(c.jd), c.field, std::nullopt);
    ASSERT_TRUE(chart.reference);
    EXPECT_EQ(*chart.reference, (ChartPoint{0, 0}));
    // The method's place stands off by the method's own error.
    const EquatorialCoordinates m = MethodEquatorial(MethodElements(), c.body, Instant::FromUt(c.jd));
    const double error = *MethodError(c.body, Instant::FromUt(c.jd), m).method;
    EXPECT_NEAR(std::hypot(chart.method.first, chart.method.second), error, 1e-3 * error + 1e-9);
    // Every star inside the square, east (larger right ascension) at
    // positive x, north at positive y.
    ASSERT_FALSE(chart.stars.empty());
    for (const ChartStar& s : chart.stars) {
      EXPECT_LE(std::fabs(s.at.first), chart.half);
      EXPECT_LE(std::fabs(s.at.second), chart.half);
      const double east = std::remainder(s.star->rightAscension - chart.projection.centreRightAscension, 24);
      if (std::fabs(east) > 1e-3) {
        EXPECT_EQ(s.at.first > 0, east > 0) << s.star->hipparcos;
      }
      const double north = s.star->declination - chart.projection.centreDeclination;
      if (std::fabs(north) > 2 && std::fabs(east) < 0.2) {
        EXPECT_EQ(s.at.second > 0, north > 0) << s.star->hipparcos;
      }
    }
    EXPECT_NEAR(chart.half, 2 * std::tan(c.field / 4 / DegreesPerRadian) * DegreesPerRadian, 1e-12);
    // The path: 31 days, its middle at the chart's instant and centre.
    ASSERT_EQ(chart.path.size(), 31u);
    EXPECT_NEAR(std::hypot(chart.path[15].at.first, chart.path[15].at.second), 0, 1e-9);
    EXPECT_TRUE(chart.path[0].tick && chart.path[5].tick && !chart.path[6].tick);
  }
}

TEST(FinderChart, TheZenithArrowPointsAtTheZenith) {
  const Place madrid(40.4168, -3.7038);
  for (const double jd : {2461383.375, 2461383.5, 2461383.2}) {
    const FinderChart chart = FinderChartOf(MethodElements(), Body::Uranus, Instant::FromUt(jd), 20, madrid);
    ASSERT_TRUE(chart.zenithAngle);
    // The zenith: right ascension the local sidereal time, declination the
    // latitude (of the date; precession since 2000 moves it by a third of
    // a degree, not enough to turn the arrow).
    const auto zenith = chart.projection.Project(LocalSiderealTime(Instant::FromUt(jd), madrid.longitude), madrid.latitude);
    ASSERT_TRUE(zenith);
    const double angle = std::atan2(zenith->first, zenith->second);
    EXPECT_NEAR(std::remainder(angle - *chart.zenithAngle, 2 * ExactPi), 0, 0.03) << jd;
  }
}

TEST(FinderChart, BelowTheHorizonNoWayUpIsDrawn) {
  // Jupiter from Madrid on 2026-12-08 at 21:00 UT is some 15° below the
  // horizon, at 05:00 UT high in the south. Mistake: an arrow to the
  // zenith for a planet no one can see.
  const Place madrid(40.4168, -3.7038);
  const FinderChart low = FinderChartOf(MethodElements(), Body::Jupiter, Instant::FromUt(2461383.375), 20, madrid);
  ASSERT_TRUE(low.altitude);
  EXPECT_LT(*low.altitude, 0);
  EXPECT_FALSE(low.zenithAngle);
  const FinderChart high = FinderChartOf(MethodElements(), Body::Jupiter, Instant::FromUt(2461383.7083), 20, madrid);
  EXPECT_GT(*high.altitude, 30);
  EXPECT_TRUE(high.zenithAngle);
}

}  // namespace
}  // namespace orbitas
