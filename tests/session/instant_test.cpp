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
