#include "calendar/civil_time.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <utility>

#include "calendar/civil_days.h"
#include "runtime/number_text.h"

namespace orbitas {
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
  return CivilFromSeconds(std::nearbyint(UnixSecondsFromJulianDay(julianDay)));
}

std::string IsoDate(const CivilTime& t) {
  std::string iso = IsoText(t);
  iso.resize(iso.find('T'));
  return iso;
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

}  // namespace orbitas
