#include "pictures/sky_path_picture.h"

#include <algorithm>
#include <cmath>
#include <array>

#include "session/names.h"
#include "runtime/angle_units.h"
#include "runtime/number_text.h"
#include "pictures/deep_sky_marks.h"
#include "pictures/label_placer.h"
#include "pictures/picture_style.h"
#include "pictures/svg_writer.h"
#include "pictures/text_fit.h"

namespace orbitas::pictures {
namespace {

std::string DateOf(const std::string& instant) { return instant.substr(0, instant.find('T')); }

// The plot's window: right ascension from raHigh (left) down to raLow
// (right), hours, declination from decLow to decHigh, degrees.
struct Window {
  double raLow, raHigh, decLow, decHigh;
  double left, top, width, height;  // pixels

  // x of a right ascension, brought by whole turns to the window when it
  // can be.
  double X(double ra) const {
    while (ra < raLow - 1e-9) ra += 24;
    while (ra > raHigh + 1e-9 && ra - 24 >= raLow - 1e-9) ra -= 24;
    return left + (raHigh - ra) / (raHigh - raLow) * width;
  }
  double Y(double dec) const { return top + (decHigh - dec) / (decHigh - decLow) * height; }
  // Whether a declination and its point's x fall inside the window.
  bool Holds(double dec, Point at) const {
    return dec >= decLow && dec <= decHigh && at.first >= left && at.first <= left + width;
  }
};

// A step for the ticks: the first of `choices` that gives at most `most`.
double TickStep(double span, std::initializer_list<double> choices, int most) {
  for (const double s : choices) {
    if (span / s <= most) return s;
  }
  return *(choices.end() - 1);
}

// A polyline cut where it leaves the window or jumps across it.
std::vector<std::vector<Point>> Pieces(const std::vector<Point>& points, const Window& w) {
  std::vector<std::vector<Point>> pieces(1);
  for (std::size_t k = 0; k < points.size(); ++k) {
    if (k > 0 && std::fabs(points[k].first - points[k - 1].first) > w.width / 2) pieces.emplace_back();
    pieces.back().push_back(points[k]);
  }
  return pieces;
}

// "3h", "1h30m", "23h45m": a mark of right ascension, whole turns taken
// off.
std::string HoursText(double ra) {
  const long minutes = std::lround(std::fmod(std::fmod(ra, 24) + 24, 24) * 60) % (24 * 60);
  std::string text = std::to_string(minutes / 60) + "h";
  if (minutes % 60 != 0) text += std::to_string(minutes % 60) + "m";
  return text;
}


// The window: every path's right ascensions, continued, and declinations,
// with a margin; the whole sky when the paths go more than 20 hours round.
// frame is the plot's left, top, width and height in pixels.
Window WindowOf(const SkyPaths& sky, const std::array<double, 4>& frame) {
  double raLow = 1e9, raHigh = -1e9, decLow = 1e9, decHigh = -1e9;
  for (std::size_t p = 0; p < sky.paths.size(); ++p) {
    const std::vector<double>& ra = sky.continuous[p];
    for (std::size_t k = 0; k < ra.size(); ++k) {
      // Bring each path to the first one's turn.
      double r = ra[k];
      if (raLow < 1e8) {
        while (r < (raLow + raHigh) / 2 - 12) r += 24;
        while (r > (raLow + raHigh) / 2 + 12) r -= 24;
      }
      raLow = std::min(raLow, r);
      raHigh = std::max(raHigh, r);
      decLow = std::min(decLow, sky.paths[p].points[k].declination);
      decHigh = std::max(decHigh, sky.paths[p].points[k].declination);
    }
  }
  if (raLow > raHigh) raLow = 0, raHigh = 24, decLow = -30, decHigh = 30;
  const double raMargin = std::max(0.25, (raHigh - raLow) * 0.08);
  raLow -= raMargin;
  raHigh += raMargin;
  if (raHigh - raLow > 20) {
    raLow = 0;
    raHigh = 24;
  }
  const double decMargin = std::max(2.0, (decHigh - decLow) * 0.12);
  decLow = std::max(-90.0, decLow - decMargin);
  decHigh = std::min(90.0, decHigh + decMargin);
  return Window{raLow, raHigh, decLow, decHigh, frame[0], frame[1], frame[2], frame[3]};
}

// The grid and the axes' marks: hours of right ascension, degrees of
// declination.
void DrawAxes(SvgWriter& svg, const Window& w, double font, int height, std::string_view separator) {
  svg.Open("ejes", "ejes", "Ascensión recta en horas, creciendo hacia la izquierda; declinación en grados");
  svg.Rect({w.left, w.top}, w.width, w.height, "none", "#888888");
  const double raStep = TickStep(w.raHigh - w.raLow, {0.25, 0.5, 1, 2, 3, 6}, 12);
  for (double ra = std::ceil(w.raLow / raStep) * raStep; ra <= w.raHigh + 1e-9; ra += raStep) {
    const double x = w.left + (w.raHigh - ra) / (w.raHigh - w.raLow) * w.width;
    svg.Line({x, w.top}, {x, w.top + w.height}, GridColour, 1);
    svg.Text({x, w.top + w.height + font * 1.3}, HoursText(ra), font * 0.8, "middle", InkColour, "marca-ar");
  }
  svg.Text({w.left + w.width / 2, height - font * 0.6}, "Ascensión recta (horas) ← crece hacia el este", font * 0.9,
           "middle", InkColour);
  const double decStep = TickStep(w.decHigh - w.decLow, {1, 2, 5, 10, 15, 30}, 12);
  for (double dec = std::ceil(w.decLow / decStep) * decStep; dec <= w.decHigh + 1e-9; dec += decStep) {
    const double y = w.Y(dec);
    svg.Line({w.left, y}, {w.left + w.width, y}, GridColour, 1);
    svg.Text({w.left - font * 0.4, y + font * 0.3}, CStr(dec, separator) + "°", font * 0.8, "end", InkColour,
             "marca-dec");
  }
  svg.Close();
}

constexpr std::string_view EclipticKey = "- - eclíptica";

// The ecliptic, in pieces inside the window.
void DrawEcliptic(SvgWriter& svg, const Window& w, const std::vector<std::pair<double, double>>& ecliptic,
                  double font) {
  svg.Open("ecliptica", "ecliptica", "Eclíptica");
  std::vector<Point> piece;
  auto flush = [&] {
    if (piece.size() > 1) svg.Polyline(piece, "#8a8a8a", 1.2, "", "", "8 5");
    piece.clear();
  };
  for (const auto& [ra, dec] : ecliptic) {
    const Point at{w.X(ra), w.Y(dec)};
    const bool inside = w.Holds(dec, at);
    if (!inside || (!piece.empty() && std::fabs(at.first - piece.back().first) > w.width / 2)) flush();
    if (inside) piece.push_back(at);
  }
  flush();
  svg.Text({w.left + font * 0.4, w.top + font * 1.2}, EclipticKey, font * 0.8, "start", "#666666");
  svg.Close();
}

// The rows of a path that carry a date: the first, the last and a few
// between.
std::vector<std::size_t> DateRows(std::size_t n) {
  const std::size_t marks = std::min<std::size_t>(n, 6);
  std::vector<std::size_t> rows;
  for (std::size_t m = 0; m < marks; ++m) rows.push_back(marks == 1 ? 0 : m * (n - 1) / (marks - 1));
  return rows;
}

// Where every name of the picture goes, placed before anything is drawn:
// the planets' names first, then their stationary points, their dates, the
// reference's names and the brightest stars', each off every dot and every
// name placed before it and inside the plot.
struct PathLabels {
  std::vector<Point> points;                   // the path's rows on the plot
  std::vector<Point> reference;                // the reference's path on the plot
  std::optional<Box> name, referenceName;
  std::vector<std::optional<Box>> dates;       // one a row of DateRows
  std::vector<std::optional<Box>> stationary;  // one a stationary row
};

struct Layout {
  std::vector<PathLabels> paths;               // one a path
  std::vector<std::optional<Box>> starNames;   // one a background star
  std::vector<std::optional<DeepSkyMark>> deepSky;  // one a background object: its mark, inside the plot
  std::vector<std::optional<Box>> deepSkyNames;     // the same: its id
};

constexpr double DateDot = 3.5, StationaryDot = 6;

// The names' sizes, as fractions of the picture's font.
constexpr double NameSize = 1.0, StationarySize = 0.8, DateSize = 0.75, ReferenceSize = 0.7, StarSize = 0.65;

bool StarNamed(const BackgroundStar& s) { return !s.name.empty() && s.magnitude < 2.5; }

double StarDot(double magnitude, double font) { return std::clamp(font * (0.36 - 0.06 * magnitude), font * 0.06, font * 0.5); }

// Each path's points and the reference's in pixels, with the ecliptic's
// key in the top left corner and the date and stationary dots kept clear
// of the names placed after.
Layout PathPoints(const SkyPaths& sky, const Window& w, double font, LabelPlacer& placer) {
  const double key = font * 0.8, keyBaseline = w.top + font * 1.2;
  placer.Keep({w.left + font * 0.4, keyBaseline - 0.75 * key, w.left + font * 0.4 + LabelWidth(EclipticKey, key),
               keyBaseline + 0.2 * key});
  Layout layout;
  const auto dot = [](Point at, double r) { return Box{at.first - r, at.second - r, at.first + r, at.second + r}; };
  for (std::size_t p = 0; p < sky.paths.size(); ++p) {
    PathLabels labels;
    for (const SkyPoint& point : sky.paths[p].points) labels.points.push_back({w.X(point.rightAscension), w.Y(point.declination)});
    for (const auto& [ra, dec] : sky.reference[p].points) labels.reference.push_back({w.X(ra), w.Y(dec)});
    if (!labels.points.empty()) {
      for (std::size_t k : DateRows(labels.points.size())) placer.Keep(dot(labels.points[k], DateDot));
      for (std::size_t k : sky.stationary[p]) placer.Keep(dot(labels.points[k], StationaryDot));
    }
    layout.paths.push_back(std::move(labels));
  }
  return layout;
}

// The deep-sky objects inside the plot, at their size (by the scale of
// declination, at least DeepSkyLeast text heights) with the major axis
// along its position angle, and their ids where the paths' names leave
// room.
constexpr double DeepSkyLeast = 0.5, DeepSkySize = 0.6;

void KeepDeepSky(const SkyPaths& sky, const Window& w, double font, LabelPlacer& placer, Layout& layout) {
  const double perDec = w.height / (w.decHigh - w.decLow), perRa = w.width / ((w.raHigh - w.raLow) * 15);
  for (const BackgroundDeepSky& o : sky.deepSky) {
    const Point at{w.X(o.rightAscension), w.Y(o.declination)};
    if (!w.Holds(o.declination, at)) {
      layout.deepSky.emplace_back();
      continue;
    }
    const double q = o.positionAngle / DegreesPerRadian, cosDec = std::max(std::cos(o.declination / DegreesPerRadian), 0.05);
    const Point direction = o.positionAngle >= 0 ? Point{-std::sin(q) / cosDec * perRa, -std::cos(q) * perDec} : Point{0, 0};
    layout.deepSky.push_back(DeepSkyMarkOf(o.type, at, o.majorAxis / 60 * perDec, o.minorAxis / 60 * perDec, direction,
                                           font * DeepSkyLeast));
    placer.Keep(DeepSkyKept(*layout.deepSky.back(), font * DeepSkyLeast));
  }
}

void NameDeepSky(const SkyPaths& sky, double font, LabelPlacer& placer, Layout& layout) {
  for (std::size_t k = 0; k < sky.deepSky.size(); ++k) {
    const std::optional<DeepSkyMark>& m = layout.deepSky[k];
    layout.deepSkyNames.push_back(m ? DeepSkyName(*m, sky.deepSky[k].id, font * DeepSkySize, placer) : std::nullopt);
  }
}

Layout PlaceLabels(const SkyPaths& sky, const Window& w, double font) {
  LabelPlacer placer({w.left, w.top, w.left + w.width, w.top + w.height});
  Layout layout = PathPoints(sky, w, font, placer);
  const auto beside = [&](Point at, const std::string& text, double size, bool bold, double gap) {
    return placer.Beside(at, LabelWidth(text, font * size, bold), LabelHeight(font * size), gap);
  };
  for (std::size_t p = 0; p < sky.paths.size(); ++p) {
    PathLabels& l = layout.paths[p];
    if (l.points.empty()) continue;
    l.name = beside(l.points.back(), std::string(SpanishName(sky.paths[p].body)), NameSize, true, 8);
  }
  for (std::size_t p = 0; p < sky.paths.size(); ++p) {
    for (std::size_t k : sky.stationary[p]) {
      layout.paths[p].stationary.push_back(beside(layout.paths[p].points[k],
                                                  "estacionario " + DateOf(sky.paths[p].points[k].date), StationarySize,
                                                  true, StationaryDot + 2));
    }
  }
  for (std::size_t p = 0; p < sky.paths.size(); ++p) {
    PathLabels& l = layout.paths[p];
    if (l.points.empty()) continue;
    for (std::size_t k : DateRows(l.points.size())) {
      l.dates.push_back(beside(l.points[k], DateOf(sky.paths[p].points[k].date), DateSize, false, DateDot + 2));
    }
  }
  for (std::size_t p = 0; p < sky.paths.size(); ++p) {
    PathLabels& l = layout.paths[p];
    if (l.reference.empty()) continue;
    l.referenceName = beside(l.reference.back(), std::string(SpanishName(sky.paths[p].body)) + " (ERFA)", ReferenceSize,
                             false, 6);
  }
  // The bright stars' names, where the paths' names left room, then the
  // deep-sky objects' marks and ids.
  for (const BackgroundStar& s : sky.stars) {
    const Point at{w.X(s.rightAscension), w.Y(s.declination)};
    layout.starNames.push_back(w.Holds(s.declination, at) && StarNamed(s)
                                   ? beside(at, s.name, StarSize, false, StarDot(s.magnitude, font) + 3)
                                   : std::nullopt);
  }
  KeepDeepSky(sky, w, font, placer, layout);
  NameDeepSky(sky, font, placer, layout);
  return layout;
}

// The date marks along a path, each named where its name found room.
void DrawDates(SvgWriter& svg, const SkyPath& path, const PathLabels& labels, double font) {
  const std::string name(SpanishName(path.body));
  const std::string_view colour = BodyColour(path.body);
  const std::vector<std::size_t> rows = DateRows(path.points.size());
  for (std::size_t m = 0; m < rows.size(); ++m) {
    const std::size_t k = rows[m];
    svg.Open("", "fecha", name + " el " + DateOf(path.points[k].date));
    svg.Circle(labels.points[k], DateDot, colour, "#ffffff", 1);
    if (labels.dates[m]) DrawLabel(svg, *labels.dates[m], DateOf(path.points[k].date), font * DateSize, InkColour);
    svg.Close();
  }
}

// One planet's path: the whole path in row order first (for whoever reads
// the picture), drawn in pieces where it crosses the window's edge, then
// its dates, its stationary points and its name.
void DrawPath(SvgWriter& svg, const Window& w, const SkyPath& path, const std::vector<std::size_t>& stationary,
              const ReferencePath& reference, const PathLabels& labels, double font, std::string_view separator) {
  const std::string name(SpanishName(path.body));
  const std::string_view colour = BodyColour(path.body);
  svg.Open("camino-" + std::to_string(BodyNumber(path.body)), "camino", "Camino de " + name);
  const std::string methodTitle =
      name + " según el método" +
      (reference.largestError ? ", ±" + Format(*reference.largestError, "#0.00", separator) + "°" : ", fila a fila");
  for (const auto& p : Pieces(labels.points, w)) svg.Polyline(p, colour, 2.2, "recorrido", methodTitle);
  if (!labels.reference.empty()) {
    // The reference's path, thinner and darker, named at its end.
    svg.Open("", "referencia", name + " (ERFA)");
    for (const auto& p : Pieces(labels.reference, w)) svg.Polyline(p, InkColour, 0.9, "recorrido-referencia", "", "4 2");
    if (labels.referenceName) DrawLabel(svg, *labels.referenceName, name + " (ERFA)", font * ReferenceSize, InkColour);
    svg.Close();
  }
  DrawDates(svg, path, labels, font);
  for (std::size_t m = 0; m < stationary.size(); ++m) {
    const std::size_t k = stationary[m];
    const std::string date = DateOf(path.points[k].date);
    svg.Open("", "estacionario", name + " estacionario el " + date);
    svg.Circle(labels.points[k], StationaryDot, "#ffffff", colour, 2.5);
    if (labels.stationary[m]) {
      DrawLabel(svg, *labels.stationary[m], "estacionario " + date, font * StationarySize, InkColour, "", true);
    }
    svg.Close();
  }
  if (labels.name) DrawLabel(svg, *labels.name, name, font * NameSize, colour, "nombre", true);
  svg.Close();
}

// The stars to PathStarMagnitude inside the window, named when bright,
// and the figures' lines with both ends inside, under everything else.
void DrawBackground(SvgWriter& svg, const Window& w, const SkyPaths& sky, const Layout& layout, double font,
                    std::string_view separator) {
  const auto inside = [&](double ra, double dec) { return w.Holds(dec, {w.X(ra), 0}); };
  svg.Open("figuras", "figuras", "Las figuras de las constelaciones");
  for (const BackgroundFigure& f : sky.figures) {
    std::vector<std::pair<Point, Point>> lines;
    for (const auto& [a, b] : f.lines) {
      if (!inside(a.first, a.second) || !inside(b.first, b.second)) continue;
      const Point pa{w.X(a.first), w.Y(a.second)}, pb{w.X(b.first), w.Y(b.second)};
      if (std::fabs(pa.first - pb.first) < w.width / 2) lines.emplace_back(pa, pb);
    }
    if (lines.empty()) continue;
    svg.Open("", "figura", f.name);
    for (const auto& [a, b] : lines) svg.Line(a, b, "#a9bfd9", 0.8);
    svg.Close();
  }
  svg.Close();
  if (std::any_of(layout.deepSky.begin(), layout.deepSky.end(), [](const auto& m) { return m.has_value(); })) {
    svg.Open("cielo-profundo", "cielo-profundo", "Los objetos Messier y Caldwell más brillantes");
    for (std::size_t k = 0; k < sky.deepSky.size(); ++k) {
      if (!layout.deepSky[k]) continue;
      const BackgroundDeepSky& o = sky.deepSky[k];
      svg.Open("", "objeto", DeepSkyObjectTitle(o.naming, o.magnitude, o.majorAxis, o.minorAxis, separator));
      DrawDeepSkyMark(svg, *layout.deepSky[k], DayPalette.chartDeepSky, 1);
      if (layout.deepSkyNames[k]) {
        DrawLabel(svg, *layout.deepSkyNames[k], sky.deepSky[k].id, font * DeepSkySize, DayPalette.chartDeepSky);
      }
      svg.Close();
    }
    svg.Close();
  }
  svg.Open("estrellas", "estrellas", "Las estrellas hasta la magnitud 5");
  for (std::size_t k = 0; k < sky.stars.size(); ++k) {
    const BackgroundStar& s = sky.stars[k];
    if (!inside(s.rightAscension, s.declination)) continue;
    const Point at{w.X(s.rightAscension), w.Y(s.declination)};
    svg.Open("", "estrella", s.designation + ": magnitud " + Format(s.magnitude, "#0.0", separator));
    svg.Circle(at, StarDot(s.magnitude, font), "#555555");
    if (layout.starNames[k]) DrawLabel(svg, *layout.starNames[k], s.name, font * StarSize, "#555555");
    svg.Close();
  }
  svg.Close();
}

}  // namespace

std::string DrawSkyPaths(const SkyPaths& sky, std::string_view separator, int width, int height) {
  const double font = FontSize(height);
  const std::string& title = sky.title;
  SvgWriter svg(width, height, title);
  svg.Text({font, font * 1.6}, title, FittedSize(title, font * 1.2, width - 2 * font), "start", InkColour, "titulo", true);
  const double left = font * 4.5, top = font * 3.5, right = font * 1.5, bottom = font * 3.5;
  const Window w = WindowOf(sky, {left, top, width - left - right, height - top - bottom});
  DrawAxes(svg, w, font, height, separator);
  const Layout layout = PlaceLabels(sky, w, font);
  DrawBackground(svg, w, sky, layout, font, separator);
  DrawEcliptic(svg, w, sky.ecliptic, font);
  for (std::size_t k = 0; k < sky.paths.size(); ++k) {
    if (!sky.paths[k].points.empty()) {
      DrawPath(svg, w, sky.paths[k], sky.stationary[k], sky.reference[k], layout.paths[k], font, separator);
    }
  }
  if (!sky.stopped.empty()) {
    svg.Text({font, top - font * 0.5}, sky.stopped, font, "start", "#b00000", "detenido",
             true);
  }
  return svg.Finish();
}

}  // namespace orbitas::pictures
