#pragma once
// How the window asks its pictures to look: in day or night colours, and
// with no text smaller than the window's own.

namespace orbitas::planner {

struct PictureLook {
  bool night = false;        // "Modo nocturno": deep reds on black
  double smallestText = 0;   // pixels; 0: the picture's own sizes
};

}  // namespace orbitas::planner
