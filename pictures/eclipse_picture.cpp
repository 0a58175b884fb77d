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

void DrawMarks(SvgWriter& svg, const EclipsePicture& e, const Frame& f, double font, bool lunar) {
  for (std::size_t k = 0; k < e.marks.size(); ++k) {
    const EclipseMark& m = e.marks[k];
    const Point at = f.At(m.x, m.y);
    svg.Open("", "contacto", m.name + " a las " + m.time);
    // Over the Sun, the Moon at its maximum is dark; at the contacts, only
    // its outline, so that the Sun shows.
    const bool filled = !lunar && m.greatest;
    svg.Circle(at, e.moon * f.scale, filled ? "#1b1b1b" : "none", lunar ? "#f2f0e6" : "#cfcfcf", filled ? 1.2 : 1.6);
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
             "#ffffff");
    svg.Close();
  }
}

void DrawLunar(SvgWriter& svg, const EclipsePicture& e, const Frame& f, double font) {
  svg.Open("sombra", "sombra", "La penumbra y la umbra de la Tierra");
  svg.Circle(f.centre, e.penumbra * f.scale, "#3d4152", "#8a90a8", 1);
  svg.Circle(f.centre, e.umbra * f.scale, "#5a1f1a", "#c06050", 1);
  svg.Close();
  std::vector<Point> path;
  for (const auto& [x, y] : e.path) path.push_back(f.At(x, y));
  svg.Polyline(path, "#f2f0e6", 1.2, "recorrido", "El centro de la Luna", "5 4");
  DrawMarks(svg, e, f, font, true);
}

// The sky behind the Sun: a day's blue that darkens with the part of the
// Sun covered, slowly at first (a half-covered Sun still lights the day)
// and to night's at totality.
std::string SkyColour(double depth) {
  constexpr int Day[] = {0x5b, 0x86, 0xc5}, Night[] = {0x0b, 0x1a, 0x33};
  const double t = std::pow(std::clamp(depth, 0.0, 1.0), 4);
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", static_cast<int>(std::lround(Day[0] + (Night[0] - Day[0]) * t)),
                static_cast<int>(std::lround(Day[1] + (Night[1] - Day[1]) * t)),
                static_cast<int>(std::lround(Day[2] + (Night[2] - Day[2]) * t)));
  return text;
}

// A disc as a path, for the corona's translucent rings.
std::string DiscPath(Point c, double r) {
  return "M " + Format(c.first - r, "#0.00") + " " + Format(c.second, "#0.00") + " a " + Format(r, "#0.00") + " " +
         Format(r, "#0.00") + " 0 1 0 " + Format(2 * r, "#0.00") + " 0 a " + Format(r, "#0.00") + " " +
         Format(r, "#0.00") + " 0 1 0 " + Format(-2 * r, "#0.00") + " 0 Z";
}

// The corona of a total eclipse: pale light fading out to two solar radii
// around the Moon's dark disc.
void DrawCorona(SvgWriter& svg, const EclipsePicture& e, const Frame& f) {
  svg.Open("corona", "corona", "La corona del Sol, en la totalidad");
  for (int k = 6; k >= 1; --k) svg.Path(DiscPath(f.centre, e.sun * f.scale * (1 + k / 6.0)), "#f4f1e0", 0.12);
  svg.Close();
}

void DrawSolar(SvgWriter& svg, const EclipsePicture& e, const Frame& f, double font, int width, int height) {
  svg.Rect({0, 0}, width, height, SkyColour(e.depth), "");
  if (e.total) DrawCorona(svg, e, f);
  if (e.horizon) {
    const double y = f.At(0, -*e.horizon).second;
    svg.Open("horizonte", "horizonte", "El horizonte");
    svg.Rect({0, y}, width, std::max(0.0, height - y), "#2e3b2a", "");
    svg.Line({0, y}, {static_cast<double>(width), y}, "#9ab08a", 1.5);
    svg.Close();
  }
  svg.Open("sol", "sol", "El disco del Sol");
  svg.Circle(f.centre, e.sun * f.scale, std::string(SunColour), "#8a6a00", 1);
  svg.Close();
  DrawMarks(svg, e, f, font, false);
}

// A partial eclipse whose uncovered edge of the Sun is thinner than a
// pixel would look total: the picture says in words what is left.
void DrawSliverNote(SvgWriter& svg, const EclipsePicture& e, const Frame& f, double font, int width, int height,
                    std::string_view separator) {
  if (e.lunar || e.sliver <= 0 || e.sliver * f.scale >= 1) return;
  svg.Open("filo", "nota", "");
  svg.Text({width / 2.0, height - 0.8 * font},
           "Eclipse parcial: queda sin cubrir un filo del Sol de " + Format(e.sliver * 60, "#0.0", separator) +
               "″, más fino que un píxel (oscurecido el " + Format(e.obscuration * 100, "#0.00", separator) + " %)",
           font * 0.8, "middle", "#ffe9a0");
  svg.Close();
}

}  // namespace

std::string DrawEclipse(const EclipsePicture& e, std::string_view separator, int width, int height) {
  const double font = FontSize(height);
  SvgWriter svg(width, height, e.title);
  svg.Rect({0, 0}, width, height, "#0b1a33", "");  // the night of a lunar eclipse; a solar one draws its own sky
  const Frame f = FrameOf(e, width, height, font);
  if (e.lunar) DrawLunar(svg, e, f, font);
  else DrawSolar(svg, e, f, font, width, height);
  svg.Open("titulo", "titulo", "");
  svg.Text({width / 2.0, 1.6 * font}, e.title, FittedSize(e.title, font * 1.1, width - 2 * font), "middle", "#ffffff", "",
           true);
  const std::string subtitle = e.lunar ? "Norte arriba, este a la izquierda"
                                       : "Tal como se ve mirando al Sol: el cénit arriba, y la izquierda y la derecha "
                                         "como en el cielo";
  svg.Text({width / 2.0, 2.9 * font}, subtitle, FittedSize(subtitle, font * 0.8, width - 2 * font, false), "middle",
           "#e8ecf4");
  svg.Close();
  DrawSliverNote(svg, e, f, font, width, height, separator);
  return svg.Finish();
}

}  // namespace orbitas::pictures
