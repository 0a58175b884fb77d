#pragma once
// Real: a double whose every arithmetic operation and mathematical function
// is followed by the floating-point fault check.
//
// The processor raises its invalid-operation, division-by-zero or overflow
// flag exactly when an operation on finite operands yields a NaN or an
// infinity; underflow and inexact results still yield finite values. Every
// Real is finite (the check refuses anything else), so testing the result's
// value is the same test as reading the flags. Unlike a read of the flags,
// a test of the value depends on the result itself, so the optimiser can
// neither fold it away nor move the operation past it.
//
// Expressions of Reals evaluate in the order C++ gives them: left to right
// for operators of the same precedence, with parentheses where written.

#include <cmath>
#include <compare>

#include "runtime/runtime_error.h"

namespace orbitas {

class Real {
 public:
  constexpr Real() = default;
  // Implicit on purpose: literals and stored doubles mix freely with Reals.
  // A non-finite double raises the floating-point fault.
  Real(double v) : v_(Checked(v)) {}  // NOLINT(google-explicit-constructor)

  double value() const { return v_; }

  friend Real operator+(Real a, Real b) { return Real(a.v_ + b.v_); }
  friend Real operator-(Real a, Real b) { return Real(a.v_ - b.v_); }
  friend Real operator*(Real a, Real b) { return Real(a.v_ * b.v_); }
  friend Real operator/(Real a, Real b) { return Real(a.v_ / b.v_); }
  friend Real operator-(Real a) { return Real(-a.v_); }

  friend bool operator==(Real a, Real b) { return a.v_ == b.v_; }
  friend std::partial_ordering operator<=>(Real a, Real b) { return a.v_ <=> b.v_; }

 private:
  static double Checked(double v) {
    if (!std::isfinite(v)) RaiseFloatingPointFault();
    return v;
  }
  double v_ = 0.0;
};

// The runtime's mathematical functions on Reals. Each raises
// FloatingPointFault when its result is not finite.
// Sine, cosine and tangent of an angle in radians.
inline Real Sin(Real x) { return std::sin(x.value()); }
inline Real Cos(Real x) { return std::cos(x.value()); }
inline Real Tan(Real x) { return std::tan(x.value()); }
// Arc tangent, in radians between -pi/2 and pi/2.
inline Real Atn(Real x) { return std::atan(x.value()); }
// Square root: a negative argument is an invalid operation (the fault).
inline Real SquareRoot(Real x) { return std::sqrt(x.value()); }
// base to the power exponent, as the runtime's ^ operator: a negative base
// with a fractional exponent, or 0 to a negative power, faults.
inline Real Pow(Real base, Real exponent) { return std::pow(base.value(), exponent.value()); }
// The magnitude; never faults.
inline Real Abs(Real x) { return std::fabs(x.value()); }

}  // namespace orbitas
