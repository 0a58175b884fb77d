#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <tuple>

#include "number_text.h"

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
  if (std::fabs(x) < 1e15 && std::trunc(x) == x) {
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
  const std::string text = Format(x, pattern, decimalSeparator);
  if (text.size() > capacity) throw std::length_error("formatted number too long");
  std::memcpy(out, text.data(), text.size());
  return text.size();
}

std::string Format(double x, std::string_view pattern, std::string_view decimalSeparator) {
  const NumericPattern shape = ParseNumericPattern(pattern);
  if (!std::isfinite(x)) return CStr(x, decimalSeparator);
  const auto decimals = static_cast<std::size_t>(shape.maxDecimals);

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
  char digits[400];
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
  const std::string_view kept(first, count);

  std::string_view integer = kept.substr(0, count - decimals);
  std::string_view shown = kept.substr(count - decimals);
  while (shown.size() > static_cast<std::size_t>(shape.minDecimals) && shown.back() == '0') {
    shown.remove_suffix(1);
  }
  integer.remove_prefix(std::min(integer.find_first_not_of('0'), integer.size()));

  Text text;
  const bool roundsToZero = kept.find_first_not_of('0') == std::string_view::npos;
  if (x < 0 && !roundsToZero) text.Append('-');
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

}  // namespace orbitas
