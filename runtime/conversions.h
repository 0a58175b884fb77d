#pragma once
// Rounding and integer conversions of the runtime, and 16-bit and 32-bit
// integer arithmetic that raises the overflow error instead of wrapping.

#include <cstdint>

#include "real.h"

namespace orbitas {

using Int16 = std::int16_t;
using Int32 = std::int32_t;

// Int(x): the greatest whole number not above x (rounds toward minus
// infinity), kept as a double.
inline Real Int(Real x) { return std::floor(x.value()); }

// Fix(x): x with its fraction dropped (rounds toward zero), kept as a double.
inline Real Fix(Real x) { return std::trunc(x.value()); }

// CInt(x): x rounded to the nearest integer, halves to the even neighbour,
// as a signed 16-bit integer. Raises Overflow when the rounded value lies
// outside -32768..32767.
Int16 CInt(Real x);

// CLng(x): as CInt, into a signed 32-bit integer (-2147483648..2147483647).
Int32 CLng(Real x);

// Sgn(x): -1, 0 or 1 as x is negative, zero or positive (-0 counts as zero).
Int16 Sgn(Real x);

// Checked integer arithmetic: each raises Overflow when the exact result
// does not fit the type.
Int16 Add16(Int16 a, Int16 b);
Int16 Sub16(Int16 a, Int16 b);
Int16 Mul16(Int16 a, Int16 b);
Int16 Neg16(Int16 a);
Int32 Add32(Int32 a, Int32 b);
Int32 Sub32(Int32 a, Int32 b);

}  // namespace orbitas
