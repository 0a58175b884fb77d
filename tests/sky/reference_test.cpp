// The reference keeps its last Earth: asked in any order, at instants
// apart or the same, it answers what ERFA answers.
#include "sky/bodies/reference.h"

#include <erfa.h>
#include <gtest/gtest.h>

namespace orbitas {
namespace {

TEST(Reference, TheKeptEarthIsAlwaysTheOneOfTheInstantAsked) {
  const double days[] = {2451545.0, 2461000.25, 2451545.0, 2451545.0, 2300000.5, 2461000.25};
  for (const double ut : days) {
    const Instant at = Instant::FromUt(ut);
    double pvh[2][3], pvb[2][3];
    eraEpv00(at.tt, 0.0, pvh, pvb);
    const ReferenceState earth = *ReferenceHeliocentricState(Body::Earth, at);
    EXPECT_EQ(earth.position[0], pvh[0][0]) << ut;
    EXPECT_EQ(earth.velocity[2], pvh[1][2]) << ut;
  }
}

}  // namespace
}  // namespace orbitas
