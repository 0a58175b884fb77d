#pragma once
// One runner for each of orbitas-cli's commands that look at the sky from
// a place or over a range: the risings of a day, the night, and the year's
// phenomena (instants, tables and explanations run InstantRunner). Each
// takes its bodies as Body (the front end turns a typed planet into one,
// with BodiesOf), and fills the elements table once for all.
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
#include "sky/showers/meteor_showers.h"

namespace orbitas {

// The method's elements, filled on first use. Raises nothing.
const ElementsTable& MethodElements();

// The bodies of the method's numbers (0 to 10); raises SubscriptOutOfRange
// for any other number.
std::vector<Body> BodiesOf(const std::vector<Int16>& numbers);

// The rising, culmination and setting of each body (a planet, the Sun or
// the Moon) on the local date `date` (its year, month and day; midnight to
// midnight in zone) from place. A run-time error stops the rest and is
// kept in the answer's `stopped`, after the bodies computed before it.
RiseSetAnswer RunRiseSet(const std::vector<Body>& bodies, const Place& place, const TimeZone& zone,
                         const CivilTime& date);

// The reference's span: eraPlan94's years 1000 to 3000 (Julian days).
// Everything whose answer comes from the reference (the eclipses, the
// Moon and the showers of a night, the events' instants) is asked for
// within it, the same for every command.
inline constexpr double ReferenceSpanStart = 2086302.5;  // 1000-01-01 (proleptic Gregorian)
inline constexpr double ReferenceSpanEnd = 2817152.5;    // 3001-01-01
inline constexpr const char* ReferenceSpanText = "años 1000 a 3000";
Span ReferenceSpan();

// Every eclipse and transit in span, in time order, each seen from place
// when given. What each raises propagates.
void RunEclipses(const Span& span, const std::optional<Place>& place,
                 const std::function<void(const EclipseSeen&)>& each);

// The first eclipse or transit after `after`, seen from place when given;
// none before the end of the reference's span.
std::optional<EclipseSeen> RunFirstEclipse(const Instant& after, const std::optional<Place>& place);

// The night that begins on the evening of the local date `evening` (its
// year, month and day; local noon to noon in zone) from place: the Sun,
// the Moon and the planets, the meteor showers active then, and any
// eclipse in it as the place sees it. Raises the method's run-time errors.
NightAnswer RunNight(const std::vector<Body>& planets, const Place& place, const TimeZone& zone,
                     const CivilTime& evening, const NightLimits& limits);

// Each night from the evening of first to that of last (local dates,
// inclusive, at most MostNights), as RunNight gives it, handed to each.
// Raises RequestRefused for a span backwards or too long, and the method's
// run-time errors.
inline constexpr int MostNights = 366;
void RunNights(const std::vector<Body>& planets, const Place& place, const TimeZone& zone, const CivilTime& first,
               const CivilTime& last, const NightLimits& limits,
               const std::function<void(const NightAnswer&)>& each);

// The finder chart of planet at `at`, fieldDegrees across, from place
// when given, its times in zone and its numbers with separator. Raises
// the method's run-time errors.
FinderChartPicture RunChart(Body planet, const Instant& at, double fieldDegrees, const std::optional<Place>& place,
                            const TimeZone& zone, std::string_view separator);

// A shower's peak and, for a place, the best hour of the night it falls in
// (the local night, noon to noon, that holds the peak).
struct ShowerPeakSeen {
  ShowerPeak peak;
  std::optional<ShowerNight> night;
};

// The best hour of the night of peak from place, in zone's nights. Raises
// the method's run-time errors.
std::optional<ShowerNight> PeakNight(const ShowerPeak& peak, const Place& place, const TimeZone& zone);

// One event of the year's list: a phenomenon of the method, or from the
// reference an eclipse, a transit or a shower's peak.
using YearEvent = std::variant<Phenomenon, EclipseSeen, ShowerPeakSeen>;

// The instant an event is listed at: the reference's when it has it, else
// the method's (as ListedTime).
Instant TimeOf(const YearEvent& event);

// The year's events asked for, by name.
struct YearEventsRequest {
  std::vector<Body> planets;   // whose phenomena
  bool sunAndMoon = true;      // the Sun's and the Moon's, the eclipses, the transits and the showers' peaks
  bool moon = false;           // the Moon's phases and its approaches to the planets, without the rest
  double approachLimit = 1.0;  // degrees: closer approaches are listed
  Span span;                   // the events' instants
  std::optional<Place> place;  // each shower's peak with its night from here
  TimeZone zone;               // whose nights those are
};

// The events of request, handed over in time order as FindPhenomena does;
// progress, when given, told the instant reached; the method's run-time
// errors raised after what came before them was handed over.
void RunPhenomena(const YearEventsRequest& request, const std::function<void(const YearEvent&)>& each,
                  const std::function<void(const Instant&)>& progress = nullptr);

// What the almanac of a year prints beside its chart, from place in zone:
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
AlmanacYear RunAlmanacYear(const Place& place, const TimeZone& zone, int year);

}  // namespace orbitas
