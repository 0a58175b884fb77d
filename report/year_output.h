#pragma once
// The year's list as orbitas-cli writes it: the method's phenomena among
// the reference's eclipses, transits and showers' peaks, one at a time, as
// a line of text, a CSV row, a JSON line or a calendar event.
#include <string>
#include <string_view>

#include "calendar/time_zone.h"
#include "report/calendar_file.h"
#include "session/runners.h"
#include "report/text_layout.h"

namespace orbitas::report {

// "Máximo de las Perseidas (PER): THZ 100, la Luna iluminada al 0 %".
std::string ShowerDescription(const ShowerPeak& peak, const Numerals& numbers);

// One event: a method phenomenon with its error and the reference's time;
// an event of the reference with the reference's own accuracy.
std::string YearEventLine(const YearEvent& event, const TimeZone& zone, std::string_view separator);
// The same with the method's instant beside a phenomenon's, and how far it
// is ("según el método de Kepler: …, 47 min después"), as --metodo asks.
std::string YearEventLineWithMethod(const YearEvent& event, const TimeZone& zone, std::string_view separator);
std::string YearEventCsvRow(const YearEvent& event, const TimeZone& zone);
std::string YearEventJson(const YearEvent& event, const TimeZone& zone);
std::string YearEventCalendar(const YearEvent& event, const CalendarFile& calendar);

}  // namespace orbitas::report
