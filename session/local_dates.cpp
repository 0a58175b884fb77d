#include "session/local_dates.h"

#include "calendar/civil_days.h"

namespace orbitas {

CivilTime LocalDateAfter(const TimeZone& zone, const Instant& now, int days) {
  const CivilTime today = zone.ToSecond(now).civil;
  const CivilDate date = CivilFromDays(DaysFromCivil(today.year, today.month, today.day) + days);
  CivilTime day;
  day.year = date.year, day.month = date.month, day.day = date.day;
  return day;
}

CivilTime NightInProgress(const TimeZone& zone, const Instant& now) {
  return LocalDateAfter(zone, now, zone.ToSecond(now).civil.hour < 12 ? -1 : 0);
}

Span LocalMonths(const TimeZone& zone, std::int64_t year, int month, int count) {
  CivilTime first, next;
  first.year = year, first.month = month;
  const std::int64_t months = year * 12 + (month - 1) + count;
  const std::int64_t years = months >= 0 ? months / 12 : -((-months + 11) / 12);  // floored, for years before 1
  next.year = years, next.month = static_cast<int>(months - years * 12) + 1;
  return {zone.InstantOf(first), zone.InstantOf(next)};
}

Span LocalYear(const TimeZone& zone, std::int64_t year) {
  CivilTime first, next;
  first.year = year, next.year = year + 1;
  return {zone.InstantOf(first), zone.InstantOf(next)};
}

}  // namespace orbitas
