#include "pictures/eclipse_map_picture.h"

#include <algorithm>
#include <cmath>

#include "pictures/label_placer.h"
#include "pictures/svg_writer.h"
#include "runtime/number_text.h"

namespace orbitas::pictures {
namespace {

// Where the frame sits on the page, pixels.
struct Layout {
  double left, top, width, height, font;
  int pageWidth;
  Point At(const MapPoint& p) const { return {left + p.first * width, top + p.second * height}; }
};

Layout LayoutOf(const EclipseMapPicture& map, int width, int height, const PictureStyle& style) {
  const MapFrameBox b = EclipseMapFrameBox(map, width, height, style);
  return {b.left, b.top, b.width, b.height, b.font, width};
}

std::vector<Point> PixelsOf(const Layout& l, const MapPolyline& line) {
  std::vector<Point> out;
  for (const MapPoint& p : line) out.push_back(l.At(p));
  return out;
}

std::string PathData(const Layout& l, const MapPolyline& ring) {
  std::string d;
  for (std::size_t i = 0; i < ring.size(); ++i) {
    const Point p = l.At(ring[i]);
    d += (i ? " L" : "M") + Format(p.first, "0.0") + " " + Format(p.second, "0.0");
  }
  return d + " Z";
}

void DrawLines(SvgWriter& svg, const Layout& l, const std::vector<MapPolyline>& lines, std::string_view colour,
               double width, std::string_view dash = "") {
  for (const MapPolyline& line : lines) svg.Polyline(PixelsOf(l, line), colour, width, "", "", dash);
}

void DrawBase(SvgWriter& svg, const EclipseMapPicture& map, const Layout& l, const Palette& p) {
  svg.Open("mapa", "", "Costas, fronteras y cuadrícula");
  svg.Rect({l.left, l.top}, l.width, l.height, p.chartPaper, "none");
  DrawLines(svg, l, map.graticule, p.grid, 0.6);
  DrawLines(svg, l, map.borders, p.mutedInk, 0.6, "3,2");
  DrawLines(svg, l, map.coasts, p.ink, 0.9);
  svg.Close();
}

void DrawEclipse(SvgWriter& svg, const EclipseMapPicture& map, const Layout& l, const Palette& p) {
  svg.Open("franja", "", map.annular ? "La franja de la anularidad" : "La franja de la totalidad");
  for (const MapPolyline& ring : map.path) svg.Path(PathData(l, ring), p.umbra, 0.45);
  DrawLines(svg, l, map.limits, p.umbraEdge, 1.4);
  DrawLines(svg, l, map.centralLine, p.marker, 2.2);
  svg.Close();
  svg.Open("parcial", "", "Los límites del eclipse parcial y las líneas de igual magnitud");
  DrawLines(svg, l, map.partialLimits, p.penumbraEdge, 1.4);
  DrawLines(svg, l, map.riseSetLimits, p.penumbraEdge, 1.2, "2,3");
  for (const auto& [line, level] : map.magnitudes) svg.Polyline(PixelsOf(l, line), p.penumbraEdge, 0.9, "", "", "6,4");
  svg.Close();
}

// The texts, most important first, each where it has room.
void DrawLabels(SvgWriter& svg, const EclipseMapPicture& map, const Layout& l, const Palette& p) {
  LabelPlacer labels({l.left, l.top, l.left + l.width, l.top + l.height});
  const double f = l.font, small = 0.85 * f, gap = 0.3 * f;
  const auto label = [&](const MapMark& m, double size, std::string_view colour, bool bold = false) {
    if (const auto box = labels.Beside(l.At(m.at), LabelWidth(m.text, size, bold), LabelHeight(size), gap))
      DrawLabel(svg, *box, m.text, size, colour, "", bold);
  };
  const auto dot = [&](const MapPoint& at, double r, std::string_view fill) {
    const Point c = l.At(at);
    svg.Circle(c, r, fill, p.paper, 1);
    labels.Keep({c.first - r, c.second - r, c.first + r, c.second + r});
  };
  svg.Open("lugares", "", "El lugar, el máximo y las ciudades dentro de la franja");
  if (map.place) dot(map.place->at, 0.45 * f, p.bodies[3]);
  if (map.nearest) dot(map.nearest->at, 0.3 * f, p.marker);
  if (map.greatest) dot(map.greatest->at, 0.4 * f, p.marker);
  for (const MapMark& c : map.cities) dot(c.at, 0.2 * f, p.ink);
  for (const MapMark& m : map.moonOverhead) dot(m.at, 0.3 * f, p.ink);
  if (map.place) label(*map.place, f, p.ink, true);
  if (map.greatest) label(*map.greatest, small, p.marker);
  for (const MapMark& m : map.moonOverhead) label(m, small, p.ink);
  for (const MapMark& c : map.cities) label(c, small, p.ink);
  for (const MapMark& t : map.times) label(t, small, p.marker);
  for (const auto& [line, level] : map.magnitudes)
    if (!line.empty()) label({line[line.size() / 2], level}, small, p.penumbraEdge);
  svg.Close();
}

void DrawKey(SvgWriter& svg, const EclipseMapPicture& map, const Layout& l, const Palette& p, std::string_view sep) {
  const double f = l.font;
  double y = l.top + l.height + 1.6 * f;
  svg.Open("clave", "", "Escala y clave");
  // The key runs from the frame's left (or the page's, when the frame is
  // narrow) and wraps to a second row where an entry would run off the page.
  const double start = std::max(f, std::min(l.left, l.pageWidth - 60.0 * f)), end = l.pageWidth - f;
  double x = start;
  const auto room = [&](double needed) {
    if (x + needed > end && x > start) x = start, y += 1.5 * f;
  };
  if (map.scaleWidth > 0) {
    const double w = map.scaleWidth * l.width;
    svg.Line({x, y}, {x + w, y}, p.ink, 1.5);
    svg.Line({x, y - 0.3 * f}, {x, y + 0.3 * f}, p.ink, 1.5), svg.Line({x + w, y - 0.3 * f}, {x + w, y + 0.3 * f}, p.ink, 1.5);
    svg.Text({x + w / 2, y - 0.5 * f}, Format(map.scaleKilometres, "#0", sep) + " km", 0.85 * f, "middle", p.ink);
    x += w + 2 * f;
  }
  const auto entry = [&](std::string_view colour, double width, std::string_view dash, std::string_view text) {
    room(2.8 * f + TextWidth(text, 0.85 * f));
    svg.Line({x, y}, {x + 2 * f, y}, colour, width, dash);
    svg.Text({x + 2.4 * f, y + 0.3 * f}, text, 0.85 * f, "start", p.ink);
    x += 2.8 * f + TextWidth(text, 0.85 * f) + f;
  };
  if (!map.lunar) {
    room(2.8 * f + TextWidth(map.annular ? "franja anular" : "franja total", 0.85 * f));
    svg.Path("M" + Format(x, "0.0") + " " + Format(y - 0.4 * f, "0.0") + " h" + Format(2 * f, "0.0") + " v" +
                 Format(0.8 * f, "0.0") + " h-" + Format(2 * f, "0.0") + " Z",
             p.umbra, 0.45);
    const std::string_view path = map.annular ? "franja anular" : "franja total";
    svg.Text({x + 2.4 * f, y + 0.3 * f}, path, 0.85 * f, "start", p.ink);
    x += 2.8 * f + TextWidth(path, 0.85 * f) + f;
    entry(p.marker, 2.2, "", "línea central");
    entry(p.penumbraEdge, 1.4, "", "límite del parcial");
    entry(p.penumbraEdge, 0.9, "6,4", "igual magnitud");
    entry(p.penumbraEdge, 1.2, "2,3", "con el Sol en el horizonte");
  } else {
    entry(p.penumbraEdge, 1.2, "2,3", "la Luna en el horizonte en el máximo");
  }
  svg.Close();
}

}  // namespace

namespace {

// The lettering of a map width x height pixels: that of a 4:3 picture as
// wide, or higher, so that a wide map is not lettered smaller.
double MapFont(int width, int height, const PictureStyle& style) {
  return FloorFont(std::max(11.0, std::max(height, 3 * width / 4) / 55.0), 0.8, style);
}

// The title and subtitle above the map, the key below in up to two rows,
// and a margin each side: in units of the font.
constexpr double TopRoom = 2.6, BottomRoom = 4.6, SideRoom = 1;

}  // namespace

int EclipseMapFittedHeight(const EclipseMapPicture& map, int width, int mostHeight, const PictureStyle& style) {
  // Below three quarters of the width the lettering no longer follows the
  // height, so one round settles it.
  const double font = MapFont(width, std::min(mostHeight, 3 * width / 4), style);
  const double height = (TopRoom + BottomRoom) * font + (width - 2 * SideRoom * font) / map.aspect;
  return std::min(mostHeight, static_cast<int>(std::ceil(height)));
}

MapFrameBox EclipseMapFrameBox(const EclipseMapPicture& map, int width, int height, const PictureStyle& style) {
  const double font = MapFont(width, height, style);
  const double top = TopRoom * font, bottom = BottomRoom * font, side = SideRoom * font;
  const double roomW = width - 2 * side, roomH = height - top - bottom;
  double w = roomW, h = roomW / map.aspect;
  if (h > roomH) h = roomH, w = roomH * map.aspect;
  return {(width - w) / 2, top, w, h, font};
}

std::string DrawEclipseMap(const EclipseMapPicture& map, std::string_view decimalSeparator, int width, int height,
                           const PictureStyle& style) {
  const Palette& p = *style.palette;
  SvgWriter svg(width, height, map.title, p.paper);
  svg.SetSmallestText(style.smallestText);
  const Layout l = LayoutOf(map, width, height, style);
  svg.Text({width / 2.0, 1.3 * l.font}, map.title, 1.25 * l.font, "middle", p.ink, "", true);
  svg.Text({width / 2.0, 2.2 * l.font}, map.subtitle, 0.85 * l.font, "middle", p.mutedInk);
  DrawBase(svg, map, l, p);
  DrawEclipse(svg, map, l, p);
  DrawLabels(svg, map, l, p);
  svg.Rect({l.left, l.top}, l.width, l.height, "none", p.ink);
  DrawKey(svg, map, l, p, decimalSeparator);
  return svg.Finish();
}

}  // namespace orbitas::pictures
