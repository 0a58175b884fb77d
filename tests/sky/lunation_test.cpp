// The walk through the lunations that starts every eclipse search: the
// first mean phase it begins at, the quick test of the Moon's latitude,
// and the walk itself with stand-in positions whose minima are known.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <vector>

#include "sky/eclipses/lunation.h"
#include "tests/support/julian_days.h"

namespace orbitas {
namespace {

using testing::Jd;

constexpr double J = 2451550.09766;  // the mean new moon of 2000-01-06 (Meeus, ch. 49)

// NextMeanPhase from a UT Julian day, as a Julian day.
double MeanPhaseDay(double after, double phase) { return NextMeanPhase(Instant::FromUt(after), phase).ut; }
constexpr double S = 29.530588861;   // the mean synodic month

TEST(NextMeanPhase, TheFirstMeanPhaseFromADayAndAHalfBefore) {
  // Mistakes: the phase just before `after` passed over (no look-back), a
  // whole lunation skipped (floor + 1 for ceil), the full moon's half
  // month added twice, or counting from the wrong side of J.
  const struct {
    double after, phase, expected;
  } rows[] = {
      {J, 0, J},                        // at a mean new moon: that one
      {J + 1.0, 0, J},                  // a day after it: still that one
      {J + 1.5, 0, J},                  // the edge of the look-back
      {J + 1.6, 0, J + S},              // past it: the next lunation
      {J - 1.0, 0, J},                  // the day before: that one
      {J, 0.5, 2451564.862954},         // J + 14.765294: the full moon after
      {J - 14.0, 0.5, 2451535.332366},  // J − 14.765294: the full moon before
      {J + 10 * S + 0.5, 0, J + 10 * S},
      {J - 100 * S + 2, 0, J - 99 * S},
  };
  for (const auto& r : rows) EXPECT_NEAR(MeanPhaseDay(r.after, r.phase), r.expected, 1e-6) << r.after - J << " " << r.phase;
}

TEST(NextMeanPhase, WithinFourteenHoursOfTheTrueNewAndFullMoonsOf2027) {
  // True phases (Astronomy Engine): new moon 2027-08-02 10:05 UT, full
  // moon 2027-02-20 23:24 UT. Mistake: the epoch of J2000's mean new moon
  // taken as J2000 itself (12 h off would pass, 1.5 days would not).
  EXPECT_NEAR(MeanPhaseDay(Jd(2027, 8, 1), 0), Jd(2027, 8, 2, 10, 5, 0), 14.0 / 24);
  EXPECT_NEAR(MeanPhaseDay(Jd(2027, 2, 19), 0.5), Jd(2027, 2, 20, 23, 24, 0), 14.0 / 24);
}

TEST(NearTheEcliptic, EclipseLunationsNearOthersNot) {
  // The Moon's latitude at the true phase (Astronomy Engine) beside each.
  // Mistakes: radians compared with 2.6 degrees, the latitude's sign kept
  // (southern lunations never near), the equatorial z taken for latitude.
  const struct {
    double after, phase;
    bool near;
  } rows[] = {
      {Jd(2027, 8, 1), 0, true},     // 0.14°: the total solar eclipse of 2027-08-02
      {Jd(2027, 2, 5), 0, true},     // −0.27°: the annular eclipse of 2027-02-06
      {Jd(2027, 2, 19), 0.5, true},  // −1.06°: the penumbral eclipse of 2027-02-20
      {Jd(2028, 1, 11), 0.5, true},  // 1.00°: the partial eclipse of 2028-01-12
      {Jd(2027, 5, 5), 0, false},    // 5.01°
      {Jd(2027, 10, 28), 0, false},  // −5.00°
      {Jd(2027, 4, 19), 0.5, false}, // −4.80°
      {Jd(2027, 10, 14), 0.5, false} // 4.81°
  };
  for (const auto& r : rows) EXPECT_EQ(NearTheEcliptic(NextMeanPhase(Instant::FromUt(r.after), r.phase)), r.near) << r.after;
}

// Stand-in positions: the "distance" least a quarter of a day after each
// mean new moon, the exact one the same; eclipseAt records what it is
// asked and answers from a list.
struct Walk {
  std::vector<double> asked;
  std::vector<bool> answers;  // whether the n-th asked lunation has an eclipse; past the list, yes
  bool miss = false;

  std::optional<double> Run(double after, double within) {
    const auto quick = [](const Instant& t) { return 1 - std::cos(2 * M_PI * (t.ut - J - 0.25) / S); };
    const auto misses = [this](const Instant&) { return miss; };
    const auto eclipseAt = [this](const Instant& greatest) -> std::optional<double> {
      asked.push_back(greatest.ut);
      if (asked.size() <= answers.size() && !answers[asked.size() - 1]) return std::nullopt;
      return greatest.ut;
    };
    return NextLunationEclipse(Span::Of(Instant::FromUt(after), within), 0, quick, misses, quick, eclipseAt);
  }
};

const double August2027 = MeanPhaseDay(Jd(2027, 7, 25), 0);  // the eclipse lunation of 2027-08-02

TEST(NextLunationEclipse, GreatestOfTheFirstEclipseLunation) {
  // Mistakes: the rough minimum returned without the exact one, or the
  // mean phase itself returned.
  Walk w;
  const std::optional<double> e = w.Run(August2027 - 10, 20);
  ASSERT_TRUE(e);
  EXPECT_NEAR(*e, August2027 + 0.25, 1e-5);
  EXPECT_EQ(w.asked.size(), 1u);
}

TEST(NextLunationEclipse, BoundsOfTheWalk) {
  // Mistakes: a greatest at or before `after` handed back (the look-back
  // day leaking out), one just after it lost, the walk running past the
  // end of within, misses ignored.
  const struct {
    double after, within;
    bool miss, found;
    const char* why;
  } rows[] = {
      {August2027 + 0.3, 20, false, false, "greatest before after: skipped"},
      {August2027 + 0.25 + 1e-3, 20, false, false, "greatest a minute before after: skipped"},
      {August2027 + 0.2, 20, false, true, "greatest just after: found through the look-back"},
      {August2027 - 10, 9.9, false, false, "the lunation is past the end of within"},
      {August2027 - 10, 20, true, false, "the quick positions pass too far"},
  };
  for (const auto& r : rows) {
    Walk w;
    w.miss = r.miss;
    const std::optional<double> e = w.Run(r.after, r.within);
    EXPECT_EQ(e.has_value(), r.found) << r.why;
    if (!r.found) {
      EXPECT_TRUE(w.asked.empty()) << r.why;
    }
  }
}

TEST(NextLunationEclipse, TheFirstLunationWithAnEclipseIsReturned) {
  // Mistakes: the walk stopping at the first lunation asked, or returning
  // its empty answer. The second asked lunation comes whole months later.
  Walk w;
  w.answers = {false};
  const std::optional<double> e = w.Run(August2027 - 10, 200);
  ASSERT_TRUE(e);
  ASSERT_EQ(w.asked.size(), 2u);
  EXPECT_NEAR(w.asked[0], August2027 + 0.25, 1e-5);
  EXPECT_DOUBLE_EQ(*e, w.asked[1]);
  const double months = (*e - w.asked[0]) / S;
  EXPECT_NEAR(months, std::round(months), 1e-5);
  EXPECT_GE(std::round(months), 1);
  EXPECT_LE(std::round(months), 7);  // the next eclipse season, 2028-01
}

}  // namespace
}  // namespace orbitas
