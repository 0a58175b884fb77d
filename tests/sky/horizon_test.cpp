// The horizon of a place: the geometry that any mistake of sign, unit or
// convention in the sidereal time, hour angle or azimuth would break.
#include "sky/frames/horizon.h"

#include <gtest/gtest.h>

#include <cmath>

namespace orbitas {
namespace {

const Instant Day = Instant::FromUt(2461382.25);  // 2026-12-07T18:00 UT

// The J2000 right ascension (hours) that stands at hour angle `hours` from
// the place at Day: two corrections for the precession.
double RightAscensionAtHourAngle(double hours, double dec, double lat, double lon) {
  double ra = LocalSiderealTime(Day, lon) - hours;
  for (int k = 0; k < 3; ++k) {
    const HorizonCoordinates h = ComputeHorizon(Day, std::fmod(ra + 48, 24), dec, lat, lon);
    ra += h.hourAngle - hours;
  }
  return std::fmod(ra + 48, 24);
}

TEST(Horizon, OnTheMeridianSouthOrNorthOfTheZenith) {
  struct Case {
    double lat, dec, azimuth;
  };
  for (const Case c : {Case{40.4, 10, 180}, Case{40.4, 60, 0}, Case{-33.9, -50, 180}, Case{-33.9, 20, 0}}) {
    const double ra = RightAscensionAtHourAngle(0, c.dec, c.lat, -3.7);
    const HorizonCoordinates h = ComputeHorizon(Day, ra, c.dec, c.lat, -3.7);
    EXPECT_NEAR(h.hourAngle, 0, 1e-7);
    EXPECT_NEAR(h.azimuth, c.azimuth == 0 && h.azimuth > 180 ? 360 : c.azimuth, 1e-6) << c.lat << " " << c.dec;
    EXPECT_NEAR(h.altitude, 90 - std::fabs(c.lat - h.declinationOfDate), 1e-6) << c.lat << " " << c.dec;
  }
}

TEST(Horizon, EqualHourAnglesEastAndWestMirrorTheAzimuth) {
  // At J2000 itself, where precession leaves the declination as it is.
  const Instant J2000 = Instant::FromUt(2451545.0);
  for (const double hours : {0.5, 3.0, 7.25}) {
    const double lst = LocalSiderealTime(J2000, 2);
    const HorizonCoordinates west = ComputeHorizon(J2000, std::fmod(lst - hours + 24, 24), 15, 40.4, 2);
    const HorizonCoordinates east = ComputeHorizon(J2000, std::fmod(lst + hours, 24), 15, 40.4, 2);
    EXPECT_NEAR(west.hourAngle, hours, 1e-4);
    EXPECT_NEAR(west.azimuth + east.azimuth, 360, 1e-3) << hours;
    EXPECT_NEAR(west.altitude, east.altitude, 1e-4) << hours;
    EXPECT_GT(west.azimuth, 180) << "west of the meridian is azimuth 180..360";
  }
}

TEST(Horizon, FromTheEquatorTheCelestialEquatorPassesThroughTheZenith) {
  double ra = RightAscensionAtHourAngle(0, 0, 0, 30), dec = 0;
  for (int k = 0; k < 3; ++k) {  // a declination of date of zero
    const HorizonCoordinates h = ComputeHorizon(Day, ra, dec, 0, 30);
    dec -= h.declinationOfDate;
    ra = RightAscensionAtHourAngle(0, dec, 0, 30);
  }
  EXPECT_NEAR(ComputeHorizon(Day, ra, dec, 0, 30).altitude, 90, 1e-6);
}

TEST(Horizon, LongitudeMovesTheSiderealTimeEastwardAndWrapsAt180) {
  EXPECT_NEAR(std::fmod(LocalSiderealTime(Day, 15) - LocalSiderealTime(Day, 0) + 24, 24), 1.0, 1e-12);
  EXPECT_NEAR(std::fmod(LocalSiderealTime(Day, 0) - LocalSiderealTime(Day, -45) + 24, 24), 3.0, 1e-12);
  const HorizonCoordinates east = ComputeHorizon(Day, 5.5, 20, 51.5, 180), west = ComputeHorizon(Day, 5.5, 20, 51.5, -180);
  EXPECT_NEAR(east.azimuth, west.azimuth, 1e-9);
  EXPECT_NEAR(east.altitude, west.altitude, 1e-9);
  EXPECT_NEAR(std::fmod(east.hourAngle - west.hourAngle + 36, 24) - 12, 0, 1e-9);
}

TEST(Horizon, RefractionTapersBelowMinusOneDegreeWithNoJump) {
  EXPECT_NEAR(Refraction(-1.0) * 60, 38.8, 0.2);  // Sæmundsson's value at -1°
  EXPECT_EQ(Refraction(-2.0), 0.0);
  EXPECT_EQ(Refraction(-5.0), 0.0);
  EXPECT_NEAR(Refraction(-1.5), Refraction(-1.0) / 2, 1e-12);
  EXPECT_NEAR(Refraction(0.0) * 60, 29.0, 0.2);  // about 29' at the horizon
  EXPECT_NEAR(Refraction(45.0) * 60, 1.0, 0.05);
  EXPECT_LT(Refraction(90.0) * 3600, 1.0);
  // The apparent altitude climbs with the geometric one, in steps of two
  // seconds of a planet's motion, never by more than a thousandth of a
  // degree: no jump where the formula ends.
  for (double h = -3.0; h < 1.0; h += 1e-4) {
    const double step = (h + 1e-4 + Refraction(h + 1e-4)) - (h + Refraction(h));
    ASSERT_GT(step, 0) << h;
    ASSERT_LT(step, 1e-3) << h;
  }
  const HorizonCoordinates h = ComputeHorizon(Day, 5.5, 20, 51.5, 0);
  EXPECT_DOUBLE_EQ(h.apparentAltitude, h.altitude + Refraction(h.altitude));
}

}  // namespace
}  // namespace orbitas
