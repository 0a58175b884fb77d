// The stars on the sky dome: each drawn where its altitude and azimuth
// put it, north up and east left, brighter ones larger and named, and the
// magnitude limit honoured.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "pictures/finder_chart_picture.h"
#include "pictures/sky_dome_picture.h"
#include "session/instant.h"
#include "session/runners.h"
#include "sky/stars/stars.h"

namespace orbitas {
namespace {

struct DrawnStar {
  std::string title;
  double x, y, r;
};

// The number of attribute name in the first element that starts at or
// after pos (plain text search: the SVG is the program's own).
double Attribute(const std::string& svg, std::size_t pos, std::string_view name) {
  const std::string key = " " + std::string(name) + "=\"";
  return std::stod(svg.substr(svg.find(key, pos) + key.size(), 32));
}

std::vector<DrawnStar> StarsIn(const std::string& svg) {
  const std::string open = "<g class=\"estrella\"><title>";
  std::vector<DrawnStar> out;
  for (std::size_t at = svg.find(open); at != std::string::npos; at = svg.find(open, at + 1)) {
    const std::size_t title = at + open.size(), end = svg.find("</title>", title);
    const std::size_t circle = svg.find("<circle", end);
    out.push_back({svg.substr(title, end - title), Attribute(svg, circle, "cx"), Attribute(svg, circle, "cy"),
                   Attribute(svg, circle, "r")});
  }
  return out;
}

TEST(StarDrawing, EachStarStandsAtItsAltitudeAndAzimuth) {
  const Place madrid(40.4168, -3.7038, "Madrid");
  const InstantOutcome outcome =
      ComputeInstant(DateTexts{"2026", "12", "8", "5", "30", "0"}, "", {4}, ".", madrid, TimeZone{});
  const SkyDome dome = SkyDomeOf(outcome, MethodElements(), madrid, TimeZone{}, 4.0);
  const std::string svg = pictures::DrawSkyDome(dome, ".", 1000, 1000);
  // The horizon: the dark disc.
  const std::size_t disc = svg.find("fill=\"#0b1a33\"");
  ASSERT_NE(disc, std::string::npos);
  const std::size_t rim = svg.rfind("<circle", disc);
  const double cx = Attribute(svg, rim, "cx"), cy = Attribute(svg, rim, "cy"), radius = Attribute(svg, rim, "r");
  const std::vector<DrawnStar> drawn = StarsIn(svg);
  ASSERT_EQ(drawn.size(), dome.stars.size());
  ASSERT_GT(drawn.size(), 200u);
  // Drawn faintest first; each against the catalogue's own place through ERFA.
  for (std::size_t k = 0; k < drawn.size(); ++k) {
    const DomeStar& s = dome.stars[dome.stars.size() - 1 - k];
    EXPECT_EQ(drawn[k].title.substr(0, s.name.size()), s.name);
    EXPECT_LE(s.magnitude, 4.0);
    const double r = (90 - s.altitude) / 90 * radius, a = s.azimuth * 3.14159265358979 / 180;
    EXPECT_NEAR(drawn[k].x, cx - r * std::sin(a), 0.1) << s.name;
    EXPECT_NEAR(drawn[k].y, cy - r * std::cos(a), 0.1) << s.name;
  }
  // Sirius itself, from its catalogue place: the contents carry what ERFA gives.
  const HorizonCoordinates sirius = StarHorizon(*StarNamed("Sirius"), madrid, Instant::FromUt(outcome.julianDay));
  const auto named = std::find_if(dome.stars.begin(), dome.stars.end(), [](auto& s) { return s.name == "Sirio"; });
  ASSERT_NE(named, dome.stars.end());
  EXPECT_DOUBLE_EQ(named->altitude, sirius.altitude);
  EXPECT_DOUBLE_EQ(named->azimuth, sirius.azimuth);
  EXPECT_TRUE(named->labelled);
  EXPECT_NE(svg.find(">Sirio</text>"), std::string::npos);
  EXPECT_NE(svg.find("Sirio: magnitud -1.4, altura "), std::string::npos);
  // The brightest dot is the largest.
  EXPECT_GT(drawn.back().r, drawn.front().r);
}

TEST(StarDrawing, TheChartPutsThePlanetInTheMiddleNorthUpEastLeft) {
  const FinderChartPicture chart = FinderChartPictureOf(
      MethodElements(), Body::Uranus, Instant::FromUt(2461383.375), 20, Place(40.4168, -3.7038), TimeZone{}, ".");
  const std::string svg = pictures::DrawFinderChart(chart, ".", 1000, 900);
  // The chart's frame: the one rectangle placed on the page.
  const std::size_t frame = svg.find("<rect x=");
  ASSERT_NE(frame, std::string::npos);
  const double side = Attribute(svg, frame, "width");
  const double cx = Attribute(svg, frame, "x") + side / 2, cy = Attribute(svg, frame, "y") + side / 2;
  const std::size_t planet = svg.find("class=\"referencia\"><title>Urano</title>");
  ASSERT_NE(planet, std::string::npos);
  EXPECT_NEAR(Attribute(svg, planet, "cx"), cx, 0.01);
  EXPECT_NEAR(Attribute(svg, planet, "cy"), cy, 0.01);
  EXPECT_NE(svg.find("<title>Urano según el método de Kepler, a 0.25° como mucho</title>"), std::string::npos);
  const std::vector<DrawnStar> drawn = StarsIn(svg);
  ASSERT_EQ(drawn.size(), chart.chart.stars.size());
  for (std::size_t k = 0; k < drawn.size(); ++k) {
    const Star& s = *chart.chart.stars[drawn.size() - 1 - k].star;
    const double east = std::remainder(s.rightAscension - chart.chart.projection.centreRightAscension, 24);
    const double north = s.declination - chart.chart.projection.centreDeclination;
    if (std::fabs(east) > 1e-3) {
      EXPECT_EQ(drawn[k].x < cx, east > 0) << drawn[k].title;
    }
    if (std::fabs(north) > 2 && std::fabs(east) < 0.2) {
      EXPECT_EQ(drawn[k].y < cy, north > 0) << drawn[k].title;
    }
  }
}

}  // namespace
}  // namespace orbitas
