// The star catalogue and the figures: places against ERFA's own path
// written out here, Polaris over the pole, every constellation with a
// figure, and every figure's stars inside their constellation.
#include <erfa.h>
#include <erfam.h>
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>
#include <string>

#include "sky/stars/stars.h"
#include "sky/tables/constellation.h"

namespace orbitas {
namespace {

// Altitude and azimuth, degrees, of a J2000 direction by ERFA alone:
// precession-bias matrix, Greenwich mean sidereal time, hour angle.
std::pair<double, double> ErfaAltAz(double raHours, double decDegrees, double lat, double lon, double jd) {
  double p[3], rbp[3][3], q[3], ra, dec, az, alt;
  eraS2c(raHours * 15.0 * ERFA_DD2R, decDegrees * ERFA_DD2R, p);
  eraPmat06(jd, 0.0, rbp);
  eraRxp(rbp, p, q);
  eraC2s(q, &ra, &dec);
  const double hourAngle = eraGmst06(jd, 0.0, jd, 0.0) + lon * ERFA_DD2R - ra;
  eraHd2ae(hourAngle, dec, lat * ERFA_DD2R, &az, &alt);
  return {alt * ERFA_DR2D, az * ERFA_DR2D};
}

TEST(Stars, SiriusAndVegaWhereErfaPutsThem) {
  // Hipparcos J2000 places, written out, against the catalogue's.
  struct Case {
    const char* name;
    double ra, dec;
  };
  const Case stars[] = {{"Sirius", 6.752477, -16.716116}, {"Vega", 18.615649, 38.783689}};
  const Place places[] = {{40.4168, -3.7038}, {-33.87, 151.21}, {64.15, -21.94}};
  const double days[] = {2461383.5, 2461383.9, 2451545.0, 2469000.25, 2433282.7};
  for (const Case& c : stars) {
    const Star* star = StarNamed(c.name);
    ASSERT_NE(star, nullptr) << c.name;
    for (const Place& place : places)
      for (double jd : days) {
        const auto [alt, az] = ErfaAltAz(c.ra, c.dec, place.latitude, place.longitude, jd);
        const HorizonCoordinates h = StarHorizon(*star, place, Instant::FromUt(jd));
        EXPECT_NEAR(h.altitude, alt, 0.01) << c.name << " " << jd;
        EXPECT_NEAR(std::remainder(h.azimuth - az, 360.0), 0.0, 0.01 / std::cos(alt * ERFA_DD2R)) << c.name << " " << jd;
        EXPECT_GT(h.apparentAltitude, h.altitude - 1e-12);  // refraction only lifts
      }
  }
}

TEST(Stars, PolarisStandsAtTheLatitude) {
  const Star* polaris = StarNamed("Polaris");
  ASSERT_NE(polaris, nullptr);
  for (double lat : {10.0, 40.4, 64.1, 89.0})
    for (double jd : {2451545.0, 2461383.5, 2461383.8, 2470000.1})
      EXPECT_NEAR(StarHorizon(*polaris, Place(lat, -3.7), Instant::FromUt(jd)).altitude, lat, 1.0) << lat << " " << jd;
}

TEST(Stars, EveryConstellationHasAFigureOfItsOwnStars) {
  // Figures the usual drawing carries across a boundary: a star shared
  // with a neighbour (Alpheratz, Elnath), Serpens through Ophiuchus, the
  // three parts of the old ship Argo joined at Regor and Naos, and
  // Eridanus rising from Cetus's pi. Any other stray is a wrong match of a
  // figure's vertex to the catalogue.
  const std::set<std::string> crossing = {"And", "Aur", "Ser", "Peg", "Car", "Pup", "Pyx", "Eri"};
  std::set<std::string> withFigure;
  std::map<std::string, int> strays;
  for (const FigureLine& line : ConstellationFigures()) {
    ASSERT_NE(line.from, nullptr);
    ASSERT_NE(line.to, nullptr);
    withFigure.insert(std::string(line.constellation));
    for (const Star* s : {line.from, line.to})
      if (ConstellationAt(s->rightAscension, s->declination) != line.constellation)
        ++strays[std::string(line.constellation)];
  }
  EXPECT_EQ(withFigure.size(), 88u);
  for (const auto& [constellation, count] : strays)
    EXPECT_TRUE(crossing.count(constellation)) << constellation << ": " << count << " stars outside";
}

TEST(Stars, CatalogueIsSortedAndComplete) {
  const auto stars = StarCatalogue();
  EXPECT_GT(stars.size(), 5000u);
  for (std::size_t i = 1; i < stars.size(); ++i) ASSERT_LT(stars[i - 1].hipparcos, stars[i].hipparcos);
  EXPECT_EQ(StarByHipparcos(49669)->name, "Regulus");
  EXPECT_EQ(StarByHipparcos(1), nullptr);
}

}  // namespace
}  // namespace orbitas
