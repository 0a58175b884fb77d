#pragma once
// Names placed one at a time, each at the first of its candidate places
// that lies within the frame and overlaps nothing taken before it (the
// dots and marks kept, and the names placed): no two names overlap and
// none runs past the frame. A name with no free place is left out; what
// it names keeps its title in the picture.
#include <functional>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "pictures/label_box.h"
#include "pictures/svg_writer.h"
#include "pictures/text_fit.h"

namespace orbitas::pictures {

class LabelPlacer {
 public:
  explicit LabelPlacer(const Box& frame) : frame_(frame) {}
  // The same, where a place must besides be one that holds accepts (the
  // dome's names stay inside its round horizon).
  LabelPlacer(const Box& frame, std::function<bool(const Box&)> holds) : frame_(frame), holds_(std::move(holds)) {}

  // Something drawn that names keep off (a dot, a mark, a fixed text).
  void Keep(const Box& box) { taken_.push_back(box); }

  // The first of candidates within the frame and free, which is then
  // taken; none when every one is out or taken.
  std::optional<Box> First(std::initializer_list<Box> candidates);

  // A name width x height pixels beside the point at: to the right, the
  // left, below and above, gap pixels off, then on the four diagonals a
  // name's height farther. Returns the box taken, or none.
  std::optional<Box> Beside(Point at, double width, double height, double gap);

  const std::vector<Box>& taken() const { return taken_; }

 private:
  Box frame_;
  std::function<bool(const Box&)> holds_;
  std::vector<Box> taken_;
};

// The box a text of size pixels takes, starting at its left: from 0.75 of
// the size above the baseline to 0.2 below, TextWidth wide (a tenth more
// in bold).
inline double LabelHeight(double size) { return 0.95 * size; }
inline double LabelWidth(std::string_view text, double size, bool bold = false) {
  return TextWidth(text, size) * (bold ? 1.1 : 1.0);
}

// Writes text in the box Beside or First gave for it (left aligned).
void DrawLabel(SvgWriter& svg, const Box& box, std::string_view text, double size, std::string_view fill,
               std::string_view cssClass = "", bool bold = false);

}  // namespace orbitas::pictures
