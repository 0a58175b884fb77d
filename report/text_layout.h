#pragma once
// Text laid out for a terminal. Widths count characters, not bytes, so
// "α", "δ", "í" and "ó" each take one column.
#include <string>
#include <string_view>

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

// "2026-12-08 a las 18:20" for a local minute written "2026-12-08 18:20".
std::string DateAtTime(const std::string& localMinute);

// text with the minus sign (U+2212) for every negative number's hyphen:
// a '-' before a digit that does not follow a digit or a letter (so dates,
// "1950-2100" and "Púppidas-Vélidas" keep theirs). Raises nothing.
std::string WithMinusSigns(std::string_view text);

// text as one CSV field: quoted, with its quotes doubled, when it holds a
// comma, a quote or a line break (RFC 4180); as it is otherwise.
std::string CsvField(std::string_view text);

}  // namespace orbitas::report
