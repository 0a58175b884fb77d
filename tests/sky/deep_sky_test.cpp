// The deep-sky catalogue, Crumey's threshold and the aberrated direction.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "sky/deep_sky/deep_sky_catalogue.h"
#include "sky/deep_sky/deep_sky_night.h"
#include "sky/deep_sky/visual_detection.h"
#include "sky/frames/apparent_direction.h"
#include "sky/night/sky_brightness.h"

namespace orbitas {
namespace {

TEST(DeepSkyCatalogue, HoldsEveryMessierAndCaldwellNumber) {
  // Mistakes: M102 lost because OpenNGC names it NGC 5866, a Caldwell
  // object outside the NGC (C41, the Hyades) dropped, C14 kept as one of
  // its two clusters.
  std::set<int> messier, caldwell;
  int doubleCluster = 0;
  for (const DeepSkyObject& o : DeepSkyCatalogue()) {
    if (o.messier) {
      EXPECT_TRUE(messier.insert(o.messier).second) << "M" << o.messier << " twice";
    }
    if (o.caldwell) caldwell.insert(o.caldwell);
    if (o.caldwell == 14) ++doubleCluster;
  }
  EXPECT_EQ(messier.size(), 110u);
  EXPECT_EQ(caldwell.size(), 109u);
  EXPECT_EQ(*messier.rbegin(), 110);
  EXPECT_EQ(*caldwell.rbegin(), 109);
  EXPECT_EQ(doubleCluster, 2);
}

TEST(DeepSkyCatalogue, FindsAnObjectByAnyOfItsDesignations) {
  // Mistakes: case, spaces or NGC's leading zeros refused; a Messier
  // object not found by its NGC number; "M3" taken for "M31".
  const struct {
    const char* typed;
    const char* id;
  } cases[] = {{"M31", "M31"},   {"m 31", "M31"},   {"NGC0224", "M31"}, {"ngc 224", "M31"}, {"C 80", "C80"},
               {"NGC 5139", "C80"}, {"M3", "M3"},  {"NGC 884", "NGC 884"}, {"c41", "C41"}, {"M102", "M102"}};
  for (const auto& c : cases) {
    const DeepSkyObject* o = DeepSkyObjectNamed(c.typed);
    ASSERT_TRUE(o) << c.typed;
    EXPECT_EQ(o->id, c.id) << c.typed;
  }
  EXPECT_FALSE(DeepSkyObjectNamed("M111"));
  EXPECT_FALSE(DeepSkyObjectNamed(""));
  EXPECT_FALSE(DeepSkyObjectNamed("Andrómeda"));
}

TEST(DeepSkyCatalogue, CarriesVisualMagnitudesAndSizes) {
  // Mistakes: KStars's B magnitude taken for V (M31 4.4, not 3.4); the
  // surface brightness over a circle of the major axis, not the ellipse.
  const DeepSkyObject& m31 = *DeepSkyObjectNamed("M31");
  EXPECT_NEAR(m31.magnitude, 3.44, 0.01);
  EXPECT_EQ(m31.type, DeepSkyType::Galaxy);
  EXPECT_NEAR(m31.positionAngle, 35, 0.5);
  const double ellipse = m31.magnitude + 2.5 * std::log10(ExactPi / 4 * m31.majorAxis * m31.minorAxis * 3600);
  EXPECT_NEAR(m31.surfaceBrightness, ellipse, 0.01);
  EXPECT_EQ(DeepSkyObjectNamed("M13")->type, DeepSkyType::GlobularCluster);
  EXPECT_EQ(DeepSkyObjectNamed("M57")->type, DeepSkyType::PlanetaryNebula);
  EXPECT_EQ(DeepSkyObjectNamed("C99")->type, DeepSkyType::DarkNebula);
  EXPECT_FALSE(DeepSkyObjectNamed("C99")->HasMagnitude());
}

TEST(VisualDetection, TheEyesFaintestStarOnADarkSky) {
  // A star (a patch of a seeing disc) of Schaefer's limit on a dark
  // site's sky stands at the threshold. Mistakes: the area in square
  // arcminutes where Crumey's constant wants steradians (the limit moves
  // by eight magnitudes), nanolamberts taken for cd/m².
  const double sky = Nanolamberts(21.6);
  const double limit = NakedEyeLimitingMagnitude(sky);
  const double area = ExactPi / 4 * 0.05 * 0.05;
  const double star = Nanolamberts(limit + 2.5 * std::log10(area * 3600));
  EXPECT_NEAR(DetectionMargin(star, sky, area, Optics{}), 0.0, 0.03);
  EXPECT_LT(DetectionMargin(star / 2.512, sky, area, Optics{}), -0.3);
}

TEST(VisualDetection, CrumeysTwoLaws) {
  // Small discs follow Ricco's law (the threshold falls as the area
  // grows, contrast × area constant); large ones reach a floor, C∞.
  // Mistakes: the exponent q of the wrong regime, the terms added
  // without it.
  const double b = 1e-4;  // cd/m², a moonless country sky
  EXPECT_NEAR(ThresholdContrast(b, 0.001) * 0.001 / (ThresholdContrast(b, 0.002) * 0.002), 1.0, 0.02);
  EXPECT_NEAR(ThresholdContrast(b, 1e8) / ThresholdContrast(b, 2e8), 1.0, 0.01);
  EXPECT_GT(ThresholdContrast(b, 10), ThresholdContrast(b, 100));
  EXPECT_GT(ThresholdContrast(b, 100), ThresholdContrast(1.0, 100)) << "a brighter background, a lower threshold";
}

TEST(VisualDetection, InstrumentsShowFainterPatches) {
  // A small galaxy (M51: 8.4, 11'×7') on a rural sky: beyond the eye,
  // within binoculars, easier in a 200 mm telescope. Mistakes: the
  // magnification ignored (the telescope no better than the eye), the
  // exit pupil's dimming of the sky applied to the object's contrast too.
  const DeepSkyObject& m51 = *DeepSkyObjectNamed("M51");
  const double sky = MoonlessSkyBrightness(SkyDarkness::Rural, 30), area = ExactPi / 4 * m51.majorAxis * m51.MinorOrMajor();
  const double light = Nanolamberts(m51.surfaceBrightness);
  const auto best = [&](Instrument i, double aperture) {
    double m = -99;
    for (const Optics& o : OpticsOf({i, aperture, SkyDarkness::Rural, 15})) m = std::max(m, DetectionMargin(light, sky, area, o));
    return m;
  };
  const double eye = best(Instrument::Eye, 0), binoculars = best(Instrument::Binoculars, 0),
               telescope = best(Instrument::Telescope, 200);
  EXPECT_LT(eye, 0);
  EXPECT_GT(binoculars, eye + 0.3);
  EXPECT_GT(telescope, binoculars);
  EXPECT_GT(telescope, 0);
}

TEST(AberratedDirection, MovesAStarByUpTo20Arcseconds) {
  // The annual aberration is at most 20.8" (20.5" and the orbit's
  // eccentricity) and varies through the year.
  // Mistakes: the velocity in AU a day not divided by c, the Earth's
  // heliocentric velocity's sign reversed (which moves a star away from
  // the apex of the Earth's motion).
  double most = 0;
  for (int day = 0; day < 365; day += 30) {
    const Instant at = Instant::FromUt(2461400.5 + day);
    const Vector seen = AberratedDirection(6, 23.44, at);
    double p[3] = {std::cos(23.44 / DegreesPerRadian) * std::cos(ExactPi / 2),
                   std::cos(23.44 / DegreesPerRadian) * std::sin(ExactPi / 2), std::sin(23.44 / DegreesPerRadian)};
    const double shift = AngleBetween(seen, {p[0], p[1], p[2]}) * 3600;
    EXPECT_LT(shift, 20.9) << "20.5\" on a circular orbit, 1.7 % more at perihelion";
    most = std::max(most, shift);
  }
  EXPECT_GT(most, 19.0);
}

}  // namespace
}  // namespace orbitas
