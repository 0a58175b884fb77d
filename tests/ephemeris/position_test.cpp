// The heliocentric and equatorial positions against the worked examples at
// Julian day 2451545.0, and where they stop with an error.
#include <gtest/gtest.h>

#include "tests/support/runtime_error_check.h"

#include "tests/support/digits.h"
#include "runtime/number_text.h"
#include "ephemeris/equatorial.h"
#include "ephemeris/heliocentric.h"

namespace orbitas {
namespace {

constexpr double J2000 = 2451545.0;

class PositionTest : public ::testing::Test {
 protected:
  void SetUp() override { FillElements(elements); }
  HeliocentricPosition At(Int16 body, double jd) {
    return ComputeHeliocentricPosition(BodyRow(elements, body), jd, EpochOffset(elements), elements);
  }
  ElementsTable elements{};
};

TEST_F(PositionTest, EpochOffsetIsHalfADayPastJ2000) { EXPECT_EQ(EpochOffset(elements), 575.0); }

TEST_F(PositionTest, EarthAtJ2000) {
  const HeliocentricPosition earth = At(EarthBody, J2000);
  EXPECT_EQ(earth.t, -575.0);
  EXPECT_DIGITS(earth.m0, "-6.318014748667");
  EXPECT_EQ(earth.wholeTurns, -1);
  EXPECT_DIGITS(earth.meanAnomaly, "6.24835586569");
  EXPECT_DIGITS(earth.trueAnomaly, "6.24717047157");
  EXPECT_DIGITS(earth.radius, "0.983350836801");
  EXPECT_DIGITS(earth.x, "-0.185834277598");
  EXPECT_DIGITS(earth.y, "0.965631653105");
  EXPECT_DIGITS(earth.z, "-0.00000525647741769");
  EXPECT_EQ(CStr(earth.z), "-5.25647741769397E-06");
}

TEST_F(PositionTest, EarthRowIsTheThirdRow) {
  const ElementRow fixed = EarthRow(elements), looked = BodyRow(elements, EarthBody);
  EXPECT_EQ(fixed.node, looked.node);
  EXPECT_EQ(fixed.meanLongitude, looked.meanLongitude);
}

TEST_F(PositionTest, MarsAtJ2000) {
  const HeliocentricPosition mars = At(4, J2000);
  EXPECT_DIGITS(mars.m0, "-5.938344462567");
  EXPECT_DIGITS(mars.meanAnomaly, "0.344840844612");
  EXPECT_DIGITS(mars.trueAnomaly, "0.415676621938");
  EXPECT_DIGITS(mars.radius, "1.39153774812");
  EXPECT_DIGITS(mars.x, "1.39110668212");
  EXPECT_DIGITS(mars.y, "-0.00486711521654");
  EXPECT_DIGITS(mars.z, "-0.0342901528274");

  EquatorialCoordinates eq{};
  ComputeEquatorialCoordinates(At(EarthBody, J2000), mars, eq);
  EXPECT_DIGITS(eq.geoDeltaX, "1.57694095972");
  EXPECT_DIGITS(eq.geoDeltaY, "-0.970498768322");
  EXPECT_DIGITS(eq.geoDeltaZ, "-0.0342848963500");
  EXPECT_EQ(eq.obliquity, 0.4089182868111674);
  EXPECT_EQ(eq.obliquity, 23.429292 * 0.0174532925199433);
  EXPECT_DIGITS(eq.x, "1.57694095972");
  EXPECT_DIGITS(eq.y, "-0.876850309955");
  EXPECT_DIGITS(eq.z, "-0.417344998010");
  EXPECT_DIGITS(eq.rightAscensionDeg, "330.923966362");
  EXPECT_DIGITS(eq.rightAscensionHours, "22.0615977575");
  EXPECT_DIGITS(eq.declination, "-13.0235863606");
  EXPECT_DIGITS(eq.geoDistance, "1.85196817032");
}

TEST_F(PositionTest, JupiterAtJ2000) {
  EquatorialCoordinates eq{};
  ComputeEquatorialCoordinates(At(EarthBody, J2000), At(5, J2000), eq);
  EXPECT_DIGITS(eq.rightAscensionDeg, "23.8884846185");
  EXPECT_DIGITS(eq.rightAscensionHours, "1.59256564123");
  EXPECT_DIGITS(eq.declination, "8.60168654570");
  EXPECT_DIGITS(eq.geoDistance, "4.62835182930");
}

TEST_F(PositionTest, EveryBodyComputesAtJulianDayZero) {
  for (Int16 p = 1; p <= 9; ++p) EXPECT_NO_THROW(At(p, 0.0)) << "body " << p;
  EXPECT_LT(std::abs(At(EarthBody, 0.0).z), 1e-5);
  EXPECT_NE(At(EarthBody, 0.0).z, 0.0);
}

TEST_F(PositionTest, MeanAnomalyLimitsOfMercuryAndTheEarth) {
  EXPECT_NO_THROW(At(1, 5334000));
  EXPECT_RUNTIME_ERROR(At(1, 5336000), ErrorKind::Overflow);
  EXPECT_NO_THROW(At(1, -430000));
  EXPECT_RUNTIME_ERROR(At(1, -431000), ErrorKind::Overflow);
  EXPECT_NO_THROW(At(EarthBody, 6000000));
  EXPECT_NO_THROW(At(EarthBody, 14420000));
  EXPECT_RUNTIME_ERROR(At(EarthBody, 14422000), ErrorKind::Overflow);
}

TEST_F(PositionTest, RowLookupFailsForBodiesOutsideTheTable) {
  struct Case {
    Int16 body;
    ErrorKind kind;
  };
  const Case cases[] = {{0, ErrorKind::SubscriptOutOfRange},
                        {10, ErrorKind::SubscriptOutOfRange},
                        {-1, ErrorKind::SubscriptOutOfRange},
                        {4682, ErrorKind::Overflow},    // (p - 1) * 7 passes 32767
                        {-32768, ErrorKind::Overflow}};  // p - 1 passes -32768
  for (const auto& c : cases) EXPECT_RUNTIME_ERROR(BodyRow(elements, c.body), c.kind) << "body " << c.body;
}

TEST_F(PositionTest, EquatorialFaultKeepsWhatWasComputedBefore) {
  const HeliocentricPosition earth = At(EarthBody, J2000);
  EquatorialCoordinates eq{};
  eq.rightAscensionDeg = 123.0;
  EXPECT_RUNTIME_ERROR(ComputeEquatorialCoordinates(earth, earth, eq), ErrorKind::FloatingPointFault);
  EXPECT_EQ(eq.geoDeltaX, 0.0);
  EXPECT_EQ(eq.obliquity, ObliquityRadians);
  EXPECT_EQ(eq.rightAscensionDeg, 123.0);
}

}  // namespace
}  // namespace orbitas
