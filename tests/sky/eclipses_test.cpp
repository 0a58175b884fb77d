// Eclipses and transits against NASA's canons (Espenak and Meeus; the
// Five Millennium Canons and the transit tables), which the code does not
// contain: greatest eclipse (UT), magnitudes, gamma, the point of greatest
// eclipse, the central duration, local contacts and transit contacts.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "calendar/civil_days.h"
#include "sky/eclipses/eclipses.h"
#include "tests/support/body_print.h"

#include "tests/support/julian_days.h"

namespace orbitas {
namespace {

using testing::Jd;
using testing::Ut;

constexpr double Minute = 1.0 / 1440;

std::vector<Contact> KindsOf(const ContactList& contacts) {
  std::vector<Contact> kinds;
  for (const ContactEvent& c : contacts) kinds.push_back(c.kind);
  return kinds;
}

bool EarlierContact(const ContactEvent& a, const ContactEvent& b) { return a.time.ut < b.time.ut; }

TEST(Eclipses, LunarEclipsesOfEachTypeAgainstTheCanon) {
  const struct {
    double greatest;
    EclipseType type;
    double umbral, penumbral, gamma;
  } canon[] = {
      {Jd(2022, 11, 8, 10, 59, 11), EclipseType::Total, 1.3589, 2.4151, 0.2570},
      {Jd(2025, 3, 14, 6, 58, 43), EclipseType::Total, 1.1784, 2.2595, 0.3485},
      {Jd(2023, 10, 28, 20, 14, 5), EclipseType::Partial, 0.1220, 1.1186, 0.9472},
      {Jd(2023, 5, 5, 17, 22, 51), EclipseType::Penumbral, -0.0452, 0.9641, -1.0350},
  };
  for (const auto& c : canon) {
    const std::optional<LunarEclipse> e = NextLunarEclipse(CenturyFrom(Instant::FromUt(c.greatest - 10)));
    ASSERT_TRUE(e);
    EXPECT_NEAR(e->greatest.ut, c.greatest, 2 * Minute);
    EXPECT_EQ(e->type, c.type);
    EXPECT_NEAR(e->umbralMagnitude, c.umbral, 0.01);
    EXPECT_NEAR(e->penumbralMagnitude, c.penumbral, 0.01);
    EXPECT_NEAR(e->gamma, c.gamma, 0.01);
    // The contacts that happen for its type, in time order, the greatest
    // among them.
    const std::vector<Contact> expected =
        c.type == EclipseType::Total ? std::vector{Contact::P1, Contact::U1, Contact::U2, Contact::Greatest, Contact::U3,
                                                   Contact::U4, Contact::P4}
        : c.type == EclipseType::Partial ? std::vector{Contact::P1, Contact::U1, Contact::Greatest, Contact::U4, Contact::P4}
                                         : std::vector{Contact::P1, Contact::Greatest, Contact::P4};
    EXPECT_EQ(KindsOf(e->contacts), expected);
    EXPECT_TRUE(std::is_sorted(e->contacts.begin(), e->contacts.end(), EarlierContact));
    EXPECT_EQ(ContactTime(e->contacts, Contact::Greatest)->tt, e->greatest.tt);
  }
}

TEST(Eclipses, SolarEclipsesOfEachTypeAgainstTheCanon) {
  const struct {
    double greatest;
    EclipseType type;
    double gamma, magnitude, latitude, longitude, duration;  // duration in seconds, 0 for none
  } canon[] = {
      {Jd(2024, 4, 8, 18, 17, 16), EclipseType::Total, 0.3431, 1.0566, 25.3, -104.1, 268},
      {Jd(2023, 10, 14, 17, 59, 29), EclipseType::Annular, 0.3753, 0.9520, 11.4, -83.1, 317},
      {Jd(2023, 4, 20, 4, 16, 49), EclipseType::Hybrid, -0.3952, 1.0132, -9.6, 125.8, 76},
      {Jd(2025, 3, 29, 10, 47, 27), EclipseType::Partial, 1.0405, 0.9376, 61.1, -77.1, 0},
  };
  for (const auto& c : canon) {
    const std::optional<SolarEclipse> e = NextSolarEclipse(CenturyFrom(Instant::FromUt(c.greatest - 10)));
    ASSERT_TRUE(e);
    EXPECT_NEAR(e->greatest.ut, c.greatest, Minute);
    EXPECT_EQ(e->type, c.type);
    EXPECT_NEAR(e->gamma, c.gamma, 0.01);
    EXPECT_NEAR(e->magnitude, c.magnitude, 0.01);
    EXPECT_NEAR(e->latitude, c.latitude, 0.5);
    EXPECT_NEAR(e->longitude, c.longitude, 0.5);
    if (c.duration > 0) {
      ASSERT_TRUE(e->centralDuration);
      EXPECT_NEAR(*e->centralDuration, c.duration, 2);
    } else {
      EXPECT_FALSE(e->centralDuration);
    }
  }
}

// The nine solar eclipses of 1901-2100 whose shadow axis misses the
// Earth, with NASA's canon's type ("A-", "T-": non-central) and, where we
// hold it, its magnitude at greatest eclipse (the limb).
TEST(Eclipses, NonCentralSolarEclipsesAsTheCanonGivesThem) {
  const struct {
    int year, month, day;
    EclipseType type;
    double magnitude;  // 0 where not held here
  } canon[] = {
      {1928, 5, 19, EclipseType::Total, 1.014},   {1950, 3, 18, EclipseType::Annular, 0},
      {1957, 4, 30, EclipseType::Annular, 0},     {1957, 10, 23, EclipseType::Total, 0},
      {1967, 11, 2, EclipseType::Total, 0},       {2014, 4, 29, EclipseType::Annular, 0.9868},
      {2043, 4, 9, EclipseType::Total, 0},        {2043, 10, 3, EclipseType::Annular, 0},
      {2086, 12, 6, EclipseType::Partial, 0},
  };
  for (const auto& c : canon) {
    const std::optional<SolarEclipse> e = NextSolarEclipse(Span::Of(Instant::FromUt(Jd(c.year, c.month, c.day, 0, 0, 0) - 1), 3));
    ASSERT_TRUE(e) << c.year;
    EXPECT_EQ(e->type, c.type) << c.year << "-" << c.month;
    EXPECT_FALSE(e->central) << c.year;
    EXPECT_FALSE(e->centralDuration) << c.year << ": no central duration at the limb";
    EXPECT_GT(std::fabs(e->gamma), 0.99) << c.year;
    if (c.magnitude > 0) {
      EXPECT_NEAR(e->magnitude, c.magnitude, 0.002) << c.year;
    }
    // A total's umbra covers the whole Sun there; an annular or partial never does.
    EXPECT_EQ(e->magnitude > 1, c.type == EclipseType::Total) << c.year << " " << e->magnitude;
  }
  // Grazing but central: the axis still meets the Earth.
  const std::optional<SolarEclipse> grazing = NextSolarEclipse(Span::Of(Instant::FromUt(Jd(2003, 5, 30, 0, 0, 0)), 3));
  ASSERT_TRUE(grazing);
  EXPECT_TRUE(grazing->central);
  EXPECT_EQ(grazing->type, EclipseType::Annular);
  EXPECT_TRUE(grazing->centralDuration);
}

TEST(Eclipses, LocalContactsAtPublishedPlaces) {
  // Dallas, 8 April 2024 (NASA's local circumstances): C1 17:23:20,
  // C2 18:40:44, C3 18:44:35, C4 20:02:48 UT. Totality at Tarifa on
  // 2 August 2027 lasts some four and a half minutes; Madrid sees a partial
  // eclipse.
  const SolarEclipse april = *NextSolarEclipse(CenturyFrom(Instant::FromUt(Jd(2024, 4, 1, 0, 0, 0))));
  const LocalSolarEclipse dallas = SolarEclipseFrom(april, Place(32.7767, -96.7970));
  ASSERT_TRUE(dallas.type);
  EXPECT_EQ(*dallas.type, EclipseType::Total);
  const std::vector<Contact> central{Contact::C1, Contact::C2, Contact::Greatest, Contact::C3, Contact::C4};
  ASSERT_EQ(KindsOf(dallas.contacts), central);
  const double published[] = {Jd(2024, 4, 8, 17, 23, 20), Jd(2024, 4, 8, 18, 40, 44), Jd(2024, 4, 8, 18, 44, 35),
                              Jd(2024, 4, 8, 20, 2, 48)};
  for (int k = 0; k < 4; ++k) {
    EXPECT_NEAR(dallas.contacts[k < 2 ? k : k + 1].time.ut, published[k], Minute) << "C" << k + 1;
    EXPECT_TRUE(dallas.contacts[k].sky) << "the Sun's place at each contact";
  }
  // Nashville's State Capitol, 21 August 2017: partial from 11:58 CDT,
  // totality 1:27-1:29 pm for 1 min 54 s, partial until 2:54 pm.
  const LocalSolarEclipse nashville =
      SolarEclipseFrom(*NextSolarEclipse(CenturyFrom(Instant::FromUt(Jd(2017, 8, 10, 0, 0, 0)))), Place(36.1658, -86.7844));
  ASSERT_EQ(KindsOf(nashville.contacts), central);
  const double nashvillePublished[] = {Jd(2017, 8, 21, 16, 58, 30), Jd(2017, 8, 21, 18, 27, 30),
                                       Jd(2017, 8, 21, 18, 29, 30), Jd(2017, 8, 21, 19, 54, 0)};
  for (int k = 0; k < 4; ++k) {
    EXPECT_NEAR(nashville.contacts[k < 2 ? k : k + 1].time.ut, nashvillePublished[k], Minute) << "Nashville C" << k + 1;
  }
  EXPECT_NEAR(*nashville.duration, 114, 6);
  const SolarEclipse august = *NextSolarEclipse(CenturyFrom(Instant::FromUt(Jd(2027, 7, 1, 0, 0, 0))));
  EXPECT_NEAR(*SolarEclipseFrom(august, Place(36.0139, -5.6070)).duration, 278, 5);
  const LocalSolarEclipse madrid = SolarEclipseFrom(august, Place(40.4168, -3.7038));
  EXPECT_EQ(*madrid.type, EclipseType::Partial);
  EXPECT_EQ(KindsOf(madrid.contacts), (std::vector{Contact::C1, Contact::Greatest, Contact::C4}));
  EXPECT_GT(madrid.obscuration, 0.8);
  EXPECT_LT(madrid.obscuration, madrid.magnitude) << "a disc covered less in area than in diameter";
  // Madrid: the partial phase began after sunset; Cape Town: outside the
  // penumbra.
  EXPECT_EQ(SolarEclipseFrom(april, Place(40.4168, -3.7038)).miss, LocalMiss::SunBelowHorizon);
  const LocalSolarEclipse capeTown = SolarEclipseFrom(april, Place(-33.9, 18.4));
  EXPECT_EQ(capeTown.miss, LocalMiss::OutsidePenumbra);
  EXPECT_EQ(KindsOf(capeTown.contacts), std::vector{Contact::Greatest}) << "the nearest approach, and no contact";
}

TEST(Eclipses, TransitsOfMercuryAndVenusAgainstTheirPublishedContacts) {
  const struct {
    Body planet;
    double t1, t2, greatest, t3, t4, separation;
  } canon[] = {
      {Body::Mercury, Jd(2016, 5, 9, 11, 12, 19), Jd(2016, 5, 9, 11, 15, 30), Jd(2016, 5, 9, 14, 57, 26),
       Jd(2016, 5, 9, 18, 39, 14), Jd(2016, 5, 9, 18, 42, 26), 318.5},
      {Body::Mercury, Jd(2019, 11, 11, 12, 35, 27), Jd(2019, 11, 11, 12, 37, 8), Jd(2019, 11, 11, 15, 19, 48),
       Jd(2019, 11, 11, 18, 2, 33), Jd(2019, 11, 11, 18, 4, 14), 75.9},
      {Body::Venus, Jd(2012, 6, 5, 22, 9, 38), Jd(2012, 6, 5, 22, 27, 34), Jd(2012, 6, 6, 1, 29, 28),
       Jd(2012, 6, 6, 4, 31, 23), Jd(2012, 6, 6, 4, 49, 19), 554.4},
  };
  for (const auto& c : canon) {
    const std::optional<Transit> t = NextTransit(c.planet, CenturyFrom(Instant::FromUt(c.greatest - 100)));
    ASSERT_TRUE(t) << c.planet;
    ASSERT_EQ(KindsOf(t->contacts),
              (std::vector{Contact::T1, Contact::T2, Contact::Greatest, Contact::T3, Contact::T4}));
    const double published[] = {c.t1, c.t2, c.greatest, c.t3, c.t4};
    for (int k = 0; k < 5; ++k) EXPECT_NEAR(t->contacts[k].time.ut, published[k], 2 * Minute) << c.planet << " " << k;
    EXPECT_NEAR(t->separation, c.separation, 2) << c.planet;
  }
}

TEST(Eclipses, FourYearsListEachEventOnceInTimeOrder) {
  // 2016-2019 in the canons: ten solar and eight lunar eclipses (by
  // Danjon's rule the slight penumbral touch of 18 August 2016 is none),
  // and the transits of Mercury of 2016 and 2019.
  int solar = 0, lunar = 0, transits = 0;
  double last = 0;
  const Instant from = Instant::FromUt(Jd(2016, 1, 1, 0, 0, 0)), to = Instant::FromUt(Jd(2020, 1, 1, 0, 0, 0));
  FindEclipses({from, to}, [&](const EclipseEvent& e) {
    EXPECT_GT(GreatestOf(e).ut, last + 1) << "each event once, in time order";
    last = GreatestOf(e).ut;
    solar += std::holds_alternative<SolarEclipse>(e);
    lunar += std::holds_alternative<LunarEclipse>(e);
    transits += std::holds_alternative<Transit>(e);
  });
  EXPECT_EQ(solar, 10);
  EXPECT_EQ(lunar, 8);
  EXPECT_EQ(transits, 2);
  const std::optional<EclipseEvent> next = NextEclipse(CenturyFrom(Instant::FromUt(Jd(2027, 7, 1, 0, 0, 0))));
  ASSERT_TRUE(next);
  EXPECT_TRUE(std::holds_alternative<LunarEclipse>(*next)) << "the slight penumbral eclipse of 18 July 2027 comes first";
}

TEST(Eclipses, TwoCenturiesHoldEveryEclipseOfTheCanons) {
  // 1901-2100: NASA's canons list 457 lunar (Danjon's rule) and 452 solar
  // eclipses, and there are 30 transits. A first rough search that passes
  // over a faint one (a grazing penumbral eclipse, a partial transit)
  // shows here as a count short.
  int counts[3] = {0, 0, 0};
  FindEclipses({Instant::FromUt(Jd(1901, 1, 1, 0, 0, 0)), Instant::FromUt(Jd(2101, 1, 1, 0, 0, 0))},
               [&](const EclipseEvent& e) { ++counts[e.index()]; });
  EXPECT_EQ(counts[0], 457);
  EXPECT_EQ(counts[1], 452);
  EXPECT_EQ(counts[2], 30);
}

}  // namespace
}  // namespace orbitas
