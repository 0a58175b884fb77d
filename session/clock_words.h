#pragma once
// The words a heading names a day and a clock with, as the observer says
// them: "lun 14 dic 2026", "hora de Madrid (CET)".
#include <string>

#include "calendar/instant.h"
#include "calendar/time_zone.h"

namespace orbitas {

// A local date given in ISO 8601 ("2026-12-14", "-0500-03-01") with its
// weekday and month in Spanish: "lun 14 dic 2026", "−0500" for a year
// before 1 (U+2212). The text itself when it is not such a date. Raises
// nothing.
std::string DateWithWeekday(const std::string& iso);

// The local minute of t in zone with its weekday: "lun 14 dic 2026 18:07".
// Raises nothing.
std::string MinuteWithWeekday(const TimeZone& zone, const Instant& t);

// A zone named as a clock at instant at: "hora de Madrid (CET)", "hora
// de Buenos Aires (UTC−3)" (a city's usual Spanish name where it has
// one: "hora de Ciudad de México (CST)"), "UT" for UTC, "hora CET" or
// "hora UTC+01:00" for a fixed offset. Raises nothing.
std::string ClockWords(const TimeZone& zone, const Instant& at);

// The same without the abbreviation, for a span that may cross a change
// of the clocks: "hora de Madrid", "UT", "hora CET". Raises nothing.
std::string ClockWords(const TimeZone& zone);

// ClockWords at the local noon of an ISO 8601 date ("2026-12-14"); the
// zone without its abbreviation when the text is not such a date. Raises
// nothing.
std::string ClockWordsOn(const TimeZone& zone, const std::string& isoDate);

}  // namespace orbitas
