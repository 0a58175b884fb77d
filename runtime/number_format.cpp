#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <stdexcept>

#include "number_text.h"

namespace orbitas {
namespace {

std::string WithSeparator(std::string text, std::string_view separator) {
  const std::size_t point = text.find('.');
  if (point != std::string::npos) text.replace(point, 1, separator);
  return text;
}

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

// The exact decimal expansion of |x| (x finite): whole digits, then the
// fraction digits, at least minDecimals + 1 of them and enough to hold every
// bit of the double, so that no rounding has happened yet.
void ExactDigits(double x, int minDecimals, std::string& whole, std::string& fraction) {
  int exponent = 0;
  std::frexp(x, &exponent);
  // The lowest bit of a double weighs 2^(exponent - 53), which has
  // 53 - exponent decimal places (at most 1074 for subnormals).
  const int exactDecimals = std::clamp(53 - exponent, minDecimals + 1, 1100);
  char buffer[1500];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(x),
                                    std::chars_format::fixed, exactDecimals);
  const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
  const std::size_t point = text.find('.');
  whole = std::string(text.substr(0, point));
  fraction = std::string(text.substr(point + 1));
}

// The decimal expansion of |x| to minDecimals + 20 places, correctly rounded
// there. That is as good as the exact expansion for rounding at
// minDecimals, unless the 20 places after it read "5000...0": then the value
// may sit on a half (or rounding carried it onto one), and only the exact
// expansion can tell. Returns false in that case.
bool NearDigits(double x, int minDecimals, std::string& whole, std::string& fraction) {
  constexpr int Guard = 20;
  char buffer[400];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(x),
                                    std::chars_format::fixed, minDecimals + Guard);
  if (result.ec != std::errc()) return false;
  const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
  const std::size_t point = text.find('.');
  const std::string_view dropped = text.substr(point + 1 + static_cast<std::size_t>(minDecimals));
  if (dropped[0] == '5' && dropped.find_first_not_of('0', 1) == std::string_view::npos) return false;
  whole = std::string(text.substr(0, point));
  fraction = std::string(text.substr(point + 1));
  return true;
}

// Adds one unit in the last place of a string of decimal digits.
void IncrementDigits(std::string& digits) {
  for (std::size_t i = digits.size(); i-- > 0;) {
    if (digits[i] != '9') { ++digits[i]; return; }
    digits[i] = '0';
  }
  digits.insert(digits.begin(), '1');
}

}  // namespace

std::string CStr(double x, std::string_view decimalSeparator) {
  if (x == 0.0) return "0";
  char buffer[64];
  // A whole number of at most 15 digits prints as itself: the quick way.
  if (std::fabs(x) < 1e15 && std::trunc(x) == x) {
    const auto whole = std::to_chars(buffer, buffer + sizeof buffer, static_cast<long long>(x));
    return std::string(buffer, whole.ptr);
  }
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, x,
                                    std::chars_format::general, 15);
  std::string text(buffer, result.ptr);
  std::replace(text.begin(), text.end(), 'e', 'E');
  return WithSeparator(std::move(text), decimalSeparator);
}

std::string Format(double x, std::string_view pattern, std::string_view decimalSeparator) {
  const NumericPattern shape = ParseNumericPattern(pattern);
  if (!std::isfinite(x)) return CStr(x, decimalSeparator);

  std::string whole, fraction;
  if (!NearDigits(x, shape.maxDecimals, whole, fraction)) ExactDigits(x, shape.maxDecimals, whole, fraction);
  // Halves away from zero: the exact expansion rounds up whenever the first
  // dropped digit is 5 or more.
  const bool roundUp = fraction[static_cast<std::size_t>(shape.maxDecimals)] >= '5';
  std::string digits = whole + fraction.substr(0, static_cast<std::size_t>(shape.maxDecimals));
  if (roundUp) IncrementDigits(digits);

  std::string decimals = digits.substr(digits.size() - static_cast<std::size_t>(shape.maxDecimals));
  std::string integer = digits.substr(0, digits.size() - decimals.size());
  while (decimals.size() > static_cast<std::size_t>(shape.minDecimals) && decimals.back() == '0') {
    decimals.pop_back();
  }
  integer.erase(0, std::min(integer.find_first_not_of('0'), integer.size()));
  if (integer.size() < static_cast<std::size_t>(shape.minIntegerDigits)) {
    integer.insert(0, static_cast<std::size_t>(shape.minIntegerDigits) - integer.size(), '0');
  }

  const bool roundsToZero = digits.find_first_not_of('0') == std::string::npos;
  std::string text = (x < 0 && !roundsToZero) ? "-" : "";
  text += integer;
  if (!decimals.empty()) {
    text += decimalSeparator;
    text += decimals;
  }
  return text;
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
