// The pictures in the planner's styles: the night palette's dim reds with
// nothing of the day's colours left, the day palette as the pictures had
// always been, a least text height that every text keeps, the night
// chart's marked minute where its hour is, and the radiants of the
// night's meteor showers on the dome. Mistakes: a colour left as a
// literal, a text that escapes the floor (a fitted title, a tick), the
// marked line at the wrong hour or drawn without one, a radiant of a
// shower not active that night or one turned the wrong way.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "pictures/eclipse_picture.h"
#include "pictures/finder_chart_picture.h"
#include "pictures/night_picture.h"
#include "pictures/sky_dome_picture.h"
#include "pictures/year_chart_picture.h"
#include "tests/pictures/picture_samples.h"

namespace orbitas {
namespace {

using pictures::DayPalette;
using pictures::NightPalette;
using pictures::PictureStyle;

// The night's sky, with a planet chosen, so that its ring is drawn too.
const SkyDome& GeminidsDome() {
  static const SkyDome dome = [] {
    SkyDome d = testing::MadridDome(2026, 12, 13, 22);
    for (DomeBody& b : d.bodies) b.marked = b.body == Body::Jupiter;
    return d;
  }();
  return dome;
}

const NightPicture& GeminidsNight() {
  static const NightPicture night = testing::MadridNightChart();
  return night;
}

NightPicture MarkedNight(double hour, std::string label) {
  NightPicture night = GeminidsNight();
  night.markedHour = hour;
  night.markedLabel = std::move(label);
  return night;
}

const EclipsePicture& Solar() {
  static const EclipsePicture e = testing::TarifaEclipse();
  return e;
}
const EclipsePicture& Lunar() {
  static const EclipsePicture e = testing::LunarEclipse();
  return e;
}
const FinderChartPicture& Chart() {
  static const FinderChartPicture c = testing::UranusChart();
  return c;
}
const YearChart& Year() {
  static const YearChart y = testing::MadridYear();
  return y;
}

// A picture at one of the planner's sizes, drawn in a style.
struct Drawing {
  const char* name;
  int width, height;
  std::function<std::string(const PictureStyle&)> draw;
};

std::vector<Drawing> PlannersPictures() {
  return {
      {"dome 520", 520, 520, [](const PictureStyle& s) { return pictures::DrawSkyDome(GeminidsDome(), ",", 520, 520, s); }},
      {"dome 700", 700, 700, [](const PictureStyle& s) { return pictures::DrawSkyDome(GeminidsDome(), ",", 700, 700, s); }},
      {"night 1300", 1300, 330,
       [](const PictureStyle& s) { return pictures::DrawNight(MarkedNight(6, "23:40"), ",", 1300, 330, s); }},
      {"night 900", 900, 300,
       [](const PictureStyle& s) { return pictures::DrawNight(MarkedNight(6, "23:40"), ",", 900, 300, s); }},
      {"year 1300", 1300, 560, [](const PictureStyle& s) { return pictures::DrawYearChart(Year(), ",", 1300, 560, s); }},
      {"chart 800", 800, 600, [](const PictureStyle& s) { return pictures::DrawFinderChart(Chart(), ",", 800, 600, s); }},
      {"solar eclipse 700", 700, 500,
       [](const PictureStyle& s) { return pictures::DrawEclipse(Solar(), ",", 700, 500, s); }},
      {"lunar eclipse 700", 700, 500,
       [](const PictureStyle& s) { return pictures::DrawEclipse(Lunar(), ",", 700, 500, s); }},
  };
}

// Every run of the characters in alphabet right after prefix in svg
// (std::regex is left out: GCC 12 warns inside it under the sanitizers).
std::vector<std::string> Matches(const std::string& svg, const std::string& prefix, const std::string& alphabet) {
  std::vector<std::string> out;
  for (std::size_t at = svg.find(prefix); at != std::string::npos; at = svg.find(prefix, at + 1)) {
    const std::size_t from = at + prefix.size();
    const std::size_t to = std::min(svg.find_first_not_of(alphabet, from), svg.size());
    out.push_back(svg.substr(from, to - from));
  }
  return out;
}

const std::string Hex = "0123456789abcdefABCDEF";

TEST(PictureStyle, TheNightPaletteDrawsOnlyDimReds) {
  for (const Drawing& d : PlannersPictures()) {
    SCOPED_TRACE(d.name);
    std::vector<std::string> colours = Matches(d.draw({&NightPalette, 0}), "#", Hex);
    std::erase_if(colours, [](const std::string& c) { return c.size() != 6; });  // an id's "#" is no colour
    ASSERT_GT(colours.size(), 5u);
    for (const std::string& c : colours) {
      const long r = std::stol(c.substr(0, 2), nullptr, 16), g = std::stol(c.substr(2, 2), nullptr, 16),
                 b = std::stol(c.substr(4, 2), nullptr, 16);
      EXPECT_TRUE(r >= g && r >= b && g <= 0x50 && b <= 0x50) << "#" << c;
    }
  }
}

TEST(PictureStyle, TheDayPaletteIsTheDefaultDrawing) {
  for (const Drawing& d : PlannersPictures()) {
    SCOPED_TRACE(d.name);
    const std::string plain = d.draw({});
    EXPECT_EQ(d.draw({&DayPalette, 0}), plain);
    // And the night's is not the day's: a style that is not read would
    // pass the line above.
    EXPECT_NE(d.draw({&NightPalette, 0}), plain);
  }
}

TEST(PictureStyle, NoTextIsSmallerThanTheLeastHeight) {
  std::vector<Drawing> drawings = PlannersPictures();
  // A narrow picture, whose long subtitle is fitted to its width below
  // the least height, unless the floor holds it.
  drawings.push_back({"solar eclipse 360", 360, 500,
                      [](const PictureStyle& s) { return pictures::DrawEclipse(Solar(), ",", 360, 500, s); }});
  for (const Drawing& d : drawings) {
    for (const PictureStyle& style : {PictureStyle{&DayPalette, 11}, PictureStyle{&NightPalette, 11}}) {
      SCOPED_TRACE(d.name);
      const std::vector<std::string> sizes = Matches(d.draw(style), "font-size=\"", "0123456789.");
      ASSERT_GT(sizes.size(), 3u);
      for (const std::string& s : sizes) EXPECT_GE(std::stod(s), 11.0);
    }
    // At these sizes the pictures' own sizing writes smaller texts: the
    // floor is what lifts them.
    const std::vector<std::string> own = Matches(d.draw({}), "font-size=\"", "0123456789.");
    EXPECT_TRUE(std::any_of(own.begin(), own.end(), [](const std::string& s) { return std::stod(s) < 11; })) << d.name;
  }
}

// The x of the text whose content is text, and of the line in the group
// id, in an SVG the program wrote.
double TextX(const std::string& svg, const std::string& text) {
  const std::size_t end = svg.find(">" + text + "</text>");
  const std::size_t start = svg.rfind("<text x=\"", end);
  return std::stod(svg.substr(start + 9, 16));
}
std::optional<double> LineXIn(const std::string& svg, const std::string& id) {
  const std::size_t group = svg.find("<g id=\"" + id + "\"");
  if (group == std::string::npos) return std::nullopt;
  return std::stod(svg.substr(svg.find("<line x1=\"", group) + 10, 16));
}

// Where the chart puts an hour: by its ticks, each labelled at its own
// hour, between the two ticks around it.
double TickX(const std::string& svg, const NightPicture& night, double hour) {
  for (std::size_t k = 0; k + 1 < night.ticks.size(); ++k) {
    const auto& [a, aLabel] = night.ticks[k];
    const auto& [b, bLabel] = night.ticks[k + 1];
    if (hour >= a && hour <= b) {
      const double xa = TextX(svg, aLabel), xb = TextX(svg, bLabel);
      return xa + (hour - a) / (b - a) * (xb - xa);
    }
  }
  ADD_FAILURE() << "no ticks around " << hour;
  return 0;
}

TEST(NightChart, TheMarkedMinuteIsALineAtItsHour) {
  const NightPicture& night = GeminidsNight();
  ASSERT_GT(night.ticks.size(), 4u);
  const double first = night.ticks[1].first, second = night.ticks[2].first, late = night.ticks[night.ticks.size() - 2].first;
  struct Case {
    double hour;
    int width, height;
    PictureStyle style;
  };
  const Case cases[] = {{first, 1300, 330, {}},
                        {(first + second) / 2, 1300, 330, {}},
                        {first + 0.25, 900, 300, {&NightPalette, 11}},
                        {late + 2.0 / 3, 900, 300, {&DayPalette, 11}},
                        {late, 1300, 330, {&NightPalette, 11}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.hour);
    const std::string svg = pictures::DrawNight(MarkedNight(c.hour, "hh:mm"), ",", c.width, c.height, c.style);
    const std::optional<double> x = LineXIn(svg, "minuto");
    ASSERT_TRUE(x);
    EXPECT_NEAR(*x, TickX(svg, night, c.hour), 1.0);
    EXPECT_NE(svg.find(">hh:mm</text>"), std::string::npos);
    EXPECT_NE(svg.find(std::string(c.style.palette->marker)), std::string::npos);
  }
  // Without a marked hour: no line, no label, nothing of its colour.
  for (const PictureStyle& style : {PictureStyle{}, PictureStyle{&NightPalette, 11}}) {
    const std::string svg = pictures::DrawNight(night, ",", 1300, 330, style);
    EXPECT_FALSE(LineXIn(svg, "minuto"));
    EXPECT_EQ(svg.find(std::string(style.palette->marker)), std::string::npos);
  }
}

// The centre of the radiant's mark whose title names code, if drawn.
std::optional<std::pair<double, double>> RadiantMark(const std::string& svg, const std::string& code) {
  const std::size_t title = svg.find("(" + code + "): altura");
  if (title == std::string::npos) return std::nullopt;
  const std::size_t circle = svg.find("<circle cx=\"", title);
  const double cx = std::stod(svg.substr(circle + 12, 16));
  const double cy = std::stod(svg.substr(svg.find("cy=\"", circle) + 4, 16));
  return std::pair{cx, cy};
}

TEST(SkyDome, TheRadiantsOfTheNightsShowers) {
  struct Case {
    int year, month, day;
    double utHour;
    const char* code;
    const char* name;
    bool drawn;
  };
  // 23:00 in Madrid (CET); the Geminids' radiant is well up in December
  // and the shower is not active in June, nor the Perseids in December.
  const Case cases[] = {{2026, 12, 13, 22, "GEM", "Gemínidas", true},
                        {2026, 6, 15, 22, "GEM", "Gemínidas", false},
                        {2026, 12, 13, 22, "PER", "Perseidas", false},
                        {2026, 8, 12, 22, "PER", "Perseidas", true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.code) + " " + std::to_string(c.month));
    const SkyDome dome = testing::MadridDome(c.year, c.month, c.day, c.utHour);
    const auto radiant = std::find_if(dome.radiants.begin(), dome.radiants.end(),
                                      [&](const DomeRadiant& r) { return r.code == c.code; });
    const std::string svg = pictures::DrawSkyDome(dome, ",", 700, 700, {&NightPalette, 11});
    ASSERT_EQ(radiant != dome.radiants.end(), c.drawn);
    EXPECT_EQ(RadiantMark(svg, c.code).has_value(), c.drawn);
    EXPECT_EQ(svg.find(std::string(">") + c.name + "</text>") != std::string::npos, c.drawn);
    if (!c.drawn) continue;
    EXPECT_EQ(radiant->name, c.name);
    EXPECT_GT(radiant->altitude, 0);
    // Drawn where the dome puts its altitude and azimuth, as a star is.
    const auto at = pictures::DomePointOf(radiant->altitude, radiant->azimuth, 700, 700, {&NightPalette, 11});
    const auto mark = RadiantMark(svg, c.code);
    ASSERT_TRUE(at && mark);
    EXPECT_NEAR(mark->first, at->first, 1.0);
    EXPECT_NEAR(mark->second, at->second, 1.0);
  }
}

TEST(SkyDome, TheRadiantsAreTheShowersOfTheNightsRows) {
  // The dome at 23:00 lists the showers the night's rows list, in their order.
  for (const auto& [month, day] : {std::pair{12, 13}, std::pair{8, 12}, std::pair{1, 3}, std::pair{6, 15}}) {
    SCOPED_TRACE(std::to_string(month) + "-" + std::to_string(day));
    const SkyDome dome = testing::MadridDome(2026, month, day, 22);
    const NightAnswer night = RunNight(testing::MadridAsks(2026, month, day, 22));
    std::vector<std::string> rows, radiants;
    for (const ShowerNight& s : night.showers) rows.emplace_back(s.shower->code);
    for (const DomeRadiant& r : dome.radiants) radiants.push_back(r.code);
    EXPECT_EQ(radiants, rows);
  }
}

// A radiant below the horizon is in the contents but not drawn.
TEST(SkyDome, ARadiantBelowTheHorizonIsNotDrawn) {
  SkyDome dome = GeminidsDome();
  dome.radiants = {{"Gemínidas", "GEM", -5, 77}, {"Cuadrántidas", "QUA", 30, 10}};
  const std::string svg = pictures::DrawSkyDome(dome, ",", 700, 700);
  EXPECT_FALSE(RadiantMark(svg, "GEM"));
  EXPECT_TRUE(RadiantMark(svg, "QUA"));
  EXPECT_NE(svg.find(std::string(DayPalette.radiant)), std::string::npos);
}

}  // namespace
}  // namespace orbitas
