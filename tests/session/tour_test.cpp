// Tonight's tour: objects and nights whose answers are known.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "session/deep_sky_words.h"
#include "session/names.h"
#include "session/tour.h"

namespace orbitas {
namespace {

CivilTime Evening(int year, int month, int day) {
  CivilTime t;
  t.year = year, t.month = month, t.day = day;
  return t;
}

const Place Sevilla(37.3828, -5.9732, "Sevilla"), Madrid(40.4168, -3.7038, "Madrid"),
    BuenosAires(-34.6037, -58.3816, "Buenos Aires"), Tromso(69.6489, 18.9551, "Tromsø");

// The night of the evening from place (in a zone of that offset, hours)
// for one object, under sky with instrument.
DeepSkyNight Tonight(const char* id, const Place& place, double offsetHours, CivilTime evening,
                     SkyDarkness sky = SkyDarkness::Rural, Instrument instrument = Instrument::Eye) {
  SkyRequest request;
  request.place = place;
  request.zone = TimeZone::FixedOffset(static_cast<long>(offsetHours * 3600), "local");
  request.date = evening;
  request.limits.sky = sky;
  TourChoice choice;
  choice.conditions.instrument = instrument;
  choice.withUnseen = true;
  const DeepSkyObject* object = DeepSkyObjectNamed(id);
  EXPECT_TRUE(object) << id;
  const TourAnswer answer = RunTour(request, choice);
  for (const DeepSkyNight& n : answer.objects)
    if (n.object == object) return n;
  ADD_FAILURE() << id << " not in the tour";
  return {};
}

TEST(Tour, TheAndromedaGalaxyFromSevilla) {
  // 2026-12-14, rural sky, the eye: the crescent Moon sets at 23:06 and
  // M31 becomes "easy"; the best moment is the first sample after, 23:10
  // (22:10 UT), at 59.81° in the west-northwest. PyEphem, for the same
  // J2000 place at 22:10 UT: altitude 59.8059°, azimuth 290.0228°, apparent
  // RA 0.7372172 h, Dec 41.421635°. Mistakes: J2000 taken as the place of
  // date (RA 0.7123 h, and the altitude off by tenths of a degree), the
  // Moon's light ignored (best at 19:3x, near the zenith).
  const DeepSkyNight m31 = Tonight("M31", Sevilla, 1, Evening(2026, 12, 14));
  ASSERT_TRUE(m31.best);
  EXPECT_NEAR(m31.best->time.ut, 2461388.5 + 22.0 / 24 + 10.0 / 1440, 1.0 / 1440);
  EXPECT_NEAR(m31.best->altitude, 59.8059, 0.002);
  EXPECT_NEAR(m31.best->azimuth, 290.0228, 0.003);
  EXPECT_NEAR(m31.rightAscensionOfDate, 0.7372172, 2e-5);
  EXPECT_NEAR(m31.declinationOfDate, 41.421635, 2e-4);
  EXPECT_EQ(m31.rating, DeepSkyRating::Easy);
  EXPECT_NEAR(m31.highestAltitude, 86.0, 0.1) << "it culminates near the zenith";
  ASSERT_TRUE(m31.visibleFrom && m31.visibleTo);
  EXPECT_LT(m31.visibleFrom->ut, m31.best->time.ut);
  EXPECT_GT(m31.visibleTo->ut, m31.best->time.ut);
}

TEST(Tour, KnownAnswersOfPlacesAndSeasons) {
  // Mistakes each row catches: the Sun left out (M42 "seen" on a June
  // evening), the altitude from the wrong hemisphere (|latitude| or its
  // sign: ω Centauri and 47 Tucanae high from Madrid, never from Buenos
  // Aires), circumpolarity from the declination alone.
  const struct {
    const char* id;
    const Place* place;
    double offset;
    CivilTime evening;
    bool seen;
    DeepSkyReason reason;  // when not seen
    bool circumpolar;
  } cases[] = {
      {"M42", &Madrid, 2, Evening(2026, 6, 15), false, DeepSkyReason::DaytimeOnly, false},
      {"M42", &Madrid, 1, Evening(2026, 12, 14), true, DeepSkyReason::None, false},
      {"C80", &BuenosAires, -3, Evening(2026, 5, 15), true, DeepSkyReason::None, false},
      {"C106", &BuenosAires, -3, Evening(2026, 5, 15), true, DeepSkyReason::None, true},
      {"C80", &Madrid, 2, Evening(2026, 5, 15), false, DeepSkyReason::TooLow, false},
      {"C106", &Madrid, 2, Evening(2026, 5, 15), false, DeepSkyReason::NeverRises, false},
      {"M13", &Tromso, 1, Evening(2026, 12, 14), true, DeepSkyReason::None, true},
      {"M13", &Sevilla, 1, Evening(2026, 12, 14), true, DeepSkyReason::None, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.id) + " from " + c.place->text);
    const DeepSkyNight n = Tonight(c.id, *c.place, c.offset, c.evening);
    EXPECT_EQ(n.best.has_value(), c.seen);
    if (!c.seen) {
      EXPECT_EQ(n.reason, c.reason);
    }
    EXPECT_EQ(n.circumpolar, c.circumpolar);
    EXPECT_EQ(n.neverRises, c.reason == DeepSkyReason::NeverRises);
  }
  // ω Centauri culminates 2° above Madrid's horizon: the reason says so.
  const DeepSkyNight omega = Tonight("C80", Madrid, 2, Evening(2026, 5, 15));
  EXPECT_NEAR(omega.highestAltitude, 2.1, 0.3);
  EXPECT_EQ(ReasonWords(omega, {}, ","), "demasiado bajo: culmina a 2°");
}

TEST(Tour, TheTriangulumGalaxyUnderTheMoonAndTheTown) {
  // M33 (5.7, an hour of arc across, faint per square arcsecond): not seen
  // with the eye from a city under the full Moon of 2026-12-24, nor from a
  // dark site under it (the Moon's light is why); seen from that site
  // with the eye on the moonless 2026-12-09, and easily with binoculars.
  // Mistakes: the Moon's light ignored, the town's sky ignored,
  // binoculars no better than the eye.
  const DeepSkyNight city = Tonight("M33", Madrid, 1, Evening(2026, 12, 24), SkyDarkness::City);
  EXPECT_FALSE(city.best);
  EXPECT_EQ(city.rating, DeepSkyRating::NotTonight);
  const DeepSkyNight moonlit = Tonight("M33", Madrid, 1, Evening(2026, 12, 24), SkyDarkness::Dark);
  EXPECT_FALSE(moonlit.best);
  EXPECT_EQ(moonlit.reason, DeepSkyReason::Moonlight);
  EXPECT_GT(moonlit.moonIlluminated, 0.95);
  EXPECT_EQ(ReasonWords(moonlit, {}, ",").rfind("la Luna llena a ", 0), 0u);
  const DeepSkyNight dark = Tonight("M33", Madrid, 1, Evening(2026, 12, 9), SkyDarkness::Dark);
  ASSERT_TRUE(dark.best);
  const DeepSkyNight binoculars =
      Tonight("M33", Madrid, 1, Evening(2026, 12, 9), SkyDarkness::Dark, Instrument::Binoculars);
  ASSERT_TRUE(binoculars.best);
  EXPECT_EQ(binoculars.rating, DeepSkyRating::Easy);
  EXPECT_GT(binoculars.margin, dark.margin);
}

TEST(Tour, TheStopsComeByTheirBestMoment) {
  // Sevilla, 2026-12-14: planets, the Moon, the Geminids and the deep sky
  // in one list by time, the unseen after when asked; the darker the sky
  // the more objects. Mistakes: the kinds listed apart, the unseen mixed
  // in, the count not following the sky.
  SkyRequest request;
  request.place = Sevilla;
  request.zone = TimeZone::FixedOffset(3600, "CET");
  request.date = Evening(2026, 12, 14);
  request.bodies = {Body::Venus, Body::Saturn, Body::Uranus};
  TourChoice choice;
  int previous = 1 << 30;
  for (const SkyDarkness sky : {SkyDarkness::Dark, SkyDarkness::Rural, SkyDarkness::Suburban, SkyDarkness::City}) {
    request.limits.sky = sky;
    const TourAnswer answer = RunTour(request, choice);
    const int seen = static_cast<int>(answer.objects.size());
    EXPECT_LT(seen, previous) << SkyCode(sky);
    previous = seen;
    bool shower = false, moon = false, planet = false;
    for (std::size_t i = 0; i < answer.stops.size(); ++i) {
      ASSERT_TRUE(answer.stops[i].best);
      if (i) {
        EXPECT_LE(answer.stops[i - 1].best->ut, answer.stops[i].best->ut);
      }
      shower |= answer.stops[i].kind == TourKind::Shower;
      moon |= answer.stops[i].kind == TourKind::Moon;
      planet |= answer.stops[i].kind == TourKind::Planet;
    }
    EXPECT_TRUE(shower && moon && planet);
  }
  choice.withUnseen = true;
  choice.catalogue = TourCatalogue::Messier;
  request.limits.sky = SkyDarkness::Rural;
  const TourAnswer all = RunTour(request, choice);
  EXPECT_EQ(std::count_if(all.objects.begin(), all.objects.end(), [](const DeepSkyNight&) { return true; }), 110);
  const auto firstUnseen = std::find_if(all.stops.begin(), all.stops.end(), [](const TourStop& s) { return !s.best; });
  EXPECT_TRUE(std::all_of(firstUnseen, all.stops.end(), [](const TourStop& s) { return !s.best; }));
}

TEST(Tour, ChoosesObjectsByCatalogueAndType) {
  // Mistakes: a type filter that keeps the others, Caldwell's count off.
  TourChoice choice;
  choice.catalogue = TourCatalogue::Caldwell;
  EXPECT_EQ(ObjectsOf(choice).size(), 110u) << "109 numbers, C14 two clusters";
  choice.catalogue = TourCatalogue::Messier;
  choice.types = DeepSkyTypesOfWord("globulares");
  const std::vector<const DeepSkyObject*> globulars = ObjectsOf(choice);
  EXPECT_EQ(globulars.size(), 29u);
  EXPECT_TRUE(std::all_of(globulars.begin(), globulars.end(),
                          [](const DeepSkyObject* o) { return o->type == DeepSkyType::GlobularCluster; }));
  EXPECT_EQ(DeepSkyTypesOfWord("Nebulosas").size(), 4u);
  EXPECT_TRUE(DeepSkyTypesOfWord("cometa").empty());
}

}  // namespace
}  // namespace orbitas
