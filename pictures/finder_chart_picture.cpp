#include "pictures/finder_chart_picture.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "pictures/deep_sky_marks.h"
#include "pictures/label_box.h"
#include "pictures/label_placer.h"
#include "pictures/picture_style.h"
#include "pictures/svg_writer.h"
#include "pictures/text_fit.h"
#include "runtime/angle_units.h"
#include "runtime/number_text.h"

namespace orbitas::pictures {
namespace {

// The smallest of the chart's texts, in text heights: the path's dates.
constexpr double SmallestText = 0.55;

// The chart's square on the page: chart degrees to pixels, east on the
// left and north up.
struct Frame {
  double left, top, side;  // pixels
  double half;             // chart degrees from the centre to a side
  // The chart's own text height, which sizes the stars' dots: texts grown
  // for a reader keep the field as it was.
  double mark;

  double Scale() const { return side / (2 * half); }
  Point At(const ChartPoint& p) const {
    return {left + side / 2 - p.first * Scale(), top + side / 2 - p.second * Scale()};
  }
  bool Holds(const Point& p) const {
    return p.first >= left && p.first <= left + side && p.second >= top && p.second <= top + side;
  }
};

// The part of the segment a-b inside the frame (Liang and Barsky), if any.
std::optional<std::pair<Point, Point>> Clipped(const Frame& f, Point a, Point b) {
  const double dx = b.first - a.first, dy = b.second - a.second;
  double t0 = 0, t1 = 1;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {a.first - f.left, f.left + f.side - a.first, a.second - f.top, f.top + f.side - a.second};
  for (int k = 0; k < 4; ++k) {
    if (p[k] == 0) {
      if (q[k] < 0) return std::nullopt;
      continue;
    }
    const double t = q[k] / p[k];
    if (p[k] < 0) t0 = std::max(t0, t);
    else t1 = std::min(t1, t);
  }
  if (t0 > t1) return std::nullopt;
  return std::pair{Point{a.first + t0 * dx, a.second + t0 * dy}, Point{a.first + t1 * dx, a.second + t1 * dy}};
}

// The first of the boxes inside the frame that overlaps nothing taken,
// which is then taken.
std::optional<Box> FirstFree(std::initializer_list<Box> boxes, std::vector<Box>& taken, const Frame& frame) {
  for (const Box& box : boxes) {
    if (frame.Holds({box.left, box.top}) && frame.Holds({box.right, box.bottom}) && TakeIfFree(box, taken)) return box;
  }
  return std::nullopt;
}


void DrawGrid(SvgWriter& svg, const Frame& f, const FinderChartPicture& c, double font, const Palette& p) {
  svg.Open("reticula", "reticula", "Ascensión recta y declinación (J2000)");
  for (std::size_t k = 0; k < c.chart.grid.size(); ++k) {
    const ChartGridLine& line = c.chart.grid[k];
    for (const auto& piece : line.pieces) {
      std::vector<Point> points;
      for (const ChartPoint& p : piece) points.push_back(f.At(p));
      svg.Polyline(points, p.chartGrid, 0.6);
    }
    // The label where the line meets the bottom (right ascension) or the
    // right side (declination) of the frame.
    std::optional<Point> best;
    for (const auto& piece : line.pieces)
      for (const ChartPoint& p : piece) {
        const Point at = f.At(p);
        if (!best || (line.ofRightAscension ? at.second > best->second : at.first > best->first)) best = at;
      }
    if (!best) continue;
    if (line.ofRightAscension && best->second > f.top + f.side - font) {
      svg.Text({best->first, f.top + f.side + font * 0.9}, c.gridLabels[k], font * 0.6, "middle", p.mutedInk);
    } else if (!line.ofRightAscension && best->first > f.left + f.side - font) {
      svg.Text({f.left + f.side + font * 0.2, best->second + font * 0.2}, c.gridLabels[k], font * 0.6, "start",
               p.mutedInk);
    }
  }
  svg.Close();
}

void DrawFigures(SvgWriter& svg, const Frame& f, const FinderChartPicture& c, double font, std::vector<Box>& taken,
                 const Palette& p) {
  svg.Open("figuras", "figuras", "Las figuras de las constelaciones");
  for (std::size_t k = 0; k < c.chart.figures.size(); ++k) {
    const ChartFigure& figure = c.chart.figures[k];
    svg.Open("", "figura", c.figureNames[k]);
    for (const auto& [a, b] : figure.lines)
      if (const auto part = Clipped(f, f.At(a), f.At(b))) svg.Line(part->first, part->second, p.chartFigures, 0.9);
    // The constellation's name near the middle of its figure, else at the
    // middle of one of its lines, off the stars' names.
    const double w = TextWidth(c.figureNames[k], font * 0.75), h = font * 0.8;
    std::vector<Point> places{f.At(figure.label)};
    for (const auto& [a, b] : figure.lines) places.push_back(f.At({(a.first + b.first) / 2, (a.second + b.second) / 2}));
    for (const Point& at : places) {
      const Box box{at.first - w / 2, at.second - h / 2, at.first + w / 2, at.second + h / 2};
      if (FirstFree({box}, taken, f)) {
        svg.Text({at.first, box.bottom - font * 0.15}, c.figureNames[k], font * 0.75, "middle", p.chartFigureNames, "", true);
        break;
      }
    }
    svg.Close();
  }
  svg.Close();
}

void DrawBorders(SvgWriter& svg, const Frame& f, const FinderChartPicture& c, const Palette& p) {
  svg.Open("limites", "limites", "Los límites de las constelaciones (UAI)");
  for (const auto& piece : c.chart.borders) {
    std::vector<Point> points;
    for (const ChartPoint& p : piece) points.push_back(f.At(p));
    svg.Polyline(points, p.chartBorders, 0.8, "", "", "5 3");
  }
  svg.Close();
}

// Where each star's label goes, brightest first: to its right, else to
// its left, above or below, never over another label or a dot; none
// where there is no room.
void KeepStarDots(const Frame& f, const FinderChartPicture& c, std::vector<Box>& taken) {
  for (const ChartStar& s : c.chart.stars) {
    const Point at = f.At(s.at);
    const double r = StarRadius(s.star->magnitude, f.mark, ChartStars);
    taken.push_back({at.first - r, at.second - r, at.first + r, at.second + r});
  }
}

std::vector<std::optional<Box>> PlaceStarLabels(const Frame& f, const FinderChartPicture& c, double font,
                                                std::vector<Box>& taken) {
  std::vector<std::optional<Box>> labels(c.chart.stars.size());
  const double size = font * 0.62, h = size * 1.0;
  for (std::size_t k = 0; k < c.chart.stars.size(); ++k) {
    if (c.starLabels[k].empty()) continue;
    const Point at = f.At(c.chart.stars[k].at);
    const double r = StarRadius(c.chart.stars[k].star->magnitude, f.mark, ChartStars) + font * 0.12;
    const double w = TextWidth(c.starLabels[k], size);
    // A star's own dot is in taken: the boxes start just clear of it.
    // In a cluster (the Pleiades) the name may stand a little off, on a
    // diagonal.
    labels[k] = FirstFree({Box{at.first + r, at.second - h / 2, at.first + r + w, at.second + h / 2},
                           Box{at.first - r - w, at.second - h / 2, at.first - r, at.second + h / 2},
                           Box{at.first - w / 2, at.second - r - h, at.first + w / 2, at.second - r},
                           Box{at.first - w / 2, at.second + r, at.first + w / 2, at.second + r + h},
                           Box{at.first + r + font, at.second - r - font - h, at.first + r + font + w, at.second - r - font},
                           Box{at.first + r + font, at.second + r + font, at.first + r + font + w, at.second + r + font + h}},
                          taken, f);
  }
  return labels;
}

// The deep-sky objects' marks at their size on the chart (at least
// DeepSkyLeast text heights across) and their ids beside them: the
// chart's own object's before the stars' names, the others' after.
constexpr double DeepSkyLeast = 0.6, DeepSkyNameSize = 0.66;


// The marks, each keeping its middle in taken.
DeepSkyLayout DeepSkyMarks(const Frame& f, const FinderChartPicture& c, std::vector<Box>& taken) {
  DeepSkyLayout layout;
  const double least = f.mark * DeepSkyLeast;
  for (const ChartDeepSky& d : c.chart.deepSky) {
    const double q = d.angle / DegreesPerRadian;
    const Point direction = d.object->positionAngle >= 0 ? Point{-std::sin(q), -std::cos(q)} : Point{0, 0};
    layout.marks.push_back(
        DeepSkyMarkOf(d.object->type, f.At(d.at), d.majorAxis * f.Scale(), d.minorAxis * f.Scale(), direction, least));
    taken.push_back(DeepSkyKept(layout.marks.back(), least));
  }
  layout.names.resize(layout.marks.size());
  return layout;
}

// The ids of the objects that centred (the chart's own object) or the
// others, off everything in taken, which gets them.
void NameDeepSky(const Frame& f, const FinderChartPicture& c, double font, bool centred, DeepSkyLayout& layout,
                 std::vector<Box>& taken) {
  LabelPlacer placer({f.left, f.top, f.left + f.side, f.top + f.side});
  for (const Box& box : taken) placer.Keep(box);
  for (std::size_t k = 0; k < layout.marks.size(); ++k) {
    if ((c.chart.deepSky[k].object == c.chart.object) != centred) continue;
    layout.names[k] = DeepSkyName(layout.marks[k], c.deepSkyLabels[k], font * DeepSkyNameSize, placer);
  }
  taken = placer.taken();
}

void DrawDeepSky(SvgWriter& svg, const FinderChartPicture& c, const DeepSkyLayout& layout, double font,
                 const Palette& p) {
  if (layout.marks.empty()) return;
  svg.Open("cielo-profundo", "cielo-profundo", "Los objetos de cielo profundo del campo");
  for (std::size_t k = 0; k < layout.marks.size(); ++k) {
    svg.Open("", "objeto", c.deepSkyTitles[k]);
    DrawDeepSkyMark(svg, layout.marks[k], p.chartDeepSky, 1.2);
    if (layout.names[k]) DrawLabel(svg, *layout.names[k], c.deepSkyLabels[k], font * DeepSkyNameSize, p.chartDeepSky);
    svg.Close();
  }
  svg.Close();
}

void DrawStars(SvgWriter& svg, const Frame& f, const FinderChartPicture& c, double font,
               const std::vector<std::optional<Box>>& labels, const Palette& p) {
  svg.Open("estrellas", "estrellas", "Las estrellas del campo");
  for (std::size_t k = c.chart.stars.size(); k-- > 0;) {
    const ChartStar& s = c.chart.stars[k];
    const Point at = f.At(s.at);
    const double r = StarRadius(s.star->magnitude, f.mark, ChartStars);
    svg.Open("", "estrella", c.starTitles[k]);
    // A ring of the paper keeps a dot apart from the lines under it.
    svg.Circle(at, r, p.chartStar, p.chartStarRing, std::max(0.6, r * 0.35));
    if (labels[k]) {
      const Box& box = *labels[k];
      svg.Text({box.left, box.bottom - font * 0.15}, c.starLabels[k], font * 0.62, "start", p.chartStarNames);
      // A name set off on a diagonal gets a leader to its star.
      if (box.left > at.first + r + font * 0.5) {
        svg.Line({at.first + r, at.second + (box.top < at.second ? -r : r)},
                 {box.left - font * 0.1, box.top < at.second ? box.bottom - font * 0.2 : box.top + font * 0.2},
                 p.chartLeaders, 0.5);
      }
    }
    svg.Close();
  }
  svg.Close();
}

void DrawPlanet(SvgWriter& svg, const Frame& f, const FinderChartPicture& c, double font, std::vector<Box>& taken,
                const Palette& p) {
  const FinderChart& chart = c.chart;
  const std::string colour(BodyColour(chart.body, p));
  std::vector<Point> path;
  for (const ChartPathPoint& p : chart.path) path.push_back(f.At(p.at));
  svg.Open("camino", "camino", c.pathTitle);
  svg.Polyline(path, colour, 1.6);
  for (std::size_t k = 0; k < chart.path.size(); ++k) {
    if (c.tickDates[k].empty() || !f.Holds(path[k])) continue;
    svg.Circle(path[k], font * 0.18, colour);
    // A date where it fits: a slow planet's ticks crowd, and then only
    // some carry theirs.
    const double w = TextWidth(c.tickDates[k], font * 0.55), h = font * 0.6;
    const Point at = path[k];
    if (const auto box = FirstFree({Box{at.first - w / 2, at.second - font * 0.35 - h, at.first + w / 2,
                                        at.second - font * 0.35},
                                    Box{at.first - w / 2, at.second + font * 0.35, at.first + w / 2,
                                        at.second + font * 0.35 + h}},
                                   taken, f)) {
      svg.Text({at.first, box->bottom - font * 0.1}, c.tickDates[k], font * 0.55, "middle", colour);
    }
  }
  svg.Close();
  const Point method = f.At(chart.method);
  svg.Open("metodo", "metodo", c.methodTitle);
  if (chart.methodError) svg.Circle(method, *chart.methodError * f.Scale(), "none", colour, 1.0);
  svg.Line({method.first - font * 0.5, method.second}, {method.first + font * 0.5, method.second}, colour, 1.2);
  svg.Line({method.first, method.second - font * 0.5}, {method.first, method.second + font * 0.5}, colour, 1.2);
  svg.Close();
  if (chart.reference) {
    const Point at = f.At(*chart.reference);
    svg.Open("referencia", "referencia", c.referenceTitle);
    svg.Circle(at, font * 0.32, colour, p.chartInk, 1.0);
    svg.Text({at.first, at.second + font * 1.1}, c.referenceTitle.substr(0, c.referenceTitle.find(' ')), font * 0.8,
             "middle", p.chartInk, "", true);
    svg.Close();
  }
}

// A bar of a round number of degrees, about a fifth of the field.
void DrawScale(SvgWriter& svg, const Frame& f, double font, Point at, std::string_view separator, const Palette& p) {
  const double field = 2 * f.half;
  double degrees = 1;
  for (const double d : {0.5, 1.0, 2.0, 5.0, 10.0, 20.0})
    if (d <= field / 5) degrees = d;
  const double length = degrees * f.Scale();
  svg.Open("escala", "escala", "Escala: " + Format(degrees, "#0.#", separator) + "°");
  svg.Line(at, {at.first + length, at.second}, p.chartInk, 1.5);
  svg.Line({at.first, at.second - font * 0.25}, {at.first, at.second + font * 0.25}, p.chartInk, 1.2);
  svg.Line({at.first + length, at.second - font * 0.25}, {at.first + length, at.second + font * 0.25}, p.chartInk,
           1.2);
  svg.Text({at.first + length / 2, at.second - font * 0.4}, Format(degrees, "#0.#", separator) + "°", font * 0.7, "middle",
           p.chartInk);
  svg.Close();
}

// The dots of the magnitudes 0 to 8, step pixels apart.
void DrawMagnitudeKey(SvgWriter& svg, const Frame& f, double font, Point at, double step, const Palette& p) {
  svg.Open("magnitudes", "magnitudes", "Magnitudes de las estrellas");
  double x = at.first;
  svg.Text({x, at.second + font * 0.25}, "Magnitud", font * 0.7, "start", p.chartInk);
  x += font * 4.2;
  for (int m = 0; m <= 8; ++m) {
    const double r = StarRadius(m, f.mark, ChartStars);
    svg.Circle({x, at.second}, r, p.chartInk);
    svg.Text({x, at.second + font * 1.1}, std::to_string(m), font * 0.6, "middle", p.chartInk);
    x += step;
  }
  svg.Close();
}

void DrawZenith(SvgWriter& svg, const FinderChartPicture& c, double font, Point at, const Palette& p) {
  const double q = *c.chart.zenithAngle, length = font * 2.2;
  // North up and east left: a position angle q points to (-sin q, -cos q).
  const Point tip{at.first - length * std::sin(q), at.second - length * std::cos(q)};
  svg.Open("cenit", "cenit", "Hacia el cénit; " + c.horizon);
  svg.Line(at, tip, p.chartInk, 1.4);
  const double back = std::atan2(at.second - tip.second, at.first - tip.first);
  for (const double side : {-0.45, 0.45}) {
    svg.Line(tip, {tip.first + font * 0.6 * std::cos(back + side), tip.second + font * 0.6 * std::sin(back + side)},
             p.chartInk, 1.4);
  }
  svg.Text({at.first, at.second + font * 1.2}, "cénit", font * 0.7, "middle", p.chartInk);
  svg.Close();
}

// Under the chart: the scale, the magnitudes' key, where the planet
// stands and what the cross and its circle are; above it what the stars
// leave out, and beside it the arrow to the zenith. Said on the page
// itself, so that a printed or saved chart keeps them.
// Texts grown for a reader (grown) keep the key within the chart's width
// and the place's line clear of the key's numbers.
void DrawFooter(SvgWriter& svg, const Frame& f, const FinderChartPicture& c, double font, int width, bool grown,
                std::string_view separator, const Palette& p) {
  const double below = f.top + f.side + 2.6 * font;
  DrawScale(svg, f, font, {f.left, below + font}, separator, p);
  const double step = grown ? std::min(font * 1.4, (f.side * 0.7 - font * 4.2) / 8) : font * 1.4;
  DrawMagnitudeKey(svg, f, font, {f.left + f.side * 0.3, below + font * 0.6}, step, p);
  if (!c.beyondStars.empty()) {
    svg.Text({width / 2.0, 2.65 * font}, c.beyondStars, FittedSize(c.beyondStars, font * 0.75, width - 2 * font, false),
             "middle", p.beyondStars);
  }
  if (c.chart.zenithAngle) DrawZenith(svg, c, font, {f.left + f.side + 3.5 * font, f.top + 3 * font}, p);
  const double horizonLine = below + font * (grown ? 2.45 : 2.3);
  if (!c.horizon.empty()) svg.Text({f.left + f.side, horizonLine}, c.horizon, font * 0.7, "end", p.chartInk);
  if (c.chart.object) {
    svg.Text({f.left + f.side, below + font * 3.2}, c.methodTitle, font * 0.7, "end", p.chartDeepSky);
  } else {
    svg.Text({f.left + f.side, below + font * 3.2}, "Cruz y círculo: " + c.methodTitle, font * 0.7, "end",
             BodyColour(c.chart.body, p));
  }
}

}  // namespace

std::string DrawFinderChart(const FinderChartPicture& c, std::string_view separator, int width, int height,
                            const PictureStyle& style) {
  const Palette& p = *style.palette;
  const double own = FontSize(std::min(width, height)), font = FloorFont(own, SmallestText, style);
  SvgWriter svg(width, height, c.title, p.paper);
  svg.SetSmallestText(style.smallestText);
  // Below the chart: the scale and the key, then two lines of words.
  const double side = std::min(width - 8 * font, height - 9.2 * font);
  const Frame f{(width - side) / 2 - font, 3 * font, side, c.chart.half, own};
  svg.Open("titulo", "titulo", "");
  svg.Text({width / 2.0, 1.8 * font}, c.heading, FittedSize(c.heading, font * 1.0, width - 2 * font), "middle", p.ink,
           "", true);
  svg.Close();
  svg.Rect({f.left, f.top}, f.side, f.side, p.chartPaper, p.chartInk);
  DrawGrid(svg, f, c, font, p);
  DrawBorders(svg, f, c, p);
  // The planet's name and dates are placed first (or the chart's object's
  // id), then the stars' names, then the other deep-sky objects' ids where
  // they leave room.
  std::vector<Box> taken;
  const Point planet = f.At(c.chart.reference ? *c.chart.reference : c.chart.method);
  if (!c.chart.object) {
    taken.push_back({planet.first - 2.5 * font, planet.second + 0.3 * font, planet.first + 2.5 * font,
                     planet.second + 1.4 * font});
  }
  KeepStarDots(f, c, taken);
  DeepSkyLayout deepSky = DeepSkyMarks(f, c, taken);
  NameDeepSky(f, c, font, true, deepSky, taken);
  const std::vector<std::optional<Box>> labels = PlaceStarLabels(f, c, font, taken);
  NameDeepSky(f, c, font, false, deepSky, taken);
  DrawFigures(svg, f, c, font, taken, p);
  DrawDeepSky(svg, c, deepSky, font, p);
  DrawStars(svg, f, c, font, labels, p);
  if (!c.chart.object) DrawPlanet(svg, f, c, font, taken, p);
  DrawFooter(svg, f, c, font, width, font > own, separator, p);
  return svg.Finish();
}

}  // namespace orbitas::pictures
