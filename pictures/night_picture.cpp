#include "pictures/night_picture.h"

#include <algorithm>
#include <cmath>

#include "runtime/number_text.h"
#include "pictures/picture_style.h"
#include "pictures/svg_writer.h"
#include "pictures/text_fit.h"

namespace orbitas::pictures {
namespace {

constexpr std::string_view BandNames[] = {"día", "crepúsculo civil", "crepúsculo náutico",
                                          "crepúsculo astronómico", "noche cerrada"};

// The smallest of the chart's texts, in text heights: the axes' numbers.
constexpr double SmallestText = 0.75;

struct Frame {
  double left, top, width, height, hours;
  double X(double h) const { return left + h / hours * width; }
  double Y(double altitude) const { return top + (90 - altitude) / 90 * height; }  // 0° at the bottom
};

void DrawBands(SvgWriter& svg, const Frame& f, const std::vector<NightBand>& bands, const Palette& c) {
  svg.Open("bandas", "bandas", "La oscuridad del cielo");
  for (const NightBand& b : bands) {
    const int level = std::clamp(b.darkness, 0, 4);
    svg.Open("", "banda", std::string(BandNames[level]));
    svg.Rect({f.X(b.from), f.top}, f.X(b.to) - f.X(b.from), f.height, c.nightShades[level], "");
    svg.Close();
  }
  svg.Close();
}

void DrawAxes(SvgWriter& svg, const Frame& f, const NightPicture& night, double font, const Palette& c) {
  svg.Open("ejes", "ejes", "Altura y hora local");
  for (int altitude = 0; altitude <= 90; altitude += 15) {
    svg.Line({f.left, f.Y(altitude)}, {f.left + f.width, f.Y(altitude)}, c.altitudeLines, 0.5, "2 4");
    svg.Text({f.left - font * 0.4, f.Y(altitude) + font * 0.35}, std::to_string(altitude) + "°", font * 0.75, "end",
             c.ink);
  }
  svg.Line({f.left, f.Y(night.limit)}, {f.left + f.width, f.Y(night.limit)}, c.altitudeLimit, 1, "6 3");
  // Every hour's tick; its time under every one, or every second or
  // third when the times would touch.
  double widest = 0;
  for (const auto& [at, label] : night.ticks) widest = std::max(widest, TextWidth(label, font * 0.75));
  const double apart = night.ticks.size() > 1 ? f.X(night.ticks[1].first) - f.X(night.ticks[0].first) : f.width;
  const std::size_t every = apart > 0 ? static_cast<std::size_t>(std::ceil(widest * 1.3 / apart)) : 1;
  for (std::size_t k = 0; k < night.ticks.size(); ++k) {
    const auto& [at, label] = night.ticks[k];
    svg.Line({f.X(at), f.top + f.height}, {f.X(at), f.top + f.height + font * 0.4}, c.ink, 1);
    if (k % std::max<std::size_t>(every, 1) == 0) {
      svg.Text({f.X(at), f.top + f.height + font * 1.4}, label, font * 0.75, "middle", c.ink);
    }
  }
  svg.Rect({f.left, f.top}, f.width, f.height, "none", c.ink);
  svg.Close();
}

// The curve above the horizon, in pieces, and its visible part thicker.
void DrawAltitudes(SvgWriter& svg, const Frame& f, const NightCurve& c, const std::string& colour) {
  std::vector<Point> piece;
  auto flush = [&] {
    if (piece.size() > 1) svg.Polyline(piece, colour, 1.5, "", c.name + ": altura");
    piece.clear();
  };
  for (const auto& [h, altitude] : c.points) {
    if (altitude < 0) {
      flush();
      continue;
    }
    piece.push_back({f.X(h), f.Y(altitude)});
  }
  flush();
  if (c.visible) {
    std::vector<Point> thick;
    for (const auto& [h, altitude] : c.points) {
      if (h >= c.visible->first && h <= c.visible->second && altitude >= 0) thick.push_back({f.X(h), f.Y(altitude)});
    }
    if (thick.size() > 1) svg.Polyline(thick, colour, 5, "visible", c.name + ": visible");
  }
}

// The name where the curve is highest, kept inside the frame and off the
// names already written (labels).
void DrawName(SvgWriter& svg, const Frame& f, const NightCurve& c, double font, std::vector<Point>& labels,
              std::string_view fill) {
  const auto top = std::max_element(c.points.begin(), c.points.end(),
                                    [](const auto& a, const auto& b) { return a.second < b.second; });
  if (top == c.points.end() || top->second < 0) return;
  const double half = 0.3 * font * static_cast<double>(c.name.size());
  Point at{std::clamp(f.X(top->first), f.left + half + 2, f.left + f.width - half - 2),
           std::max(f.Y(top->second) - font * 0.6, f.top + font)};
  for (const Point& other : labels) {
    if (std::fabs(other.second - at.second) < font && std::fabs(other.first - at.first) < 2 * half + font) {
      at.second = other.second - 1.1 * font;
    }
  }
  labels.push_back(at);
  svg.Text(at, c.name, font * 0.8, "middle", fill);
}

// The minute the chart follows, a line across the plot with its time
// above it; nothing without one or outside the span.
void DrawMarkedHour(SvgWriter& svg, const Frame& f, const NightPicture& night, double font, const Palette& c) {
  if (!night.markedHour || *night.markedHour < 0 || *night.markedHour > f.hours) return;
  const double x = f.X(*night.markedHour);
  svg.Open("minuto", "minuto", night.markedLabel);
  svg.Line({x, f.top}, {x, f.top + f.height}, c.marker, 1.5);
  if (!night.markedLabel.empty()) {
    const double size = font * SmallestText;
    const double half = TextWidth(night.markedLabel, size) / 2;
    svg.Text({std::clamp(x, f.left + half, f.left + f.width - half), f.top - font * 0.3}, night.markedLabel, size,
             "middle", c.marker, "", true);
  }
  svg.Close();
}

}  // namespace

std::string DrawNight(const NightPicture& night, std::string_view separator, int width, int height,
                      const PictureStyle& style) {
  const Palette& p = *style.palette;
  const double font = FloorFont(FontSize(height), SmallestText, style);
  SvgWriter svg(width, height, night.title, p.paper);
  svg.SetSmallestText(style.smallestText);
  // Without a title (the window names the night) the plot takes its room.
  const double top = night.title.empty() ? 2.0 * font : 3.5 * font;
  const Frame f{4.0 * font, top, width - 5.5 * font, height - top - 4.0 * font, std::max(night.hours, 1.0)};
  svg.Open("titulo", "titulo", "");
  svg.Text({width / 2.0, 1.8 * font}, night.title, FittedSize(night.title, font * 1.1, width - 2 * font), "middle",
           p.ink, "", true);
  svg.Close();
  DrawBands(svg, f, night.bands, p);
  DrawAxes(svg, f, night, font, p);
  svg.Open("curvas", "curvas", "La altura de cada astro");
  std::vector<Point> labels;
  for (const NightCurve& c : night.curves) {
    const std::string colour(c.body == Body::Moon ? p.moon : BodyColour(c.body, p));
    svg.Open("", "astro", c.name);
    DrawAltitudes(svg, f, c, colour);
    if (c.best) {
      const Point at{f.X(c.best->first), f.Y(c.best->second)};
      svg.Open("", "mejor", c.name + ": mejor momento, altura " + Format(c.best->second, "#0.0", separator) + "°");
      svg.Circle(at, font * 0.45, colour, p.bodyRim, 1.5);
      svg.Close();
    }
    DrawName(svg, f, c, font, labels, p.curveNames);
    svg.Close();
  }
  svg.Close();
  DrawMarkedHour(svg, f, night, font, p);
  return svg.Finish();
}

}  // namespace orbitas::pictures
