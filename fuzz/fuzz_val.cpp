// Val on any bytes: a finite number or the overflow error, and numbers
// written back with CStr read back within CStr's rounding.
#include <cmath>

#include "fuzz/fuzz_support.h"
#include "runtime/number_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace orbitas;
  const std::string text(reinterpret_cast<const char*>(data), size);
  double value = 0;
  try {
    value = Val(text);
  } catch (const RuntimeError& e) {
    fuzz::Require(e.kind() == ErrorKind::Overflow, "Val raised an error other than overflow");
    return 0;
  }
  fuzz::Require(std::isfinite(value), "Val returned a value that is not finite");
  const double again = Val(CStr(value));
  fuzz::Require(again == value || std::fabs(again - value) <= std::fabs(value) * 1e-14,
                "CStr(Val(text)) does not read back to the same value");
  return 0;
}
