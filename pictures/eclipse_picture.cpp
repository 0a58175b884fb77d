#include "pictures/eclipse_picture.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "pictures/picture_style.h"
#include "pictures/svg_writer.h"
#include "pictures/text_fit.h"
#include "runtime/number_text.h"

namespace orbitas::pictures {
namespace {

// The smallest of the picture's texts, in text heights: the contacts'
// names and the subtitle.
constexpr double SmallestText = 0.8;

// Arcminutes to pixels: x to the left, y up, around the picture's centre.
struct Frame {
  Point centre;
  double scale;  // pixels an arcminute
  Point At(double x, double y) const { return {centre.first - x * scale, centre.second - y * scale}; }
};

Frame FrameOf(const EclipsePicture& e, int width, int height, double font) {
  double reach = e.lunar ? e.penumbra + e.moon : e.sun + 2 * e.moon;
  for (const EclipseMark& m : e.marks) reach = std::max(reach, std::hypot(m.x, m.y) + e.moon);
  const double room = std::min(static_cast<double>(width), height - 4 * font) / 2.0 - 2 * font;
  return {{width / 2.0, height / 2.0 + 1.5 * font}, room / (reach * 1.05)};
}

void DrawMarks(SvgWriter& svg, const EclipsePicture& e, const Frame& f, double font, bool lunar, const Palette& c) {
  for (std::size_t k = 0; k < e.marks.size(); ++k) {
    const EclipseMark& m = e.marks[k];
    const Point at = f.At(m.x, m.y);
    svg.Open("", "contacto", m.name + " a las " + m.time);
    // Over the Sun, the Moon at its maximum is dark; at the contacts, only
    // its outline, so that the Sun shows.
    const bool filled = !lunar && m.greatest;
    svg.Circle(at, e.moon * f.scale, filled ? c.solarMoon : "none", lunar ? c.lunarMoon : c.solarMoonEdge, filled ? 1.2 : 1.6);
    // The Moon's labels across its path, on either side in turn; the Sun's
    // outwards from its centre, past the disc (the maximum's above it).
    double dx = 0, dy = -1;
    if (lunar) {
      const Point first = f.At(e.marks.front().x, e.marks.front().y), last = f.At(e.marks.back().x, e.marks.back().y);
      const double along = std::max(1e-9, std::hypot(last.first - first.first, last.second - first.second));
      const double side = k % 2 == 0 ? 1 : -1;
      dx = side * -(last.second - first.second) / along, dy = side * (last.first - first.first) / along;
    } else if (!m.greatest) {
      const double length = std::max(1e-9, std::hypot(at.first - f.centre.first, at.second - f.centre.second));
      dx = (at.first - f.centre.first) / length, dy = (at.second - f.centre.second) / length;
    }
    const double reach = e.moon * f.scale + font * 1.2;
    svg.Text({at.first + dx * reach, at.second + dy * reach + font * 0.3}, m.name + " " + m.time, font * 0.8, "middle",
             c.eclipseText);
    svg.Close();
  }
}

void DrawLunar(SvgWriter& svg, const EclipsePicture& e, const Frame& f, double font, const Palette& c) {
  svg.Open("sombra", "sombra", "La penumbra y la umbra de la Tierra");
  svg.Circle(f.centre, e.penumbra * f.scale, c.penumbra, c.penumbraEdge, 1);
  svg.Circle(f.centre, e.umbra * f.scale, c.umbra, c.umbraEdge, 1);
  svg.Close();
  std::vector<Point> path;
  for (const auto& [x, y] : e.path) path.push_back(f.At(x, y));
  svg.Polyline(path, c.lunarMoon, 1.2, "recorrido", "El centro de la Luna", "5 4");
  DrawMarks(svg, e, f, font, true, c);
}

// The sky behind the Sun: a day's that darkens with the part of the Sun
// covered, slowly at first (a half-covered Sun still lights the day) and
// to night's at totality.
std::string SkyColour(double depth, const Palette& c) {
  return Blend(c.eclipseDaySky, c.eclipseNight, std::pow(std::clamp(depth, 0.0, 1.0), 4));
}

// A disc as a path, for the corona's translucent rings.
std::string DiscPath(Point c, double r) {
  return "M " + Format(c.first - r, "#0.00") + " " + Format(c.second, "#0.00") + " a " + Format(r, "#0.00") + " " +
         Format(r, "#0.00") + " 0 1 0 " + Format(2 * r, "#0.00") + " 0 a " + Format(r, "#0.00") + " " +
         Format(r, "#0.00") + " 0 1 0 " + Format(-2 * r, "#0.00") + " 0 Z";
}

// The corona of a total eclipse: pale light fading out to two solar radii
// around the Moon's dark disc.
void DrawCorona(SvgWriter& svg, const EclipsePicture& e, const Frame& f, const Palette& c) {
  svg.Open("corona", "corona", "La corona del Sol, en la totalidad");
  for (int k = 6; k >= 1; --k) svg.Path(DiscPath(f.centre, e.sun * f.scale * (1 + k / 6.0)), c.corona, 0.12);
  svg.Close();
}

void DrawSolar(SvgWriter& svg, const EclipsePicture& e, const Frame& f, double font, int width, int height,
               const Palette& c) {
  svg.Rect({0, 0}, width, height, SkyColour(e.depth, c), "");
  if (e.total) DrawCorona(svg, e, f, c);
  if (e.horizon) {
    const double y = f.At(0, -*e.horizon).second;
    svg.Open("horizonte", "horizonte", "El horizonte");
    svg.Rect({0, y}, width, std::max(0.0, height - y), c.ground, "");
    svg.Line({0, y}, {static_cast<double>(width), y}, c.horizon, 1.5);
    svg.Close();
  }
  svg.Open("sol", "sol", "El disco del Sol");
  svg.Circle(f.centre, e.sun * f.scale, c.sun, c.sunEdge, 1);
  svg.Close();
  DrawMarks(svg, e, f, font, false, c);
}

// A partial eclipse whose uncovered edge of the Sun is thinner than a
// pixel would look total: the picture says in words what is left.
void DrawSliverNote(SvgWriter& svg, const EclipsePicture& e, const Frame& f, double font, int width, int height,
                    std::string_view separator, const Palette& c) {
  if (e.lunar || e.sliver <= 0 || e.sliver * f.scale >= 1) return;
  svg.Open("filo", "nota", "");
  svg.Text({width / 2.0, height - 0.8 * font},
           "Eclipse parcial: queda sin cubrir un filo del Sol de " + Format(e.sliver * 60, "#0.0", separator) +
               "″, más fino que un píxel (oscurecido el " + Format(e.obscuration * 100, "#0.00", separator) + " %)",
           font * 0.8, "middle", c.eclipseNote);
  svg.Close();
}

}  // namespace

std::string DrawEclipse(const EclipsePicture& e, std::string_view separator, int width, int height,
                        const PictureStyle& style) {
  const Palette& c = *style.palette;
  const double font = FloorFont(FontSize(height), SmallestText, style);
  SvgWriter svg(width, height, e.title, c.paper);
  svg.SetSmallestText(style.smallestText);
  svg.Rect({0, 0}, width, height, c.eclipseNight, "");  // the night of a lunar eclipse; a solar one draws its own sky
  const Frame f = FrameOf(e, width, height, font);
  if (e.lunar) DrawLunar(svg, e, f, font, c);
  else DrawSolar(svg, e, f, font, width, height, c);
  svg.Open("titulo", "titulo", "");
  svg.Text({width / 2.0, 1.6 * font}, e.title, FittedSize(e.title, font * 1.1, width - 2 * font), "middle", c.eclipseText,
           "", true);
  const std::string subtitle = e.lunar ? "Norte arriba, este a la izquierda"
                                       : "Tal como se ve mirando al Sol: el cénit arriba, y la izquierda y la derecha "
                                         "como en el cielo";
  svg.Text({width / 2.0, 2.9 * font}, subtitle, FittedSize(subtitle, font * 0.8, width - 2 * font, false), "middle",
           c.eclipseSubtitle);
  svg.Close();
  DrawSliverNote(svg, e, f, font, width, height, separator, c);
  return svg.Finish();
}

}  // namespace orbitas::pictures
