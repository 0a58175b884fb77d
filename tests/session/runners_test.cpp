// The runners of orbitas-cli's commands, against independent facts:
// Astronomy Engine 2.1.19's risings, settings and twilights from Madrid
// and its eclipses of 2027 (UT, run once by hand, below), and what each
// runner's bounds and flags promise.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "session/request_refused.h"
#include "session/picture_contents.h"
#include "session/local_dates.h"
#include "session/runners.h"
#include "session/year_chart_contents.h"
#include "tests/support/julian_days.h"

namespace orbitas {
namespace {

// The span between two UT Julian days.
Span Days(double from, double to) { return {Instant::FromUt(from), Instant::FromUt(to)}; }

using testing::Jd;

constexpr double Minute = 1.0 / 1440;

const Place Madrid(40.4168, -3.7038, "40.4168, -3.7038");
const TimeZone Summer = TimeZone::FixedOffset(7200, "CEST");

CivilTime Date(int year, int month, int day) {
  CivilTime t;
  t.year = year, t.month = month, t.day = day;
  return t;
}

// A request of bodies from place in zone on a local date.
SkyRequest Asked(std::vector<Body> bodies, std::optional<Place> place, const TimeZone& zone, CivilTime date = {}) {
  SkyRequest request;
  request.bodies = std::move(bodies);
  request.place = std::move(place);
  request.zone = zone;
  request.date = date;
  return request;
}

// A request of the eclipses of span, seen from place when given.
SkyRequest Within(const Span& span, std::optional<Place> place) {
  SkyRequest request = Asked({}, std::move(place), TimeZone());
  request.span = span;
  return request;
}

// A request of the first eclipse after `at`, seen from place when given.
SkyRequest After(const Instant& at, std::optional<Place> place) {
  SkyRequest request = Asked({}, std::move(place), TimeZone());
  request.at = at;
  return request;
}

// A request of the nights from the evening of first to that of last.
SkyRequest Nights(std::vector<Body> bodies, CivilTime first, CivilTime last) {
  SkyRequest request = Asked(std::move(bodies), Madrid, Summer, first);
  request.lastDate = last;
  return request;
}

TEST(RunRiseSet, TheSunTheMoonAndMarsFromMadridOnTheSolstice) {
  // Astronomy Engine, within the local day 2027-06-21 CEST (20 June
  // 22:00 to 21 June 22:00 UT): the Sun rises 04:44:44, culminates
  // 12:16:35, sets 19:48:25; the Moon sets 06:39:59, rises 21:48:01; Mars
  // sets 23:55:14 on the 20th (01:55 local), rises 11:07:40, culminates
  // 17:30:14. Mistakes: the local day taken in UT (Mars's set of 23:52 UT
  // on the 21st, outside the local day), the
  // Sun's centre on the horizon for its upper limb with refraction (some
  // 4 minutes), the bodies out of the order asked.
  const RiseSetAnswer run = RunRiseSet(Asked({Body::Sun, Body::Moon, Body::Mars}, Madrid, Summer, Date(2027, 6, 21)));
  EXPECT_EQ(run.date, "2027-06-21");
  ASSERT_FALSE(run.stopped);
  ASSERT_EQ(run.planets.size(), 3u);
  const struct {
    Body body;
    double rise, transit, set, tolerance;  // minutes
  } rows[] = {
      {Body::Sun, Jd(2027, 6, 21, 4, 44, 44), Jd(2027, 6, 21, 12, 16, 35), Jd(2027, 6, 21, 19, 48, 25), 2},
      {Body::Moon, Jd(2027, 6, 21, 21, 48, 1), 0, Jd(2027, 6, 21, 6, 39, 59), 3},
      {Body::Mars, Jd(2027, 6, 21, 11, 7, 40), Jd(2027, 6, 21, 17, 30, 14), Jd(2027, 6, 20, 23, 55, 14), 5},
  };
  for (std::size_t k = 0; k < 3; ++k) {
    const PlanetDay& d = run.planets[k];
    EXPECT_EQ(d.body, rows[k].body) << k;
    ASSERT_TRUE(d.rise && d.set) << k;
    EXPECT_NEAR(d.rise->ut, rows[k].rise, rows[k].tolerance * Minute) << k << " rise off by " << (d.rise->ut - rows[k].rise) / Minute;
    EXPECT_NEAR(d.set->ut, rows[k].set, rows[k].tolerance * Minute) << k << " set off by " << (d.set->ut - rows[k].set) / Minute;
    if (rows[k].transit != 0) {
      ASSERT_TRUE(d.transit) << k;
      EXPECT_NEAR(d.transit->ut, rows[k].transit, rows[k].tolerance * Minute) << k;
    }
  }
  // Culminating at 73° on the solstice: 90 − 40.42 + 23.44 = 73.02 by hand.
  EXPECT_NEAR(run.planets[0].transitAltitude, 73.02, 0.1);
}

TEST(RunNight, TheSolsticeNightFromMadrid) {
  // Astronomy Engine: sunset 19:48:25, astronomical dusk 21:53:38,
  // astronomical dawn 02:39:45, sunrise 04:44:57 (UT, 21–22 June 2027).
  // Mistakes: the night from midnight to midnight (the evening of the
  // day before), the twilights' altitudes swapped, dusk after dawn.
  const NightAnswer run = RunNight(Asked({Body::Mars, Body::Jupiter}, Madrid, Summer, Date(2027, 6, 21)));
  EXPECT_EQ(run.date, "2027-06-21");
  EXPECT_EQ(run.place.text, Madrid.text) << "the answer keeps its own place";
  const SunNight& sun = run.night.sun;
  ASSERT_TRUE(sun.set && sun.astronomicalDusk && sun.astronomicalDawn && sun.rise);
  const struct {
    const char* what;
    double found, expected;
  } rows[] = {
      {"sunset", sun.set->time.ut, Jd(2027, 6, 21, 19, 48, 25)},
      {"astronomical dusk", sun.astronomicalDusk->time.ut, Jd(2027, 6, 21, 21, 53, 38)},
      {"astronomical dawn", sun.astronomicalDawn->time.ut, Jd(2027, 6, 22, 2, 39, 45)},
      {"sunrise", sun.rise->time.ut, Jd(2027, 6, 22, 4, 44, 57)},
  };
  for (const auto& r : rows) EXPECT_NEAR(r.found, r.expected, 2 * Minute) << r.what << " off by " << (r.found - r.expected) / Minute;
  ASSERT_EQ(run.night.planets.size(), 2u);
  EXPECT_EQ(run.night.planets[0].body, Body::Mars);
  EXPECT_TRUE(run.eclipses.empty()) << "no eclipse on 2027-06-21";
}

TEST(LocalMonths, TwelveMonthsFromAMonthCrossTheYear) {
  // Mistakes: December + 12 read as month 24, or as this year's month 12;
  // the zone's offset ignored at either end.
  const TimeZone madrid = *TimeZone::Named("Europe/Madrid");
  const struct {
    std::int64_t year;
    int month, count;
    double from, to;  // UT Julian days
  } cases[] = {
      {2026, 12, 12, Jd(2026, 11, 30, 23), Jd(2027, 11, 30, 23)},
      {2026, 1, 1, Jd(2025, 12, 31, 23), Jd(2026, 1, 31, 23)},
      {2026, 6, 12, Jd(2026, 5, 31, 22), Jd(2027, 5, 31, 22)},  // summer time at both ends
  };
  for (const auto& c : cases) {
    const Span months = LocalMonths(madrid, c.year, c.month, c.count);
    EXPECT_NEAR(months.from.ut, c.from, 1e-9) << c.year << "-" << c.month;
    EXPECT_NEAR(months.to.ut, c.to, 1e-9) << c.year << "-" << c.month;
  }
}

TEST(RunNight, APlanetAboveItsLimitForAnInstantIsNotVisible) {
  // Sevilla, 2027-12-09: Mars sinks through 10° just as the Sun reaches
  // -6°, a few seconds apart. Mistake: a visible interval "from 18:37 to
  // 18:37".
  const Place sevilla(37.3828, -5.9732, "37.3828, -5.9732");
  const NightAnswer run = RunNight(Asked({Body::Mars, Body::Jupiter}, sevilla, TimeZone::FixedOffset(3600, "CET"),
                                         Date(2027, 12, 9)));
  const PlanetNight& mars = run.night.planets[0];
  EXPECT_FALSE(mars.best);
  EXPECT_EQ(mars.miss, PlanetMiss::OnlyAMoment);
  EXPECT_FALSE(mars.margin) << "no altitude short of the limit to say";
  const PlanetNight& jupiter = run.night.planets[1];
  ASSERT_TRUE(jupiter.visibleFrom && jupiter.visibleTo);
  EXPECT_GT(jupiter.visibleTo->time.DaysSince(jupiter.visibleFrom->time), Minute) << "a real interval stays";
}

TEST(RunNight, AShowerWhoseRadiantNeverRisesIsNotSeen) {
  // Tromsø in December: the Puppids-Velids' radiant, near −45°, never
  // rises at 70° north; the Geminids' stands high. Mistake: "best at
  // 16:57, radiant at −60°", a best hour for a shower no one sees.
  const Place tromso(69.6489, 18.9551, "69.6489, 18.9551");
  const NightAnswer run = RunNight(Asked({}, tromso, TimeZone::FixedOffset(3600, "CET"), Date(2026, 12, 14)));
  std::map<std::string, const ShowerNight*> showers;
  for (const ShowerNight& s : run.showers) showers[std::string(s.shower->code)] = &s;
  ASSERT_TRUE(showers.count("PUP") && showers.count("GEM"));
  ASSERT_TRUE(showers["PUP"]->radiantHighest);
  EXPECT_LT(*showers["PUP"]->radiantHighest, -10);
  EXPECT_GE(*showers["PUP"]->radiantHighest, showers["PUP"]->radiantAltitude) << "the highest of the night";
  EXPECT_FALSE(showers["GEM"]->radiantHighest);
}

TEST(RunNight, TheGeminidsUnderEachSky) {
  // Sevilla on the Geminids' night of 2026-12-13, the Moon down: the
  // darker the sky, the fainter the limit at the radiant and the more
  // meteors; Uranus (5.6) a naked-eye planet from the country, not from
  // a town. Mistakes: --cielo ignored by the rates, the sky's limit
  // applied without the radiant's height, the planets' instruments left
  // at one fixed limit.
  const Place sevilla(37.3828, -5.9732, "37.3828, -5.9732");
  double previousRate = 1e9;
  for (const SkyDarkness sky :
       {SkyDarkness::Dark, SkyDarkness::Rural, SkyDarkness::Suburban, SkyDarkness::Urban, SkyDarkness::City}) {
    SkyRequest request = Asked({Body::Uranus}, sevilla, TimeZone::FixedOffset(3600, "CET"), Date(2026, 12, 13));
    request.limits.sky = sky;
    request.limits.instrument = Instrument::Eye;
    const NightAnswer run = RunNight(request);
    const auto geminids = std::find_if(run.showers.begin(), run.showers.end(),
                                       [](const ShowerNight& s) { return s.shower->code == std::string_view("GEM"); });
    ASSERT_NE(geminids, run.showers.end());
    EXPECT_LT(geminids->hourlyRate, previousRate) << static_cast<int>(sky);
    EXPECT_LE(geminids->limitingMagnitude, ZenithLimitingMagnitude(sky) + 1e-9);
    EXPECT_GT(geminids->limitingMagnitude, ZenithLimitingMagnitude(sky) - 0.2) << "the radiant stands high";
    previousRate = geminids->hourlyRate;
    const bool town = sky == SkyDarkness::Urban || sky == SkyDarkness::City;
    EXPECT_EQ(run.night.planets[0].best.has_value(), !town) << static_cast<int>(sky);
    if (town) {
      EXPECT_EQ(run.night.planets[0].miss, PlanetMiss::NeedsBinoculars);
    }
  }
}

TEST(RunNight, ThePerseidsAndTheEclipsesOfTheirNights) {
  // The Perseids are active on 12–13 August (IMO); the total solar
  // eclipse of 2027-08-02 (greatest 10:06:34 UT, Astronomy Engine) falls
  // by day, not in the night of the 1st to the 2nd; the penumbral lunar
  // eclipse of 2027-08-17 07:13:44 UT falls in the night of the 16th.
  // Mistakes: the showers of the wrong date, an eclipse of the next
  // day's daytime counted in the night, the night's end exclusive of its
  // morning.
  const NightAnswer perseids = RunNight(Asked({}, Madrid, Summer, Date(2027, 8, 12)));
  std::set<std::string> codes;
  for (const ShowerNight& s : perseids.showers) codes.insert(std::string(s.shower->code));
  EXPECT_TRUE(codes.count("PER")) << "the Perseids on the night of the 12th";
  const NightAnswer lunar = RunNight(Asked({}, Madrid, Summer, Date(2027, 8, 16)));
  ASSERT_EQ(lunar.eclipses.size(), 1u);
  EXPECT_NEAR(GreatestOf(lunar.eclipses[0].event).ut, Jd(2027, 8, 17, 7, 13, 44), 2 * Minute);
  EXPECT_TRUE(lunar.eclipses[0].lunar) << "seen from the place";
}

TEST(RunNights, EachNightOnceAndRefusals) {
  // Mistakes: the last night left out ([first, last) for [first, last]),
  // the nights' dates in UT, a backwards or too long span run or
  // truncated instead of refused.
  std::vector<std::string> dates;
  RunNights(Nights({Body::Mars}, Date(2027, 6, 20), Date(2027, 6, 22)),
            [&](const NightAnswer& run) {
              dates.push_back(run.date);
              EXPECT_TRUE(run.night.sun.set) << run.date;
            });
  EXPECT_EQ(dates, (std::vector<std::string>{"2027-06-20", "2027-06-21", "2027-06-22"}));
  int calls = 0;
  const auto count = [&](const NightAnswer&) { ++calls; };
  EXPECT_THROW(RunNights(Nights({}, Date(2027, 6, 22), Date(2027, 6, 21)), count), RequestRefused);
  EXPECT_THROW(RunNights(Nights({}, Date(2027, 1, 1), Date(2028, 1, 2)), count), RequestRefused)
      << "367 nights";
  EXPECT_EQ(calls, 0) << "refused before any night";
  RunNights(Nights({}, Date(2027, 6, 21), Date(2027, 6, 21)), count);
  EXPECT_EQ(calls, 1) << "a single night";
}

// Astronomy Engine's eclipses of 2027 (greatest, UT).
const struct {
  double greatest;
  bool solar;
} Eclipses2027[] = {
    {Jd(2027, 2, 6, 15, 59, 32), true},   // annular
    {Jd(2027, 2, 20, 23, 12, 44), false},  // penumbral
    {Jd(2027, 7, 18, 16, 2, 54), false},   // penumbral
    {Jd(2027, 8, 2, 10, 6, 34), true},    // total
    {Jd(2027, 8, 17, 7, 13, 44), false},   // penumbral
};

TEST(RunEclipses, TheFiveEclipsesOf2027InOrder) {
  // Mistakes: an eclipse lost (a lunation skipped), the list out of time
  // order (solar and lunar searches not merged), a transit invented.
  std::vector<EclipseSeen> found;
  RunEclipses(Within(Days(Jd(2027, 1, 1), Jd(2028, 1, 1)), std::nullopt), [&](const EclipseSeen& e) { found.push_back(e); });
  ASSERT_EQ(found.size(), std::size(Eclipses2027));
  for (std::size_t k = 0; k < found.size(); ++k) {
    EXPECT_NEAR(GreatestOf(found[k].event).ut, Eclipses2027[k].greatest, 2 * Minute) << k;
    EXPECT_EQ(std::holds_alternative<SolarEclipse>(found[k].event), Eclipses2027[k].solar) << k;
    EXPECT_FALSE(found[k].solar || found[k].lunar) << "no place, no local view";
  }
}

// The greatest instant of the total solar eclipse of 2027-08-02 as the
// runner finds it.
double AugustGreatest() {
  double greatest = 0;
  RunEclipses(Within(Days(Jd(2027, 8, 1), Jd(2027, 8, 3)), std::nullopt),
              [&](const EclipseSeen& e) { greatest = GreatestOf(e.event).ut; });
  return greatest;
}

int EclipsesIn(double start, double end) {
  int n = 0;
  RunEclipses(Within(Days(start, end), Madrid), [&](const EclipseSeen& e) {
    ++n;
    EXPECT_TRUE(e.solar) << "seen from Madrid";
  });
  return n;
}

TEST(RunEclipses, BoundsOfTheSpan) {
  // Mistakes: an end that holds its own instant, a place given and not
  // used.
  const double greatest = AugustGreatest();
  ASSERT_NEAR(greatest, Eclipses2027[3].greatest, 2 * Minute);
  const double second = 1.0 / 86400;
  EXPECT_EQ(EclipsesIn(greatest - 1, greatest + 1), 1);
  EXPECT_EQ(EclipsesIn(greatest - 1, greatest), 0) << "an eclipse exactly at end is out";
  EXPECT_EQ(EclipsesIn(greatest + second, greatest + 1), 0);
}

// A span that holds the greatest instant but ends before the lunation's
// mean phase (2027-08-02: greatest at 10:06 UT, its mean new moon 2.6
// hours later), and one that starts exactly at it. Mistakes: the end
// tested on the mean phase instead of the greatest, a half-open span
// searched as an open one.
TEST(RunEclipses, ANarrowSpanAroundTheGreatestHoldsIt) {
  const double greatest = AugustGreatest(), second = 1.0 / 86400;
  EXPECT_EQ(EclipsesIn(greatest - second, greatest + second), 1);
  EXPECT_EQ(EclipsesIn(greatest - 1, greatest + 1.0 / 24), 1);
}

TEST(RunEclipses, AnEclipseExactlyAtStartIsIn) {
  const double greatest = AugustGreatest();
  EXPECT_EQ(EclipsesIn(greatest, greatest + 1), 1);
}

TEST(RunFirstEclipse, TheNextOneAfterAnInstant) {
  // Mistakes: an eclipse at `after` itself returned, the search from the
  // year's start rather than from `after`.
  const std::optional<EclipseSeen> first = RunFirstEclipse(After(Instant::FromUt(Jd(2027, 1, 1)), std::nullopt));
  ASSERT_TRUE(first);
  EXPECT_NEAR(GreatestOf(first->event).ut, Eclipses2027[0].greatest, 2 * Minute);
  const std::optional<EclipseSeen> next = RunFirstEclipse(After(Instant::FromUt(GreatestOf(first->event).ut), Madrid));
  ASSERT_TRUE(next);
  EXPECT_NEAR(GreatestOf(next->event).ut, Eclipses2027[1].greatest, 2 * Minute);
  EXPECT_TRUE(next->lunar) << "seen from the place";
}

struct Kinds {
  int phenomena = 0, moonPhases = 0, moonApproaches = 0, eclipses = 0, showers = 0;
  bool ordered = true;
};

Kinds Phenomena(bool sunAndMoon, bool moon, double limit) {
  Kinds k;
  double last = 0;
  SkyRequest request;
  request.bodies = {Body::Mars, Body::Jupiter};
  request.sunAndMoon = sunAndMoon;
  request.moon = moon;
  request.approachLimit = limit;
  request.span = Days(Jd(2027, 2, 1), Jd(2027, 3, 1));
  request.zone = Summer;
  RunPhenomena(request, [&](const YearEvent& e) {
                 k.ordered = k.ordered && TimeOf(e).ut >= last;
                 last = TimeOf(e).ut;
                 if (const auto* p = std::get_if<Phenomenon>(&e)) {
                   const bool phase = p->kind >= PhenomenonKind::NewMoon && p->kind <= PhenomenonKind::LastQuarter;
                   ++k.phenomena;
                   k.moonPhases += phase;
                   k.moonApproaches += p->kind == PhenomenonKind::CloseApproach && p->body == Body::Moon;
                 } else if (std::holds_alternative<EclipseSeen>(e)) {
                   ++k.eclipses;
                 } else {
                   ++k.showers;
                 }
               },
               {});
  return k;
}

TEST(RunPhenomena, WhatEachFlagAdds) {
  // February 2027: the Moon new on the 6th, at first quarter on the 14th,
  // full on the 20th (and at last quarter near the month's end), two
  // eclipses (6th and 20th), the oppositions of Jupiter (11th) and Mars
  // (19th). Mistakes: the
  // flags ignored or swapped, the eclipses added without sunAndMoon, the
  // Moon's approaches without moon, the limit not passed on.
  const Kinds planets = Phenomena(false, false, 1.0);
  EXPECT_EQ(planets.moonPhases, 0);
  EXPECT_EQ(planets.eclipses, 0);
  EXPECT_EQ(planets.showers, 0);
  EXPECT_GE(planets.phenomena, 2) << "the oppositions of Mars and Jupiter";
  const Kinds all = Phenomena(true, false, 1.0);
  EXPECT_GE(all.moonPhases, 3);
  EXPECT_EQ(all.eclipses, 2);
  EXPECT_TRUE(all.ordered);
  const Kinds moon = Phenomena(false, true, 10.0);
  EXPECT_GE(moon.moonPhases, 3);
  EXPECT_EQ(moon.eclipses, 0) << "the Moon alone brings no eclipses";
  EXPECT_GE(moon.moonApproaches, 2) << "the Moon passes Mars and Jupiter within 10° each month";
  const Kinds tight = Phenomena(false, true, 0.01);
  EXPECT_LT(tight.moonApproaches, moon.moonApproaches) << "a smaller limit lists fewer approaches";
  EXPECT_TRUE(moon.ordered && tight.ordered);
}

TEST(PeakNight, ThePerseidsFromMadrid) {
  // The Perseids' 2027 peak falls on 13 August; the best hour from Madrid
  // is in the night that holds the peak (local noon to noon), in
  // astronomical darkness (21:00:36 to 03:39:29 UT, Astronomy Engine),
  // with the radiant above the horizon. Mistakes: the night after the
  // peak, the best hour by day, a radiant below the horizon.
  std::optional<ShowerPeak> peak;
  FindShowerPeaks({Instant::FromUt(Jd(2027, 8, 1)), Instant::FromUt(Jd(2027, 9, 1))}, [&](const ShowerPeak& p) {
    if (p.shower->code == "PER") peak = p;
  });
  ASSERT_TRUE(peak);
  EXPECT_NEAR(peak->time.ut, Jd(2027, 8, 13), 1.0);
  const std::optional<ShowerNight> night = PeakNight(*peak, Madrid, Summer);
  ASSERT_TRUE(night);
  EXPECT_EQ(night->shower, peak->shower);
  EXPECT_LT(std::fabs(night->bestTime.ut - peak->time.ut), 1.0) << "the night that holds the peak";
  const bool dark = (night->bestTime.ut > Jd(2027, 8, 12, 21, 0, 0) && night->bestTime.ut < Jd(2027, 8, 13, 3, 40, 0)) ||
                    (night->bestTime.ut > Jd(2027, 8, 13, 21, 0, 0) && night->bestTime.ut < Jd(2027, 8, 14, 3, 41, 0));
  EXPECT_TRUE(dark) << night->bestTime.ut;
  EXPECT_GT(night->radiantAltitude, 30);
  EXPECT_FALSE(night->darkestHour);
}

TEST(RunAlmanacYear, TwelveMidMonthNightsAndTheYearsEvents) {
  // Mistakes: eleven or thirteen nights, a night of the 14th or 16th, the
  // months out of order, the events unsorted, the eclipses left out.
  const AlmanacYear year = RunAlmanacYear([] {
    SkyRequest request = Asked({}, Madrid, Summer);
    request.year = 2027;
    return request;
  }());
  ASSERT_EQ(year.nights.size(), 12u);
  for (int m = 0; m < 12; ++m) {
    const std::string date = (m < 9 ? "2027-0" : "2027-") + std::to_string(m + 1) + "-15";
    EXPECT_EQ(year.nights[m].date, date);
    EXPECT_EQ(year.nights[m].limits.instrument, Instrument::Eye);
    EXPECT_EQ(year.nights[m].night.planets.size(), 5u) << "the five bright planets";
  }
  int eclipses = 0;
  for (std::size_t k = 0; k < year.events.size(); ++k) {
    if (k) {
      EXPECT_LE(TimeOf(year.events[k - 1]).ut, TimeOf(year.events[k]).ut) << k;
    }
    eclipses += std::holds_alternative<EclipseSeen>(year.events[k]);
  }
  EXPECT_EQ(eclipses, 5);
}

TEST(SkyRequest, TheCommandsOfAPlaceRefuseARequestWithoutOne) {
  // Mistakes: a missing place dereferenced (a crash) or taken as 0°, 0°
  // (an answer for the Gulf of Guinea), the refusal not in Spanish.
  SkyRequest request = Asked({Body::Mars}, std::nullopt, Summer, Date(2027, 6, 21));
  request.year = 2027;
  const std::function<void()> commands[] = {
      [&] { RunRiseSet(request); },
      [&] { RunNight(request); },
      [&] { RunNights(request, [](const NightAnswer&) {}); },
      [&] { RunAlmanacYear(request); },
      [&] { RunSkyDome(request); },
      [&] { RunYearChart(request); },
  };
  for (std::size_t k = 0; k < std::size(commands); ++k) {
    try {
      commands[k]();
      ADD_FAILURE() << k << ": no refusal";
    } catch (const RequestRefused& refused) {
      EXPECT_STREQ(refused.what(), "hace falta un lugar") << k;
    }
  }
  // The span commands and the chart do without one.
  request.span = Days(Jd(2027, 8, 1), Jd(2027, 8, 3));
  int eclipses = 0;
  RunEclipses(request, [&](const EclipseSeen& e) { eclipses += !e.solar && !e.lunar; });
  EXPECT_EQ(eclipses, 1);
}

// An event as a line of its every number, to compare two runs exactly.
std::string Written(const YearEvent& event) {
  char line[256];
  if (const auto* p = std::get_if<Phenomenon>(&event)) {
    std::snprintf(line, sizeof line, "%d %.17g %d %d %.17g %.17g %.17g", static_cast<int>(p->kind), p->time,
                  static_cast<int>(p->body), static_cast<int>(p->other), p->value.value_or(-1),
                  p->referenceTime ? p->referenceTime->ut : -1, p->referenceMiss.value_or(-1));
  } else if (const auto* e = std::get_if<EclipseSeen>(&event)) {
    std::snprintf(line, sizeof line, "eclipse %zu %.17g", e->event.index(), GreatestOf(e->event).ut);
  } else {
    const ShowerPeakSeen& s = std::get<ShowerPeakSeen>(event);
    const std::string_view code = s.peak.shower->code;
    std::snprintf(line, sizeof line, "shower %.*s %.17g %.17g", static_cast<int>(code.size()), code.data(),
                  s.peak.time.ut, s.night ? s.night->hourlyRate : -1);
  }
  return line;
}

// The planner's year (every planet, the Sun and the Moon, from a place).
SkyRequest PlannersYear() {
  SkyRequest request = Asked(AllPlanets, Madrid, Summer);
  request.span = Days(Jd(2027, 1, 1), Jd(2028, 1, 1));
  return request;
}

TEST(RunPhenomena, AYearsSearchCanStopInsideItsFirstMonth) {
  // The planner stops an overtaken search where its progress is told.
  // Told between the year's searches, the first time comes within the
  // first month's share of the work, before anything is handed over.
  // Mistakes: progress told only at the end of the year's stretch (the
  // search cannot stop until its whole year is done), `reached` moved
  // before the stretch ends.
  struct Stop {};
  const SkyRequest request = PlannersYear();
  std::vector<PhenomenaProgress> told;
  int handed = 0;
  EXPECT_THROW(RunPhenomena(request, [&](const YearEvent&) { ++handed; },
                            [&](const PhenomenaProgress& p) {
                              told.push_back(p);
                              throw Stop{};
                            }),
               Stop);
  ASSERT_EQ(told.size(), 1u);
  EXPECT_GT(told.front().done, 0.0);
  EXPECT_LT(told.front().done, 1.0 / 12);
  EXPECT_EQ(told.front().reached, request.span.from);
  EXPECT_EQ(handed, 0);
}

TEST(RunPhenomena, ProgressToldInsideTheYearChangesNoEventNorItsOrder) {
  // Mistakes: a search left out or run twice between the steps, the
  // events merged in another order, the reference's events of a stretch
  // added at a step inside it; progress told less than monthly, going
  // backwards, or not ending whole.
  const SkyRequest request = PlannersYear();
  std::vector<std::string> quiet, told;
  RunPhenomena(request, [&](const YearEvent& e) { quiet.push_back(Written(e)); });
  std::vector<double> done;
  RunPhenomena(request, [&](const YearEvent& e) { told.push_back(Written(e)); },
               [&](const PhenomenaProgress& p) { done.push_back(p.done); });
  ASSERT_GT(quiet.size(), 100u);
  EXPECT_EQ(told, quiet);
  EXPECT_GT(done.size(), 12u);
  EXPECT_TRUE(std::is_sorted(done.begin(), done.end()));
  EXPECT_DOUBLE_EQ(done.back(), 1.0);
}

TEST(RunYearChart, ProgressIsToldEachNightAndCanStopTheChartInItsFirstMonth) {
  // The planner's year tab stops an overtaken chart where its progress is
  // told. Mistakes: progress told only at the end (or only in the events'
  // search, after the nights), its share going backwards or not ending
  // whole, a chart told its progress unlike one that is not.
  struct Stop {};
  SkyRequest request = Asked(AllPlanets, Madrid, Summer);
  request.year = 2027;
  double first = -1;
  EXPECT_THROW(RunYearChart(request, [&](double done) {
                 first = done;
                 throw Stop{};
               }),
               Stop);
  EXPECT_GT(first, 0.0);
  EXPECT_LT(first, 1.0 / 12);
  std::vector<double> told;
  const YearChart chart = RunYearChart(request, [&](double done) { told.push_back(done); });
  EXPECT_GT(told.size(), 365u);
  EXPECT_TRUE(std::is_sorted(told.begin(), told.end()));
  EXPECT_DOUBLE_EQ(told.back(), 1.0);
  const YearChart quiet = RunYearChart(request);
  ASSERT_EQ(chart.marks.size(), quiet.marks.size());
  for (std::size_t k = 0; k < chart.marks.size(); ++k) EXPECT_EQ(chart.marks[k].text, quiet.marks[k].text);
  EXPECT_EQ(chart.rows.size(), quiet.rows.size());
}

TEST(RunSkyDome, TheRequestsPlanetsAtItsInstantWithTheSunAndTheMoon) {
  // Mistakes: the bodies out of the order asked, a planet left out, the
  // instant read in the zone's clock instead of UT (the Sun two hours
  // off: at 12:00 UT on the solstice it culminates over Madrid at 73°,
  // at 10:00 UT it stands near 56°), the faintest star ignored.
  SkyRequest request = Asked({Body::Venus, Body::Mars}, Madrid, Summer);
  request.at = Instant::FromUt(Jd(2027, 6, 21, 12, 15, 0));
  request.faintestStar = 2.0;
  const SkyDome dome = RunSkyDome(request);
  std::vector<Body> bodies;
  for (const DomeBody& b : dome.bodies) bodies.push_back(b.body);
  ASSERT_GE(bodies.size(), 3u);
  EXPECT_EQ(bodies[0], Body::Venus);
  EXPECT_EQ(bodies[1], Body::Mars);
  const auto sun = std::find_if(dome.bodies.begin(), dome.bodies.end(), [](const DomeBody& b) { return b.body == Body::Sun; });
  ASSERT_NE(sun, dome.bodies.end());
  EXPECT_NEAR(sun->altitude, 73.0, 1.0);
  // At night (01:00 CEST) the stars down to the faintest asked for.
  request.at = Instant::FromUt(Jd(2027, 6, 21, 23, 0, 0));
  const SkyDome night = RunSkyDome(request);
  ASSERT_FALSE(night.stars.empty());
  for (const DomeStar& star : night.stars) EXPECT_LE(star.magnitude, 2.0) << star.name;
  request.faintestStar = 4.0;
  EXPECT_GT(RunSkyDome(request).stars.size(), night.stars.size());
}

}  // namespace
}  // namespace orbitas
