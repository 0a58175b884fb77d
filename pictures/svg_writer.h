#pragma once
// A small writer of SVG documents with meaning in their structure: groups
// with a <title> that names what they hold, so that a screen reader can
// read a picture and a script can find things in it.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace orbitas::pictures {

using Point = std::pair<double, double>;  // x, y in pixels, y downwards

class SvgWriter {
 public:
  // A document of width x height pixels on a background of paper
  // ("#rrggbb"); title is the document's own <title>.
  SvgWriter(int width, int height, std::string_view title, std::string_view paper = "#ffffff");

  // Every text written after this is at least pixels high (0, the
  // default: only the writer's own least size). Raises nothing.
  void SetSmallestText(double pixels) { smallestText_ = pixels; }

  // <g> with an optional id and class, and a <title> when title is not
  // empty; Close ends the innermost open group.
  void Open(std::string_view id, std::string_view cssClass, std::string_view title);
  void Close();

  void Circle(Point centre, double radius, std::string_view fill, std::string_view stroke = "none",
              double strokeWidth = 0);
  // An ellipse of semi-axes rx (along x before turning) and ry, turned
  // clockwise on the page by rotation degrees about its centre (an SVG
  // rotate() when rotation is not 0), stroked with an optional dash.
  void Ellipse(Point centre, double rx, double ry, double rotation, std::string_view fill, std::string_view stroke,
               double strokeWidth, std::string_view dash = "");
  void Line(Point from, Point to, std::string_view stroke, double width, std::string_view dash = "");
  // A polyline of the points in order, with an optional title and class.
  void Polyline(const std::vector<Point>& points, std::string_view stroke, double width,
                std::string_view cssClass = "", std::string_view title = "", std::string_view dash = "");
  // anchor: "start", "middle" or "end".
  void Text(Point at, std::string_view text, double size, std::string_view anchor = "start",
            std::string_view fill = "#000000", std::string_view cssClass = "", bool bold = false);
  void Rect(Point corner, double width, double height, std::string_view fill, std::string_view stroke);
  // A path of SVG path data d, filled (no stroke).
  void Path(std::string_view d, std::string_view fill, double opacity = 1);

  // The whole document; every open group is closed.
  std::string Finish();

 private:
  std::string text_;
  int open_ = 0;
  double smallestText_ = 0;
};

// text with &, <, > and " escaped for XML.
std::string XmlEscaped(std::string_view text);

}  // namespace orbitas::pictures
