// ΔT against its published values, and without a jump where one of Espenak
// and Meeus's polynomials hands over to the next (a wrong coefficient would
// make one).
#include <gtest/gtest.h>

#include <cmath>

#include "calendar/delta_t.h"

namespace orbitas {
namespace {

double JulianDayOfYear(double year) { return 2451545.0 + (year - 2000.0) * 365.25; }

TEST(DeltaT, PublishedValues) {
  // Observed ΔT (IERS, and Stephenson and Morrison before 1955), seconds;
  // 2020 is the polynomials' prediction of 2006, which ran some 2 s high.
  const struct {
    double year, seconds, tolerance;
  } cases[] = {{1900, -2.7, 0.5}, {1950, 29.1, 0.5}, {2000, 63.8, 0.5}, {2020, 69.4, 2.5}};
  for (const auto& c : cases) EXPECT_NEAR(DeltaTSeconds(JulianDayOfYear(c.year)), c.seconds, c.tolerance) << c.year;
  EXPECT_NEAR(TerrestrialTime(2451545.0) - 2451545.0, 63.86 / 86400, 1e-9);
}

TEST(DeltaT, NoJumpWhereOnePolynomialHandsOverToTheNext) {
  for (const double year : {-500.0, 500.0, 1600.0, 1700.0, 1800.0, 1860.0, 1900.0, 1920.0, 1941.0, 1961.0, 1986.0,
                            2005.0, 2050.0, 2150.0}) {
    const double before = DeltaTSeconds(JulianDayOfYear(year - 1e-6));
    const double after = DeltaTSeconds(JulianDayOfYear(year + 1e-6));
    EXPECT_LT(std::fabs(after - before), std::max(1.0, 0.002 * std::fabs(after))) << year;
  }
}

}  // namespace
}  // namespace orbitas
