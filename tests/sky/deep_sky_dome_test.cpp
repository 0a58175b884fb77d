// The deep-sky objects' places for the pictures: on a place's horizon
// against PyEphem, the dome's choice of objects, and on a finder chart
// with their axes turned by the projection.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "runtime/angle_units.h"
#include "sky/deep_sky/deep_sky_dome.h"
#include "sky/stars/finder_chart.h"
#include "tests/support/julian_days.h"

namespace orbitas {
namespace {

using testing::Jd;

const Place Sevilla(37.39, -5.99, "37.39, -5.99");

// The angle between two horizon directions, degrees.
double Apart(double alt1, double az1, double alt2, double az2) {
  const double a = alt1 / DegreesPerRadian, b = alt2 / DegreesPerRadian, d = (az1 - az2) / DegreesPerRadian;
  return std::acos(std::clamp(std::sin(a) * std::sin(b) + std::cos(a) * std::cos(b) * std::cos(d), -1.0, 1.0)) *
         DegreesPerRadian;
}

// M31 from Sevilla on 2026-12-14 at 20:00 UT, by PyEphem 4.1 (the
// catalogue's J2000 place as an ephem.FixedBody, no refraction):
// altitude 83.5893°, azimuth 310.9614°. A sidereal time off by the
// longitude's sign, a right ascension read as degrees, or an azimuth
// counted from the south or westwards would each miss by degrees.
TEST(DeepSkyDome, AndromedaFromSevillaAsPyEphemPlacesIt) {
  const DeepSkyObject* m31 = DeepSkyObjectNamed("M31");
  ASSERT_NE(m31, nullptr);
  const std::vector<const DeepSkyObject*> objects{m31};
  const std::vector<DeepSkyAbove> above = DeepSkyObjectsAbove(objects, Sevilla, Instant::FromUt(Jd(2026, 12, 14, 20.0)));
  ASSERT_EQ(above.size(), 1u);
  EXPECT_NEAR(above[0].altitude, 83.5893, 0.01);
  // Near the zenith the azimuth moves fast: 0.01° of sky is 0.09° there.
  EXPECT_NEAR(above[0].azimuth, 310.9614, 0.15);
  // The axis's point stands one degree off, not one radian or one hour.
  EXPECT_NEAR(Apart(above[0].altitude, above[0].azimuth, above[0].axisAltitude, above[0].axisAzimuth), 1.0, 0.01);
}

// Twelve hours later M31 is below Sevilla's horizon, and left out.
TEST(DeepSkyDome, ObjectsBelowTheHorizonAreLeftOut) {
  const std::vector<const DeepSkyObject*> objects{DeepSkyObjectNamed("M31")};
  EXPECT_TRUE(DeepSkyObjectsAbove(objects, Sevilla, Instant::FromUt(Jd(2026, 12, 15, 8.0))).empty());
}

// Only Messier and Caldwell objects to the limit, then the named ones
// once each: a limit read the wrong way, NGC objects let in, or a named
// object doubled would each show here.
TEST(DeepSkyDome, TheDomeTakesMessierAndCaldwellToItsLimitAndTheNamed) {
  const std::string_view extra[] = {"NGC 891", "M31", "nada", "ngc 891"};
  const std::vector<const DeepSkyObject*> objects = MessierAndCaldwell(7.0, extra);
  ASSERT_GT(objects.size(), 40u);
  for (std::size_t k = 0; k + 1 < objects.size(); ++k) {
    EXPECT_TRUE(objects[k]->messier > 0 || objects[k]->caldwell > 0) << objects[k]->id;
    EXPECT_LE(objects[k]->magnitude, 7.0) << objects[k]->id;
  }
  // NGC 891 is C23, of the 10th magnitude: there, once, at the end.
  EXPECT_EQ(objects.back(), DeepSkyObjectNamed("C23"));
  EXPECT_EQ(std::count(objects.begin(), objects.end(), DeepSkyObjectNamed("M31")), 1);
}

// On a chart centred on M31 the galaxy is at the centre, its major axis
// at its position angle (35°, from north through east) and its size; a
// chart angle measured from east (55°) or westwards (325°) fails.
TEST(DeepSkyDome, AChartTurnsTheAxisOnlyByTheMeridiansConvergence) {
  const DeepSkyObject* m31 = DeepSkyObjectNamed("M31");
  const ChartProjection centred{m31->rightAscension, m31->declination};
  const std::vector<const DeepSkyObject*> objects{m31};
  const std::vector<ChartDeepSky> field = DeepSkyInField(objects, centred, 10);
  ASSERT_EQ(field.size(), 1u);
  EXPECT_NEAR(field[0].at.first, 0, 1e-9);
  EXPECT_NEAR(field[0].at.second, 0, 1e-9);
  EXPECT_NEAR(field[0].angle, 35, 0.01);
  EXPECT_NEAR(field[0].majorAxis, m31->majorAxis / 60, 1e-3);
  EXPECT_NEAR(field[0].minorAxis, m31->minorAxis / 60, 1e-3);
  // On a chart centred 20° of right ascension west of it, its meridian
  // leans towards the chart's own, up to the pole: its north turns west
  // by about Δα sin δ = 20° × sin 41.3° ≈ 13°, and the axis reads about
  // 35 - 13. An angle left as the position angle misses that.
  const ChartProjection west{m31->rightAscension - 20.0 / 15, m31->declination};
  const std::vector<ChartDeepSky> off = DeepSkyInField(objects, west, 40);
  ASSERT_EQ(off.size(), 1u);
  EXPECT_GT(off[0].angle, 35 - 16);
  EXPECT_LT(off[0].angle, 35 - 9);
  // Outside the field: left out.
  EXPECT_TRUE(DeepSkyInField(objects, west, 5).empty());
}

}  // namespace
}  // namespace orbitas
