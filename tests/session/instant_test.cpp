// One instant typed in a zone is the same universal instant.
#include <gtest/gtest.h>

#include "session/instant.h"

namespace orbitas {
namespace {

TEST(TimeZone, ATypedInstantInAZoneIsTheSameUniversalInstant) {
  const InstantOutcome utc = ComputeInstant(DateTexts{"2026", "7", "15", "10", "30", "0"}, "", {4}, ".");
  const InstantOutcome madrid = ComputeInstant(DateTexts{"2026", "7", "15", "12", "30", "0"}, "", {4}, ".",
                                               std::nullopt, *TimeZone::Named("Europe/Madrid"));
  EXPECT_NEAR(madrid.julianDay, utc.julianDay, 1e-9);
  EXPECT_EQ(madrid.diajuliano, utc.diajuliano);
  EXPECT_EQ(madrid.horadec, "12.5");  // the decimal hour is of the time typed
}

}  // namespace
}  // namespace orbitas

namespace orbitas {
namespace {

// The Earth one planet request computed is handed to the next only at the
// same instant: a runner going back and forth between instants, or asked
// for the Newton steps, gives what a fresh runner gives, to the bit.
TEST(InstantRunnerEarth, IsSharedOnlyAtTheSameInstant) {
  InstantRunner runner(".");
  const struct { Int16 body; double julianDay; bool stages; } requests[] = {
      {4, 2451545.0, false}, {5, 2451545.0, false}, {5, 2461000.25, false},
      {9, 2451545.0, false}, {2, 2451545.0, true},  {1, 2361000.5, false}};
  for (const auto& r : requests) {
    PlanetOutcome shared;
    PlanetRequestStages stages;
    runner.RunPlanet(r.body, r.julianDay, shared, r.stages ? &stages : nullptr);
    PlanetOutcome fresh;
    PlanetRequestStages freshStages;
    InstantRunner(".").RunPlanet(r.body, r.julianDay, fresh, r.stages ? &freshStages : nullptr);
    EXPECT_EQ(shared.values.earth.x, fresh.values.earth.x) << r.julianDay;
    EXPECT_EQ(shared.values.earth.radius, fresh.values.earth.radius) << r.julianDay;
    EXPECT_EQ(shared.values.equatorial.rightAscensionHours, fresh.values.equatorial.rightAscensionHours);
    EXPECT_EQ(shared.labels[ResultLabel::xhelt], fresh.labels[ResultLabel::xhelt]);
    EXPECT_EQ(stages.earth.steps.size(), freshStages.earth.steps.size());
  }
}

}  // namespace
}  // namespace orbitas
