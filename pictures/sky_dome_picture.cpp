#include "pictures/sky_dome_picture.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "runtime/angle_units.h"
#include "runtime/number_text.h"
#include "pictures/picture_style.h"
#include "pictures/svg_writer.h"

namespace orbitas::pictures {
namespace {

struct Dome {
  Point centre;
  double radius;  // pixels at the horizon

  // The zenith at the centre, altitude falling linearly to the rim; east
  // on the left, as the sky is seen from below.
  Point At(double altitude, double azimuth) const {
    const double r = (90 - altitude) / 90 * radius, a = azimuth * ExactPi / 180;
    return {centre.first - r * std::sin(a), centre.second - r * std::cos(a)};
  }
};

// A dot's radius for a magnitude: brighter is larger.
double DotRadius(double magnitude, double size) {
  return std::clamp(size * (0.55 - 0.09 * magnitude), size * 0.15, size * 0.8);
}

std::string P(double x) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", x);
  return text;
}

// The Moon's disc: dark, with its lit part as the two arcs of the limb and
// the terminator (an ellipse of half-width |1 - 2k| times the radius).
void DrawMoon(SvgWriter& svg, Point at, double radius, double lit, bool waxing) {
  svg.Circle(at, radius, "#3a3a3a", InkColour, 0.8);
  const double x = at.first, top = at.second - radius, bottom = at.second + radius;
  const double terminator = std::fabs(1 - 2 * lit) * radius;
  // The limb on the lit side, then the terminator back, bulging towards
  // the lit side when more than half is lit.
  const int limbSweep = waxing ? 1 : 0;
  const int terminatorSweep = (lit > 0.5) == waxing ? 1 : 0;
  const std::string d = "M " + P(x) + " " + P(top) + " A " + P(radius) + " " + P(radius) + " 0 0 " +
                        std::to_string(limbSweep) + " " + P(x) + " " + P(bottom) + " A " + P(terminator) + " " +
                        P(radius) + " 0 0 " + std::to_string(terminatorSweep) + " " + P(x) + " " + P(top) + " Z";
  svg.Path(d, "#f2f0e6");
}

struct Box {
  double left, top, right, bottom;
  bool Overlaps(const Box& o) const { return left < o.right && o.left < right && top < o.bottom && o.top < bottom; }
};

struct Placed {
  const DomeBody* body;
  Point at;
  double radius;
};

void DrawGrid(SvgWriter& svg, const Dome& d, double font, std::string_view separator) {
  svg.Open("reticula", "reticula", "Horizonte y alturas de 30° y 60°");
  svg.Circle(d.centre, d.radius, "#0b1a33", InkColour, 1.5);
  for (const double altitude : {30.0, 60.0}) {
    svg.Circle(d.centre, (90 - altitude) / 90 * d.radius, "none", "#4a5a78", 0.8);
    const Point label = d.At(altitude, 0);
    svg.Text({label.first + font * 0.3, label.second - font * 0.2}, Format(altitude, "#0.0", separator) + "°",
             font * 0.7, "start", "#8a9ab8");
  }
  svg.Close();
}

void DrawCompass(SvgWriter& svg, const Dome& d, double font, const std::vector<std::string>& points) {
  svg.Open("rumbos", "rumbos", "Los 16 rumbos");
  for (int k = 0; k < 16; ++k) {
    const double azimuth = 22.5 * k;
    const bool main = k % 4 == 0;
    svg.Line(d.At(0, azimuth), d.At(main ? -3 : -1.5, azimuth), InkColour, main ? 1.5 : 0.8);
    const Point at = d.At(main ? -9 : -7.5, azimuth);
    svg.Text({at.first, at.second + font * 0.35}, points[static_cast<std::size_t>(k)], main ? font : font * 0.7,
             "middle", InkColour, "", main);
  }
  svg.Close();
}

void DrawEcliptic(SvgWriter& svg, const Dome& d, const std::vector<std::pair<double, double>>& ecliptic) {
  svg.Open("ecliptica", "ecliptica", "Eclíptica");
  std::vector<Point> piece;
  for (const auto& [altitude, azimuth] : ecliptic) {
    if (altitude < 0) {
      if (piece.size() > 1) svg.Polyline(piece, "#d9b54a", 1.2, "", "", "6 4");
      piece.clear();
      continue;
    }
    piece.push_back(d.At(altitude, azimuth));
  }
  if (piece.size() > 1) svg.Polyline(piece, "#d9b54a", 1.2, "", "", "6 4");
  svg.Close();
}

// Where a body's name goes: to the side nearer the centre first (so that
// it stays inside the dome), else below or above, off every dot and name
// in taken. Returns the box and adds it to taken.
Box LabelBox(const Placed& p, const Dome& d, double font, std::vector<Box>& taken) {
  const double w = 0.6 * font * static_cast<double>(p.body->name.size()), h = font * 0.9, gap = p.radius + font * 0.3;
  const bool right = p.at.first <= d.centre.first;
  const Box boxes[] = {
      right ? Box{p.at.first + gap, p.at.second - h / 2, p.at.first + gap + w, p.at.second + h / 2}
            : Box{p.at.first - gap - w, p.at.second - h / 2, p.at.first - gap, p.at.second + h / 2},
      {p.at.first - w / 2, p.at.second + gap, p.at.first + w / 2, p.at.second + gap + h},
      {p.at.first - w / 2, p.at.second - gap - h, p.at.first + w / 2, p.at.second - gap},
      right ? Box{p.at.first - gap - w, p.at.second - h / 2, p.at.first - gap, p.at.second + h / 2}
            : Box{p.at.first + gap, p.at.second - h / 2, p.at.first + gap + w, p.at.second + h / 2},
  };
  Box chosen = boxes[0];
  for (const Box& box : boxes) {
    const bool free = std::none_of(taken.begin(), taken.end(), [&](const Box& t) {
      return t.Overlaps(box) && !(t.left == p.at.first - p.radius && t.top == p.at.second - p.radius);
    });
    if (free) {
      chosen = box;
      break;
    }
  }
  taken.push_back(chosen);
  return chosen;
}

void DrawBodies(SvgWriter& svg, const Dome& d, const SkyDome& dome, double font, std::string_view separator) {
  svg.Open("astros", "astros", "El Sol, la Luna y los planetas sobre el horizonte");
  // Each dot first, so that the names can keep off all of them.
  std::vector<Placed> placed;
  for (const DomeBody& b : dome.bodies) {
    if (b.altitude < 0) continue;
    const double radius =
        b.body == Body::Sun ? font * 0.8 : b.body == Body::Moon ? font * 0.7 : DotRadius(b.magnitude, font);
    placed.push_back({&b, d.At(b.altitude, b.azimuth), radius});
  }
  std::vector<Box> taken;
  for (const Placed& p : placed) {
    taken.push_back({p.at.first - p.radius, p.at.second - p.radius, p.at.first + p.radius, p.at.second + p.radius});
  }
  for (const Placed& p : placed) {
    const DomeBody& b = *p.body;
    const std::string title = b.name + ": altura " + Format(b.altitude, "#0.0", separator) + "°, acimut " +
                              Format(b.azimuth, "#0.0", separator) + "°" +
                              (IsPlanet(b.body) ? ", magnitud " + Format(b.magnitude, "#0.0", separator) : "");
    svg.Open("", "astro", title);
    if (b.body == Body::Sun) {
      svg.Circle(p.at, p.radius, std::string(SunColour), InkColour, 1);
    } else if (b.body == Body::Moon) {
      DrawMoon(svg, p.at, p.radius, b.illuminated, b.waxing);
    } else {
      svg.Circle(p.at, p.radius, std::string(BodyColour(b.body)), "#ffffff", 0.8);
    }
    const Box chosen = LabelBox(p, d, font, taken);
    const double h = font * 0.9;
    svg.Text({(chosen.left + chosen.right) / 2, chosen.bottom - h * 0.2}, b.name, font * 0.8, "middle", "#ffffff");
    svg.Close();
  }
  svg.Close();
}

}  // namespace

std::string DrawSkyDome(const SkyDome& dome, std::string_view separator, int width, int height) {
  const double font = FontSize(height);
  SvgWriter svg(width, height, "El cielo desde " + dome.place + " el " + dome.instant);
  const Dome d{{width / 2.0, height / 2.0 + 1.2 * font}, std::min(width, height) / 2.0 - 4.2 * font};
  svg.Open("titulo", "titulo", "");
  svg.Text({width / 2.0, 1.6 * font}, "El cielo desde " + dome.place + " · " + dome.instant, font * 1.1, "middle",
           InkColour, "", true);
  svg.Close();
  DrawGrid(svg, d, font, separator);
  DrawCompass(svg, d, font, dome.compassPoints);
  DrawEcliptic(svg, d, dome.ecliptic);
  DrawBodies(svg, d, dome, font, separator);
  return svg.Finish();
}

}  // namespace orbitas::pictures
