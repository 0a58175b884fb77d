#include "pictures/deep_sky_marks.h"

#include <algorithm>
#include <cmath>

#include "runtime/angle_units.h"

namespace orbitas::pictures {
namespace {

// An asterism's or a double star's small dotted circle, in least sizes.
constexpr double SmallMark = 0.7;

// A square of side `side` about at, turned by rotation degrees, as a
// closed polyline.
std::vector<Point> Square(Point at, double side, double rotation) {
  const double a = rotation / DegreesPerRadian, h = side / 2;
  std::vector<Point> corners;
  for (const auto& [x, y] : {Point{-h, -h}, Point{h, -h}, Point{h, h}, Point{-h, h}, Point{-h, -h}}) {
    corners.push_back({at.first + x * std::cos(a) - y * std::sin(a), at.second + x * std::sin(a) + y * std::cos(a)});
  }
  return corners;
}

}  // namespace

DeepSkyMark DeepSkyMarkOf(DeepSkyType type, Point at, double major, double minor, Point direction, double least) {
  if (minor <= 0 || minor > major) minor = major;
  if (type == DeepSkyType::Asterism || type == DeepSkyType::DoubleStar) {
    major = std::max(major, least * SmallMark);
    if (type == DeepSkyType::DoubleStar) major = least * SmallMark;
    minor = major;
  } else if (major < least) {
    // Grown to the least size, a galaxy keeps its shape.
    minor = major > 0 ? minor * least / major : least;
    major = least;
  }
  if (type == DeepSkyType::Galaxy) minor = std::max(minor, least / 3);
  const bool turned = direction.first != 0 || direction.second != 0;
  const double rotation = turned ? std::atan2(direction.second, direction.first) * DegreesPerRadian : -90;
  return {type, at, major, type == DeepSkyType::Galaxy ? minor : major, rotation};
}

Box DeepSkyBox(const DeepSkyMark& m) {
  // A nebula's square reaches its corners; the rest their major axis.
  const double h = m.major / 2 * (m.type == DeepSkyType::DiffuseNebula || m.type == DeepSkyType::PlanetaryNebula ||
                                          m.type == DeepSkyType::DarkNebula || m.type == DeepSkyType::SupernovaRemnant
                                      ? std::sqrt(2.0)
                                      : 1.0);
  return {m.at.first - h, m.at.second - h, m.at.first + h, m.at.second + h};
}

Box DeepSkyKept(const DeepSkyMark& m, double least) {
  const double keep = std::min(m.major / 2, least);
  return {m.at.first - keep, m.at.second - keep, m.at.first + keep, m.at.second + keep};
}

std::optional<Box> DeepSkyName(const DeepSkyMark& m, std::string_view id, double size, LabelPlacer& placer) {
  const double gap = DeepSkyBox(m).right - m.at.first + size * 0.25;
  return placer.Beside(m.at, LabelWidth(id, size), LabelHeight(size), gap);
}

void DrawDeepSkyMark(SvgWriter& svg, const DeepSkyMark& m, std::string_view colour, double width, bool ringed,
                     std::string_view ringColour) {
  const double r = m.major / 2;
  switch (m.type) {
    case DeepSkyType::Galaxy:
      svg.Ellipse(m.at, r, m.minor / 2, std::fmod(m.rotation + 360, 180), "none", colour, width);
      break;
    case DeepSkyType::OpenCluster:
      svg.Circle(m.at, r, "none", colour, width);
      break;
    case DeepSkyType::GlobularCluster:
      svg.Circle(m.at, r, "none", colour, width);
      svg.Line({m.at.first - r, m.at.second}, {m.at.first + r, m.at.second}, colour, width * 0.8);
      svg.Line({m.at.first, m.at.second - r}, {m.at.first, m.at.second + r}, colour, width * 0.8);
      break;
    case DeepSkyType::DarkNebula:
      svg.Polyline(Square(m.at, m.major, 0), colour, width, "", "", "3 2");
      break;
    case DeepSkyType::PlanetaryNebula:
    case DeepSkyType::DiffuseNebula:
    case DeepSkyType::SupernovaRemnant:
      svg.Polyline(Square(m.at, m.major, 0), colour, width);
      break;
    case DeepSkyType::Asterism:
    case DeepSkyType::DoubleStar:
      svg.Ellipse(m.at, r, r, 0, "none", colour, width, "1 2");
      break;
  }
  if (ringed) {
    const Box box = DeepSkyBox(m);
    svg.Circle(m.at, (box.right - box.left) / 2 + std::max(3.0, width * 3), "none", ringColour, 2);
  }
}

}  // namespace orbitas::pictures
