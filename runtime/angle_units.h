#pragma once
// Units of angle for the sky of a place, the pictures and the comparison
// with the reference: the library's own pi, to a double's precision, not
// the method's 15-digit one (ephemeris/angles.h), which defines the
// method's results.
#include <numbers>

namespace orbitas {

inline constexpr double ExactPi = std::numbers::pi;
inline constexpr double DegreesPerRadian = 180.0 / ExactPi;
inline constexpr double HoursPerRadian = 12.0 / ExactPi;

}  // namespace orbitas
