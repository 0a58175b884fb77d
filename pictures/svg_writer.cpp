#include "pictures/svg_writer.h"

#include <algorithm>
#include <cstdio>

namespace orbitas::pictures {
namespace {

constexpr double MinimumTextSize = 0.5;  // pixels

// A coordinate with two decimals and a point, as SVG wants it whatever the
// locale.
std::string N(double x) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", x);
  return text;
}

std::string Attribute(std::string_view name, std::string_view value) {
  return value.empty() ? std::string() : " " + std::string(name) + "=\"" + XmlEscaped(value) + "\"";
}

}  // namespace

std::string XmlEscaped(std::string_view text) {
  std::string out;
  for (const char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out += c;
    }
  }
  return out;
}

SvgWriter::SvgWriter(int width, int height, std::string_view title, std::string_view paper) {
  text_ = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
          std::to_string(width) + "\" height=\"" + std::to_string(height) + "\" viewBox=\"0 0 " +
          std::to_string(width) + " " + std::to_string(height) +
          "\" font-family=\"DejaVu Sans, sans-serif\" role=\"img\" lang=\"es\">\n<title>" + XmlEscaped(title) +
          "</title>\n<rect width=\"100%\" height=\"100%\" fill=\"" + XmlEscaped(paper) + "\"/>\n";
}

void SvgWriter::Open(std::string_view id, std::string_view cssClass, std::string_view title) {
  text_ += "<g" + Attribute("id", id) + Attribute("class", cssClass) + ">";
  if (!title.empty()) text_ += "<title>" + XmlEscaped(title) + "</title>";
  text_ += "\n";
  ++open_;
}

void SvgWriter::Close() {
  if (open_ == 0) return;
  text_ += "</g>\n";
  --open_;
}

void SvgWriter::Circle(Point c, double radius, std::string_view fill, std::string_view stroke, double strokeWidth) {
  text_ += "<circle cx=\"" + N(c.first) + "\" cy=\"" + N(c.second) + "\" r=\"" + N(radius) + "\"" +
           Attribute("fill", fill) + Attribute("stroke", stroke) +
           (strokeWidth > 0 ? " stroke-width=\"" + N(strokeWidth) + "\"" : "") + "/>\n";
}

void SvgWriter::Ellipse(Point c, double rx, double ry, double rotation, std::string_view fill, std::string_view stroke,
                        double strokeWidth, std::string_view dash) {
  text_ += "<ellipse cx=\"" + N(c.first) + "\" cy=\"" + N(c.second) + "\" rx=\"" + N(rx) + "\" ry=\"" + N(ry) + "\"" +
           (rotation != 0 ? " transform=\"rotate(" + N(rotation) + " " + N(c.first) + " " + N(c.second) + ")\"" : "") +
           Attribute("fill", fill) + Attribute("stroke", stroke) +
           (strokeWidth > 0 ? " stroke-width=\"" + N(strokeWidth) + "\"" : "") + Attribute("stroke-dasharray", dash) +
           "/>\n";
}

void SvgWriter::Line(Point a, Point b, std::string_view stroke, double width, std::string_view dash) {
  text_ += "<line x1=\"" + N(a.first) + "\" y1=\"" + N(a.second) + "\" x2=\"" + N(b.first) + "\" y2=\"" +
           N(b.second) + "\"" + Attribute("stroke", stroke) + " stroke-width=\"" + N(width) + "\"" +
           Attribute("stroke-dasharray", dash) + "/>\n";
}

void SvgWriter::Polyline(const std::vector<Point>& points, std::string_view stroke, double width,
                         std::string_view cssClass, std::string_view title, std::string_view dash) {
  text_ += "<polyline" + Attribute("class", cssClass) + " fill=\"none\"" + Attribute("stroke", stroke) +
           " stroke-width=\"" + N(width) + "\" stroke-linejoin=\"round\"" + Attribute("stroke-dasharray", dash) +
           " points=\"";
  for (std::size_t k = 0; k < points.size(); ++k) {
    if (k) text_ += ' ';
    text_ += N(points[k].first) + "," + N(points[k].second);
  }
  text_ += "\">";
  if (!title.empty()) text_ += "<title>" + XmlEscaped(title) + "</title>";
  text_ += "</polyline>\n";
}

void SvgWriter::Text(Point at, std::string_view text, double size, std::string_view anchor, std::string_view fill,
                     std::string_view cssClass, bool bold) {
  // A picture made very small scales its texts below nothing; a font has
  // no negative size, so the smallest one stands for them; a reader who
  // asked for a least size gets it whatever the picture's own sizing.
  size = std::max({size, MinimumTextSize, smallestText_});
  text_ += "<text x=\"" + N(at.first) + "\" y=\"" + N(at.second) + "\" font-size=\"" + N(size) + "\"" +
           Attribute("text-anchor", anchor == "start" ? "" : anchor) + Attribute("fill", fill) +
           Attribute("class", cssClass) + (bold ? " font-weight=\"bold\"" : "") + ">" + XmlEscaped(text) +
           "</text>\n";
}

void SvgWriter::Rect(Point corner, double width, double height, std::string_view fill, std::string_view stroke) {
  text_ += "<rect x=\"" + N(corner.first) + "\" y=\"" + N(corner.second) + "\" width=\"" + N(width) +
           "\" height=\"" + N(height) + "\"" + Attribute("fill", fill) + Attribute("stroke", stroke) + "/>\n";
}

void SvgWriter::Path(std::string_view d, std::string_view fill, double opacity) {
  text_ += "<path d=\"" + XmlEscaped(d) + "\"" + Attribute("fill", fill) +
           (opacity < 1 ? " fill-opacity=\"" + N(opacity) + "\"" : "") + "/>\n";
}

std::string SvgWriter::Finish() {
  while (open_ > 0) Close();
  return text_ + "</svg>\n";
}

}  // namespace orbitas::pictures
