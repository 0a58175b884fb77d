#pragma once
// Screen readers see an SvgView's items (what its picture draws: the
// dome's bodies) as its children, each with its name and place.

namespace orbitas::planner {

// Installs, once, the accessibility factory that gives every SvgView its
// children. Interface thread; raises nothing.
void InstallSvgViewAccessibility();

}  // namespace orbitas::planner
