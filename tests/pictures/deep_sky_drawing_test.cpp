// The deep-sky objects as drawn: the mark of each kind, M31 turned by its
// position angle on its own chart and standing where its altitude and
// azimuth put it on the dome, the chosen object ringed, and a chart of an
// object with no planet's path.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "pictures/finder_chart_picture.h"
#include "pictures/picture_style.h"
#include "pictures/sky_dome_picture.h"
#include "session/request_refused.h"
#include "session/runners.h"
#include "tests/support/julian_days.h"

namespace orbitas {
namespace {

using testing::Jd;

const Place Sevilla(37.39, -5.99, "37.39, -5.99");
const TimeZone Cet = TimeZone::FixedOffset(3600, "CET");

SkyRequest SevillaAsks(double utHour) {
  SkyRequest request;
  request.place = Sevilla;
  request.zone = Cet;
  request.at = Instant::FromUt(Jd(2026, 12, 14, utHour));
  return request;
}

FinderChartPicture ChartOf(const std::string& object) {
  SkyRequest request = SevillaAsks(20.0);
  request.deepSky = {object};
  request.chartField = 20;
  return RunChart(request, ".");
}

// The SVG group an object's title opens ("M31, Galaxia…"): from its <g>
// to its </g>; empty when there is none.
std::string GroupOf(const std::string& svg, const std::string& id) {
  const std::size_t title = svg.find("<title>" + id + ",");
  if (title == std::string::npos) return "";
  const std::size_t end = svg.find("</g>", title);
  return svg.substr(title, end - title);
}

std::size_t Count(const std::string& text, const std::string& what) {
  std::size_t n = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

double Number(const std::string& text, const std::string& name) {
  const std::string key = " " + name + "=\"";
  return std::stod(text.substr(text.find(key) + key.size(), 32));
}

// M31's major axis lies 35° from north through east: with north up and
// east on the left the ellipse, drawn along x, is turned 90 - 35 = 55°
// clockwise. A mirrored chart would turn it 125°, an angle taken from
// east 35°, a forgotten one not at all.
TEST(DeepSkyDrawing, AndromedaIsAnEllipseTurnedByItsPositionAngle) {
  const FinderChartPicture chart = ChartOf("M31");
  const std::string svg = pictures::DrawFinderChart(chart, ".", 1000, 900);
  const std::string m31 = GroupOf(svg, "M31");
  ASSERT_FALSE(m31.empty());
  EXPECT_NE(m31.find("<ellipse"), std::string::npos);
  EXPECT_NE(m31.find("transform=\"rotate(55.00 "), std::string::npos) << m31;
  // At its size: 177.8′ × 69.7′ in the ratio drawn.
  EXPECT_NEAR(Number(m31, "rx") / Number(m31, "ry"), 177.83 / 69.66, 0.02);
}

// A globular cluster is a circle with a cross, an open one a bare circle,
// a nebula a square: a table of symbols shifted by one kind fails.
TEST(DeepSkyDrawing, EachKindHasItsSymbol) {
  const std::string m13 = GroupOf(pictures::DrawFinderChart(ChartOf("M13"), ".", 900, 900), "M13");
  ASSERT_FALSE(m13.empty());
  EXPECT_EQ(Count(m13, "<circle"), 1u);
  EXPECT_EQ(Count(m13, "<line"), 2u);
  EXPECT_EQ(Count(m13, "<ellipse"), 0u);
  const std::string m45 = GroupOf(pictures::DrawFinderChart(ChartOf("M45"), ".", 900, 900), "M45");
  EXPECT_EQ(Count(m45, "<circle"), 1u);
  EXPECT_EQ(Count(m45, "<line"), 0u);
  const std::string m42 = GroupOf(pictures::DrawFinderChart(ChartOf("M42"), ".", 900, 900), "M42");
  EXPECT_EQ(Count(m42, "<polyline"), 1u);
  EXPECT_EQ(Count(m42, "<circle"), 0u);
}

// The chart of an object: centred on it, titled by its id and Spanish
// name, with neither a path nor a method's cross (a planet's leftovers).
TEST(DeepSkyDrawing, AChartOfAnObjectIsCentredOnItAndHasNoPath) {
  const FinderChartPicture chart = ChartOf("M31");
  EXPECT_NE(chart.heading.find("M31 · Galaxia de Andrómeda"), std::string::npos) << chart.heading;
  EXPECT_EQ(chart.chart.projection.centreRightAscension, DeepSkyObjectNamed("M31")->rightAscension);
  EXPECT_EQ(chart.chart.projection.centreDeclination, DeepSkyObjectNamed("M31")->declination);
  EXPECT_TRUE(chart.chart.path.empty());
  const std::string svg = pictures::DrawFinderChart(chart, ".", 1000, 900);
  EXPECT_EQ(svg.find("id=\"camino\""), std::string::npos);
  EXPECT_EQ(svg.find("id=\"metodo\""), std::string::npos);
  // The ellipse at the chart's middle: where the frame's centre is.
  const std::string m31 = GroupOf(svg, "M31");
  const std::string frame = svg.substr(svg.find("<rect x="));
  EXPECT_NEAR(Number(m31, "cx"), Number(frame, "x") + Number(frame, "width") / 2, 0.01);
  EXPECT_NEAR(Number(m31, "cy"), Number(frame, "y") + Number(frame, "height") / 2, 0.01);
  // From Sevilla at 20:00 UT it stands near the zenith (PyEphem: 83.59°).
  ASSERT_TRUE(chart.chart.altitude);
  EXPECT_NEAR(*chart.chart.altitude, 83.59, 0.02);
}

// A name the catalogue does not know is refused with the name in the
// reason, not taken for something else.
TEST(DeepSkyDrawing, AnUnknownObjectIsRefusedByName) {
  try {
    ChartOf("M111");
    FAIL() << "M111 was charted";
  } catch (const RequestRefused& refused) {
    EXPECT_NE(std::string(refused.what()).find("M111"), std::string::npos) << refused.what();
  }
}

// On the dome M31 stands where its altitude and azimuth put it, ringed
// when it is the object chosen and only then, by day's colours and by
// night's.
TEST(DeepSkyDrawing, TheDomeRingsTheChosenObjectWhereItStands) {
  SkyRequest request = SevillaAsks(20.0);
  request.deepSky = {"NGC 7662"};  // C22, fainter than the dome's own
  SkyDome dome = RunSkyDome(request);
  const auto m31 = std::find_if(dome.deepSky.begin(), dome.deepSky.end(), [](const auto& o) { return o.id == "M31"; });
  ASSERT_NE(m31, dome.deepSky.end());
  EXPECT_NEAR(m31->altitude, 83.59, 0.02);
  ASSERT_EQ(dome.deepSky.back().id, "C22");
  for (const pictures::Palette* palette : {&pictures::DayPalette, &pictures::NightPalette}) {
    const pictures::PictureStyle style{palette, 0};
    const std::string ring = "stroke=\"" + std::string(palette->chosenRing) + "\"";
    const std::string plain = pictures::DrawSkyDome(dome, ".", 800, 800, style);
    EXPECT_EQ(GroupOf(plain, "M31").find(ring), std::string::npos);
    EXPECT_NE(GroupOf(plain, "M31").find(std::string(palette->domeDeepSky)), std::string::npos);
    dome.markedDeepSky = "M31";
    const std::string marked = pictures::DrawSkyDome(dome, ".", 800, 800, style);
    dome.markedDeepSky.clear();
    const std::string group = GroupOf(marked, "M31");
    EXPECT_EQ(Count(group, ring), 1u);
    EXPECT_EQ(Count(marked, ring), 1u);
    const auto at = pictures::DomePointOf(m31->altitude, m31->azimuth, 800, 800, style);
    ASSERT_TRUE(at);
    EXPECT_NEAR(Number(group, "cx"), at->first, 0.01);
    EXPECT_NEAR(Number(group, "cy"), at->second, 0.01);
  }
}

// The titles' numbers follow the user's decimal separator, as the
// planets' do: numbers fixed in session/ with a point would not.
TEST(DeepSkyDrawing, TheDomesTitlesUseTheUsersSeparator) {
  const std::string svg = pictures::DrawSkyDome(RunSkyDome(SevillaAsks(20.0)), ",", 800, 800);
  const std::string m31 = GroupOf(svg, "M31");
  EXPECT_NE(m31.find("magnitud 3,4, 177,8′ × 69,7′, altura 83,6°"), std::string::npos) << m31.substr(0, 200);
}

}  // namespace
}  // namespace orbitas
