// CStr and Format on any double, faulting bit patterns included: text that
// reads back through Val to the value within the pattern's rounding.
#include <cmath>

#include "fuzz/fuzz_support.h"
#include "runtime/number_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace orbitas;
  fuzz::Bytes bytes(data, size);
  const double x = bytes.Take<double>();
  const std::string plain = CStr(x);
  const std::string seconds = Format(x, "#0.0##");
  const std::string hour = Format(x, "#0.0#############");
  fuzz::Require(CStr(x, ",").find('.') == std::string::npos, "CStr wrote a point with a comma separator");
  if (!std::isfinite(x)) return 0;

  fuzz::Require(!plain.empty() && plain[0] != ' ', "CStr wrote a leading blank");
  fuzz::Require((plain[0] == '-') == (x < 0), "CStr's sign does not match the value");
  fuzz::Require(plain.find('.') == std::string::npos || plain.find("0E") == std::string::npos,
                "CStr left a trailing zero");
  // Within half a 15-digit step of the largest double, the 15 digits round
  // past the double range and Val rightly refuses them with overflow.
  double read = 0;
  try {
    read = Val(plain);
  } catch (const RuntimeError& e) {
    fuzz::Require(e.kind() == ErrorKind::Overflow && std::fabs(x) > 1.797693134862315e308,
                  "CStr's text does not read back");
    return 0;
  }
  // Half a unit in the 15th significant digit, and the rounding of reading
  // the text back into a double.
  const double step15 = std::pow(10.0, std::floor(std::log10(std::fabs(x))) - 14);
  fuzz::Require(std::fabs(read - x) <= 0.5 * step15 * (1 + 1e-12) + std::fabs(x) * 2.3e-16,
                "CStr is not 15 digits");

  if (std::fabs(x) < 1e15) {
    const double readSeconds = Val(seconds), readHour = Val(hour);
    fuzz::Require(std::fabs(readSeconds - x) <= 0.0005 + std::fabs(x) * 1e-15,
                  "Format #0.0## is off by more than half its last place");
    fuzz::Require(std::fabs(readHour - x) <= 0.5e-14 + std::fabs(x) * 1e-15,
                  "Format #0.0############# is off by more than half its last place");
    const std::size_t point = seconds.find('.');
    fuzz::Require(point != std::string::npos && point > (seconds[0] == '-' ? 1u : 0u),
                  "Format has no digit before the point");
    const std::size_t decimals = seconds.size() - point - 1;
    fuzz::Require(decimals >= 1 && decimals <= 3, "Format #0.0## shows other than 1 to 3 decimals");
    fuzz::Require(decimals == 1 || seconds.back() != '0', "Format kept a trailing zero");
  }
  return 0;
}
