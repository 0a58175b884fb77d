#include "ephemeris/angles.h"

#include <gtest/gtest.h>

#include "tests/support/runtime_error_check.h"

#include "tests/support/digits.h"
#include "runtime/number_text.h"

namespace orbitas {
namespace {

class AnglesTest : public ::testing::Test {
 protected:
  void SetUp() override { FillElements(elements); }
  ElementsTable elements{};
};

TEST_F(AnglesTest, ElementsHoldDegreesTimesTheFactor) {
  EXPECT_EQ(elements[0], 0.0);
  EXPECT_EQ(elements[1], 0.12225787064125002);   // Mercury's inclination
  EXPECT_EQ(elements[7], 1.5252493419702269);    // Mercury's mean longitude
  EXPECT_EQ(CStr(elements[16]), "3.17649923862968");  // the Earth's node, 182 degrees
  EXPECT_EQ(elements[15], 0.00031 * 0.0174532925199433);
  EXPECT_EQ(elements[18], 1.000007);             // the Earth's mean distance as written
  EXPECT_EQ(elements[62], 0.2450534);            // Pluto's eccentricity
  EXPECT_EQ(elements[64], 2452120.5);
  EXPECT_EQ(elements[65], 2451545.0);
}

TEST_F(AnglesTest, DaysFromJ2000ReadsTheTable) {
  EXPECT_EQ(DaysFromJ2000(2451545.0, elements), 0.0);
  EXPECT_EQ(DaysFromJ2000(2451545.5, elements), 0.5);
  EXPECT_EQ(DaysFromJ2000(elements[64], elements), 575.5);
  elements[65] = 2451544.0;
  EXPECT_EQ(DaysFromJ2000(2451545.0, elements), 1.0);
}

TEST(FixInteger, TruncatesWithinSixteenBits) {
  EXPECT_EQ(FixInteger(2.7), 2);
  EXPECT_EQ(FixInteger(-2.7), -2);
  EXPECT_EQ(FixInteger(32767.9), 32767);
  EXPECT_EQ(FixInteger(-32768.9), -32768);
  EXPECT_RUNTIME_ERROR(FixInteger(32768), ErrorKind::Overflow);
  EXPECT_RUNTIME_ERROR(FixInteger(-32769), ErrorKind::Overflow);
}

TEST(ReduceAngle, TakesOffWholeTurnsAsAFractionOfATurn) {
  EXPECT_DIGITS(ReduceAngle(7), "0.716814692820419");
  EXPECT_EQ(CStr(ReduceAngle(-1)), "5.28318530717958");
  // The exact steps give 0.9735361584467165, on the half of the 15th digit.
  EXPECT_DIGITS(ReduceAngle(1000), "0.97353615844672");
  EXPECT_EQ(ReduceAngle(FullTurn), 0.0);
  EXPECT_EQ(ReduceAngle(-FullTurn), 0.0);
  EXPECT_EQ(ReduceAngle(0), 0.0);
  Int16 turns = 0;
  ReduceAngle(-6.318014748667, &turns);
  EXPECT_EQ(turns, -1);
}

TEST(ReduceAngle, RaisesOverflowFrom32768Turns) {
  EXPECT_RUNTIME_ERROR(ReduceAngle(210000), ErrorKind::Overflow);
  EXPECT_NO_THROW(ReduceAngle(32767.9 * FullTurn));
  EXPECT_RUNTIME_ERROR(ReduceAngle(32768 * FullTurn), ErrorKind::Overflow);
  EXPECT_NO_THROW(ReduceAngle(-32768.9 * FullTurn));
  EXPECT_RUNTIME_ERROR(ReduceAngle(-32769 * FullTurn), ErrorKind::Overflow);
}

struct QuadrantCase {
  double y, x;
  const char* expected;
};

TEST(ArcTanQuadrant, CoversEveryQuadrant) {
  const QuadrantCase cases[] = {{1, 1, "0.785398163397448"},
                                {1, -1, "2.35619449019234"},
                                {-1, -1, "3.92699081698724"},
                                {-1, 1, "5.49778714378213"}};
  for (const auto& c : cases) EXPECT_DIGITS(ArcTanQuadrant(c.y, c.x), c.expected);
  EXPECT_EQ(ArcTanQuadrant(0, -5), Pi);
  EXPECT_EQ(ArcTanQuadrant(0, 5), 0.0);
  EXPECT_EQ(ArcTanQuadrant(-0.0, 5), 0.0);
}

TEST(ArcTanQuadrant, FaultsOnTheYAxis) {
  for (double y : {3.0, 0.0, -2.0}) {
    EXPECT_RUNTIME_ERROR(ArcTanQuadrant(y, 0), ErrorKind::FloatingPointFault) << "y = " << y;
  }
}

struct SexagesimalCase {
  double v;
  double whole, minutes;
  const char* seconds;
};

TEST(SexagesimalPart, SplitsWithoutRoundingOrCarrying) {
  const SexagesimalCase cases[] = {{5.75, 5, 45, "0"},
                                   {12.5125, 12, 30, "44.9999999999974"},
                                   {-23.4, -23, 23, "59.9999999999949"},
                                   {-0.5, 0, 30, "0"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.v);
    EXPECT_EQ(SexagesimalPart(c.v, 1), c.whole);
    EXPECT_EQ(SexagesimalPart(c.v, 2), c.minutes);
    EXPECT_EQ(CStr(SexagesimalPart(c.v, 3)), c.seconds);
  }
  EXPECT_LT(SexagesimalPart(12.5125, 3), 45.0);
  EXPECT_EQ(SexagesimalPart(7.5, 0), 0.0);
  EXPECT_EQ(SexagesimalPart(7.5, 4), 0.0);
}

}  // namespace
}  // namespace orbitas
