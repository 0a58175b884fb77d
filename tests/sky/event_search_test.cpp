// The searches of each kind of event over 2027, their reference instants
// against Astronomy Engine 2.1.19 (an independent ephemeris, run once by
// hand; its UT times are below), and the bounds [from, to) of a stretch.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

#include "sky/events/event_search.h"
#include "tests/support/body_print.h"
#include "tests/support/filled_elements.h"
#include "tests/support/julian_days.h"

namespace orbitas {
namespace {

using testing::Jd;
using testing::Ut;

constexpr double Minute = 1.0 / 1440;
const double From = Jd(2027, 1, 1), To = Jd(2028, 1, 1);

struct Expected {
  PhenomenonKind kind;
  double time;       // Astronomy Engine, UT
  double tolerance;  // minutes
};

using Search = std::function<std::vector<Phenomenon>(const EventSearch&, Instant, Instant)>;

// Each expected event is found once, of its kind, with the reference's
// instant within tolerance; and nothing of a kind not expected in 2027.
void ExpectEvents(const Search& search, const std::vector<Expected>& expected, const char* what) {
  const ElementsTable elements = testing::FilledElements();
  const EventSearch events(elements);
  const std::vector<Phenomenon> found = search(events, Ut(From), Ut(To));
  ASSERT_EQ(found.size(), expected.size()) << what;
  for (const Expected& e : expected) {
    int matches = 0;
    for (const Phenomenon& p : found) {
      if (p.kind != e.kind || !p.referenceTime || std::fabs(p.referenceTime->ut - e.time) > 2) continue;
      ++matches;
      EXPECT_NEAR(p.referenceTime->ut, e.time, e.tolerance * Minute)
          << what << " " << static_cast<int>(e.kind) << ": off by " << (p.referenceTime->ut - e.time) / Minute << " min";
      EXPECT_LT(std::fabs(p.time - e.time), 4) << what << ": the method's instant within days";
    }
    EXPECT_EQ(matches, 1) << what << " " << static_cast<int>(e.kind) << " near " << e.time;
  }
}

// The reference's conjunctions are geometric: the planet and the Sun at
// the same instant, without light time or aberration, on the J2000
// ecliptic; Astronomy Engine's heliocentric vectors taken the same way.
// The apparent instants of an almanac stand 5 to 20 minutes from these.
// Jupiter and Saturn get a wider tolerance: eraPlan94's own errors for
// them reach a minute of arc, which is up to half an hour at their slow
// motion against the Sun.
TEST(EventSearch, ConjunctionsAndOppositionsOf2027) {
  // Mistakes: an outer planet's opposition called a conjunction (the
  // target 0 and 180 swapped), the reference read at UT for TT (69 s:
  // caught on Mercury), the heliocentric longitude for the geocentric.
  using K = PhenomenonKind;
  ExpectEvents([](const EventSearch& s, Instant a, Instant b) { return s.Conjunctions(Body::Jupiter, {a, b}); },
               {{K::Opposition, Jd(2027, 2, 11, 0, 17, 1), 25}, {K::Conjunction, Jd(2027, 8, 31, 7, 34, 43), 25}},
               "Jupiter");
  ExpectEvents([](const EventSearch& s, Instant a, Instant b) { return s.Conjunctions(Body::Saturn, {a, b}); },
               {{K::Conjunction, Jd(2027, 4, 7, 17, 16, 49), 25}, {K::Opposition, Jd(2027, 10, 18, 0, 18, 21), 25}},
               "Saturn");
  ExpectEvents([](const EventSearch& s, Instant a, Instant b) { return s.Conjunctions(Body::Mars, {a, b}); },
               {{K::Opposition, Jd(2027, 2, 19, 15, 44, 2), 5}}, "Mars");
}

TEST(EventSearch, MercurysConjunctionsOf2027) {
  // Mistakes: inferior and superior swapped (the nearer is inferior), an
  // inner planet given oppositions, one conjunction of a pair lost.
  using K = PhenomenonKind;
  ExpectEvents([](const EventSearch& s, Instant a, Instant b) { return s.Conjunctions(Body::Mercury, {a, b}); },
               {{K::SuperiorConjunction, Jd(2027, 1, 1, 16, 50, 36), 3},
                {K::InferiorConjunction, Jd(2027, 2, 18, 16, 33, 22), 3},
                {K::SuperiorConjunction, Jd(2027, 4, 28, 21, 9, 48), 3},
                {K::InferiorConjunction, Jd(2027, 6, 23, 7, 53, 4), 3},
                {K::SuperiorConjunction, Jd(2027, 8, 11, 10, 47, 56), 3},
                {K::InferiorConjunction, Jd(2027, 10, 19, 15, 25, 5), 3},
                {K::SuperiorConjunction, Jd(2027, 12, 11, 21, 57, 51), 3}},
               "Mercury");
}

TEST(EventSearch, GreatestElongationsOf2027) {
  // A maximum is flat: an arcsecond moves it by minutes, hence the wider
  // tolerance. Mistakes: east and west swapped (evening is east), the
  // distance from the Sun in longitude for the angle in the sky.
  using K = PhenomenonKind;
  ExpectEvents([](const EventSearch& s, Instant a, Instant b) { return s.GreatestElongations(Body::Mercury, {a, b}); },
               {{K::GreatestEastern, Jd(2027, 2, 3, 6, 20, 8), 20},
                {K::GreatestWestern, Jd(2027, 3, 17, 6, 56, 57), 20},
                {K::GreatestEastern, Jd(2027, 5, 28, 10, 1, 57), 20},
                {K::GreatestWestern, Jd(2027, 7, 15, 19, 29, 41), 20},
                {K::GreatestEastern, Jd(2027, 9, 24, 22, 6, 2), 20},
                {K::GreatestWestern, Jd(2027, 11, 4, 8, 55, 11), 20}},
               "Mercury");
  ExpectEvents([](const EventSearch& s, Instant a, Instant b) { return s.GreatestElongations(Body::Venus, {a, b}); },
               {{K::GreatestWestern, Jd(2027, 1, 3, 17, 56, 3), 30}}, "Venus");
}

TEST(EventSearch, StationsOf2027) {
  // Where the apparent longitude of date stands still (Astronomy Engine's
  // geocentric longitudes, the zero of their rate found by bisection). A
  // station is flatter still: tolerances of an hour or two. Mistakes:
  // begin and end of the retrograde motion swapped, the heliocentric
  // longitude (which never stands still).
  using K = PhenomenonKind;
  ExpectEvents([](const EventSearch& s, Instant a, Instant b) { return s.Stations(Body::Mars, {a, b}); },
               {{K::RetrogradeBegins, Jd(2027, 1, 10, 13, 1, 12), 120}, {K::RetrogradeEnds, Jd(2027, 4, 1, 14, 10, 29), 120}},
               "Mars");
  ExpectEvents([](const EventSearch& s, Instant a, Instant b) { return s.Stations(Body::Saturn, {a, b}); },
               {{K::RetrogradeBegins, Jd(2027, 8, 9, 17, 52, 16), 180}, {K::RetrogradeEnds, Jd(2027, 12, 24, 2, 49, 29), 180}},
               "Saturn");
  ExpectEvents([](const EventSearch& s, Instant a, Instant b) { return s.Stations(Body::Jupiter, {a, b}); },
               {{K::RetrogradeEnds, Jd(2027, 4, 13, 2, 13, 8), 180}}, "Jupiter");
}

TEST(EventSearch, MoonPhasesAndSeasonsOf2027) {
  // Mistakes: the mean for the true phase (hours), quarters swapped, the
  // Sun's geometric for its apparent longitude (20" is 8 minutes), the
  // reference read at UT for TT (69 s).
  using K = PhenomenonKind;
  ExpectEvents([](const EventSearch& s, Instant, Instant) { return s.MoonPhases({Ut(Jd(2027, 1, 1)), Ut(Jd(2027, 2, 10))}); },
               {{K::NewMoon, Jd(2027, 1, 7, 20, 25, 5), 1},
                {K::FirstQuarter, Jd(2027, 1, 15, 20, 35, 5), 1},
                {K::FullMoon, Jd(2027, 1, 22, 12, 17, 50), 1},
                {K::LastQuarter, Jd(2027, 1, 29, 10, 56, 6), 1},
                {K::NewMoon, Jd(2027, 2, 6, 15, 56, 47), 1}},
               "the Moon");
  ExpectEvents([](const EventSearch& s, Instant a, Instant b) { return s.Seasons({a, b}); },
               {{K::MarchEquinox, Jd(2027, 3, 20, 20, 24, 43), 1},
                {K::JuneSolstice, Jd(2027, 6, 21, 14, 10, 33), 1},
                {K::SeptemberEquinox, Jd(2027, 9, 23, 6, 1, 18), 1},
                {K::DecemberSolstice, Jd(2027, 12, 22, 2, 42, 18), 1}},
               "the seasons");
}

TEST(EventSearch, ApsidesOf2027) {
  // Mercury's perihelion and aphelion. Mistakes: the two swapped, the
  // geocentric distance's extrema for the heliocentric one.
  using K = PhenomenonKind;
  ExpectEvents([](const EventSearch& s, Instant, Instant) { return s.Apsides(Body::Mercury, {Ut(Jd(2027, 1, 1)), Ut(Jd(2027, 4, 1))}); },
               {{K::Perihelion, Jd(2027, 2, 6, 7, 43, 6), 60}, {K::Aphelion, Jd(2027, 3, 22, 7, 20, 33), 60}}, "Mercury");
}

TEST(EventSearch, AStretchHoldsItsStartAndNotItsEnd) {
  // Mistakes: [from, to] for [from, to), or an event at from lost. The
  // stretch is cut at the method's instant of the full moon of
  // 2027-01-22 found over the whole month.
  const ElementsTable elements = testing::FilledElements();
  const EventSearch events(elements);
  double full = 0;
  for (const Phenomenon& p : events.MoonPhases({Ut(Jd(2027, 1, 1)), Ut(Jd(2027, 2, 1))}))
    if (p.kind == PhenomenonKind::FullMoon) full = p.time;
  ASSERT_NEAR(full, Jd(2027, 1, 22, 12, 17, 50), 60 * Minute);  // the method's own Sun: within the hour
  const auto fullsIn = [&](double from, double to) {
    events.NewStretch();
    int n = 0;
    for (const Phenomenon& p : events.MoonPhases({Ut(from), Ut(to)})) n += p.kind == PhenomenonKind::FullMoon;
    return n;
  };
  EXPECT_EQ(fullsIn(full - 3, full), 0) << "an event exactly at to is left out";
  EXPECT_EQ(fullsIn(full - 3, full + 1e-4), 1) << "an event just before to is in";
  EXPECT_EQ(fullsIn(full - 1e-4, full + 3), 1) << "an event just after from is in";
  EXPECT_EQ(fullsIn(full + 1e-4, full + 3), 0) << "an event just before from is out";
}

}  // namespace
}  // namespace orbitas
