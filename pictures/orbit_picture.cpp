#include "pictures/orbit_picture.h"

#include <algorithm>
#include <cmath>

#include "session/names.h"
#include "runtime/number_text.h"
#include "pictures/picture_style.h"
#include "pictures/svg_writer.h"

namespace orbitas::pictures {
namespace {

constexpr Body LastInnerPlanet = Body::Mars;

// One panel: a square of the picture with the Sun at its centre and `scale`
// pixels per AU.
struct Panel {
  Point centre;
  double half;   // half the side, pixels
  double scale;  // pixels per AU

  Point At(const HeliocentricPosition& p) const {
    const double longitude = std::atan2(p.y, p.x);
    return {centre.first + p.radius * std::cos(longitude) * scale,
            centre.second - p.radius * std::sin(longitude) * scale};
  }
};

// The body's orbit among the picture's.
const Orbit& OrbitOfBody(const OrbitPicture& picture, Body body) {
  return *std::find_if(picture.orbits.begin(), picture.orbits.end(), [&](const Orbit& o) { return o.body == body; });
}

// A round length for the scale bar, near a fifth of the panel: 1, 2 or 5
// times a power of ten, AU.
double ScaleLength(double panelAu) {
  const double target = panelAu / 5;
  const double power = std::pow(10.0, std::floor(std::log10(target)));
  for (const double m : {5.0, 2.0, 1.0}) {
    if (m * power <= target) return m * power;
  }
  return power;
}

std::string LengthText(double au, std::string_view separator) { return CStr(au, separator) + " UA"; }

// The vernal equinox: from the Sun to the panel's right edge.
void DrawEquinox(SvgWriter& svg, const Panel& panel, double font) {
  const Point sun = panel.centre;
  const Point edge{sun.first + panel.half * 0.97, sun.second};
  svg.Open("", "punto-vernal", "Dirección del punto vernal");
  svg.Line(sun, edge, "#999999", 1, "6 4");
  svg.Line(edge, {edge.first - 10, edge.second - 5}, "#999999", 1);
  svg.Line(edge, {edge.first - 10, edge.second + 5}, "#999999", 1);
  svg.Text({edge.first - 4, edge.second + font * 1.1}, "♈ (punto vernal)", font * 0.8, "end", "#666666");
  svg.Close();
}

// The scale bar, bottom left.
void DrawScale(SvgWriter& svg, const Panel& panel, double font, std::string_view separator) {
  const double length = ScaleLength(2 * panel.half / panel.scale);
  const Point left{panel.centre.first - panel.half + font, panel.centre.second + panel.half - font};
  const Point right{left.first + length * panel.scale, left.second};
  svg.Open("", "escala", "Escala: " + LengthText(length, separator));
  svg.Line(left, right, InkColour, 2);
  svg.Line({left.first, left.second - 5}, {left.first, left.second + 5}, InkColour, 2);
  svg.Line({right.first, right.second - 5}, {right.first, right.second + 5}, InkColour, 2);
  svg.Text({(left.first + right.first) / 2, left.second - 8}, LengthText(length, separator), font * 0.8, "middle",
           InkColour);
  svg.Close();
}

// A body at the instant, named outwards from the Sun so that neighbours'
// names part; bodies crowded round the Sun go unnamed here (the inner
// panel names them, and their <title> still does).
void DrawMarker(SvgWriter& svg, const Panel& panel, Body body, const HeliocentricPosition& position,
                std::string_view id, double font, double crowdedWithin) {
  const std::string name(SpanishName(body));
  const Point sun = panel.centre, at = panel.At(position);
  svg.Open("cuerpo-" + std::to_string(BodyNumber(body)) + "-" + std::string(id), "cuerpo", name);
  svg.Circle(at, 6, BodyColour(body), "#ffffff", 1.5);
  if (std::hypot(at.first - sun.first, at.second - sun.second) >= crowdedWithin) {
    const double dx = at.first - sun.first, dy = at.second - sun.second;
    const double length = std::max(1.0, std::hypot(dx, dy));
    const Point label{at.first + dx / length * 12, at.second + dy / length * 12 + font * 0.3};
    svg.Text(label, name, font * 0.85, dx < 0 ? "end" : "start", InkColour, "nombre", true);
  }
  svg.Close();
}

void DrawPanel(SvgWriter& svg, const OrbitPicture& picture, const Panel& panel, const std::vector<Body>& bodies,
               std::string_view id, std::string_view title, std::string_view separator, double font,
               double crowdedWithin) {
  svg.Open(id, "panel", title);
  svg.Rect({panel.centre.first - panel.half, panel.centre.second - panel.half}, 2 * panel.half, 2 * panel.half,
           "none", GridColour);
  svg.Text({panel.centre.first - panel.half, panel.centre.second - panel.half - font * 0.4}, title, font * 0.9,
           "start", InkColour, "panel-title", true);
  DrawEquinox(svg, panel, font);
  for (const Body body : bodies) {
    std::vector<Point> points;
    for (const HeliocentricPosition& p : OrbitOfBody(picture, body).points) points.push_back(panel.At(p));
    svg.Polyline(points, BodyColour(body), 1.4, "orbita",
                 "Órbita de " + NameWithArticle(body));
  }
  // Lines of sight from the Earth to each planet in this panel.
  auto shown = [&](Body body) { return std::find(bodies.begin(), bodies.end(), body) != bodies.end(); };
  if (picture.earth) {
    for (const auto& [body, position] : picture.planets) {
      if (!shown(body)) continue;
      svg.Open("", "visual", "Visual de la Tierra a " + std::string(SpanishName(body)));
      svg.Line(panel.At(*picture.earth), panel.At(position), BodyColour(body), 1.2, "4 3");
      svg.Close();
    }
  }
  svg.Open("", "cuerpo sol", "Sol");
  svg.Circle(panel.centre, 9, SunColour, "#8a6a00", 1);
  svg.Close();
  if (picture.earth) DrawMarker(svg, panel, Body::Earth, *picture.earth, id, font, crowdedWithin);
  for (const auto& [body, position] : picture.planets) {
    if (shown(body)) DrawMarker(svg, panel, body, position, id, font, crowdedWithin);
  }
  DrawScale(svg, panel, font, separator);
  svg.Close();
}

}  // namespace

std::string DrawOrbits(const OrbitPicture& picture, std::string_view separator, int width, int height) {
  const double font = FontSize(height);
  SvgWriter svg(width, height, picture.title);
  svg.Text({font, font * 1.6}, picture.heading, font * 1.2, "start", InkColour, "titulo", true);
  svg.Text({font, font * 3.0}, picture.subtitle, font, "start", InkColour, "fecha");

  std::vector<Body> all{Body::Earth}, inner{Body::Earth};
  for (const Body body : picture.bodies) {
    all.push_back(body);
    if (body <= LastInnerPlanet) inner.push_back(body);
  }
  double reach = 0, innerReach = 0;
  for (const Body body : all) reach = std::max(reach, OrbitOfBody(picture, body).aphelion);
  for (const Body body : inner) innerReach = std::max(innerReach, OrbitOfBody(picture, body).aphelion);
  const bool outer = inner.size() < all.size();

  const double top = font * 5.0, margin = font;
  const double available = height - top - margin;
  const double side = outer ? std::min(available, width * 0.66) : std::min(available, width - 2 * margin);
  const Panel whole{{margin + side / 2, top + side / 2}, side / 2, side / 2 * 0.9 / reach};
  // With an inner panel, the bodies within Mars's reach in the whole
  // system's panel are too close to name.
  const double crowded = outer ? innerReach * whole.scale + font : 0;
  DrawPanel(svg, picture, whole, all, "sistema", outer ? "Sistema completo" : "Sistema interior",
            separator, font, crowded);
  if (outer) {
    const double insetSide = std::min(width - side - 3 * margin, side * 0.6);
    const Panel inset{{width - margin - insetSide / 2, top + insetSide / 2}, insetSide / 2,
                      insetSide / 2 * 0.9 / innerReach};
    DrawPanel(svg, picture, inset, inner, "interior", "Sistema interior", separator,
              font * 0.85, 0);
  }
  if (!picture.stopped.empty()) {
    svg.Text({font, height - font * 0.6}, picture.stopped, font, "start", "#b00000",
             "detenido", true);
  }
  return svg.Finish();
}

}  // namespace orbitas::pictures
