#pragma once
// The year at a glance as numbers, for other programs: one record a night
// (its sunset, twilights and sunrise, the Moon's rise, set and lit
// fraction, each of the chart's planets' rise, culmination and set), in
// CSV and JSON. Times are ISO 8601 in the zone, with its offset, to the
// second (the chart's half a minute); an event that does not happen that
// night is empty in CSV and null in JSON.
#include <string>

#include "calendar/time_zone.h"
#include "session/year_chart_contents.h"

namespace orbitas::report {

// The CSV's header line (CRLF): date, the Sun's eight events, the Moon's
// three values, three columns a planet ("jupiter_rise"…). Raises nothing.
std::string YearNightsCsvHeader();

// One night's CSV line (CRLF), its times in zone. Raises nothing.
std::string YearNightCsvRow(const YearNightAnswer& night, const TimeZone& zone);

// One night as a JSON object on a line of its own, as the other lists
// write a record a line: its date, its zone's name, its times in zone.
// Raises nothing.
std::string YearNightJson(const YearNightAnswer& night, const TimeZone& zone);

}  // namespace orbitas::report
