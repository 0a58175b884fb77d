#include "runtime/runtime_error.h"

#include <string>

namespace orbitas {

std::string_view ErrorMessage(ErrorKind kind) {
  switch (kind) {
    case ErrorKind::Overflow:
      return "Desbordamiento";
    case ErrorKind::SubscriptOutOfRange:
      return "Subíndice fuera del intervalo";
    case ErrorKind::FloatingPointFault:
      return "Error de coma flotante";
  }
  return "Error";
}

std::string_view ErrorKindName(ErrorKind kind) {
  switch (kind) {
    case ErrorKind::Overflow:
      return "overflow";
    case ErrorKind::SubscriptOutOfRange:
      return "subscript";
    case ErrorKind::FloatingPointFault:
      return "floating-point";
  }
  return "unknown";
}

RuntimeError::RuntimeError(ErrorKind kind)
    : std::runtime_error(std::string(ErrorMessage(kind))), kind_(kind) {}

void RaiseOverflow() { throw RuntimeError(ErrorKind::Overflow); }
void RaiseSubscriptOutOfRange() { throw RuntimeError(ErrorKind::SubscriptOutOfRange); }
void RaiseFloatingPointFault() { throw RuntimeError(ErrorKind::FloatingPointFault); }

}  // namespace orbitas
