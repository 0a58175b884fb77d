#pragma once
// Rounding and integer conversions of the runtime, and 16-bit and 32-bit
// integer arithmetic that raises the overflow error instead of wrapping.

#include <cstdint>
#include <limits>

#include "runtime/real.h"

namespace orbitas {

using Int16 = std::int16_t;
using Int32 = std::int32_t;

// Int(x): the greatest whole number not above x (rounds toward minus
// infinity), kept as a double. Never raises.
inline Real Int(Real x) { return std::floor(x.value()); }

// Fix(x): x with its fraction dropped (rounds toward zero), kept as a double.
// Never raises.
inline Real Fix(Real x) { return std::trunc(x.value()); }

namespace detail {

// Rounds to the nearest whole number with halves to even (the default IEEE
// rounding mode, which the program never changes) and tests the range.
template <typename Integer>
inline Integer RoundToInteger(Real x) {
  const double rounded = std::nearbyint(x.value());
  if (rounded < static_cast<double>(std::numeric_limits<Integer>::min()) ||
      rounded > static_cast<double>(std::numeric_limits<Integer>::max())) {
    RaiseOverflow();
  }
  return static_cast<Integer>(rounded);
}

template <typename Integer>
inline Integer Narrow(long long exact) {
  if (exact < std::numeric_limits<Integer>::min() || exact > std::numeric_limits<Integer>::max()) {
    RaiseOverflow();
  }
  return static_cast<Integer>(exact);
}

}  // namespace detail

// CInt(x): x rounded to the nearest integer, halves to the even neighbour,
// as a signed 16-bit integer. Raises Overflow when the rounded value lies
// outside -32768..32767.
inline Int16 CInt(Real x) { return detail::RoundToInteger<Int16>(x); }

// CLng(x): as CInt, into a signed 32-bit integer (-2147483648..2147483647).
inline Int32 CLng(Real x) { return detail::RoundToInteger<Int32>(x); }

// Sgn(x): -1, 0 or 1 as x is negative, zero or positive (-0 counts as zero).
inline Int16 Sgn(Real x) {
  if (x > 0.0) return 1;
  if (x < 0.0) return -1;
  return 0;
}

// Checked integer arithmetic: each raises Overflow when the exact result
// does not fit the type.
inline Int16 Add16(Int16 a, Int16 b) { return detail::Narrow<Int16>(static_cast<long long>(a) + b); }
inline Int16 Sub16(Int16 a, Int16 b) { return detail::Narrow<Int16>(static_cast<long long>(a) - b); }
inline Int16 Mul16(Int16 a, Int16 b) { return detail::Narrow<Int16>(static_cast<long long>(a) * b); }
inline Int16 Neg16(Int16 a) { return detail::Narrow<Int16>(-static_cast<long long>(a)); }
inline Int32 Add32(Int32 a, Int32 b) { return detail::Narrow<Int32>(static_cast<long long>(a) + b); }
inline Int32 Sub32(Int32 a, Int32 b) { return detail::Narrow<Int32>(static_cast<long long>(a) - b); }

}  // namespace orbitas
