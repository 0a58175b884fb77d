#pragma once
// Numbers read from and written as text: Val, CStr and Format.
//
// Val always reads "." as the decimal point. CStr and Format write the
// decimal separator they are given: the user's locale's, chosen by the
// caller ("." by default, "," for a Spanish locale).

#include <string>
#include <string_view>

namespace orbitas {

// Val(text): the value of the longest leading part of text that reads as a
// number: an optional sign, digits with at most one ".", and an optional
// exponent ("E" or "e", an optional sign, digits). Blanks (space, tab, line
// feed, carriage return) are skipped wherever they stand. Text with no
// leading number, and empty text, give 0.
// Raises Overflow when the number is too large for a double ("1e999");
// a number too small for one gives 0 or a subnormal value.
double Val(std::string_view text);

// True when Val reads the whole of text: nothing but blanks stands outside
// the number it reads. Empty text and blanks alone count as whole (they
// read as 0); "2451545,5", "12h", "abc" and "1e" do not.
bool ValReadsWhole(std::string_view text);

// CStr(x): the standard text of a double, as written into every label.
// At most 15 significant digits, rounded to nearest; no trailing zeros, no
// leading blank; "-" before negative values; a zero before the separator
// below 1. Magnitudes below 1E-04, or of 1E+15 and above once rounded,
// take the exponent form: mantissa, "E", the exponent's sign and at least
// two digits ("-5.25647741769397E-06"). Zero, and negative zero, give "0".
std::string CStr(double x, std::string_view decimalSeparator = ".");

// The longest decimal separator the texts accept: one UTF-8 character.
inline constexpr std::size_t MaxSeparatorLength = 4;
// The most bytes CStr writes: "-1.23456789012345E+308" with the longest
// separator.
inline constexpr std::size_t CStrMaxLength = 25;

// CStr(x) written into out, which has room for CStrMaxLength bytes, with no
// heap allocation; returns the number of bytes written. Throws
// std::invalid_argument for a separator longer than MaxSeparatorLength.
std::size_t WriteCStr(double x, std::string_view decimalSeparator, char* out);

// Format(x, pattern) for the numeric patterns "#0.0#############" and
// "#0.0##" (and any pattern of that shape: "#"s, then "0"s, ".", "0"s, "#"s).
// Each "0" is a digit always shown, each "#" after the point a digit shown
// only when it is not a trailing zero. The value is rounded at the last
// place with halves away from zero, on the double's exact binary value:
// 5.0625 with "#0.0##" gives "5.063", 59.9996 gives "60.0". A value that
// rounds to zero shows without a sign. Throws std::invalid_argument for a
// pattern of another shape (a programming error, not a run-time error).
std::string Format(double x, std::string_view pattern, std::string_view decimalSeparator = ".");

// x as people read it: Format(x, pattern, separator) with the minus sign
// (U+2212) for its hyphen; files (CSV, JSON) keep Format's. Raises what
// Format raises.
std::string SignedNumber(double x, std::string_view pattern, std::string_view separator);

// Format(x, pattern) written into out, of `capacity` bytes; returns the
// number of bytes written. Throws std::length_error when the text does not
// fit.
std::size_t WriteFormat(double x, std::string_view pattern, std::string_view decimalSeparator,
                        char* out, std::size_t capacity);

// A local date and time as the clock gives it.
struct LocalDateTime {
  int year = 0;
  int month = 0;   // 1..12
  int day = 0;     // 1..31
  int hour = 0;    // 0..23
  int minute = 0;  // 0..59
  int second = 0;  // 0..59
};

// Format(now, pattern) for the date patterns "yyyy" (four-digit year), "mm",
// "dd", "hh" (00 to 23), "nn" (minute) and "ss": two digits each. Throws
// std::invalid_argument for any other pattern.
std::string Format(const LocalDateTime& now, std::string_view pattern);

}  // namespace orbitas
