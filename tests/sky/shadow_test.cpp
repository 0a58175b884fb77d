// The shadow's geometry: the gaps of the two touches, the Earth's shadow
// at a fixed Sun and Moon against hand arithmetic on Danjon's rule, and
// the contact finder on gap functions whose roots are known.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <optional>

#include "sky/eclipses/shadow.h"

namespace orbitas {
namespace {

// FindContact on a gap of the UT Julian day, the contact as a Julian day.
std::optional<double> ContactDay(const std::function<double(double)>& gap, double greatest, double reach, bool before) {
  const std::optional<Instant> t =
      FindContact([&](const Instant& at) { return gap(at.ut); }, Instant::FromUt(greatest), reach, before);
  return t ? std::optional<double>(t->ut) : std::nullopt;
}

constexpr double Arcsecond = M_PI / (180 * 3600);

TEST(TouchGap, OuterAndInnerTouchesAndABodyBiggerThanTheDisc) {
  // Mistakes named per row: inner as distance − (disc − body) with no
  // absolute value (the last two rows), or outer and inner swapped.
  const struct {
    DiscCrossing c;
    double outer, inner;
  } rows[] = {
      {{1.0, 0.5, 0.25}, 0.25, 0.75},     // apart: both positive
      {{0.75, 0.5, 0.25}, 0.0, 0.5},      // edges touch from outside
      {{0.25, 0.5, 0.25}, -0.5, 0.0},     // wholly inside, touching
      {{0.0, 0.5, 0.25}, -0.75, -0.25},   // centred
      {{0.1, 0.25, 0.5}, -0.65, -0.15},   // body bigger: the disc within it
      {{0.3, 0.25, 0.5}, -0.45, 0.05},    // body bigger, disc just out of it
  };
  for (const auto& r : rows) {
    EXPECT_DOUBLE_EQ(TouchGap(r.c, Touch::Outer), r.outer) << r.c.distance << " " << r.c.disc << " " << r.c.body;
    EXPECT_DOUBLE_EQ(TouchGap(r.c, Touch::Inner), r.inner) << r.c.distance << " " << r.c.disc << " " << r.c.body;
  }
}

// The Sun at 1 au on +x, the Moon at 384 400 km half a degree off the
// anti-Sun direction. By hand: the Moon's parallax asin(6378.137/384400) =
// 3422.60", the Sun's 8.79", the Sun's semidiameter asin(696000/1 au) =
// 959.64", the Moon's asin(0.2725076 * 6378.137 / 384400) = 932.64".
// Danjon: umbra 1.01 * 3422.60 + 8.79 − 959.64 = 2505.97", penumbra
// 1.01 * 3422.60 + 8.79 + 959.64 = 4425.26" (without the 1/85: 2471.74").
TEST(EarthShadowOf, UmbraAndPenumbraAtAFixedSunAndMoonByHand) {
  // Mistakes: the enlargement left out (34" less) or put on the Sun's
  // semidiameter, the Sun's parallax subtracted, the axis toward the Sun
  // (distance 179.5°), degrees for radians.
  const double half = 0.5 * M_PI / 180;
  const Vector sun{149597870.7, 0, 0};
  const Vector moon{-384400 * std::cos(half), 384400 * std::sin(half), 0};
  const EarthShadow s = EarthShadowOf(sun, moon);
  EXPECT_NEAR(s.distance / Arcsecond, 1800.0, 0.01);
  EXPECT_NEAR(s.umbra / Arcsecond, 2505.97, 0.05);
  EXPECT_NEAR(s.penumbra / Arcsecond, 4425.26, 0.05);
  EXPECT_NEAR(s.moon / Arcsecond, 932.64, 0.05);
  // The discs hand over the same numbers: the Moon's radius as body.
  EXPECT_DOUBLE_EQ(s.Umbra().disc, s.umbra);
  EXPECT_DOUBLE_EQ(s.Penumbra().disc, s.penumbra);
  EXPECT_DOUBLE_EQ(s.Umbra().body, s.moon);
  EXPECT_DOUBLE_EQ(s.Penumbra().distance, s.distance);
  // 1800" from the axis with 2505.97 + 932.64 of reach: partly in the
  // umbra (outer gap −1638.61"), not wholly (inner gap 226.67").
  EXPECT_NEAR(TouchGap(s.Umbra(), Touch::Outer) / Arcsecond, -1638.61, 0.1);
  EXPECT_NEAR(TouchGap(s.Umbra(), Touch::Inner) / Arcsecond, 226.67, 0.1);
}

TEST(EarthShadowOf, AFartherMoonCastsASmallerUmbra) {
  // Mistake: the parallax of the Sun's distance used for the Moon's. At
  // 406 700 km (apogee) by hand: 1.01 * 3234.91 + 8.79 − 959.64 = 2316.41".
  const Vector sun{149597870.7, 0, 0};
  const EarthShadow s = EarthShadowOf(sun, Vector{-406700, 0, 0});
  EXPECT_NEAR(s.distance, 0.0, 1e-9);
  EXPECT_NEAR(s.umbra / Arcsecond, 1.01 * 3234.91 + 8.79 - 959.64, 0.1);
}

TEST(FindContact, RootsBeforeAndAfterGreatestAndNoneWithoutOverlap) {
  // gap(t) = (t − 10)² − 4: below zero at greatest 10, zero at 8 and 12.
  // Mistakes: before and after swapped; a contact made up when the gap at
  // greatest is zero or positive; the precision of a search in hours.
  const auto gap = [](double t) { return (t - 10) * (t - 10) - 4; };
  const struct {
    double greatest, reach;
    bool before;
    std::optional<double> root;
  } rows[] = {
      {10, 3, true, 8.0},
      {10, 3, false, 12.0},
      {9, 3, true, 8.0},    // greatest off-centre: the root still at 8
      {11.5, 3, false, 12.0},
      {12, 3, true, std::nullopt},  // the gap is zero at greatest: no touch
      {13, 3, false, std::nullopt},  // positive at greatest
  };
  for (const auto& r : rows) {
    const std::optional<double> t = ContactDay(gap, r.greatest, r.reach, r.before);
    ASSERT_EQ(t.has_value(), r.root.has_value()) << r.greatest << " " << r.before;
    if (t) {
      EXPECT_NEAR(*t, *r.root, 1e-5) << r.greatest << " " << r.before;
    }
  }
}

TEST(FindContact, FindsARootJustWithinReach) {
  // Mistake: reach added on the wrong side (the search bracket not
  // holding greatest). Roots 0.9 days either side, reach 1 and 0.9.
  const auto gap = [](double t) { return std::fabs(t - 100) - 0.9; };
  for (const double reach : {1.0, 0.9}) {
    EXPECT_NEAR(*ContactDay(gap, 100, reach, true), 99.1, 1e-5) << reach;
    EXPECT_NEAR(*ContactDay(gap, 100, reach, false), 100.9, 1e-5) << reach;
  }
}

// A root beyond reach is no contact: without a change of sign within
// reach the false position would step outside its bracket. Mistake named:
// an unbounded search reported as a contact.
TEST(FindContact, NoContactFartherThanReach) {
  const auto gap = [](double t) { return std::fabs(t - 100) - 0.9; };
  for (const bool before : {true, false}) {
    const std::optional<double> t = ContactDay(gap, 100, 0.5, before);
    EXPECT_FALSE(t) << before << ": " << (t ? *t : 0.0);
  }
}

}  // namespace
}  // namespace orbitas
