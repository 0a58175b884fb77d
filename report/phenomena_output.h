#pragma once
// The phenomena as orbitas-cli writes them, one at a time as they are
// found: a line of an almanac in Spanish, a CSV row or a JSON line, each
// with the method's own error in time beside it.
#include <string>
#include <string_view>

#include "sky/events/phenomena.h"
#include "calendar/time_zone.h"
#include "report/text_layout.h"

namespace orbitas::report {

// "Marte en oposición (magnitud −1,2)": what happens, in Spanish, its
// numbers as numbers says (for people, or "-1.2" for files).
std::string PhenomenonDescription(const Phenomenon& p, const Numerals& numbers);

// "error +2,3 h": the method's instant less the reference's, in minutes,
// hours or days as suits; "sin referencia" where there is none.
std::string TimeErrorText(const Phenomenon& p, const Numerals& numbers);

// "2027-02-19 16:03  Marte en oposición (magnitud −1,2)  error +2,3 h":
// the local time to the minute in zone, for people.
std::string PhenomenonLine(const Phenomenon& p, const TimeZone& zone, std::string_view separator,
                           bool withMethod = false);

// The CSV header and a row (RFC 4180, decimal point): instant (local ISO
// 8601), utc, kind, bodies, description, value, unit, error_seconds.
std::string PhenomenonCsvHeader();
std::string PhenomenonCsvRow(const Phenomenon& p, const TimeZone& zone);

// One JSON object on one line (keys in docs/json.md).
std::string PhenomenonJson(const Phenomenon& p, const TimeZone& zone);

// The unit's key in CSV and JSON ("degrees", "au", "magnitude"; "" for
// none).
std::string_view UnitKey(PhenomenonUnit unit);

// The method's instant less the reference's, in whole seconds; none
// without the reference's.
std::optional<double> ErrorSeconds(const Phenomenon& p);

// The bodies' Spanish names, "Marte" or "Luna, Marte".
std::string PhenomenonBodies(const Phenomenon& p);

}  // namespace orbitas::report
