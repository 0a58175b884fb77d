#include "pictures/year_chart_picture.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "pictures/label_placer.h"
#include "pictures/picture_style.h"
#include "pictures/svg_writer.h"
#include "pictures/text_fit.h"

namespace orbitas::pictures {
namespace {

// The smallest of the chart's texts, in text heights: the marks' names.
constexpr double SmallestText = 0.55;

// The plot: hours 0 (noon) to 24 across, one row a night down.
struct Plot {
  double left, top, width, height;
  int rows;
  double X(double hours) const { return left + hours / 24 * width; }
  double Y(double row) const { return top + row * height / rows; }
  double RowHeight() const { return height / rows; }
};

std::string N(double x) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", x);
  return text;
}

// Day, then the Sun below sunset's altitude, -6, -12 and -18 degrees:
// lighter to darker, so that the hourglass reads in grey too.
constexpr std::string_view ShadeNames[] = {"crepúsculo civil", "crepúsculo náutico", "crepúsculo astronómico",
                                           "noche cerrada"};

// One path of rectangles, a row's span each: far smaller than a rectangle
// element a row.
void DrawSpans(SvgWriter& svg, const Plot& p, const std::vector<std::pair<int, ClockSpan>>& spans, double inset,
               std::string_view fill, double opacity = 1) {
  std::string d;
  // A little taller than a row, so that no seam shows between rows.
  const double h = p.RowHeight() * (1 - 2 * inset) + 0.4;
  for (const auto& [row, span] : spans) {
    d += "M" + N(p.X(span.first)) + " " + N(p.Y(row) + p.RowHeight() * inset) + "h" + N(p.X(span.second) - p.X(span.first)) +
         "v" + N(h) + "h" + N(p.X(span.first) - p.X(span.second)) + "z";
  }
  if (!d.empty()) svg.Path(d, fill, opacity);
}

void DrawBands(SvgWriter& svg, const Plot& p, const YearChart& c, const Palette& colours) {
  svg.Open("crepusculos", "crepusculos", "El día, los crepúsculos y la noche de cada fecha");
  svg.Rect({p.left, p.top}, p.width, p.height, colours.yearShades[0], "none");
  for (std::size_t level = 0; level < 4; ++level) {
    std::vector<std::pair<int, ClockSpan>> spans;
    for (std::size_t r = 0; r < c.rows.size(); ++r) {
      if (c.rows[r].belowSun[level]) spans.push_back({static_cast<int>(r), *c.rows[r].belowSun[level]});
    }
    svg.Open("", "banda", std::string(ShadeNames[level]));
    DrawSpans(svg, p, spans, 0, colours.yearShades[level + 1]);
    svg.Close();
  }
  std::vector<std::pair<int, ClockSpan>> moon;
  for (std::size_t r = 0; r < c.rows.size(); ++r) {
    for (const ClockSpan& s : c.rows[r].moonlit) moon.push_back({static_cast<int>(r), s});
  }
  svg.Open("luna", "luna", "Las horas de cada noche con la Luna sobre el horizonte");
  DrawSpans(svg, p, moon, 0, colours.moonHours, 0.55);
  svg.Close();
  svg.Close();
}

// Hours across (every hour, named every two) and the months down.
void DrawAxes(SvgWriter& svg, const Plot& p, const YearChart& c, double font, const Palette& colours) {
  svg.Open("ejes", "ejes", "Horas del reloj local de mediodía a mediodía; fechas de arriba abajo");
  for (int h = 0; h <= 24; ++h) {
    svg.Line({p.X(h), p.top}, {p.X(h), p.top + p.height}, colours.yearGrid, h % 6 == 0 ? 0.6 : 0.25);
    if (h % 2 == 0) {
      const std::string text = std::to_string((12 + h) % 24) + " h";
      svg.Text({p.X(h), p.top + p.height + font * 1.0}, text, font * 0.65, "middle", colours.ink);
      svg.Text({p.X(h), p.top - font * 0.35}, text, font * 0.65, "middle", colours.ink);
    }
  }
  static constexpr const char* Months[] = {"ene", "feb", "mar", "abr", "may", "jun",
                                           "jul", "ago", "sep", "oct", "nov", "dic"};
  for (std::size_t r = 0; r < c.rows.size(); ++r) {
    const int day = c.rows[r].civil.day, month = c.rows[r].civil.month;
    if (day == 1 || day == 15) {
      svg.Line({p.left, p.Y(r)}, {p.left + p.width, p.Y(r)}, colours.yearGrid, day == 1 ? 0.5 : 0.2);
    }
    if (day == 1) {
      svg.Text({p.left - font * 0.3, p.Y(r) + font * 0.7}, "1 " + std::string(Months[month - 1]), font * 0.65, "end",
               colours.ink);
    }
  }
  svg.Rect({p.left, p.top}, p.width, p.height, "none", colours.ink);
  svg.Close();
}

constexpr std::string_view Dash(std::string_view kind) {
  return kind == "salida" ? "" : kind == "paso" ? "1.5 2.5" : "6 3";
}

void DrawCurves(SvgWriter& svg, const Plot& p, const YearChart& c, double font, LabelPlacer& placer,
                const Palette& colours) {
  svg.Open("curvas", "curvas", "La salida, el paso por el meridiano y la puesta de cada planeta");
  for (const YearCurve& curve : c.curves) {
    svg.Open("", "curva", curve.name);
    const std::string colour(BodyColour(curve.body, colours));
    const std::vector<std::pair<int, double>>* longest = nullptr;
    for (const auto& piece : curve.pieces) {
      std::vector<Point> points;
      for (const auto& [row, hours] : piece) points.push_back({p.X(hours), p.Y(row + 0.5)});
      svg.Polyline(points, colour, 1.3, curve.kind, "", Dash(curve.kind));
      if (!longest || piece.size() > longest->size()) longest = &piece;
    }
    // The name where it has room, along the longest stretch.
    if (longest && longest->size() > 20) {
      const std::string name = curve.name;
      const double size = font * 0.6;
      for (std::size_t k : {longest->size() / 2, longest->size() / 3, 2 * longest->size() / 3}) {
        const auto [row, hours] = (*longest)[k];
        if (const auto box = placer.Beside({p.X(hours), p.Y(row + 0.5)}, LabelWidth(name, size), LabelHeight(size), 3)) {
          DrawLabel(svg, *box, name, size, colour);
          break;
        }
      }
    }
    svg.Close();
  }
  svg.Close();
}

// Each night's Moon as a shade from dark (new) to light (full), in a strip
// beside the plot, where the full and new moons are marked.
void DrawPhases(SvgWriter& svg, const Plot& p, const YearChart& c, double font, const Palette& colours) {
  svg.Open("fases", "fases", "La parte iluminada de la Luna cada noche, de negro (nueva) a blanco (llena)");
  const double x = p.left + p.width + font * 0.15, w = font * 0.25;
  for (std::size_t r = 0; r < c.rows.size(); ++r) {
    const std::string shade = Blend(colours.newMoonShade, colours.fullMoonShade, c.rows[r].moonIlluminated);
    svg.Rect({x, p.Y(r)}, w, p.RowHeight() + 0.4, shade, "none");
  }
  svg.Close();
}

void DrawMarks(SvgWriter& svg, const Plot& p, const YearChart& c, double font, LabelPlacer& placer,
               const Palette& colours) {
  svg.Open("marcas", "marcas", "Las fases de la Luna, los eclipses, las lluvias de estrellas y los fenómenos");
  for (const YearMark& m : c.marks) {
    svg.Open("", m.kind, m.text);
    const Point at{p.X(m.hours), p.Y(m.row + 0.5)};
    if (m.kind == "luna-llena" || m.kind == "luna-nueva") {
      svg.Circle({p.left + p.width + font * 0.8, at.second}, font * 0.28,
                 m.kind == "luna-llena" ? colours.fullMoon : colours.ink, colours.ink, 0.8);
    } else {
      svg.Circle(at, font * 0.22, colours.ink, colours.markRim, 0.6);
      if (!m.label.empty()) {
        const double size = font * 0.55;
        if (const auto box = placer.Beside(at, LabelWidth(m.label, size), LabelHeight(size), font * 0.3)) {
          DrawLabel(svg, *box, m.label, size, colours.ink);
        }
      }
    }
    svg.Close();
  }
  for (const auto& [row, text] : c.clockChanges) {
    svg.Open("", "cambio-de-hora", text);
    svg.Line({p.left - font * 0.2, p.Y(row + 0.5)}, {p.left + p.width, p.Y(row + 0.5)}, colours.clockChange, 0.5, "3 2");
    svg.Close();
  }
  svg.Close();
}

void DrawKey(SvgWriter& svg, double x, double y, double font, const Palette& colours) {
  svg.Open("clave", "clave", "Clave");
  const double size = font * 0.6, step = font * 1.05;
  for (std::size_t k = 0; k < 4; ++k) {
    svg.Rect({x, y + k * step - size * 0.8}, font * 1.2, size, colours.yearShades[k + 1], colours.ink);
    svg.Text({x + font * 1.5, y + k * step}, ShadeNames[k], size, "start", colours.ink);
  }
  y += 4 * step;
  svg.Rect({x, y - size * 0.8}, font * 1.2, size, colours.moonHours, colours.ink);
  svg.Text({x + font * 1.5, y}, "Luna sobre el horizonte", size, "start", colours.ink);
  const char* kinds[] = {"salida", "paso", "puesta"};
  for (int k = 0; k < 3; ++k) {
    y += step;
    svg.Line({x, y - size * 0.3}, {x + font * 1.2, y - size * 0.3}, colours.ink, 1.3, Dash(kinds[k]));
    svg.Text({x + font * 1.5, y}, std::string(kinds[k]) + (k == 1 ? " por el meridiano" : ""), size, "start", colours.ink);
  }
  y += step;
  svg.Circle({x + font * 0.6, y - size * 0.3}, font * 0.28, colours.fullMoon, colours.ink, 0.8);
  svg.Text({x + font * 1.5, y}, "Luna llena", size, "start", colours.ink);
  y += step;
  svg.Circle({x + font * 0.6, y - size * 0.3}, font * 0.28, colours.ink, colours.ink, 0.8);
  svg.Text({x + font * 1.5, y}, "Luna nueva", size, "start", colours.ink);
  y += step;
  svg.Line({x, y - size * 0.3}, {x + font * 1.2, y - size * 0.3}, colours.clockChange, 0.8, "3 2");
  svg.Text({x + font * 1.5, y}, "cambio de hora", size, "start", colours.ink);
  y += step;
  for (int k = 0; k < 6; ++k) {
    const std::string shade = Blend(colours.newMoonShade, colours.fullMoonShade, k / 5.0);
    svg.Rect({x + k * font * 0.2, y - size * 0.8}, font * 0.2, size, shade, "none");
  }
  svg.Text({x + font * 1.5, y}, "fase de la Luna cada noche", size, "start", colours.ink);
  svg.Close();
}

}  // namespace

