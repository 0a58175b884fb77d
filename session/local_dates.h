#pragma once
// Which night and which day "now" means, and a local year: one rule for
// every front end.
#include "calendar/civil_time.h"
#include "calendar/instant.h"
#include "calendar/time_zone.h"

namespace orbitas {

// The local date, in zone, days after that of now (negative: before).
// Raises nothing.
CivilTime LocalDateAfter(const TimeZone& zone, const Instant& now, int days = 0);

// The local date whose evening begins the night in progress at now: the
// day's own from local noon, yesterday's before it. Raises nothing.
CivilTime NightInProgress(const TimeZone& zone, const Instant& now);

// The local year in zone, from its first midnight to the next year's.
// Raises nothing.
Span LocalYear(const TimeZone& zone, std::int64_t year);

// count local months in zone from the first midnight of month (1..12) of
// year: twelve of them are the year ahead of a date. Raises nothing.
Span LocalMonths(const TimeZone& zone, std::int64_t year, int month, int count);

}  // namespace orbitas
