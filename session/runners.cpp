#include "session/runners.h"

#include <algorithm>
#include <limits>

#include "calendar/civil_days.h"
#include "session/request_refused.h"

namespace orbitas {

const ElementsTable& MethodElements() {
  static const ElementsTable elements = [] {
    ElementsTable table{};
    FillElements(table);
    return table;
  }();
  return elements;
}

namespace {

// A local day's bounds as instants: its nights and risings are searched in
// UT, and the reference asked at TT.
std::pair<Instant, Instant> BoundsOf(const LocalDay& day) {
  return {Instant::FromUt(day.start), Instant::FromUt(day.end)};
}

}  // namespace

std::vector<Body> BodiesOf(const std::vector<Int16>& numbers) {
  std::vector<Body> bodies;
  for (const Int16 n : numbers) {
    const std::optional<Body> body = BodyFromNumber(n);
    if (!body) RaiseSubscriptOutOfRange();
    bodies.push_back(*body);
  }
  return bodies;
}

RiseSetRun RunRiseSet(const std::vector<Body>& bodies, const Place& place, const LocalDay& day) {
  RiseSetRun run;
  const auto [start, end] = BoundsOf(day);
  try {
    for (const Body body : bodies) {
      run.planets.push_back(body == Body::Moon ? ComputeMoonDay(place, start, end)
                                               : ComputePlanetDay(MethodElements(), body, place, start, end));
    }
  } catch (const RuntimeError& error) {
    run.stopped = error;
  }
  return run;
}

NightRun RunNight(const std::vector<Body>& planets, const Place& place, const LocalDay& day, const NightLimits& limits) {
  const auto [start, end] = BoundsOf(day);
  NightRun run{ComputeNight(MethodElements(), place, start, end, planets, limits), {}, {}};
  // Meteors are counted in astronomical darkness, whatever the planets' limit.
  NightLimits astronomical = limits;
  astronomical.sunAltitude = AstronomicalTwilight;
  const Instant middle = Instant::FromUt(run.night.middle);
  const DarkSky dark = DarkSkyOf(MethodElements(), place, start, end, astronomical, middle, {});
  run.showers = ShowersInTheNight(place, dark.intervals, middle, DarkestInstant(MethodElements(), place, start, end));
  RunEclipses(day.start, day.end, place, [&](const EclipseSeen& seen) {
    if (!std::holds_alternative<Transit>(seen.event)) run.eclipses.push_back(seen);
  });
  return run;
}

FinderChartPicture RunChart(Body planet, double julianDay, double fieldDegrees, const std::optional<Place>& place,
                            const TimeZone& zone, std::string_view separator) {
  return FinderChartPictureOf(MethodElements(), planet, julianDay, fieldDegrees, place, zone, separator);
}

Night RunPlanetsNight(const std::vector<Body>& planets, const Place& place, const LocalDay& day,
                      const NightLimits& limits) {
  const auto [start, end] = BoundsOf(day);
  return ComputeNight(MethodElements(), place, start, end, planets, limits);
}

void RunNights(const std::vector<Body>& planets, const Place& place, const TimeZone& zone, const CivilTime& first,
               const CivilTime& last, const NightLimits& limits,
               const std::function<void(const LocalDay&, const NightRun&)>& each) {
  const std::int64_t from = DaysFromCivil(first.year, first.month, first.day);
  const std::int64_t to = DaysFromCivil(last.year, last.month, last.day);
  if (to < from) throw RequestRefused("la última noche es anterior a la primera");
  if (to - from >= MostNights) throw RequestRefused("como mucho 366 noches de una vez");
  for (std::int64_t d = from; d <= to; ++d) {
    const CivilDate date = CivilFromDays(d);
    CivilTime evening;
    evening.year = date.year, evening.month = date.month, evening.day = date.day;
    const LocalDay day = LocalDayOf(evening, zone, 12);
    each(day, RunNight(planets, place, day, limits));
  }
}

double TimeOf(const YearEvent& event) {
  if (const auto* p = std::get_if<Phenomenon>(&event)) return ListedTime(*p);
  if (const auto* e = std::get_if<EclipseSeen>(&event)) return GreatestOf(e->event).ut;
  return std::get<ShowerPeakSeen>(event).peak.time.ut;
}

namespace {

// shower at its best hour in the local night (noon to noon) of date.
std::optional<ShowerNight> ShowerOnNight(const MeteorShower* shower, const Place& place, const TimeZone& zone,
                                         const CivilTime& date) {
  const LocalDay day = LocalDayOf(date, zone, 12);
  NightLimits astronomical;
  astronomical.sunAltitude = AstronomicalTwilight;
  const auto [start, end] = BoundsOf(day);
  const Instant darkest = DarkestInstant(MethodElements(), place, start, end);
  const DarkSky dark = DarkSkyOf(MethodElements(), place, start, end, astronomical, darkest, {});
  const std::vector<ShowerNight> showers = ShowersInTheNight(place, dark.intervals, darkest, darkest, shower);
  if (showers.empty()) return std::nullopt;
  return showers.front();
}

}  // namespace

std::optional<ShowerNight> PeakNight(const ShowerPeak& peak, const Place& place, const TimeZone& zone) {
  // The local night that holds the peak began on the date of half a day
  // before; a peak in the afternoon or evening is nearer the dark hours of
  // the night before, one in the morning those of the night after: of the
  // two, the night with more meteors.
  const double utc = UnixSecondsFromJulianDay(peak.time.ut);
  const double local = utc + static_cast<double>(zone.OffsetAt(utc));
  const CivilTime date = CivilFromSeconds(local - SecondsPerDay / 2);
  const CivilTime other = CivilFromSeconds(local - SecondsPerDay / 2 + (date.hour >= 12 ? SecondsPerDay : -SecondsPerDay));
  const std::optional<ShowerNight> a = ShowerOnNight(peak.shower, place, zone, date),
                                   b = ShowerOnNight(peak.shower, place, zone, other);
  if (!a || (b && b->hourlyRate > a->hourlyRate)) return b;
  return a;
}

namespace {

// Hands over the pending events listed before `before`, in the order of
// their listed instants, and keeps the rest. An event is in [start, end)
// by the instant it is listed at: one the method found inside it whose
// true instant falls outside is left out.
void HandOver(std::vector<YearEvent>& pending, double before, double start, double end,
              const std::function<void(const YearEvent&)>& each) {
  std::stable_sort(pending.begin(), pending.end(), [](const YearEvent& a, const YearEvent& b) { return TimeOf(a) < TimeOf(b); });
  const auto kept = std::find_if(pending.begin(), pending.end(), [&](const YearEvent& e) { return TimeOf(e) >= before; });
  for (auto e = pending.begin(); e != kept; ++e) {
    if (TimeOf(*e) >= start && TimeOf(*e) < end) each(*e);
  }
  pending.erase(pending.begin(), kept);
}

// The eclipses and the showers' peaks in [from, upTo), which only the
// reference has, added to pending; each peak with its night from place.
void AddReferenceEvents(std::vector<YearEvent>& pending, Instant from, Instant upTo, const std::optional<Place>& place,
                        const TimeZone& zone) {
  FindEclipses(from, upTo, [&](const EclipseEvent& e) { pending.push_back(EclipseSeen{e, {}, {}}); });
  FindShowerPeaks(from, upTo, [&](const ShowerPeak& p) {
    pending.push_back(ShowerPeakSeen{p, place ? PeakNight(p, *place, zone) : std::nullopt});
  });
}

}  // namespace

void RunPhenomena(const std::vector<Body>& planets, bool sunAndMoon, bool moon, double approachLimit, double start, double end,
                  const std::optional<Place>& place, const TimeZone& zone,
                  const std::function<void(const YearEvent&)>& each, const std::function<void(double)>& progress) {
  PhenomenaRequest request;
  request.planets = planets;
  request.sunAndMoon = sunAndMoon;
  request.moon = moon;
  request.approachLimit = approachLimit;
  // Each stretch's phenomena wait for the reference's events of the same
  // stretch, to go out together in the order of their listed instants. A
  // phenomenon is listed at the reference's instant, which may stand days
  // (an approach of two slow planets: weeks) from the method's that found
  // it: what is listed within a year of the stretch's end waits for the
  // next stretch, which might bring an earlier one.
  constexpr double Holdback = 366.0;  // days
  std::vector<YearEvent> pending;
  double from = start;
  auto handOver = [&](double before) { HandOver(pending, before, start, end, each); };
  auto flush = [&](double upTo) {
    if (sunAndMoon) AddReferenceEvents(pending, Instant::FromUt(from), Instant::FromUt(upTo), place, zone);
    handOver(upTo >= end ? std::numeric_limits<double>::infinity() : upTo - Holdback);
    from = upTo;
  };
  try {
    FindPhenomena(MethodElements(), request, Instant::FromUt(start), Instant::FromUt(end),
                  [&](const Phenomenon& p) { pending.push_back(p); },
                  [&](double day) {
                    flush(day);
                    if (progress) progress(day);
                  });
  } catch (const RuntimeError&) {
    // Everything found before the failure is still handed over.
    handOver(std::numeric_limits<double>::infinity());
    throw;
  }
}

namespace {

EclipseSeen Seen(const EclipseEvent& event, const std::optional<Place>& place) {
  EclipseSeen seen{event, {}, {}};
  if (!place) return seen;
  if (const auto* solar = std::get_if<SolarEclipse>(&event)) seen.solar = SolarEclipseFrom(*solar, *place);
  if (const auto* lunar = std::get_if<LunarEclipse>(&event)) seen.lunar = LunarEclipseFrom(*lunar, *place);
  return seen;
}

}  // namespace

void RunEclipses(double start, double end, const std::optional<Place>& place,
                 const std::function<void(const EclipseSeen&)>& each) {
  FindEclipses(Instant::FromUt(start), Instant::FromUt(end), [&](const EclipseEvent& event) { each(Seen(event, place)); });
}

std::optional<EclipseSeen> RunFirstEclipse(double after, const std::optional<Place>& place) {
  const std::optional<EclipseEvent> event = NextEclipse(Instant::FromUt(after), ReferenceSpanEnd - after);
  if (!event) return std::nullopt;
  return Seen(*event, place);
}

AlmanacYear RunAlmanacYear(const Place& place, const TimeZone& zone, int year) {
  const std::vector<Body> planets = BodiesOf({1, 2, 4, 5, 6});
  CivilTime first, next;
  first.year = year, next.year = year + 1;
  AlmanacYear almanac;
  RunPhenomena(planets, true, false, 1.0, JulianDayFromUnixSeconds(zone.UtcOf(first)),
               JulianDayFromUnixSeconds(zone.UtcOf(next)), place, zone,
               [&](const YearEvent& e) { almanac.events.push_back(e); }, {});
  NightLimits limits;
  limits.instrument = Instrument::Eye;
  for (int month = 1; month <= 12; ++month) {
    CivilTime fifteenth = first;
    fifteenth.month = month, fifteenth.day = 15;
    const LocalDay day = LocalDayOf(fifteenth, zone, 12);
    almanac.nights.push_back({day, limits, RunPlanetsNight(planets, place, day, limits)});
  }
  return almanac;
}

}  // namespace orbitas
