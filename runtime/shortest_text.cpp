#include "runtime/shortest_text.h"

// Header-only, so that Dragonbox is compiled in and inlined here, with
// its full table of powers of ten (about 10 KB) for speed.
#define FMT_HEADER_ONLY
#define FMT_USE_FULL_CACHE_DRAGONBOX 1
#include <fmt/format.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace orbitas {
namespace {

// "00" to "99": two digits at a time.
constexpr char DigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// The eight digits of n (below 10^8), zeros in front, at p. n / 10^6 is
// formed in fixed point with 57 fraction bits, and each multiplication by
// 100 brings the next two digits above the point: no division at all
// (checked for every n below 10^8).
[[gnu::always_inline]] inline void WriteEightDigits(std::uint32_t n, char* p) {
  constexpr std::uint64_t Fraction = (std::uint64_t{1} << 57) - 1;
  std::uint64_t t = n * ((std::uint64_t{1} << 57) / 1000000 + 1);
  for (int k = 0; k < 4; ++k) {
    const auto pair = static_cast<std::size_t>(t >> 57) * 2;
    p[2 * k] = DigitPairs[pair];
    p[2 * k + 1] = DigitPairs[pair + 1];
    t = (t & Fraction) * 100;
  }
}

// The number of decimal digits of n (at least 1).
int DecimalDigits(std::uint64_t n) {
  static constexpr std::uint64_t Powers[20] = {1ULL, 10ULL, 100ULL, 1000ULL, 10000ULL, 100000ULL, 1000000ULL,
                                               10000000ULL, 100000000ULL, 1000000000ULL, 10000000000ULL,
                                               100000000000ULL, 1000000000000ULL, 10000000000000ULL,
                                               100000000000000ULL, 1000000000000000ULL,
                                               10000000000000000ULL, 100000000000000000ULL,
                                               1000000000000000000ULL, 10000000000000000000ULL};
  const int estimate = ((64 - std::countl_zero(n | 1)) * 1233) >> 12;  // log10 from log2
  const int digits = estimate + (n >= Powers[estimate] ? 1 : 0);
  return digits > 0 ? digits : 1;
}

// The decimal digits of n, in groups of eight written right-aligned to
// the end of buffer (24 bytes); returns where they start.
const char* WriteDigits(std::uint64_t n, char (&buffer)[24]) {
  char* end = buffer + sizeof buffer;
  WriteEightDigits(static_cast<std::uint32_t>(n % 100000000), end - 8);
  if (n >= 100000000) {
    const std::uint64_t rest = n / 100000000;
    WriteEightDigits(static_cast<std::uint32_t>(rest % 100000000), end - 16);
    if (rest >= 100000000) WriteEightDigits(static_cast<std::uint32_t>(rest / 100000000), end - 24);
  }
  return end - DecimalDigits(n);
}

// The digits (count of them, the last at 10^exponent) in fixed form at p,
// for x; returns the end.
char* WriteFixed(double x, char* p, const char* digits, int count, int exponent) {
  const int scientificExponent = exponent + count - 1;
  if (exponent >= 0) {
    // A whole number in fixed form shows its exact value, every digit.
    char buffer[24];
    const char* whole = WriteDigits(static_cast<std::uint64_t>(std::fabs(x)), buffer);
    const auto length = static_cast<std::size_t>(buffer + sizeof buffer - whole);
    std::memcpy(p, whole, length);
    return p + length;
  }
  if (scientificExponent >= 0) {
    const int whole = scientificExponent + 1;
    std::memcpy(p, digits, static_cast<std::size_t>(whole));
    p += whole;
    *p++ = '.';
    std::memcpy(p, digits + whole, static_cast<std::size_t>(count - whole));
    return p + (count - whole);
  }
  *p++ = '0';
  *p++ = '.';
  for (int zeros = -scientificExponent - 1; zeros > 0; --zeros) *p++ = '0';
  std::memcpy(p, digits, static_cast<std::size_t>(count));
  return p + count;
}

// The digits in scientific form at p, "1.5e+300"; returns the end.
char* WriteScientific(char* p, const char* digits, int count, int scientificExponent) {
  *p++ = digits[0];
  if (count > 1) {
    *p++ = '.';
    std::memcpy(p, digits + 1, static_cast<std::size_t>(count - 1));
    p += count - 1;
  }
  *p++ = 'e';
  *p++ = scientificExponent < 0 ? '-' : '+';
  const int e = std::abs(scientificExponent);
  if (e >= 100) *p++ = static_cast<char>('0' + e / 100);
  *p++ = DigitPairs[(e % 100) * 2];
  *p++ = DigitPairs[(e % 100) * 2 + 1];
  return p;
}

}  // namespace

std::size_t WriteShortest(double x, char* out) {
  if (!std::isfinite(x) || x == 0.0) {
    return static_cast<std::size_t>(std::to_chars(out, out + ShortestMaxLength, x).ptr - out);
  }
  char* p = out;
  if (std::signbit(x)) *p++ = '-';
  // The shortest digits of |x| and the decimal exponent of the last one:
  // |x| = digits x 10^exponent, no trailing zeros. Dragonbox finds them;
  // fmt exports it for its own shortest output, and the test of
  // WriteShortest holds the result to std::to_chars's, byte for byte.
  const auto shortest = fmt::detail::dragonbox::to_decimal(std::fabs(x));
  char buffer[24];
  const char* digits = WriteDigits(shortest.significand, buffer);
  const int count = static_cast<int>(buffer + sizeof buffer - digits);
  const int exponent = shortest.exponent;
  const int scientificExponent = exponent + count - 1;

  // Fixed or scientific, whichever is shorter; fixed on a tie.
  const int exponentDigits = scientificExponent >= 100 || scientificExponent <= -100 ? 3 : 2;
  const int scientificLength = count + (count > 1 ? 1 : 0) + 2 + exponentDigits;
  const int fixedLength = exponent >= 0            ? count + exponent
                          : scientificExponent >= 0 ? count + 1
                                                    : count + 1 - scientificExponent;
  if (fixedLength > scientificLength) return static_cast<std::size_t>(WriteScientific(p, digits, count, scientificExponent) - out);
  // Whole numbers from 2^63 on do not fit the 64-bit integer that fixed
  // form writes them from; the standard library writes them.
  if (exponent >= 0 && std::fabs(x) >= 0x1p63) {
    return static_cast<std::size_t>(std::to_chars(out, out + ShortestMaxLength, x).ptr - out);
  }
  return static_cast<std::size_t>(WriteFixed(x, p, digits, count, exponent) - out);
}

}  // namespace orbitas
