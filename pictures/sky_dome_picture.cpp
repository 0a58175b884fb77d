#include "pictures/sky_dome_picture.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>

#include "runtime/angle_units.h"
#include "runtime/number_text.h"
#include "pictures/deep_sky_marks.h"
#include "pictures/label_box.h"
#include "pictures/picture_style.h"
#include "pictures/label_placer.h"
#include "pictures/svg_writer.h"

namespace orbitas::pictures {
namespace {

struct Dome {
  Point centre;
  double radius;  // pixels at the horizon
  // The picture's own text height, which sizes the dots and the marks:
  // texts grown for a reader keep them as they were.
  double mark;

  // The zenith at the centre, altitude falling linearly to the rim; east
  // on the left, as the sky is seen from below.
  Point At(double altitude, double azimuth) const {
    const double r = (90 - altitude) / 90 * radius, a = azimuth * ExactPi / 180;
    return {centre.first - r * std::sin(a), centre.second - r * std::cos(a)};
  }

  // Whether all four corners of the box lie within the horizon.
  bool Inside(const auto& box) const {
    const auto in = [&](double x, double y) { return std::hypot(x - centre.first, y - centre.second) <= radius; };
    return in(box.left, box.top) && in(box.right, box.top) && in(box.left, box.bottom) && in(box.right, box.bottom);
  }
};

// A planet's dot for a magnitude: brighter is larger, and never smaller
// than the brightest stars', so that a faint planet stands out among them.
double DotRadius(double magnitude, double size) {
  return std::clamp(size * (0.55 - 0.09 * magnitude), size * 0.3, size * 0.8);
}

std::string P(double x) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", x);
  return text;
}

// The Moon's disc: dark, with its lit part as the two arcs of the limb and
// the terminator (an ellipse of half-width |1 - 2k| times the radius).
void DrawMoon(SvgWriter& svg, Point at, double radius, double lit, bool waxing, const Palette& c) {
  svg.Circle(at, radius, c.moonDark, c.ink, 0.8);
  const double x = at.first, top = at.second - radius, bottom = at.second + radius;
  const double terminator = std::fabs(1 - 2 * lit) * radius;
  // The limb on the lit side, then the terminator back, bulging towards
  // the lit side when more than half is lit.
  const int limbSweep = waxing ? 1 : 0;
  const int terminatorSweep = (lit > 0.5) == waxing ? 1 : 0;
  const std::string d = "M " + P(x) + " " + P(top) + " A " + P(radius) + " " + P(radius) + " 0 0 " +
                        std::to_string(limbSweep) + " " + P(x) + " " + P(bottom) + " A " + P(terminator) + " " +
                        P(radius) + " 0 0 " + std::to_string(terminatorSweep) + " " + P(x) + " " + P(top) + " Z";
  svg.Path(d, c.moonLit);
}

struct Placed {
  const DomeBody* body;
  Point at;
  double radius;
};

// The sky's colour by the Sun's altitude: the day's with the Sun up, the
// night's below -18 degrees, and the twilight's blend between.
std::string SkyColour(double sunAltitude, const Palette& c) {
  const double t = std::clamp((sunAltitude + 18) / (18 - 0.8333), 0.0, 1.0);
  return Blend(c.domeNightSky, c.domeDaySky, t, true);
}

// The altitude circles' labels, just east of north on each circle.
struct GridLabel {
  Box box;
  std::string text;
};
constexpr double GridLabelSize = 0.7;
std::vector<GridLabel> GridLabels(const Dome& d, double font, std::string_view separator) {
  std::vector<GridLabel> labels;
  for (const double altitude : {30.0, 60.0}) {
    const Point at = d.At(altitude, 0);
    const std::string text = Format(altitude, "#0.0", separator) + "°";
    const double size = font * GridLabelSize, left = at.first + font * 0.3, bottom = at.second - font * 0.2 + 0.2 * size;
    labels.push_back({{left, bottom - LabelHeight(size), left + LabelWidth(text, size), bottom}, text});
  }
  return labels;
}

void DrawGrid(SvgWriter& svg, const Dome& d, double font, const std::vector<GridLabel>& labels, double sunAltitude,
              const Palette& c) {
  svg.Open("reticula", "reticula", "Horizonte y alturas de 30° y 60°");
  svg.Circle(d.centre, d.radius, SkyColour(sunAltitude, c), c.ink, 1.5);
  for (const double altitude : {30.0, 60.0})
    svg.Circle(d.centre, (90 - altitude) / 90 * d.radius, "none", c.domeCircles, 0.8);
  for (const GridLabel& label : labels) DrawLabel(svg, label.box, label.text, font * GridLabelSize, c.domeCircleLabels);
  svg.Close();
}

void DrawCompass(SvgWriter& svg, const Dome& d, double font, const std::vector<std::string>& points, const Palette& c) {
  svg.Open("rumbos", "rumbos", "Los 16 rumbos");
  for (int k = 0; k < 16; ++k) {
    const double azimuth = 22.5 * k;
    const bool main = k % 4 == 0;
    svg.Line(d.At(0, azimuth), d.At(main ? -3 : -1.5, azimuth), c.ink, main ? 1.5 : 0.8);
    const Point at = d.At(main ? -9 : -7.5, azimuth);
    svg.Text({at.first, at.second + font * 0.35}, points[static_cast<std::size_t>(k)], main ? font : font * 0.7,
             "middle", c.ink, "", main);
  }
  svg.Close();
}

void DrawEcliptic(SvgWriter& svg, const Dome& d, const std::vector<std::pair<double, double>>& ecliptic, const Palette& c) {
  svg.Open("ecliptica", "ecliptica", "Eclíptica");
  std::vector<Point> piece;
  for (const auto& [altitude, azimuth] : ecliptic) {
    if (altitude < 0) {
      if (piece.size() > 1) svg.Polyline(piece, c.ecliptic, 1.2, "", "", "6 4");
      piece.clear();
      continue;
    }
    piece.push_back(d.At(altitude, azimuth));
  }
  if (piece.size() > 1) svg.Polyline(piece, c.ecliptic, 1.2, "", "", "6 4");
  svg.Close();
}

// Where a body's name goes: to the side nearer the centre first (so that
// it stays inside the dome), else below, above, on the other side, then on
// the diagonals and farther out, off every dot and name in taken (its own
// dot aside) and inside the horizon. Returns the box and adds it to taken;
// none when the sky is too crowded there (the body keeps its title).
std::optional<Box> LabelBox(const Placed& p, const Dome& d, double font, std::vector<Box>& taken) {
  const double w = 0.6 * font * static_cast<double>(p.body->name.size()), h = font * 0.9;
  const double x = p.at.first, y = p.at.second, side = p.at.first <= d.centre.first ? 1 : -1;
  std::vector<Box> boxes;
  for (const double gap : {p.radius + font * 0.3, p.radius + font * 1.2}) {
    const Box inward = side > 0 ? Box{x + gap, y - h / 2, x + gap + w, y + h / 2} : Box{x - gap - w, y - h / 2, x - gap, y + h / 2};
    const Box outward = side > 0 ? Box{x - gap - w, y - h / 2, x - gap, y + h / 2} : Box{x + gap, y - h / 2, x + gap + w, y + h / 2};
    boxes.insert(boxes.end(), {inward, {x - w / 2, y + gap, x + w / 2, y + gap + h},
                               {x - w / 2, y - gap - h, x + w / 2, y - gap}, outward,
                               {x + gap, y + gap, x + gap + w, y + gap + h}, {x - gap - w, y + gap, x - gap, y + gap + h},
                               {x + gap, y - gap - h, x + gap + w, y - gap}, {x - gap - w, y - gap - h, x - gap, y - gap}});
  }
  const Box own{x - p.radius, y - p.radius, x + p.radius, y + p.radius};
  for (const Box& box : boxes) {
    const bool free = std::none_of(taken.begin(), taken.end(), [&](const Box& t) {
      return t.Overlaps(box) && !(t.left == own.left && t.top == own.top);
    });
    if (free && d.Inside(box)) {
      taken.push_back(box);
      return box;
    }
  }
  return std::nullopt;
}

// The bodies above the horizon, each with its dot and the box its name
// takes: dots first, so that the names keep off all of them.
struct BodyLayout {
  std::vector<Placed> placed;
  std::vector<std::optional<Box>> labels;  // one a body, in the same order
  std::vector<Box> taken;   // every dot and name
};

BodyLayout PlaceBodies(const Dome& d, const SkyDome& dome, double font, const std::vector<GridLabel>& grid) {
  BodyLayout layout;
  for (const GridLabel& label : grid) layout.taken.push_back(label.box);
  for (const DomeBody& b : dome.bodies) {
    if (b.altitude < 0) continue;
    const double radius =
        b.body == Body::Sun ? d.mark * 0.8 : b.body == Body::Moon ? d.mark * 0.7 : DotRadius(b.magnitude, d.mark);
    layout.placed.push_back({&b, d.At(b.altitude, b.azimuth), radius});
  }
  for (const Placed& p : layout.placed) {
    layout.taken.push_back(
        {p.at.first - p.radius, p.at.second - p.radius, p.at.first + p.radius, p.at.second + p.radius});
  }
  for (const Placed& p : layout.placed) layout.labels.push_back(LabelBox(p, d, font, layout.taken));
  return layout;
}

void DrawBodies(SvgWriter& svg, const BodyLayout& layout, double font, double mark, std::string_view separator,
                const Palette& c) {
  svg.Open("astros", "astros", "El Sol, la Luna y los planetas sobre el horizonte");
  for (std::size_t k = 0; k < layout.placed.size(); ++k) {
    const Placed& p = layout.placed[k];
    const DomeBody& b = *p.body;
    const std::string title = b.name + ": altura " + Format(b.altitude, "#0.0", separator) + "°, acimut " +
                              Format(b.azimuth, "#0.0", separator) + "°" +
                              (IsPlanet(b.body) ? ", magnitud " + Format(b.magnitude, "#0.0", separator) : "");
    svg.Open("", "astro", title);
    if (b.body == Body::Sun) {
      svg.Circle(p.at, p.radius, c.sun, c.ink, 1);
    } else if (b.body == Body::Moon) {
      DrawMoon(svg, p.at, p.radius, b.illuminated, b.waxing, c);
    } else {
      svg.Circle(p.at, p.radius, BodyColour(b.body, c), c.bodyRim, 0.8);
    }
    if (b.marked) svg.Circle(p.at, p.radius + mark * 0.45, "none", c.chosenRing, 2);
    if (const std::optional<Box>& chosen = layout.labels[k]) {
      svg.Text({(chosen->left + chosen->right) / 2, chosen->bottom - font * 0.9 * 0.2}, b.name, font * 0.8, "middle",
               c.domeNames);
    }
    svg.Close();
  }
  svg.Close();
}

// A light tint by the colour index: blue-white hot stars, orange cool ones.
std::string_view StarColour(double colourIndex, const Palette& c) {
  if (colourIndex < 0.0) return c.stars[0];
  if (colourIndex < 0.5) return c.stars[1];
  if (colourIndex < 1.0) return c.stars[2];
  return c.stars[3];
}


void DrawFigures(SvgWriter& svg, const Dome& d, const SkyDome& dome, double font, std::vector<Box>& taken,
                 const Palette& c) {
  svg.Open("figuras", "figuras", "Las figuras de las constelaciones");
  for (const DomeFigure& f : dome.figures) {
    svg.Open("", "figura", f.name);
    for (const auto& [from, to] : f.lines)
      svg.Line(d.At(from.first, from.second), d.At(to.first, to.second), c.figures, 0.7);
    // The name centred on its place, where it stays inside the horizon.
    const Point at = d.At(f.labelAltitude, f.labelAzimuth);
    const double size = font * 0.6, w = LabelWidth(f.name, size), h = LabelHeight(size);
    const Box box{at.first - w / 2, at.second - h / 2, at.first + w / 2, at.second + h / 2};
    if (d.Inside(box) && TakeIfFree(box, taken)) DrawLabel(svg, box, f.name, size, c.figureNames);
    svg.Close();
  }
  svg.Close();
}

// Where each labelled star's name goes, to its right, if nothing taken is
// there; in the order of the stars, brightest first.
std::vector<std::optional<Box>> PlaceStarNames(const Dome& d, const SkyDome& dome, double font,
                                               std::vector<Box>& taken) {
  std::vector<std::optional<Box>> names(dome.stars.size());
  for (std::size_t k = 0; k < dome.stars.size(); ++k) {
    const DomeStar& s = dome.stars[k];
    if (!s.labelled) continue;
    const Point at = d.At(s.altitude, s.azimuth);
    const double gap = StarRadius(s.magnitude, d.mark, DomeStars) + font * 0.2, h = LabelHeight(font * 0.65);
    const double w = LabelWidth(s.name, font * 0.65);
    // To the right, else to the left, below or above; where the planets'
    // names crowd it (Regulus beside Mars and Jupiter), a little off on a
    // diagonal, with a leader; never across the horizon.
    const double off = gap + font;
    const Box boxes[] = {{at.first + gap, at.second - h / 2, at.first + gap + w, at.second + h / 2},
                         {at.first - gap - w, at.second - h / 2, at.first - gap, at.second + h / 2},
                         {at.first - w / 2, at.second + gap, at.first + w / 2, at.second + gap + h},
                         {at.first - w / 2, at.second - gap - h, at.first + w / 2, at.second - gap},
                         {at.first + off, at.second + off, at.first + off + w, at.second + off + h},
                         {at.first - off - w, at.second + off, at.first - off, at.second + off + h},
                         {at.first + off, at.second - off - h, at.first + off + w, at.second - off},
                         {at.first - off - w, at.second - off - h, at.first - off, at.second - off}};
    for (const Box& box : boxes) {
      if (d.Inside(box) && TakeIfFree(box, taken)) {
        names[k] = box;
        break;
      }
    }
  }
  return names;
}

void DrawStars(SvgWriter& svg, const Dome& d, const SkyDome& dome, double font, std::string_view separator,
               const std::vector<std::optional<Box>>& names, const Palette& c) {
  svg.Open("estrellas", "estrellas", "Las estrellas sobre el horizonte");
  // The faintest first, so that a bright star is never under a faint one.
  for (std::size_t k = dome.stars.size(); k-- > 0;) {
    const DomeStar& s = dome.stars[k];
    svg.Open("", "estrella", s.name + ": magnitud " + Format(s.magnitude, "#0.0", separator) + ", altura " +
                                 Format(s.altitude, "#0.0", separator) + "°, acimut " +
                                 Format(s.azimuth, "#0.0", separator) + "°");
    const Point at = d.At(s.altitude, s.azimuth);
    const double radius = StarRadius(s.magnitude, d.mark, DomeStars);
    svg.Circle(at, radius, StarColour(s.colourIndex, c));
    if (names[k]) {
      const Box& box = *names[k];
      DrawLabel(svg, box, s.name, font * 0.65, c.starNames);
      // A name set off on a diagonal gets a leader from its star.
      const Point near{std::clamp(at.first, box.left, box.right), std::clamp(at.second, box.top, box.bottom)};
      const double apart = std::hypot(near.first - at.first, near.second - at.second);
      if (apart > radius + font * 0.6) {
        const double ux = (near.first - at.first) / apart, uy = (near.second - at.second) / apart;
        svg.Line({at.first + ux * (radius + 1), at.second + uy * (radius + 1)}, near, c.leaders, 0.6);
      }
    }
    svg.Close();
  }
  svg.Close();
}

// A radiant's mark, in text heights: a ring with rays round it.
constexpr double RadiantRing = 0.28, RadiantReach = 0.75, RadiantNameSize = 0.65;

// Where each radiant above the horizon goes and where its name does, by
// the label placer, inside the horizon and off everything in taken (the
// marks kept first, then the names one by one); taken gets them all.
struct RadiantLayout {
  std::vector<std::pair<const DomeRadiant*, Point>> marks;
  std::vector<std::optional<Box>> names;  // one a mark
};

RadiantLayout PlaceRadiants(const Dome& d, const SkyDome& dome, double font, std::vector<Box>& taken) {
  RadiantLayout layout;
  const Box frame{d.centre.first - d.radius, d.centre.second - d.radius, d.centre.first + d.radius,
                  d.centre.second + d.radius};
  LabelPlacer placer(frame, [&d](const Box& box) { return d.Inside(box); });
  for (const Box& box : taken) placer.Keep(box);
  const double reach = d.mark * RadiantReach, size = font * RadiantNameSize;
  for (const DomeRadiant& r : dome.radiants) {
    if (r.altitude < 0) continue;
    const Point at = d.At(r.altitude, r.azimuth);
    layout.marks.push_back({&r, at});
    placer.Keep({at.first - reach, at.second - reach, at.first + reach, at.second + reach});
  }
  for (const auto& [r, at] : layout.marks) {
    layout.names.push_back(placer.Beside(at, LabelWidth(r->name, size), LabelHeight(size), reach + font * 0.15));
  }
  taken = placer.taken();
  return layout;
}

void DrawRadiants(SvgWriter& svg, const RadiantLayout& layout, double font, double mark, std::string_view separator,
                  const Palette& c) {
  if (layout.marks.empty()) return;
  svg.Open("radiantes", "radiantes", "Los radiantes de las lluvias de estrellas activas");
  for (std::size_t k = 0; k < layout.marks.size(); ++k) {
    const auto& [r, at] = layout.marks[k];
    svg.Open("", "radiante", "Radiante de las " + r->name + " (" + r->code + "): altura " +
                                 Format(r->altitude, "#0.0", separator) + "°, acimut " +
                                 Format(r->azimuth, "#0.0", separator) + "°");
    svg.Circle(at, mark * RadiantRing, "none", c.radiant, 1.2);
    for (int ray = 0; ray < 8; ++ray) {
      const double a = ray * ExactPi / 4, dx = std::cos(a), dy = std::sin(a);
      const double from = mark * (RadiantRing + 0.14), to = mark * RadiantReach;
      svg.Line({at.first + from * dx, at.second + from * dy}, {at.first + to * dx, at.second + to * dy}, c.radiant, 1);
    }
    if (layout.names[k]) DrawLabel(svg, *layout.names[k], r->name, font * RadiantNameSize, c.radiant);
    svg.Close();
  }
  svg.Close();
}

// The deep-sky objects' marks, at least DeepSkyLeast text heights across,
// and their ids, placed last: off every name, the constellations' too
// (which, one place each, would otherwise be lost to a mark).
constexpr double DeepSkyLeast = 0.55, DeepSkyNameSize = 0.6;


// The marks, each keeping its middle in taken.
DeepSkyLayout DeepSkyMarks(const Dome& d, const SkyDome& dome, std::vector<Box>& taken) {
  DeepSkyLayout layout;
  const double perDegree = d.radius / 90, least = d.mark * DeepSkyLeast;
  for (const DomeDeepSky& o : dome.deepSky) {
    const Point at = d.At(o.altitude, o.azimuth), axis = d.At(o.axisAltitude, o.axisAzimuth);
    const Point direction = o.hasAngle ? Point{axis.first - at.first, axis.second - at.second} : Point{0, 0};
    layout.marks.push_back(DeepSkyMarkOf(o.type, at, o.majorAxis / 60 * perDegree, o.minorAxis / 60 * perDegree,
                                         direction, least));
    taken.push_back(DeepSkyKept(layout.marks.back(), least));
  }
  return layout;
}

// The ids, inside the horizon and off everything in taken, which gets them.
void NameDeepSky(const Dome& d, const SkyDome& dome, double font, DeepSkyLayout& layout, std::vector<Box>& taken) {
  const Box frame{d.centre.first - d.radius, d.centre.second - d.radius, d.centre.first + d.radius,
                  d.centre.second + d.radius};
  LabelPlacer placer(frame, [&d](const Box& box) { return d.Inside(box); });
  for (const Box& box : taken) placer.Keep(box);
  for (std::size_t k = 0; k < dome.deepSky.size(); ++k) {
    layout.names.push_back(DeepSkyName(layout.marks[k], dome.deepSky[k].id, font * DeepSkyNameSize, placer));
  }
  taken = placer.taken();
}

void DrawDeepSky(SvgWriter& svg, const SkyDome& dome, const DeepSkyLayout& layout, double font,
                 std::string_view separator, const Palette& c) {
  if (dome.deepSky.empty()) return;
  svg.Open("cielo-profundo", "cielo-profundo", "Los objetos de cielo profundo sobre el horizonte");
  for (std::size_t k = 0; k < dome.deepSky.size(); ++k) {
    const DomeDeepSky& o = dome.deepSky[k];
    svg.Open("", "objeto", DeepSkyObjectTitle(o.naming, o.magnitude, o.majorAxis, o.minorAxis, separator) +
                               ", altura " + Format(o.altitude, "#0.0", separator) + "°, acimut " +
                               Format(o.azimuth, "#0.0", separator) + "°");
    DrawDeepSkyMark(svg, layout.marks[k], c.domeDeepSky, 1, o.id == dome.markedDeepSky, c.chosenRing);
    if (layout.names[k]) DrawLabel(svg, *layout.names[k], o.id, font * DeepSkyNameSize, c.domeDeepSky);
    svg.Close();
  }
  svg.Close();
}

// The smallest of the dome's texts, in text heights: the figures' names.
constexpr double SmallestText = 0.6;

// The dome's text height for a picture height pixels high in style.
double DomeFont(int height, const PictureStyle& style) { return FloorFont(FontSize(height), SmallestText, style); }

// The dome of a picture width x height pixels: under the title (when it
// has one), as large as the picture allows with room for the compass's
// names.
Dome DomeOf(int width, int height, double font, bool titled) {
  const double below = titled ? 1.2 * font : 0, margin = titled ? 4.2 * font : 2.6 * font;
  return {{width / 2.0, height / 2.0 + below}, std::min(width, height) / 2.0 - margin, FontSize(height)};
}

}  // namespace

