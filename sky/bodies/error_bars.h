#pragma once
// The error an answer carries: the method's own error against the
// reference, and the reference's own bound, below which no error can be
// told. The bar given beside the method's answer is the larger of the two,
// in degrees.
#include <algorithm>
#include <cmath>
#include <optional>


namespace orbitas {

struct ErrorBars {
  std::optional<double> method;     // the method's error; none where the reference lacks the body
  std::optional<double> reference;  // the reference's own bound; none where it lacks the body

  // The bar an answer can honestly carry: the method's error, never below
  // the reference's own bound. None without the method's error.
  std::optional<double> Bar() const {
    if (!method) return std::nullopt;
    return reference ? std::max(*method, *reference) : method;
  }

  // Whether a verdict that misses its limit by margin (in the same unit)
  // may be wrong: the margin is smaller than the bar.
  bool Covers(double margin) const {
    const std::optional<double> bar = Bar();
    return bar && std::fabs(margin) < *bar;
  }
};

}  // namespace orbitas
