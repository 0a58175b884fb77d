#include "pictures/sky_path_picture.h"

#include <algorithm>
#include <cmath>
#include <array>

#include "session/names.h"
#include "runtime/number_text.h"
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


// "Camino en el cielo de Marte, del 2020-06-01 al 2021-02-28".
std::string Title(const std::vector<SkyPath>& paths) {
  std::string names, first, last;
  for (const SkyPath& path : paths) {
    if (path.points.empty()) continue;
    names += (names.empty() ? "" : ", ") + std::string(SpanishName(path.body));
    if (first.empty() || DateOf(path.points.front().date) < first) first = DateOf(path.points.front().date);
    if (DateOf(path.points.back().date) > last) last = DateOf(path.points.back().date);
  }
  return "Camino en el cielo de " + names + ", del " + first + " al " + last;
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
    const bool inside = dec >= w.decLow && dec <= w.decHigh && at.first >= w.left && at.first <= w.left + w.width;
    if (!inside || (!piece.empty() && std::fabs(at.first - piece.back().first) > w.width / 2)) flush();
    if (inside) piece.push_back(at);
  }
  flush();
  svg.Text({w.left + font * 0.4, w.top + font * 1.2}, "- - eclíptica", font * 0.8, "start", "#666666");
  svg.Close();
}

// Dates along a path: the first, the last and a few between, except where
// a stationary point stands close by and carries its own date.
void DrawDates(SvgWriter& svg, const SkyPath& path, const std::vector<Point>& points,
               const std::vector<std::size_t>& stationary, double font) {
  const std::string name(SpanishName(path.body));
  const std::string_view colour = BodyColour(path.body);
  const std::size_t n = path.points.size();
  const std::size_t marks = std::min<std::size_t>(n, 6);
  for (std::size_t m = 0; m < marks; ++m) {
    const std::size_t k = marks == 1 ? 0 : m * (n - 1) / (marks - 1);
    const bool crowded = std::any_of(stationary.begin(), stationary.end(), [&](std::size_t s) {
      return std::hypot(points[s].first - points[k].first, points[s].second - points[k].second) < font * 2.5;
    });
    if (crowded && m != 0 && m + 1 != marks) continue;
    svg.Open("", "fecha", name + " el " + DateOf(path.points[k].date));
    svg.Circle(points[k], 3.5, colour, "#ffffff", 1);
    svg.Text({points[k].first + 6, points[k].second + font * 1.1}, DateOf(path.points[k].date), font * 0.75, "start",
             InkColour);
    svg.Close();
  }
}

// One planet's path: the whole path in row order first (for whoever reads
// the picture), drawn in pieces where it crosses the window's edge, then
// its dates, its stationary points and its name.
void DrawPath(SvgWriter& svg, const Window& w, const SkyPath& path, const std::vector<std::size_t>& stationary,
              const ReferencePath& reference, double font, std::string_view separator) {
  const std::string name(SpanishName(path.body));
  const std::string_view colour = BodyColour(path.body);
  std::vector<Point> points;
  for (const SkyPoint& p : path.points) points.push_back({w.X(p.rightAscension), w.Y(p.declination)});
  svg.Open("camino-" + std::to_string(BodyNumber(path.body)), "camino", "Camino de " + name);
  const std::string methodTitle =
      name + " según el método" +
      (reference.largestError ? ", ±" + Format(*reference.largestError, "#0.00", separator) + "°" : ", fila a fila");
  for (const auto& p : Pieces(points, w)) svg.Polyline(p, colour, 2.2, "recorrido", methodTitle);
  if (!reference.points.empty()) {
    // The reference's path, thinner and darker, named at its end.
    std::vector<Point> along;
    for (const auto& [ra, dec] : reference.points) along.push_back({w.X(ra), w.Y(dec)});
    svg.Open("", "referencia", name + " (ERFA)");
    for (const auto& p : Pieces(along, w)) svg.Polyline(p, InkColour, 0.9, "recorrido-referencia", "", "4 2");
    svg.Text({along.back().first + 6, along.back().second - font * 0.5}, name + " (ERFA)", font * 0.7, "start",
             InkColour);
    svg.Close();
  }
  DrawDates(svg, path, points, stationary, font);
  for (std::size_t m = 0; m < stationary.size(); ++m) {
    // Above and below in turn, so that the two ends of a loop keep apart.
    const std::size_t k = stationary[m];
    const std::string date = DateOf(path.points[k].date);
    svg.Open("", "estacionario", name + " estacionario el " + date);
    svg.Circle(points[k], 6, "#ffffff", colour, 2.5);
    const double dy = m % 2 == 0 ? -font * 0.9 : font * 1.6;
    svg.Text({points[k].first, points[k].second + dy}, "estacionario " + date, font * 0.8, "middle", InkColour, "",
             true);
    svg.Close();
  }
  svg.Text({points.back().first - 8, points.back().second - 8}, name, font, "end", colour, "nombre", true);
  svg.Close();
}

// The stars to PathStarMagnitude inside the window, named when bright,
// and the figures' lines with both ends inside, under everything else.
void DrawBackground(SvgWriter& svg, const Window& w, const SkyPaths& sky, double font, std::string_view separator) {
  const auto inside = [&](double ra, double dec) {
    const double x = w.X(ra);
    return dec >= w.decLow && dec <= w.decHigh && x >= w.left && x <= w.left + w.width;
  };
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
  svg.Open("estrellas", "estrellas", "Las estrellas hasta la magnitud 5");
  for (const BackgroundStar& s : sky.stars) {
    if (!inside(s.rightAscension, s.declination)) continue;
    const Point at{w.X(s.rightAscension), w.Y(s.declination)};
    const double r = std::clamp(font * (0.36 - 0.06 * s.magnitude), font * 0.06, font * 0.5);
    svg.Open("", "estrella", s.designation + ": magnitud " + Format(s.magnitude, "#0.0", separator));
    svg.Circle(at, r, "#555555");
    if (!s.name.empty() && s.magnitude < 2.5) {
      svg.Text({at.first + r + 3, at.second + font * 0.3}, s.name, font * 0.65, "start", "#555555");
    }
    svg.Close();
  }
  svg.Close();
}

}  // namespace

std::string DrawSkyPaths(const SkyPaths& sky, std::string_view separator, int width, int height) {
  const double font = FontSize(height);
  const std::string title = Title(sky.paths);
  SvgWriter svg(width, height, title);
  svg.Text({font, font * 1.6}, title, FittedSize(title, font * 1.2, width - 2 * font), "start", InkColour, "titulo", true);
  const double left = font * 4.5, top = font * 3.5, right = font * 1.5, bottom = font * 3.5;
  const Window w = WindowOf(sky, {left, top, width - left - right, height - top - bottom});
  DrawAxes(svg, w, font, height, separator);
  DrawBackground(svg, w, sky, font, separator);
  DrawEcliptic(svg, w, sky.ecliptic, font);
  for (std::size_t k = 0; k < sky.paths.size(); ++k) {
    if (!sky.paths[k].points.empty()) {
      DrawPath(svg, w, sky.paths[k], sky.stationary[k], sky.reference[k], font, separator);
    }
  }
  if (!sky.stopped.empty()) {
    svg.Text({font, top - font * 0.5}, "La tabla se detuvo: " + sky.stopped, font, "start", "#b00000", "detenido",
             true);
  }
  return svg.Finish();
}

}  // namespace orbitas::pictures
