#include "table_instant.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <utility>

#include "civil_days.h"
#include "number_text.h"

namespace orbitas::cli {
namespace {

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

double SecondsFromCivil(const CivilTime& t) {
  return static_cast<double>(DaysFromCivil(t.year, t.month, t.day)) * SecondsPerDay +
         ((t.hour * 3600.0 + t.minute * 60.0) + t.second);
}

CivilTime CivilFromSeconds(double seconds) {
  const double days = std::floor(seconds / SecondsPerDay);
  double ofDay = seconds - days * SecondsPerDay;
  const CivilDate date = CivilFromDays(static_cast<std::int64_t>(days));
  CivilTime t;
  t.year = date.year;
  t.month = date.month;
  t.day = date.day;
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
    const auto y = static_cast<int>(t.year);
    const char digits[] = {static_cast<char>('0' + y / 1000), static_cast<char>('0' + y / 100 % 10),
                           static_cast<char>('0' + y / 10 % 10), static_cast<char>('0' + y % 10), '\0'};
    std::memcpy(year, digits, sizeof digits);
  } else {
    std::snprintf(year, sizeof year, "%+05lld", static_cast<long long>(t.year));
  }
  // The two-digit fields by hand: a table writes one of these per instant.
  std::string iso = year;
  for (const auto& [separator, field] : {std::pair{'-', t.month}, std::pair{'-', t.day}, std::pair{'T', t.hour},
                                         std::pair{':', t.minute}, std::pair{':', static_cast<int>(t.second)}}) {
    iso += separator;
    iso += static_cast<char>('0' + field / 10);
    iso += static_cast<char>('0' + field % 10);
  }
  const double fraction = t.second - std::floor(t.second);
  if (fraction > 0) {
    // The fraction as CStr writes it, without its leading zero.
    const std::string digits = CStr(fraction);
    if (digits.rfind("0.", 0) == 0) iso += digits.substr(1);
  }
  return iso;
}

}  // namespace orbitas::cli
