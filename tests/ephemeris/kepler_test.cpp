#include "ephemeris/kepler.h"

#include <gtest/gtest.h>

#include "tests/support/runtime_error_check.h"

#include "tests/support/digits.h"
#include "runtime/number_text.h"
#include "ephemeris/angles.h"

namespace orbitas {
namespace {

TEST(TrueAnomaly, WorkedNewtonTable) {
  KeplerStages st;
  const double nu = TrueAnomaly(1, 0.2, 12, &st);
  ASSERT_EQ(st.steps.size(), 4u);
  const char* expected[4][3] = {
      {"1", "-0.168294196961579", "1.18868341365719"},
      {"1.18868341365719", "0.00310764556489707", "1.18532533477399"},
      {"1.18532533477399", "1.04587e-6", "1.18532420386147"},
      {"1.18532420386147", "1.2e-13", "1.18532420386134"}};
  for (int i = 0; i < 4; ++i) {
    SCOPED_TRACE(i + 1);
    EXPECT_DIGITS(st.steps[i].eStart, expected[i][0]);
    EXPECT_DIGITS(st.steps[i].residual, expected[i][1]);
    EXPECT_DIGITS(st.steps[i].eAfter, expected[i][2]);
  }
  EXPECT_DIGITS(st.steps[3].eAfter * 0.5, "0.592662101930669");
  EXPECT_DIGITS(st.halfTangent, "0.673418074194849");
  EXPECT_DIGITS(st.q, "1.22474487139159");
  EXPECT_DIGITS(nu, "1.37932079532167");
}

TEST(TrueAnomaly, NegativeTangentAddsAFullTurn) {
  KeplerStages st;
  const double nu = TrueAnomaly(5, 0.2, 12, &st);
  EXPECT_EQ(st.steps.size(), 4u);
  EXPECT_DIGITS(st.steps.back().eAfter, "4.80078080285413");
  EXPECT_DIGITS(st.halfTangent, "-0.915296565997347");
  EXPECT_DIGITS(nu - FullTurn, "-1.68477414606185");
  EXPECT_DIGITS(nu, "4.59841116111773");
}

TEST(TrueAnomaly, EdgeCases) {
  KeplerStages st;
  EXPECT_DIGITS(TrueAnomaly(1, 0.2, 1, &st), "1.17934464471215");
  EXPECT_TRUE(st.steps.empty());  // a tolerance of 0.1 is met before any step

  KeplerStages circular;
  EXPECT_EQ(TrueAnomaly(2, 0, 12, &circular), 2.0);
  EXPECT_EQ(circular.steps.size(), 1u);
  EXPECT_NE(TrueAnomaly(4, 0, 12), 4.0);  // FullTurn is a little short of the exact turn
  EXPECT_NEAR(TrueAnomaly(4, 0, 12), 3.999999999999994, 1e-15);
  EXPECT_EQ(TrueAnomaly(0, 0.2, 12), 0.0);
}

TEST(TrueAnomaly, TheProgramsOwnCallsTakeAtMostFiveSteps) {
  for (double e : {0.0166665, 0.2056337, 0.2450534}) {
    for (double m = 0; m < FullTurn; m += 0.01) {
      KeplerStages st;
      TrueAnomaly(m, e, 12, &st);
      ASSERT_LE(st.steps.size(), 5u) << "M = " << m << ", e = " << e;
    }
  }
}

TEST(TrueAnomaly, AToleranceBelowTheNoiseStillEnds) {
  KeplerStages st;
  // 10^-400 underflows to 0: no residual is ever below it.
  const double nu = TrueAnomaly(1, 0.2, 400, &st);
  EXPECT_EQ(st.steps.size(), static_cast<std::size_t>(MaxNewtonSteps));
  EXPECT_DIGITS(nu, "1.37932079532167");
}

TEST(TrueAnomaly, FaultsForAParabolicOrbit) {
  EXPECT_RUNTIME_ERROR(TrueAnomaly(1, 1, 12), ErrorKind::FloatingPointFault);
  EXPECT_RUNTIME_ERROR(TrueAnomaly(1, 0.2, -32768), ErrorKind::Overflow);
}

}  // namespace
}  // namespace orbitas
