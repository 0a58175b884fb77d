// The picture of a solar eclipse from a place: the Sun shows as it does
// there. Mistakes: a total eclipse drawn as a black disc with nothing
// around it, a sky as dark for a thin crescent as at totality.
#include <gtest/gtest.h>

#include <string>

#include "pictures/eclipse_picture.h"

namespace orbitas {
namespace {

EclipsePicture Solar(double depth, bool total) {
  EclipsePicture e;
  e.title = "Eclipse de Sol";
  e.lunar = false;
  e.sun = 15.8, e.moon = total ? 16.3 : 15.0;
  e.marks = {{"Máximo", "10:47", true, 0.2, 0.1}};
  e.depth = depth, e.total = total;
  return e;
}

// The sky's colour: the fill of the last rectangle over the whole picture
// (the page, the night behind everything, then the sky).
std::string SkyOf(const std::string& svg) {
  const std::size_t sky = svg.rfind("<rect x=\"0.00\" y=\"0.00\" width=\"800.00\" height=\"600.00\"");
  const std::size_t fill = svg.find("fill=\"", sky) + 6;
  return svg.substr(fill, 7);
}

TEST(EclipseDrawing, TheCoronaAtTotalityAndTheSkyDarkeningWithTheDepth) {
  const std::string total = pictures::DrawEclipse(Solar(1.0, true), ".", 800, 600);
  EXPECT_NE(total.find("corona"), std::string::npos);
  EXPECT_EQ(SkyOf(total), "#0b1a33") << "night at totality";
  const std::string half = pictures::DrawEclipse(Solar(0.5, false), ".", 800, 600);
  EXPECT_EQ(half.find("corona"), std::string::npos) << "no corona outside totality";
  EXPECT_NE(half.find("#f0c020"), std::string::npos) << "the Sun's disc";
  const std::string deep = pictures::DrawEclipse(Solar(0.95, false), ".", 800, 600);
  // Darker is a smaller blue channel.
  const auto blue = [](const std::string& colour) { return std::stoi(colour.substr(5, 2), nullptr, 16); };
  EXPECT_GT(blue(SkyOf(half)), blue(SkyOf(deep)));
  EXPECT_GT(blue(SkyOf(deep)), blue(SkyOf(total)));
}

}  // namespace
}  // namespace orbitas
