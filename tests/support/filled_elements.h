#pragma once
// The method's table of elements, filled, for the tests that compute
// positions.
#include "ephemeris/elements.h"

namespace orbitas::testing {

inline ElementsTable FilledElements() {
  ElementsTable elements{};
  FillElements(elements);
  return elements;
}

}  // namespace orbitas::testing
