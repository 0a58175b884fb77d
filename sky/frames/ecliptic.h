#pragma once
// The ecliptic of J2000 as the modern reference draws it: its obliquity to
// the J2000 equator (IAU 2006, 84381.406"). The method keeps its own,
// ObliquityRadians, for its own coordinates.
#include "runtime/angle_units.h"

namespace orbitas {

inline constexpr double J2000ObliquityRadians = 84381.406 / 3600 / DegreesPerRadian;

}  // namespace orbitas