std::optional<std::pair<double, double>> DomePointOf(double altitude, double azimuth, int width, int height,
                                                     const PictureStyle& style, bool titled) {
  if (altitude < 0) return std::nullopt;
  return DomeOf(width, height, DomeFont(height, style), titled).At(altitude, azimuth);
}

std::string DrawSkyDome(const SkyDome& dome, std::string_view separator, int width, int height,
                        const PictureStyle& style) {
  const Palette& c = *style.palette;
  const double font = DomeFont(height, style);
  SvgWriter svg(width, height, dome.title, c.paper);
  svg.SetSmallestText(style.smallestText);
  const Dome d = DomeOf(width, height, font, !dome.heading.empty());
  svg.Open("titulo", "titulo", "");
  // A long place name shrinks the title to fit the width.
  const std::string& heading = dome.heading;
  const double headingWidth = 0.6 * font * 1.1 * static_cast<double>(heading.size());
  svg.Text({width / 2.0, 1.6 * font}, heading, font * 1.1 * std::min(1.0, 0.95 * width / headingWidth), "middle",
           c.ink, "", true);
  svg.Close();
  const std::vector<GridLabel> grid = GridLabels(d, font, separator);
  DrawGrid(svg, d, font, grid, dome.sunAltitude, c);
  DrawCompass(svg, d, font, dome.compassPoints, c);
  DrawEcliptic(svg, d, dome.ecliptic, c);
  // The planets' names are placed first, then the radiants', the stars',
  // the figures' and the deep-sky objects', each off those before it, and everything is drawn under the
  // planets.
  BodyLayout layout = PlaceBodies(d, dome, font, grid);
  std::vector<Box> taken = layout.taken;
  const RadiantLayout radiants = PlaceRadiants(d, dome, font, taken);
  const std::vector<std::optional<Box>> starNames = PlaceStarNames(d, dome, font, taken);
  DrawFigures(svg, d, dome, font, taken, c);
  DeepSkyLayout deepSky = DeepSkyMarks(d, dome, taken);
  NameDeepSky(d, dome, font, deepSky, taken);
  DrawDeepSky(svg, dome, deepSky, font, separator, c);
  DrawStars(svg, d, dome, font, separator, starNames, c);
  DrawRadiants(svg, radiants, font, d.mark, separator, c);
  DrawBodies(svg, layout, font, d.mark, separator, c);
  return svg.Finish();
}

}  // namespace orbitas::pictures
