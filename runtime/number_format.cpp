#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <tuple>

#include "runtime/number_text.h"

namespace orbitas {
namespace {

// A text built in place, in a buffer of fixed size: long enough for any
// double written in full (309 whole digits and 1100 decimals at most), so
// that no text of a number needs the heap.
class Text {
 public:
  static constexpr std::size_t Capacity = 1600;
  void Append(std::string_view part) {
    if (part.size() > Capacity - size_) throw std::length_error("number text too long");
    std::memcpy(data_ + size_, part.data(), part.size());
    size_ += part.size();
  }
  void Append(char c) { Append(std::string_view(&c, 1)); }
  std::string_view view() const { return {data_, size_}; }

 private:
  char data_[Capacity];
  std::size_t size_ = 0;
};

// The shape of a numeric pattern such as "#0.0##".
struct NumericPattern {
  int minIntegerDigits = 0;
  int minDecimals = 0;
  int maxDecimals = 0;
};

NumericPattern ParseNumericPattern(std::string_view pattern) {
  // The program's own two patterns, known without reading them.
  if (pattern == "#0.0##") return {1, 1, 3};
  if (pattern == "#0.0#############") return {1, 1, 14};
  NumericPattern shape;
  std::size_t i = 0;
  while (i < pattern.size() && pattern[i] == '#') ++i;
  while (i < pattern.size() && pattern[i] == '0') { ++shape.minIntegerDigits; ++i; }
  if (i < pattern.size() && pattern[i] == '.') {
    ++i;
    while (i < pattern.size() && pattern[i] == '0') { ++shape.minDecimals; ++i; }
    shape.maxDecimals = shape.minDecimals;
    while (i < pattern.size() && pattern[i] == '#') { ++shape.maxDecimals; ++i; }
  }
  if (i != pattern.size() || shape.maxDecimals > 30) {
    throw std::invalid_argument("unsupported number pattern: " + std::string(pattern));
  }
  return shape;
}

// The decimal expansion of |x| in `buffer`: the digits before the point,
// then at least decimals + 1 after it. With guard places it is correctly
// rounded at decimals + guard places; with guard < 0 it is exact (enough
// places to hold every bit of the double), so that no rounding has
// happened yet. Returns the whole digits and the fraction digits.
std::pair<std::string_view, std::string_view> Expansion(double x, int places, char* buffer,
                                                        std::size_t size) {
  const auto result = std::to_chars(buffer, buffer + size, std::fabs(x), std::chars_format::fixed, places);
  if (result.ec != std::errc()) throw std::length_error("number text too long");
  const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
  const std::size_t point = text.find('.');
  return {text.substr(0, point), text.substr(point + 1)};
}

// The places of the exact expansion: the lowest bit of a double weighs
// 2^(exponent - 53), which has 53 - exponent decimal places (at most 1074
// for subnormals).
int ExactPlaces(double x, int decimals) {
  int exponent = 0;
  std::frexp(x, &exponent);
  return std::clamp(53 - exponent, decimals + 1, 1100);
}

// The text of the kept digits (whole digits, then exactly maxDecimals
// decimals, already rounded) as the pattern shows them: leading zeros
// dropped and then padded to the pattern's whole digits, trailing zeros of
// the decimals dropped down to its least, a "-" unless all is zero.
std::string Layout(std::string_view kept, bool negative, const NumericPattern& shape,
                   std::string_view decimalSeparator) {
  const auto decimals = static_cast<std::size_t>(shape.maxDecimals);
  const std::size_t count = kept.size();

  std::string_view integer = kept.substr(0, count - decimals);
  std::string_view shown = kept.substr(count - decimals);
  while (shown.size() > static_cast<std::size_t>(shape.minDecimals) && shown.back() == '0') {
    shown.remove_suffix(1);
  }
  integer.remove_prefix(std::min(integer.find_first_not_of('0'), integer.size()));

  Text text;
  const bool roundsToZero = kept.find_first_not_of('0') == std::string_view::npos;
  if (negative && !roundsToZero) text.Append('-');
  for (auto pad = integer.size(); pad < static_cast<std::size_t>(shape.minIntegerDigits); ++pad) {
    text.Append('0');
  }
  text.Append(integer);
  if (!shown.empty()) {
    text.Append(decimalSeparator);
    text.Append(shown);
  }
  return std::string(text.view());
}

// For at most three decimals and |x| below 2^53 the rounding needs no
// decimal expansion: |x| * 10^decimals is formed exactly in 64-bit integer
// arithmetic (a 53-bit significand times at most 1000 stays below 2^63),
// and rounded with halves away from zero. False when x is outside that
// case.
bool RoundScaledExactly(double x, int decimals, std::uint64_t& rounded) {
  static constexpr std::uint64_t Scale[] = {1, 10, 100, 1000};
  if (decimals > 3 || !(std::fabs(x) < 0x1p53)) return false;
  // |x| = significand / 2^shift, read from the double's bits; shift >= 0
  // because |x| is below 2^53.
  const auto bits = std::bit_cast<std::uint64_t>(std::fabs(x));
  const auto biased = static_cast<int>(bits >> 52);
  const std::uint64_t fractionBits = bits & ((std::uint64_t{1} << 52) - 1);
  const std::uint64_t significand = biased == 0 ? fractionBits : fractionBits | (std::uint64_t{1} << 52);
  const int shift = biased == 0 ? 1074 : 1075 - biased;
  const std::uint64_t scaled = significand * Scale[decimals];
  if (shift == 0) {
    rounded = scaled;
  } else if (shift >= 64) {
    rounded = 0;  // scaled < 2^63 stays below half of 2^shift
  } else {
    const std::uint64_t whole = scaled >> shift;
    const std::uint64_t rest = scaled & ((std::uint64_t{1} << shift) - 1);
    rounded = whole + (rest >= (std::uint64_t{1} << (shift - 1)) ? 1 : 0);
  }
  return true;
}

}  // namespace

std::size_t WriteCStr(double x, std::string_view decimalSeparator, char* out) {
  if (decimalSeparator.size() > MaxSeparatorLength) {
    throw std::invalid_argument("decimal separator too long");
  }
  if (x == 0.0) {
    out[0] = '0';
    return 1;
  }
  // A whole number of at most 15 digits prints as itself: the quick way.
  if (std::fabs(x) < 1e15 && static_cast<double>(static_cast<long long>(x)) == x) {
    return static_cast<std::size_t>(std::to_chars(out, out + CStrMaxLength, static_cast<long long>(x)).ptr - out);
  }
  char digits[32];
  const auto result = std::to_chars(digits, digits + sizeof digits, x, std::chars_format::general, 15);
  std::size_t n = 0;
  for (const char* c = digits; c != result.ptr; ++c) {
    if (*c == '.') {
      std::memcpy(out + n, decimalSeparator.data(), decimalSeparator.size());
      n += decimalSeparator.size();
    } else {
      out[n++] = *c == 'e' ? 'E' : *c;
    }
  }
  return n;
}

std::string CStr(double x, std::string_view decimalSeparator) {
  char text[CStrMaxLength];
  return std::string(text, WriteCStr(x, decimalSeparator, text));
}

std::size_t WriteFormat(double x, std::string_view pattern, std::string_view decimalSeparator,
                        char* out, std::size_t capacity) {
  // The quick way for a few decimals, as the seconds fields have: straight
  // into out.
  const NumericPattern shape = ParseNumericPattern(pattern);
  std::uint64_t rounded = 0;
  if (shape.minIntegerDigits <= 1 && std::isfinite(x) && RoundScaledExactly(x, shape.maxDecimals, rounded) &&
      capacity >= 24 + decimalSeparator.size()) {
    static constexpr std::uint64_t Scale[] = {1, 10, 100, 1000};
    const std::uint64_t whole = rounded / Scale[shape.maxDecimals];
    std::uint64_t fraction = rounded % Scale[shape.maxDecimals];
    int shown = shape.maxDecimals;
    while (shown > shape.minDecimals && fraction % 10 == 0) {
      fraction /= 10;
      --shown;
    }
    char* p = out;
    if (x < 0 && rounded != 0) *p++ = '-';
    if (whole != 0 || shape.minIntegerDigits == 1) p = std::to_chars(p, out + capacity, whole).ptr;
    if (shown > 0) {
      std::memcpy(p, decimalSeparator.data(), decimalSeparator.size());
      p += decimalSeparator.size();
      for (int k = shown - 1; k >= 0; --k, fraction /= 10) p[k] = static_cast<char>('0' + fraction % 10);
      p += shown;
    }
    return static_cast<std::size_t>(p - out);
  }
  const std::string text = Format(x, pattern, decimalSeparator);
  if (text.size() > capacity) throw std::length_error("formatted number too long");
  std::memcpy(out, text.data(), text.size());
  return text.size();
}

std::string Format(double x, std::string_view pattern, std::string_view decimalSeparator) {
  const NumericPattern shape = ParseNumericPattern(pattern);
  if (!std::isfinite(x)) return CStr(x, decimalSeparator);
  const auto decimals = static_cast<std::size_t>(shape.maxDecimals);

  char digits[400];
  std::uint64_t rounded = 0;
  if (RoundScaledExactly(x, shape.maxDecimals, rounded)) {
    // The kept digits, whole and decimals together, with at least one
    // whole digit: 41752 for 41.752, 0050 for 0.050.
    char* last = std::to_chars(digits, digits + sizeof digits, rounded).ptr;
    auto count = static_cast<std::size_t>(last - digits);
    if (count < decimals + 1) {
      std::memmove(digits + (decimals + 1 - count), digits, count);
      std::memset(digits, '0', decimals + 1 - count);
      count = decimals + 1;
    }
    return Layout(std::string_view(digits, count), x < 0, shape, decimalSeparator);
  }

  // Twenty places past the last shown, correctly rounded there, are as good
  // as the exact expansion for rounding at the last shown, unless they read
  // "5000...0": then the value may sit on a half (or rounding carried it
  // onto one), and only the exact expansion can tell.
  constexpr int Guard = 20;
  char buffer[1500];
  auto [whole, fraction] = Expansion(x, shape.maxDecimals + Guard, buffer, sizeof buffer);
  const std::string_view dropped = fraction.substr(decimals);
  if (dropped[0] == '5' && dropped.find_first_not_of('0', 1) == std::string_view::npos) {
    std::tie(whole, fraction) = Expansion(x, ExactPlaces(x, shape.maxDecimals), buffer, sizeof buffer);
  }

  // The digits kept, whole and decimals together, rounded with halves away
  // from zero: up whenever the first dropped digit is 5 or more.
  std::size_t count = whole.size() + decimals;
  if (count + 1 > sizeof digits) throw std::length_error("number text too long");
  char* first = digits + 1;  // room for a carry into a new leading digit
  std::memcpy(first, whole.data(), whole.size());
  std::memcpy(first + whole.size(), fraction.data(), decimals);
  if (fraction[decimals] >= '5') {
    std::size_t i = count;
    while (i > 0 && first[i - 1] == '9') first[--i] = '0';
    if (i > 0) {
      ++first[i - 1];
    } else {
      *--first = '1';
      ++count;
    }
  }
  return Layout(std::string_view(first, count), x < 0, shape, decimalSeparator);
}

std::string Format(const LocalDateTime& now, std::string_view pattern) {
  char buffer[16];
  if (pattern == "yyyy") {
    std::snprintf(buffer, sizeof buffer, "%04d", now.year);
  } else {
    int field = 0;
    if (pattern == "mm") field = now.month;
    else if (pattern == "dd") field = now.day;
    else if (pattern == "hh") field = now.hour;
    else if (pattern == "nn") field = now.minute;
    else if (pattern == "ss") field = now.second;
    else throw std::invalid_argument("unsupported date pattern: " + std::string(pattern));
    std::snprintf(buffer, sizeof buffer, "%02d", field);
  }
  return buffer;
}

std::string SignedNumber(double x, std::string_view pattern, std::string_view separator) {
  std::string text = Format(x, pattern, separator);
  if (!text.empty() && text[0] == '-') text.replace(0, 1, "\u2212");
  return text;
}

}  // namespace orbitas
