#include "conversions.h"

#include <limits>

namespace orbitas {
namespace {

// Rounds to the nearest whole number with halves to even: the default IEEE
// rounding mode, which the program never changes.
template <typename Integer>
Integer RoundToInteger(Real x) {
  const double rounded = std::nearbyint(x.value());
  if (rounded < static_cast<double>(std::numeric_limits<Integer>::min()) ||
      rounded > static_cast<double>(std::numeric_limits<Integer>::max())) {
    RaiseOverflow();
  }
  return static_cast<Integer>(rounded);
}

template <typename Integer>
Integer Narrow(long long exact) {
  if (exact < std::numeric_limits<Integer>::min() || exact > std::numeric_limits<Integer>::max()) {
    RaiseOverflow();
  }
  return static_cast<Integer>(exact);
}

}  // namespace

Int16 CInt(Real x) { return RoundToInteger<Int16>(x); }
Int32 CLng(Real x) { return RoundToInteger<Int32>(x); }

Int16 Sgn(Real x) {
  if (x > 0.0) return 1;
  if (x < 0.0) return -1;
  return 0;
}

Int16 Add16(Int16 a, Int16 b) { return Narrow<Int16>(static_cast<long long>(a) + b); }
Int16 Sub16(Int16 a, Int16 b) { return Narrow<Int16>(static_cast<long long>(a) - b); }
Int16 Mul16(Int16 a, Int16 b) { return Narrow<Int16>(static_cast<long long>(a) * b); }
Int16 Neg16(Int16 a) { return Narrow<Int16>(-static_cast<long long>(a)); }
Int32 Add32(Int32 a, Int32 b) { return Narrow<Int32>(static_cast<long long>(a) + b); }
Int32 Sub32(Int32 a, Int32 b) { return Narrow<Int32>(static_cast<long long>(a) - b); }

}  // namespace orbitas