std::string DrawYearChart(const YearChart& c, std::string_view, int width, int height, const PictureStyle& style) {
  const Palette& colours = *style.palette;
  const double font = FloorFont(FontSize(height) * 0.8, SmallestText, style);
  SvgWriter svg(width, height, c.title, colours.paper);
  svg.SetSmallestText(style.smallestText);
  svg.Open("titulo", "titulo", "");
  svg.Text({width / 2.0, 1.5 * font}, c.title, FittedSize(c.title, font * 1.2, width - 2 * font), "middle", colours.ink,
           "", true);
  svg.Text({width / 2.0, 2.6 * font}, c.sources, FittedSize(c.sources, font * 0.7, width - 2 * font, false), "middle",
           colours.ink);
  svg.Close();
  const double keyWidth = font * 11;
  const Plot p{font * 3.5, font * 4.2, width - font * 5.5 - keyWidth, height - font * 6.2,
               std::max<int>(1, static_cast<int>(c.rows.size()))};
  DrawBands(svg, p, c, colours);
  DrawAxes(svg, p, c, font, colours);
  LabelPlacer placer({p.left, p.top, p.left + p.width, p.top + p.height});
  DrawCurves(svg, p, c, font, placer, colours);
  DrawPhases(svg, p, c, font, colours);
  DrawMarks(svg, p, c, font, placer, colours);
  DrawKey(svg, p.left + p.width + font * 1.5, p.top + font, font, colours);
  return svg.Finish();
}

}  // namespace orbitas::pictures
