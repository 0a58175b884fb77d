#pragma once
// The values typed after orbitas-cli's options, read into what the lower
// layers take: instants and steps of tables, places, time zones and the
// size and format of a picture. Each raises UsageError naming the text it
// could not read.
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "calendar/civil_time.h"
#include "pictures/picture_file.h"
#include "session/instant.h"
#include "session/runners.h"
#include "session/eclipse_map_contents.h"
#include "session/tour.h"
#include "calendar/time_zone.h"
#include "session/places/place_text.h"

namespace orbitas::cli {

// "2026-01-01", "2026-01-01T06:30", "2026-01-01T06:30:15" (seconds may
// have a fraction), years with a sign and more digits ("-0500-03-01",
// "+12000-01-01"), or "JD" and a number. A time may end with its offset,
// "Z" or "±HH:MM" (to ±14:00): the instant is then a Julian day (UT). No value for anything else,
// including dates that do not exist (2026-02-30).
std::optional<TableInstant> ParseTableInstant(std::string_view text);

// "10d", "6h", "0.5d", "30m", "15s": a positive number of seconds. No value
// for a unit other than d, h, m, s, or a number that is not positive.
std::optional<double> ParseStepSeconds(std::string_view text);

// "UTC", "±HH:MM" (-14:00 to +14:00) or a name of the system's time-zone
// database. Raises UsageError naming the text for anything else, with the
// nearest names the database has.
TimeZone ParseZone(const std::string& text);

// An altitude in degrees for option, -90 to 90, with a decimal point
// ("10", "-6", "7.5"). Raises UsageError naming the text.
double ParseAltitude(const std::string& text, std::string_view option);

// The largest separation of a close approach, degrees, above 0 and at most
// 10 ("1", "0.5"). Raises UsageError naming the text.
double ParseSeparation(const std::string& text);

// The faintest magnitude of the stars on the sky dome: a decimal number
// with a point, from -1.5 to 6.5 (the catalogue goes a little past 6).
// Raises UsageError naming the text otherwise.
double ParseMagnitudeLimit(const std::string& text);

// The field of a finder chart, degrees across: a decimal number with a
// point, from 2 to 90. Raises UsageError naming the text otherwise.
double ParseChartField(const std::string& text);

// The format of path by its extension (.svg, .png, .pdf, any case).
// Raises UsageError for any other.
pictures::PictureFormat PictureFormatOf(const std::string& path);

// "ANCHOxALTO": two whole numbers from 16 to 10000. Raises UsageError.
std::pair<int, int> ParsePictureSize(const std::string& text);

// The instant of a bound given as a date in zone or as a Julian day (UT).
// Raises nothing.
Instant BoundInstant(const TableInstant& bound, const TimeZone& zone);

// The local date of today in zone (or, with days, a day after); with
// nightInProgress, that of the night in progress (NightInProgress). Reads
// the system clock.
CivilTime Today(const TimeZone& zone, int days = 0, bool nightInProgress = false);

// A bound of a span: a date (AAAA-MM-DD[THH:MM[:SS]]) or a Julian day
// (JD...). Raises UsageError, naming text, for anything else.
TableInstant ParseBound(const std::string& text);

// A local date and time, as typed (text), must happen once in zone: raises
// UsageError naming text, the zone and the clock's change when the zone
// skips it (summer time begins) or repeats it (summer time ends; an offset
// typed after it, "2027-10-31T02:30+02:00", says which).
void RequireLocalTimeOnce(const CivilTime& local, const TimeZone& zone, const std::string& text);

// ParseBound, and for a date typed with a time, RequireLocalTimeOnce in
// zone.
TableInstant ParseBoundIn(const std::string& text, const TimeZone& zone);

// A date whose answer comes from the reference must be in its span
// (ReferenceSpanStart to ReferenceSpanEnd): raises UsageError, naming text
// and the span, otherwise.
void RequireReferenceSpan(const TableInstant& bound, const std::string& text);

// A bound within the reference's span: a date or JD, "hoy" or "mañana" in
// zone. Raises UsageError for anything else or outside the span.
TableInstant ReferenceBound(const std::string& text, const TimeZone& zone);

// The local date text names (AAAA-MM-DD), for option's message. Raises
// UsageError, naming both, for anything else.
CivilTime LocalDate(const std::string& text, std::string_view option);

// The local date an optional date names: today for "hoy", the night in
// progress for "ahora" (a date left out; today's for --ortos), tomorrow
// for "mañana", else LocalDate. Raises UsageError for an empty text.
CivilTime DateOrToday(const std::string& text, const TimeZone& zone, std::string_view option);

// A paper size by name, landscape: "A4" (297 x 210 mm) or "A3", in points
// for a PDF page, in pixels at 150 per inch otherwise; none for another
// text.
std::optional<std::pair<int, int>> PaperSize(const std::string& text, bool pdf);

// Nothing but blanks: what an unset shell variable gives.
bool Blank(const std::string& text);

// The instrument (--instrumento) and the sky's darkness (--cielo) the user
// typed, with or without accents; raise UsageError naming the text, the
// choices and the nearest when it is none of them.
Instrument ParseInstrument(const std::string& text);
SkyDarkness ParseSky(const std::string& text);

// The tour's choices: a telescope's aperture (--apertura, mm, 20 to
// 2000), the catalogue (--objetos messier|caldwell|todos) and the types
// (--tipo, words separated by commas, as DeepSkyTypesOfWord reads them).
// Each raises UsageError naming the bad value.
double ParseAperture(const std::string& text);
TourCatalogue ParseTourCatalogue(const std::string& text);
std::vector<DeepSkyType> ParseDeepSkyTypes(const std::string& text);

// The map's region (--region): "mundo", "auto", or LAT1,LON1,LAT2,LON2
// (degrees, two corners, with decimal points). Raises UsageError naming
// the bad value.
MapRegion ParseMapRegion(const std::string& text);

// A number as the window reads its fields: Val, where blanks are fine, but
// nothing may be left unread. Returns text; raises UsageError naming what
// ("el año") otherwise, with the point suggested for a comma.
const std::string& WholeNumber(const std::string& text, std::string_view what);

// Six whole values (year to second) are a local time that must happen once
// in zone: raises UsageError as RequireLocalTimeOnce. Values with a
// fraction are the method's own reading and are left to it.
void RequireSixValuesOnce(const DateTexts& date, const TimeZone& zone);

// end moved back to 3001-01-01T00:00, the end of the reference's span, when
// it lies past it; true when it was moved.
bool ClampToReferenceSpan(CivilTime& end);

}  // namespace orbitas::cli
