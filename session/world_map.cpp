#include "session/world_map.h"

#include <cmath>
#include <iterator>

namespace orbitas {
namespace {

#define EXPAND(...) __VA_ARGS__
#define OUTLINE(kind, count, points) EXPAND points,
constexpr float Points[] = {
#include "session/world_outlines.inc"
};
#undef OUTLINE

struct Run {
  OutlineKind kind;
  int count;
};
#define OUTLINE(kind, count, points) {OutlineKind::kind, count},
constexpr Run Runs[] = {
#include "session/world_outlines.inc"
};
#undef OUTLINE
#undef EXPAND

}  // namespace

const std::vector<Outline>& WorldOutlines() {
  static const std::vector<Outline> outlines = [] {
    std::vector<Outline> out;
    std::size_t start = 0;
    for (const Run& r : Runs) {
      const std::size_t length = 2 * static_cast<std::size_t>(r.count);
      out.push_back({r.kind, std::span<const float>(Points + start, length)});
      start += length;
    }
    return out;
  }();
  return outlines;
}

std::pair<double, double> MapPlane::Project(double latitude, double longitude) const {
  const double dl = std::remainder(longitude - centralLongitude, 360.0);
  return {dl * std::cos(standardParallel * 3.14159265358979323846 / 180), latitude};
}

}  // namespace orbitas
