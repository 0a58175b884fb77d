#pragma once
// The room a name takes on a picture, in pixels: names are placed one by
// one, each where it overlaps nothing already taken (dots and names).
#include <algorithm>
#include <vector>

namespace orbitas::pictures {

struct Box {
  double left, top, right, bottom;  // pixels, y downwards
  bool Overlaps(const Box& o) const { return left < o.right && o.left < right && top < o.bottom && o.top < bottom; }
};

// Whether box overlaps nothing in taken; if so, it is taken too.
inline bool TakeIfFree(const Box& box, std::vector<Box>& taken) {
  if (std::any_of(taken.begin(), taken.end(), [&](const Box& t) { return t.Overlaps(box); })) return false;
  taken.push_back(box);
  return true;
}

}  // namespace orbitas::pictures
