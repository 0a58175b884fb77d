#include "pictures/label_placer.h"

namespace orbitas::pictures {

std::optional<Box> LabelPlacer::First(std::initializer_list<Box> candidates) {
  for (const Box& box : candidates) {
    const bool inside = box.left >= frame_.left && box.right <= frame_.right && box.top >= frame_.top &&
                        box.bottom <= frame_.bottom;
    if (inside && (!holds_ || holds_(box)) && TakeIfFree(box, taken_)) return box;
  }
  return std::nullopt;
}

std::optional<Box> LabelPlacer::Beside(Point at, double width, double height, double gap) {
  const double x = at.first, y = at.second, off = gap + height;
  return First({{x + gap, y - height / 2, x + gap + width, y + height / 2},
                {x - gap - width, y - height / 2, x - gap, y + height / 2},
                {x - width / 2, y + gap, x + width / 2, y + gap + height},
                {x - width / 2, y - gap - height, x + width / 2, y - gap},
                {x + gap, y + off - height / 2, x + gap + width, y + off + height / 2},
                {x - gap - width, y + off - height / 2, x - gap, y + off + height / 2},
                {x + gap, y - off - height / 2, x + gap + width, y - off + height / 2},
                {x - gap - width, y - off - height / 2, x - gap, y - off + height / 2}});
}

void DrawLabel(SvgWriter& svg, const Box& box, std::string_view text, double size, std::string_view fill,
               std::string_view cssClass, bool bold) {
  svg.Text({box.left, box.bottom - 0.2 * size}, text, size, "start", fill, cssClass, bold);
}

}  // namespace orbitas::pictures
