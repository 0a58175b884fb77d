#pragma once
// One runner for each command that looks at the sky from a place or over
// a range: the risings of a day, the night, the year's events, the
// eclipses, a chart and the almanac (instants, tables and explanations run
// InstantRunner). Each takes one SkyRequest, its bodies as Body (the front
// end turns a typed planet into one, with BodiesOf), and gives one value
// that owns what it shows; the elements table is filled once for all.
#include <functional>
#include <optional>
#include <variant>
#include <vector>

#include "calendar/time_zone.h"
#include "ephemeris/elements.h"
#include "runtime/runtime_error.h"
#include "sky/eclipses/eclipses.h"
#include "sky/events/phenomena.h"
#include "sky/night/night.h"
#include "sky/night/night_showers.h"
#include "sky/night/rise_set.h"
#include "session/chart_contents.h"
#include "session/sky_answers.h"
#include "session/sky_request.h"
#include "sky/showers/meteor_showers.h"

namespace orbitas {

// The method's elements, filled on first use. Raises nothing.
const ElementsTable& MethodElements();

// The bodies of the method's numbers (0 to 10); raises SubscriptOutOfRange
// for any other number.
std::vector<Body> BodiesOf(const std::vector<Int16>& numbers);

// The rising, culmination and setting of each of the request's bodies (a
// planet, the Sun or the Moon) on its local `date` (midnight to midnight in
// its zone) from its place. A run-time error stops the rest and is kept in
// the answer's `stopped`, after the bodies computed before it. Raises
// RequestRefused without a place.
RiseSetAnswer RunRiseSet(const SkyRequest& request);

// The reference's span: eraPlan94's years 1000 to 3000 (Julian days).
// Everything whose answer comes from the reference (the eclipses, the
// Moon and the showers of a night, the events' instants) is asked for
// within it, the same for every command.
inline constexpr double ReferenceSpanStart = 2086302.5;  // 1000-01-01 (proleptic Gregorian)
inline constexpr double ReferenceSpanEnd = 2817152.5;    // 3001-01-01
inline constexpr const char* ReferenceSpanText = "años 1000 a 3000";
Span ReferenceSpan();

// Every eclipse and transit in the request's span, in time order, each
// seen from its place when it has one. What each raises propagates.
void RunEclipses(const SkyRequest& request, const std::function<void(const EclipseSeen&)>& each);

// The first eclipse or transit after the request's `at`, seen from its
// place when it has one; none before the end of the reference's span.
std::optional<EclipseSeen> RunFirstEclipse(const SkyRequest& request);

// The night that begins on the evening of the request's local `date`
// (local noon to noon in its zone) from its place, within its limits: the
// Sun, the Moon and its bodies (planets), the meteor showers active then,
// and any eclipse in it as the place sees it. Raises RequestRefused
// without a place, and the method's run-time errors.
NightAnswer RunNight(const SkyRequest& request);

// Each night from the evening of the request's `date` to that of its
// `lastDate` (inclusive, at most MostNights), as RunNight gives it, handed
// to each. Raises RequestRefused for a span backwards or too long or
// without a place, and the method's run-time errors.
inline constexpr int MostNights = 366;
void RunNights(const SkyRequest& request, const std::function<void(const NightAnswer&)>& each);

// The finder chart of the request's first body at its `at`, chartField
// degrees across, from its place when it has one, its times in its zone
// and its numbers with separator; without a body, the chart of the
// deep-sky object its deepSky names first. Raises the method's run-time
// errors, and RequestRefused for neither a body nor an object, or an
// object the catalogue does not know.
FinderChartPicture RunChart(const SkyRequest& request, std::string_view separator);

// A shower's peak and, for a place, the best hour of the night it falls in
// (the local night, noon to noon, that holds the peak).
struct ShowerPeakSeen {
  ShowerPeak peak;
  std::optional<ShowerNight> night;
};

// The best hour of the night of peak from place, in zone's nights. Raises
// the method's run-time errors.
std::optional<ShowerNight> PeakNight(const ShowerPeak& peak, const Place& place, const TimeZone& zone,
                                     SkyDarkness sky = SkyDarkness::Rural);

// One event of the year's list: a phenomenon of the method, or from the
// reference an eclipse, a transit or a shower's peak.
using YearEvent = std::variant<Phenomenon, EclipseSeen, ShowerPeakSeen>;

// The instant an event is listed at: the reference's when it has it, else
// the method's (as ListedTime).
Instant TimeOf(const YearEvent& event);

// The events of the request's span (its bodies' phenomena, and as its
// sunAndMoon, moon and approachLimit say the others; each shower's peak
// with its night from the place, in the zone's nights, when it has one),
// handed over in time order as FindPhenomena does; progress, when given,
// told how far the search has come as FindPhenomena tells it, and again
// before the reference's events of each stretch and each shower's night
// (`reached` not yet moved), where it may raise to stop the search; the
// events listed near `reached` may wait for the next stretch. The
// method's run-time errors raised after what came before them was handed
// over.
void RunPhenomena(const SkyRequest& request, const std::function<void(const YearEvent&)>& each,
                  const std::function<void(const PhenomenaProgress&)>& progress = nullptr);

// What the almanac of the request's year prints beside its chart, from
// its place in its zone (RequestRefused without one):
// the year's events (the five bright planets', the Sun's and the Moon's,
// the eclipses and the place's showers) and the night of each month's
// 15th as the eye sees it (the Sun, the Moon and those planets, without
// showers or eclipses). Raises the method's run-time errors.
struct AlmanacYear {
  int year = 0;
  TimeZone zone;
  std::vector<YearEvent> events;
  std::vector<NightAnswer> nights;  // January to December
};
AlmanacYear RunAlmanacYear(const SkyRequest& request);

}  // namespace orbitas
