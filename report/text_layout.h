#pragma once
// Text laid out for a terminal. Widths count characters, not bytes, so
// "α", "δ", "í" and "ó" each take one column.
#include <string>
#include <string_view>

#include "runtime/number_text.h"
#include "sky/frames/place.h"

namespace orbitas::report {

// The number of characters of UTF-8 text.
std::size_t DisplayWidth(std::string_view text);

// text followed by spaces up to width characters, and by at least minimumGap
// spaces in any case.
std::string PadRight(std::string text, std::size_t width, std::size_t minimumGap = 0);

// Pads what out holds from byte `start` on with spaces up to width
// characters, in place.
void PadFrom(std::string& out, std::size_t start, std::size_t width);

// The sexagesimal label texts as the readable output shows them:
// "22 h 3 m 41.752 s" and "- -13° 1′ 24.911″" (the sign only when shown).
std::string HoursMinutesSeconds(const std::string& hours, const std::string& minutes,
                                const std::string& seconds);
std::string DegreesMinutesSeconds(const std::string& sign, const std::string& degrees,
                                  const std::string& minutes, const std::string& seconds);

// An azimuth (degrees) to a tenth of a degree, 0,0 to 359,9: one that
// rounds to 360,0 is north, 0,0. Raises nothing.
std::string AzimuthText(double degrees, std::string_view separator);

// "lun 8 dic 2026 a las 18:20" for a local minute written "lun 8 dic 2026
// 18:20": the clock, its last word, after "a las".
std::string DateAtTime(const std::string& localMinute);

// An ISO date ("-0500-03-01"), or a date and time, as people read it: a
// year before 1 BC with the minus sign. Raises nothing.
std::string DateText(std::string iso);

// The place as people read it in a heading: its text with its
// coordinates' signs as minus signs. Raises nothing.
std::string PlaceText(const Place& place);

// How a text shared by the writers writes its numbers: with a decimal
// separator, and a negative one with the minus sign (for people) or the
// hyphen (for CSV, JSON and calendar files, which programs read).
struct Numerals {
  std::string_view separator = ".";
  bool minusSign = false;
  // x with pattern, as Format writes it but for the sign. Raises nothing.
  std::string operator()(double x, std::string_view pattern) const {
    return minusSign ? SignedNumber(x, pattern, separator) : Format(x, pattern, separator);
  }
  // "−" or "-", for a sign written apart from its number.
  std::string_view Minus() const { return minusSign ? "\u2212" : "-"; }
};
constexpr Numerals ForPeople(std::string_view separator) { return {separator, true}; }
constexpr Numerals ForFiles(std::string_view separator = ".") { return {separator, false}; }

// text as one CSV field: quoted, with its quotes doubled, when it holds a
// comma, a quote or a line break (RFC 4180); as it is otherwise.
std::string CsvField(std::string_view text);

}  // namespace orbitas::report
