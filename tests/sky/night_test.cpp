// The night from a place, checked against what is known without the code:
// the Sun's geometry at an equinox, the Moon's phases on known dates, the
// lit fraction and elongation of simple geometries, the boundaries of the
// phase names and the compass points, the limits at the ends of a visible
// interval, and the polar day and night.
#include <gtest/gtest.h>

#include "tests/support/filled_elements.h"
#include "tests/support/julian_days.h"
#include <cmath>

#include "calendar/civil_days.h"
#include "sky/bodies/moon.h"
#include "sky/night/night.h"
#include "sky/night/rise_set.h"
#include "sky/night/sky_brightness.h"
#include "sky/bodies/method_sky.h"
#include "sky/bodies/seen_sky.h"
#include "session/names.h"
#include "tests/support/body_print.h"

namespace orbitas {
namespace {

using testing::Jd;
using testing::Ut;

double SunAltitude(const ElementsTable& e, const Place& p, double jd, double* azimuth = nullptr) {
  const HorizonCoordinates h = SeenHorizon(e, Body::Sun, p, Ut(jd));
  if (azimuth) *azimuth = h.azimuth;
  return h.altitude;
}

const Place Equator{0, 0, "0, 0"};
const Place Madrid{40.4168, -3.7038, "40.4168, -3.7038"};
const Place Svalbard{78.2, 15.6, "78.2, 15.6"};

TEST(Night, TheSunAtAnEquinoxRisesDueEast) {
  const ElementsTable e = testing::FilledElements();
  const Night night = ComputeNight(e, Equator, {Ut(Jd(2026, 3, 20, 12)), Ut(Jd(2026, 3, 21, 12))}, {});
  ASSERT_TRUE(night.sun.rise && night.sun.set);
  double azimuth = 0;
  EXPECT_NEAR(SunAltitude(e, Equator, night.sun.rise->time.ut, &azimuth), SunsetAltitude, 1e-4);
  // From the equator the Sun rises at 90° less its declination, here under
  // half a degree.
  EXPECT_NEAR(azimuth, 90, 0.5);
  // Every twilight happens, in order.
  const double times[] = {night.sun.set->time.ut,          night.sun.civilDusk->time.ut, night.sun.nauticalDusk->time.ut,
                          night.sun.astronomicalDusk->time.ut, night.sun.astronomicalDawn->time.ut,
                          night.sun.nauticalDawn->time.ut, night.sun.civilDawn->time.ut, night.sun.rise->time.ut};
  for (int k = 1; k < 8; ++k) EXPECT_LT(times[k - 1], times[k]) << k;
  EXPECT_TRUE(night.sun.misses.empty());
}

TEST(Night, ThePolarNightAndThePolarDay) {
  const ElementsTable e = testing::FilledElements();
  const Night december = ComputeNight(e, Svalbard, {Ut(Jd(2026, 12, 7, 11)), Ut(Jd(2026, 12, 8, 11))}, {Body::Jupiter});
  EXPECT_FALSE(december.sun.set || december.sun.rise || december.sun.civilDusk);
  ASSERT_EQ(december.sun.misses.size(), 1u);
  EXPECT_EQ(SunMissText(december.sun.misses[0], TextFor::People), "el Sol no sale");
  EXPECT_TRUE(december.sun.astronomicalDusk && december.sun.astronomicalDawn);
  const Night june = ComputeNight(e, Svalbard, {Ut(Jd(2026, 6, 21, 10)), Ut(Jd(2026, 6, 22, 10))}, {Body::Venus, Body::Mars, Body::Jupiter});
  EXPECT_FALSE(june.sun.set || june.sun.rise);
  EXPECT_EQ(SunMissText(june.sun.misses.front(), TextFor::People), "el Sol no se pone");
  for (const PlanetNight& p : june.planets) {
    EXPECT_FALSE(p.best) << p.body;
    EXPECT_EQ(PlanetMissText(p, {}), "no hay noche cerrada") << p.body;
  }
}

TEST(Night, AVisibleIntervalEndsWhereTheSunOrThePlanetReachesItsLimit) {
  const ElementsTable e = testing::FilledElements();
  const NightLimits limits{-6, 10};
  const double start = Jd(2026, 12, 7, 11), end = Jd(2026, 12, 8, 11);
  const Night night = ComputeNight(e, Madrid, {Ut(start), Ut(end)},
                                   {Body::Mercury, Body::Venus, Body::Mars, Body::Jupiter, Body::Saturn,
                                    Body::Uranus, Body::Neptune, Body::Pluto},
                                   limits);
  int ends = 0;
  for (const PlanetNight& p : night.planets) {
    if (!p.best) continue;
    for (const double t : {p.visibleFrom->time.ut, p.visibleTo->time.ut}) {
      const double sun = SunAltitude(e, Madrid, t) - limits.sunAltitude;
      const double planet = SeenHorizon(e, p.body, Madrid, Ut(t)).altitude - limits.planetAltitude;
      EXPECT_LT(std::min(std::fabs(sun), std::fabs(planet)), 1e-4) << p.body;
      EXPECT_LE(sun, 1e-4) << "the Sun must not be above its limit inside";
      ++ends;
    }
    // The best moment is the highest inside the interval.
    for (const double t : {p.visibleFrom->time.ut, p.visibleTo->time.ut, (p.visibleFrom->time.ut + p.visibleTo->time.ut) / 2}) {
      EXPECT_LE(SeenHorizon(e, p.body, Madrid, Ut(t)).altitude, p.best->altitude + 1e-6) << p.body;
    }
  }
  EXPECT_GE(ends, 12);
}

TEST(Moon, PhasesOnKnownDates) {
  const ElementsTable e = testing::FilledElements();
  auto sun = [&](const Instant& t) {
    const EquatorialCoordinates eq = SunEquatorialAt(e, t);
    return std::array<double, 3>{eq.x, eq.y, eq.z};
  };
  // The total lunar eclipse of 2026-03-03 (about 11:34 UT): full.
  const MoonPhase full = MoonPhaseAt(Ut(Jd(2026, 3, 3, 11.5)), sun);
  EXPECT_GT(full.illuminated, 0.99);
  EXPECT_EQ(PhaseName(full.code), "luna llena");
  // New moon on 2026-03-19 at about 01:24 UT: a day later, a day old.
  const MoonPhase young = MoonPhaseAt(Ut(Jd(2026, 3, 20, 1.4)), sun);
  EXPECT_NEAR(young.ageDays, 1.0, 0.05);
  EXPECT_LT(young.illuminated, 0.03);
}

TEST(Moon, SeenFromTheSurfaceItStandsLowerByItsParallax) {
  const double jd = Jd(2026, 12, 8, 4);
  const MoonSky moon = MoonFrom(Madrid, Instant::FromUt(jd));
  double ra = 0, dec = 0;
  const auto& g = moon.geocentric;
  ra = std::atan2(g[1], g[0]) * 12 / ExactPi;
  dec = std::atan2(g[2], std::hypot(g[0], g[1])) * 180 / ExactPi;
  const HorizonCoordinates geocentric = ComputeHorizon(Ut(jd), ra < 0 ? ra + 24 : ra, dec, Madrid.latitude, Madrid.longitude);
  // The horizontal parallax (about 0.95°) times the cosine of the altitude.
  const double parallax = geocentric.altitude - moon.horizon.altitude;
  EXPECT_NEAR(parallax, 0.95 * std::cos(geocentric.altitude * ExactPi / 180), 0.05);
  EXPECT_NEAR(moon.semidiameter, 0.26, 0.02);
}

TEST(Names, PhaseNamesAndCompassPointsChangeAtTheirBoundaries) {
  const char* phases[] = {"luna nueva",       "creciente",        "cuarto creciente", "gibosa creciente",
                          "luna llena",       "gibosa menguante", "cuarto menguante", "menguante"};
  const char* points[] = {"N", "NNE", "NE", "ENE", "E", "ESE", "SE", "SSE",
                          "S", "SSO", "SO", "OSO", "O", "ONO", "NO", "NNO"};
  for (int k = 0; k < 8; ++k) {
    const double boundary = 22.5 + 45 * k;
    EXPECT_EQ(PhaseName(PhaseOf(boundary - 1e-9)), phases[k]) << boundary;
    EXPECT_EQ(PhaseName(PhaseOf(boundary + 1e-9)), phases[(k + 1) % 8]) << boundary;
  }
  for (int k = 0; k < 16; ++k) {
    const double boundary = 11.25 + 22.5 * k;
    EXPECT_EQ(CompassName(CompassPoint(boundary - 1e-9)), points[k]) << boundary;
    EXPECT_EQ(CompassName(CompassPoint(boundary + 1e-9)), points[(k + 1) % 16]) << boundary;
  }
  EXPECT_EQ(CompassPoint(360), 0);
}

TEST(Aspect, SimpleGeometriesAndTheMagnitudesAtUnitDistance) {
  // At opposition: fully lit, 180° from the Sun.
  const PlanetAspect opposition = AspectOf(Body::Jupiter, {5.2, 0, 0}, {1, 0, 0}, Instant::FromUt(2451545));
  EXPECT_DOUBLE_EQ(opposition.illuminated, 1.0);
  EXPECT_NEAR(opposition.elongation, 180, 1e-9);
  EXPECT_NEAR(opposition.magnitude, 5 * std::log10(5.2 * 4.2) - 9.395, 1e-12);
  // Venus at greatest elongation on a circle: asin(0.723) from the Sun,
  // half lit, east when ahead of the Sun.
  const double r = 0.723;
  const PlanetAspect venus = AspectOf(Body::Venus, {r * std::sqrt(1 - r * r), r * r, 0}, {0, 1, 0}, Instant::FromUt(2451545));
  EXPECT_NEAR(venus.elongation, 46.3, 0.05);
  EXPECT_NEAR(venus.illuminated, 0.5, 1e-9);
  // At full phase the magnitude is the formula's constant and 5 log(r Δ).
  EXPECT_NEAR(AspectOf(Body::Mercury, {2, 0, 0}, {1, 0, 0}, Instant::FromUt(2451545)).magnitude, 5 * std::log10(2.0) - 0.613, 1e-12);
}

TEST(Aspect, VenusGreatestElongationOfAugust2026AndSaturnsRingsEdgeOnIn2025) {
  const ElementsTable el = testing::FilledElements();
  auto vector = [&](Int16 body, double jd) {
    const HeliocentricPosition p = ComputeHeliocentricPosition(body == 3 ? EarthRow(el) : BodyRow(el, body), jd,
                                                               EpochOffset(el), el);
    return MethodEquatorialFromEcliptic(p.x, p.y, p.z);
  };
  double largest = 0;
  for (double jd = Jd(2026, 7, 1); jd < Jd(2026, 10, 1); jd += 0.5) {
    largest = std::max(largest, AspectOf(Body::Venus, vector(2, jd), vector(3, jd), Instant::FromUt(jd)).elongation);
  }
  EXPECT_NEAR(largest, 46, 1.0);
  // On 2025-03-23 the Earth crossed Saturn's ring plane: no ring term.
  const double jd = Jd(2025, 3, 23);
  const Vector saturn = vector(6, jd), earth = vector(3, jd);
  const PlanetAspect a = AspectOf(Body::Saturn, saturn, earth, Instant::FromUt(jd));
  const double r = std::sqrt(saturn[0] * saturn[0] + saturn[1] * saturn[1] + saturn[2] * saturn[2]);
  const double d = std::hypot(saturn[0] - earth[0], saturn[1] - earth[1], saturn[2] - earth[2]);
  EXPECT_NEAR(a.magnitude, 5 * std::log10(r * d) - 8.914 + 0.026 * a.phaseAngle, 0.08);
}

TEST(Night, EachInstrumentReachesItsMagnitudeUnderItsSkyAndNoFurther) {
  // The eye reaches the sky's zenith limit, 10×50s three magnitudes more.
  // Mistakes: one limit for every sky, the binoculars' gain from the old
  // fixed 6, the dark sky's limit used for a city.
  const struct {
    double magnitude;
    SkyDarkness sky;
    Instrument needs;
  } cases[] = {{-4.8, SkyDarkness::City, Instrument::Eye},         {6.8, SkyDarkness::Rural, Instrument::Eye},
               {6.8001, SkyDarkness::Rural, Instrument::Binoculars}, {9.8, SkyDarkness::Rural, Instrument::Binoculars},
               {9.8001, SkyDarkness::Rural, Instrument::Telescope},  {5.6, SkyDarkness::Suburban, Instrument::Eye},
               {5.6, SkyDarkness::Urban, Instrument::Binoculars},    {7.7, SkyDarkness::Dark, Instrument::Binoculars},
               {7.7, SkyDarkness::City, Instrument::Telescope},      {14.5, SkyDarkness::Dark, Instrument::Telescope}};
  for (const auto& c : cases) {
    EXPECT_EQ(InstrumentFor(c.magnitude, c.sky), c.needs) << c.magnitude << " " << static_cast<int>(c.sky);
  }
}

TEST(Night, EachSkyShowsItsOwnLimitAtTheZenith) {
  // Bortle's classes, darkest first: the moonless zenith's brightness gives
  // back the class's naked-eye limit, and the sky brightens towards the
  // horizon. Mistakes: the inverse taken on the cones' branch (the city
  // at 4 nL), the classes out of order, a flat sky.
  double previous = 0;
  for (const SkyDarkness sky :
       {SkyDarkness::Dark, SkyDarkness::Rural, SkyDarkness::Suburban, SkyDarkness::Urban, SkyDarkness::City}) {
    const double zenith = MoonlessSkyBrightness(sky, 0);
    EXPECT_NEAR(NakedEyeLimitingMagnitude(zenith), ZenithLimitingMagnitude(sky), 1e-9) << static_cast<int>(sky);
    EXPECT_GT(zenith, previous);
    EXPECT_GT(MoonlessSkyBrightness(sky, 80), 2 * zenith);
    previous = zenith;
  }
  EXPECT_EQ(BortleClass(SkyDarkness::Suburban), 5);
}

}  // namespace
}  // namespace orbitas
