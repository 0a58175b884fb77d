#pragma once
// The three run-time errors of the program. Any of them abandons the
// computation that raised it at once; what was written before stays written.

#include <stdexcept>
#include <string_view>

namespace orbitas {

enum class ErrorKind {
  Overflow,             // an integer operation or conversion out of its range
  SubscriptOutOfRange,  // an index outside an array's declared bounds
  FloatingPointFault,   // invalid operation, division by zero or overflow
};

// The short Spanish text shown to the user for an error kind.
std::string_view ErrorMessage(ErrorKind kind);

// A stable ASCII name of the kind, for machine-readable output
// ("overflow", "subscript", "floating-point").
std::string_view ErrorKindName(ErrorKind kind);

class RuntimeError : public std::runtime_error {
 public:
  explicit RuntimeError(ErrorKind kind);
  ErrorKind kind() const noexcept { return kind_; }

 private:
  ErrorKind kind_;
};

[[noreturn]] void RaiseOverflow();
[[noreturn]] void RaiseSubscriptOutOfRange();
[[noreturn]] void RaiseFloatingPointFault();

}  // namespace orbitas
