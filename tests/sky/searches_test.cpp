// Each search of the sky library called on its own, from an instant, and
// held to a date published elsewhere (the reference's instant, which the
// method's follows within its own error) or to the event's definition.
#include <gtest/gtest.h>

#include <cmath>

#include "calendar/civil_days.h"
#include "sky/bodies/method_sky.h"
#include "sky/events/phenomena.h"
#include "sky/search/toolkit.h"
#include "sky/night/night.h"
#include "sky/night/rise_set.h"
#include "tests/support/body_print.h"
#include "tests/support/filled_elements.h"
#include "tests/support/julian_days.h"

namespace orbitas {
namespace {

using testing::Jd;
using testing::Ut;

const ElementsTable& Elements() {
  static const ElementsTable elements = testing::FilledElements();
  return elements;
}

// The event found has the kind expected, its reference instant within
// `tolerance` days of the published one, and the method's within `method`
// days of it.
void ExpectEvent(const std::optional<Phenomenon>& found, PhenomenonKind kind, double published, double tolerance,
                 double method) {
  ASSERT_TRUE(found);
  EXPECT_EQ(static_cast<int>(found->kind), static_cast<int>(kind));
  ASSERT_TRUE(found->referenceTime);
  EXPECT_NEAR(found->referenceTime->ut, published, tolerance);
  EXPECT_NEAR(found->time, published, method);
}

TEST(Searches, BrentFindsSmoothKinkedAndEdgeMinima) {
  const struct {
    double (*f)(double);
    double a, b, minimum;
  } cases[] = {
      {[](double t) { return (t - 0.3) * (t - 0.3); }, -1, 2, 0.3},                   // a parabola
      {[](double t) { return std::sqrt(1e-6 + (t - 1.7) * (t - 1.7)); }, 0, 2.4, 1.7},  // a least distance
      {[](double t) { return std::fabs(t + 0.25); }, -1, 1, -0.25},                    // a kink
      {[](double t) { return t; }, 0, 1, 0},                                           // at an end
  };
  for (const auto& c : cases) EXPECT_NEAR(BrentMinimum(c.f, c.a, c.b, 1e-7), c.minimum, 1e-6) << c.minimum;
}

TEST(Searches, StridesStopAtTheFirstTimeWithinReachAndNeverPastTheEnd) {
  // A distance closing at 2 degrees a day to 0 at day 10, then opening.
  const auto vee = [](const Instant& t) { return 2 * std::fabs(t.ut - 10); };
  const struct {
    double start, end, near, shortest;
    std::optional<double> found;
  } cases[] = {
      {0, 30, 1, 0.5, 9.5},            // one stride lands where it first comes within 1 degree
      {9.8, 30, 1, 0.5, 9.8},          // already within reach
      {0, 9, 1, 0.5, std::nullopt},    // the end comes first
      {0, 30, -1, 0.5, std::nullopt},  // never within reach
      {0, 30, 1, 12, std::nullopt},    // a dip briefer than the shortest stride is passed over
  };
  for (const auto& c : cases) {
    const std::optional<Instant> found = StrideUntilWithin(vee, {Ut(c.start), Ut(c.end)}, c.near, 2, c.shortest);
    EXPECT_EQ(found.has_value(), c.found.has_value()) << c.start << " " << c.near;
    if (found && c.found) {
      EXPECT_EQ(found->ut, *c.found) << c.start << " " << c.near;
    }
  }
}

TEST(Searches, ChangesOfLightAreFoundAtEveryLimitEvenSeveralBetweenTwoSamples) {
  // The Sun falling 20 degrees a day and coming back, sampled once a day:
  // between two samples it passes all four limits, each found on its own.
  EXPECT_EQ(LightOf(SunsetAltitude), SkyLight::Civil) << "a limit belongs to the darker side";
  EXPECT_EQ(LightOf(-5.99), SkyLight::Civil);
  EXPECT_EQ(LightOf(-18), SkyLight::Night);
  auto altitude = [](double t) { return t < 2 ? 10 - 20 * t : -30 + 20 * (t - 2); };
  const auto found = FindStateChanges([&](const Instant& t) { return LightOf(altitude(t.ut)); }, {Ut(0), Ut(4)}, 4);
  EXPECT_EQ(found.first, SkyLight::Day);
  ASSERT_EQ(found.changes.size(), 8u);
  for (std::size_t k = 0; k < 4; ++k) {
    const StateChange<SkyLight>& down = found.changes[k];
    const StateChange<SkyLight>& up = found.changes[7 - k];
    EXPECT_EQ(static_cast<int>(down.before), static_cast<int>(k));
    EXPECT_EQ(static_cast<int>(down.after), static_cast<int>(k + 1));
    EXPECT_NEAR(down.time.ut, (10 - TwilightLimits[k]) / 20, Millisecond);
    EXPECT_EQ(static_cast<int>(up.after), static_cast<int>(k));
    EXPECT_NEAR(up.time.ut, 2 + (TwilightLimits[k] + 30) / 20, Millisecond);
  }
}

TEST(Searches, NextOppositionOfMarsAndOfJupiterIn2027) {
  // Mars opposite the Sun on 19 February 2027, Jupiter on 11 February.
  ExpectEvent(NextOpposition(Elements(), Body::Mars, Span::Of(Ut(Jd(2027, 1, 1)), SearchHorizonDays)), PhenomenonKind::Opposition,
              Jd(2027, 2, 19, 12), 0.6, 2);
  ExpectEvent(NextOpposition(Elements(), Body::Jupiter, Span::Of(Ut(Jd(2027, 1, 1)), SearchHorizonDays)), PhenomenonKind::Opposition,
              Jd(2027, 2, 11, 0), 0.6, 2);
  EXPECT_FALSE(NextOpposition(Elements(), Body::Venus, Span::Of(Ut(Jd(2027, 1, 1)), 800))) << "an inner planet has none";
}

TEST(Searches, NextConjunctionOfVenusIsTheInferiorOneOf2026) {
  // Venus passed between the Earth and the Sun on 24 October 2026.
  ExpectEvent(NextConjunction(Elements(), Body::Venus, Span::Of(Ut(Jd(2026, 9, 1)), SearchHorizonDays)), PhenomenonKind::InferiorConjunction,
              Jd(2026, 10, 24, 0), 1.0, 3);
}

TEST(Searches, NextGreatestElongationOfVenusIsTheEveningOneOfAugust2026) {
  const std::optional<Phenomenon> found = NextGreatestElongation(Elements(), Body::Venus, Span::Of(Ut(Jd(2026, 7, 1)), SearchHorizonDays));
  ExpectEvent(found, PhenomenonKind::GreatestEastern, Jd(2026, 8, 15, 12), 1.5, 4);
  EXPECT_NEAR(*found->value, 45.9, 0.5);
}

TEST(Searches, NextStationOfMarsStandsStillBeforeItsOpposition) {
  const std::optional<Phenomenon> found = NextStation(Elements(), Body::Mars, Span::Of(Ut(Jd(2026, 12, 1)), SearchHorizonDays));
  ASSERT_TRUE(found);
  EXPECT_EQ(found->kind, PhenomenonKind::RetrogradeBegins);
  EXPECT_LT(found->time, Jd(2027, 2, 19));
  const double h = 1e-3;
  const double rate = (MethodLongitude(Elements(), Body::Mars, Ut(found->time + h)) -
                       MethodLongitude(Elements(), Body::Mars, Ut(found->time - h))) / (2 * h);
  EXPECT_LT(std::fabs(rate), 1e-4);
}

TEST(Searches, NextApsisOfTheEarthIsItsJanuaryPerihelion) {
  // The Earth at perihelion on 3 January 2027.
  ExpectEvent(NextApsis(Elements(), Body::Earth, Span::Of(Ut(Jd(2026, 12, 1)), SearchHorizonDays)), PhenomenonKind::Perihelion, Jd(2027, 1, 3, 0),
              1.5, 2);
}

TEST(Searches, NextCloseApproachIsClosestWithinAnHourAndUnderTheLimit) {
  const std::optional<Phenomenon> found = NextCloseApproach(Elements(), Body::Moon, Body::Jupiter, 5, Span::Of(Ut(Jd(2027, 1, 1)), SearchHorizonDays));
  ASSERT_TRUE(found);
  EXPECT_LT(*found->value, 5);
  EXPECT_LT(found->time, Jd(2027, 2, 1)) << "the Moon passes every planet each month";
  for (const double hour : {-1.0 / 24, 1.0 / 24}) {
    EXPECT_LT(*found->value, MethodSeparation(Elements(), Body::Moon, Body::Jupiter, Ut(found->time + hour)));
  }
}

TEST(Searches, NextMoonPhaseIsTheFullMoonOfTheEclipseOfMarch2026) {
  // Total lunar eclipse, greatest at 11:33 UT on 3 March 2026.
  ExpectEvent(NextMoonPhase(Elements(), Span::Of(Ut(Jd(2026, 3, 1)), SearchHorizonDays)), PhenomenonKind::FullMoon, Jd(2026, 3, 3, 11.5), 0.05, 0.5);
}

TEST(Searches, NextSeasonIsTheMarchEquinoxOf2026) {
  // 20 March 2026 at 14:46 UT; the method's Sun, 0.4 degrees off, some
  // ten hours early.
  ExpectEvent(NextSeason(Elements(), Span::Of(Ut(Jd(2026, 3, 1)), SearchHorizonDays)), PhenomenonKind::MarchEquinox, Jd(2026, 3, 20, 14.77), 0.01,
              0.5);
}

TEST(Searches, RisingCulminationAndSettingOfADayCalledOnTheirOwn) {
  // Jupiter from the equator rises, culminates and sets
  // about twelve hours apart, the culmination between the two.
  const Place equator{0, 0, "0, 0"};
  const PlanetDay day = ComputePlanetDay(Elements(), Body::Jupiter, equator, {Ut(Jd(2027, 2, 11)), Ut(Jd(2027, 2, 12))});
  ASSERT_TRUE(day.rise && day.transit && day.set);
  const double set = day.set->ut < day.rise->ut ? day.set->ut + 1 : day.set->ut;
  EXPECT_NEAR(set - day.rise->ut, 0.5, 0.03);
  EXPECT_NEAR(std::fmod(day.transit->ut - day.rise->ut + 1, 1.0), 0.25, 0.02);
}

TEST(Searches, APlanetsVisibleIntervalInANightCalledOnItsOwn) {
  // Jupiter at opposition from Madrid: up all the dark night.
  const Place madrid{40.4168, -3.7038, "40.4168, -3.7038"};
  const double start = Jd(2027, 2, 10, 12), end = Jd(2027, 2, 11, 12);
  const DarkSky dark = DarkSkyOf(Elements(), madrid, {Ut(start), Ut(end)}, {}, Ut((start + end) / 2), {});
  ASSERT_EQ(dark.intervals.size(), 1u);
  const PlanetNight jupiter = ComputePlanetNight(Elements(), Body::Jupiter, madrid, dark);
  ASSERT_TRUE(jupiter.best);
  EXPECT_GT(jupiter.visibleTo->time.ut - jupiter.visibleFrom->time.ut, 0.45);
  EXPECT_GT(jupiter.best->altitude, 60);
  EXPECT_EQ(jupiter.best->compassPoint, 8) << "due south at its highest";
}

}  // namespace
}  // namespace orbitas
