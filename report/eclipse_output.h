#pragma once
// Eclipses and transits as orbitas-cli writes them: one line each for a
// list, the whole account of one, a JSON object, a CSV row. Times in the
// zone; all from the reference (ERFA at UT + ΔT), which the texts say.
#include <optional>
#include <string>
#include <string_view>

#include "calendar/time_zone.h"
#include "session/runners.h"
#include "report/text_layout.h"

namespace orbitas::report {

// How the place sees the event, in a few words ("desde aquí parcial,
// magnitud 0,938, ..."), or nothing without a place or for a transit.
std::string LocalWords(const EclipseSeen& seen, const TimeZone& zone, std::string_view separator);

// The heading of a list: where the positions come from, the zone of its
// times and, with a place, that each is seen from it.
std::string EclipseListHeading(const std::optional<Place>& place, const TimeZone& zone);

// "2027-08-02 12:06  Eclipse total de Sol, magnitud 1,080 …" and, seen
// from a place, how it looks there: the instant and the place's words are
// the list's columns (report/event_columns.h).
std::string EclipseLine(const EclipseSeen& seen, const TimeZone& zone, std::string_view separator);

// Every contact, magnitude and duration, and with a place (the one seen
// was seen from) its local circumstances.
std::string EclipseText(const EclipseSeen& seen, const std::optional<Place>& place, const TimeZone& zone,
                        std::string_view separator);

// One JSON object on one line (keys in docs/json.md): the list's columns
// with a JSON key, then the contacts and what the place sees.
std::string EclipseJson(const EclipseSeen& seen, const TimeZone& zone);

// The CSV header and a row (RFC 4180, decimal point).
std::string EclipseCsvHeader();
std::string EclipseCsvRow(const EclipseSeen& seen, const TimeZone& zone);

// "lunar-eclipse", "solar-eclipse" or "transit".
std::string_view EclipseKindKey(const EclipseEvent& event);

// A short description for a calendar: "Eclipse total de Sol (magnitud 1.080)".
std::string EclipseSummary(const EclipseSeen& seen, const Numerals& numbers);

// The same as the place sees it, when seen has a place: a solar eclipse
// by its local kind and magnitude ("Eclipse parcial de Sol desde el lugar
// (magnitud 0.979)"), one the place does not see said so ("…: no se ve
// desde el lugar"); EclipseSummary without a place.
std::string PlaceEclipseSummary(const EclipseSeen& seen, const Numerals& numbers);

}  // namespace orbitas::report
