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

Span LocalYear(const TimeZone& zone, std::int64_t year) {
  CivilTime first, next;
  first.year = year, next.year = year + 1;
  return {zone.InstantOf(first), zone.InstantOf(next)};
}

}  // namespace orbitas
