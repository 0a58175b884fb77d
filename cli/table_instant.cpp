#include "table_instant.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "number_text.h"

namespace orbitas::cli {
namespace {

constexpr double SecondsPerDay = 86400.0;
// The Julian day of 1970-01-01T00:00:00.
constexpr double UnixEpochJulianDay = 2440587.5;

bool IsLeap(std::int64_t y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int DaysInMonth(std::int64_t y, int m) {
  static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return m == 2 && IsLeap(y) ? 29 : days[m - 1];
}

// Reads exactly `count` digits (or at least `count` when atLeast) at pos.
std::optional<std::int64_t> Digits(std::string_view text, std::size_t& pos, std::size_t count,
                                   bool atLeast = false) {
  std::size_t end = pos;
  while (end < text.size() && text[end] >= '0' && text[end] <= '9') ++end;
  const std::size_t n = end - pos;
  if (n < count || (!atLeast && n != count) || n > 9) return std::nullopt;
  std::int64_t value = 0;
  std::from_chars(text.data() + pos, text.data() + end, value);
  pos = end;
  return value;
}

bool Expect(std::string_view text, std::size_t& pos, char c) {
  if (pos >= text.size() || text[pos] != c) return false;
  ++pos;
  return true;
}

std::optional<CivilTime> ParseIso(std::string_view text) {
  std::size_t pos = 0;
  int sign = 1;
  bool signed_ = false;
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
    sign = text[0] == '-' ? -1 : 1;
    signed_ = true;
    ++pos;
  }
  const auto year = Digits(text, pos, 4, signed_);
  if (!year || !Expect(text, pos, '-')) return std::nullopt;
  const auto month = Digits(text, pos, 2);
  if (!month || !Expect(text, pos, '-')) return std::nullopt;
  const auto day = Digits(text, pos, 2);
  if (!day) return std::nullopt;
  CivilTime t;
  t.year = sign * *year;
  t.month = static_cast<int>(*month);
  t.day = static_cast<int>(*day);
  if (t.month < 1 || t.month > 12 || t.day < 1 || t.day > DaysInMonth(t.year, t.month)) return std::nullopt;
  if (pos == text.size()) return t;
  if (!Expect(text, pos, 'T')) return std::nullopt;
  const auto hour = Digits(text, pos, 2);
  if (!hour || !Expect(text, pos, ':')) return std::nullopt;
  const auto minute = Digits(text, pos, 2);
  if (!minute) return std::nullopt;
  t.hour = static_cast<int>(*hour);
  t.minute = static_cast<int>(*minute);
  if (t.hour > 23 || t.minute > 59) return std::nullopt;
  if (pos == text.size()) return t;
  if (!Expect(text, pos, ':')) return std::nullopt;
  const std::size_t secondStart = pos;
  if (!Digits(text, pos, 2)) return std::nullopt;
  if (pos < text.size() && text[pos] == '.') {
    ++pos;
    if (!Digits(text, pos, 1, true)) return std::nullopt;
  }
  if (pos != text.size()) return std::nullopt;
  std::from_chars(text.data() + secondStart, text.data() + pos, t.second);
  if (t.second >= 60) return std::nullopt;
  return t;
}

}  // namespace

std::optional<TableInstant> ParseTableInstant(std::string_view text) {
  if (text.size() > 2 && (text.substr(0, 2) == "JD" || text.substr(0, 2) == "jd")) {
    const std::string_view number = text.substr(2);
    double jd = 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), jd);
    if (result.ec != std::errc() || result.ptr != number.data() + number.size() || !std::isfinite(jd)) {
      return std::nullopt;
    }
    return TableInstant{std::nullopt, jd};
  }
  if (const auto civil = ParseIso(text)) return TableInstant{civil, 0.0};
  return std::nullopt;
}

std::optional<double> ParseStepSeconds(std::string_view text) {
  if (text.size() < 2) return std::nullopt;
  double unit = 0;
  switch (text.back()) {
    case 'd': unit = SecondsPerDay; break;
    case 'h': unit = 3600; break;
    case 'm': unit = 60; break;
    case 's': unit = 1; break;
    default: return std::nullopt;
  }
  const std::string_view number = text.substr(0, text.size() - 1);
  double value = 0;
  const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
  if (result.ec != std::errc() || result.ptr != number.data() + number.size()) return std::nullopt;
  const double seconds = value * unit;
  if (!(seconds > 0) || !std::isfinite(seconds)) return std::nullopt;
  return seconds;
}

// The days-from-civil count of the proleptic Gregorian calendar, by eras of
// 400 years so that it holds for negative years too.
std::int64_t DaysFromCivil(std::int64_t y, int m, int d) {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const std::int64_t yoe = y - era * 400;
  const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

CivilTime CivilFromDays(std::int64_t z) {
  z += 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const std::int64_t doe = z - era * 146097;
  const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const std::int64_t mp = (5 * doy + 2) / 153;
  CivilTime t;
  t.day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  t.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  t.year = yoe + era * 400 + (t.month <= 2);
  return t;
}

double SecondsFromCivil(const CivilTime& t) {
  return static_cast<double>(DaysFromCivil(t.year, t.month, t.day)) * SecondsPerDay +
         ((t.hour * 3600.0 + t.minute * 60.0) + t.second);
}

CivilTime CivilFromSeconds(double seconds) {
  const double days = std::floor(seconds / SecondsPerDay);
  double ofDay = seconds - days * SecondsPerDay;
  CivilTime t = CivilFromDays(static_cast<std::int64_t>(days));
  t.hour = static_cast<int>(ofDay / 3600);
  ofDay -= t.hour * 3600.0;
  t.minute = static_cast<int>(ofDay / 60);
  t.second = ofDay - t.minute * 60.0;
  return t;
}

CivilTime CivilFromJulianDay(double julianDay) {
  return CivilFromSeconds(std::nearbyint((julianDay - UnixEpochJulianDay) * SecondsPerDay));
}

std::string IsoText(const CivilTime& t) {
  char year[32];
  if (t.year >= 0 && t.year <= 9999) {
    std::snprintf(year, sizeof year, "%04lld", static_cast<long long>(t.year));
  } else {
    std::snprintf(year, sizeof year, "%+05lld", static_cast<long long>(t.year));
  }
  char text[96];
  std::snprintf(text, sizeof text, "%s-%02d-%02dT%02d:%02d:%02d", year, t.month, t.day, t.hour,
                t.minute, static_cast<int>(t.second));
  std::string iso = text;
  const double fraction = t.second - std::floor(t.second);
  if (fraction > 0) {
    // The fraction as CStr writes it, without its leading zero.
    const std::string digits = CStr(fraction);
    if (digits.rfind("0.", 0) == 0) iso += digits.substr(1);
  }
  return iso;
}

}  // namespace orbitas::cli
