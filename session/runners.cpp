#include "session/runners.h"

#include <algorithm>

#include "calendar/civil_days.h"
#include "session/local_dates.h"
#include "session/method_answers.h"
#include "session/request_refused.h"
#include "sky/deep_sky/deep_sky_catalogue.h"

namespace orbitas {

const ElementsTable& MethodElements() {
  static const ElementsTable elements = [] {
    ElementsTable table{};
    FillElements(table);
    return table;
  }();
  return elements;
}

const Place& PlaceOf(const SkyRequest& request) {
  if (!request.place) throw RequestRefused("hace falta un lugar");
  return *request.place;
}

Span ReferenceSpan() { return {Instant::FromUt(ReferenceSpanStart), Instant::FromUt(ReferenceSpanEnd)}; }

std::vector<Body> BodiesOf(const std::vector<Int16>& numbers) {
  std::vector<Body> bodies;
  for (const Int16 n : numbers) {
    const std::optional<Body> body = BodyFromNumber(n);
    if (!body) RaiseSubscriptOutOfRange();
    bodies.push_back(*body);
  }
  return bodies;
}

RiseSetAnswer RunRiseSet(const SkyRequest& request) {
  const Place& place = PlaceOf(request);
  const LocalDay day = LocalDayOf(request.date, request.zone);
  RiseSetAnswer run{day.date, place, request.zone, {}, {}, {}};
  const std::vector<Body>& bodies = request.bodies;
  try {
    for (const Body body : bodies) {
      run.planets.push_back(body == Body::Moon ? ComputeMoonDay(place, day.span)
                                               : ComputePlanetDay(MethodElements(), body, place, day.span));
    }
  } catch (const RuntimeError& error) {
    run.stopped = error;
  }
  if (request.withMethod) run.method = MethodDaysOf(MethodElements(), place, day.span, bodies);
  return run;
}

namespace {

// The night's Sun, Moon and planets of day (local noon to noon), without
// its showers and eclipses.
NightAnswer PlanetsNight(const std::vector<Body>& planets, const Place& place, const TimeZone& zone,
                         const LocalDay& day, const NightLimits& limits) {
  return {day.date, place, zone, limits, ComputeNight(MethodElements(), place, day.span, planets, limits), {}, {}, {}, {}};
}

// The eclipses and transits of span, each seen from place when given.
void EclipsesIn(const Span& span, const std::optional<Place>& place,
                const std::function<void(const EclipseSeen&)>& each);

}  // namespace

NightAnswer RunNight(const SkyRequest& request) {
  const Place& place = PlaceOf(request);
  const NightLimits& limits = request.limits;
  const LocalDay day = LocalDayOf(request.date, request.zone, 12);
  NightAnswer run = PlanetsNight(request.bodies, place, request.zone, day, limits);
  // Meteors are counted in astronomical darkness, whatever the planets' limit.
  NightLimits astronomical = limits;
  astronomical.sunAltitude = AstronomicalTwilight;
  const Instant middle = run.night.middle;
  const DarkSky dark = DarkSkyOf(MethodElements(), place, day.span, astronomical, middle);
  run.showers =
      ShowersInTheNight(place, dark.intervals, middle, DarkestInstant(MethodElements(), place, day.span), limits.sky);
  EclipsesIn(day.span, place, [&](const EclipseSeen& seen) {
    if (!std::holds_alternative<Transit>(seen.event)) run.eclipses.push_back(seen);
  });
  if (request.withMethod) run.method = MethodNightOf(MethodElements(), place, day.span, request.bodies, limits);
  if (request.withPassages) {
    for (const Body body : request.bodies) run.passages.push_back(ComputePlanetDay(MethodElements(), body, place, day.span));
  }
  return run;
}

FinderChartPicture RunChart(const SkyRequest& request, std::string_view separator) {
  if (request.bodies.empty() && !request.deepSky.empty()) {
    const DeepSkyObject* object = DeepSkyObjectNamed(request.deepSky.front());
    if (!object) throw RequestRefused("objeto de cielo profundo desconocido: " + request.deepSky.front());
    return ObjectChartPictureOf(*object, request.at, request.chartField, request.place, request.zone, separator);
  }
  if (request.bodies.empty()) throw RequestRefused("la carta necesita un planeta o un objeto de cielo profundo");
  return FinderChartPictureOf(MethodElements(), request.bodies.front(), request.at, request.chartField, request.place,
                              request.zone, separator);
}

void RunNights(const SkyRequest& request, const std::function<void(const NightAnswer&)>& each) {
  PlaceOf(request);
  const CivilTime &first = request.date, &last = request.lastDate;
  const std::int64_t from = DaysFromCivil(first.year, first.month, first.day);
  const std::int64_t to = DaysFromCivil(last.year, last.month, last.day);
  if (to < from) throw RequestRefused("la última noche es anterior a la primera");
  if (to - from >= MostNights) throw RequestRefused("como mucho 366 noches de una vez");
  for (std::int64_t d = from; d <= to; ++d) {
    const CivilDate date = CivilFromDays(d);
    CivilTime evening;
    evening.year = date.year, evening.month = date.month, evening.day = date.day;
    SkyRequest night = request;
    night.date = evening;
    each(RunNight(night));
  }
}

Instant TimeOf(const YearEvent& event) {
  if (const auto* p = std::get_if<Phenomenon>(&event)) return ListedTime(*p);
  if (const auto* e = std::get_if<EclipseSeen>(&event)) return ListedInstant(*e);
  return std::get<ShowerPeakSeen>(event).peak.time;
}

namespace {

// shower at its best hour in the local night (noon to noon) of date.
std::optional<ShowerNight> ShowerOnNight(const MeteorShower* shower, const Place& place, const TimeZone& zone,
                                         const CivilTime& date, SkyDarkness sky) {
  const LocalDay day = LocalDayOf(date, zone, 12);
  NightLimits astronomical;
  astronomical.sunAltitude = AstronomicalTwilight;
  const Instant darkest = DarkestInstant(MethodElements(), place, day.span);
  const DarkSky dark = DarkSkyOf(MethodElements(), place, day.span, astronomical, darkest, {});
  const std::vector<ShowerNight> showers =
      ShowersInTheNight(place, dark.intervals, darkest, darkest, sky, shower);
  if (showers.empty()) return std::nullopt;
  return showers.front();
}

}  // namespace

std::optional<ShowerNight> PeakNight(const ShowerPeak& peak, const Place& place, const TimeZone& zone,
                                     SkyDarkness sky) {
  // The local night that holds the peak began on the date of half a day
  // before; a peak in the afternoon or evening is nearer the dark hours of
  // the night before, one in the morning those of the night after: of the
  // two, the night with more meteors.
  const CivilTime date = zone.ClockMoved(peak.time, -SecondsPerDay / 2);
  const CivilTime other = zone.ClockMoved(peak.time, -SecondsPerDay / 2, date.hour >= 12 ? SecondsPerDay : -SecondsPerDay);
  const std::optional<ShowerNight> a = ShowerOnNight(peak.shower, place, zone, date, sky),
                                   b = ShowerOnNight(peak.shower, place, zone, other, sky);
  if (!a || (b && b->hourlyRate > a->hourlyRate)) return b;
  return a;
}

namespace {

// Hands over the pending events listed before `before` (all of them
// without it), in the order of their listed instants, and keeps the rest. An event is in [start, end)
// by the instant it is listed at: one the method found inside it whose
// true instant falls outside is left out.
void HandOver(std::vector<YearEvent>& pending, const std::optional<Instant>& before, const Span& span,
              const std::function<void(const YearEvent&)>& each) {
  std::stable_sort(pending.begin(), pending.end(), [](const YearEvent& a, const YearEvent& b) { return TimeOf(a) < TimeOf(b); });
  const auto kept = std::find_if(pending.begin(), pending.end(), [&](const YearEvent& e) { return before && TimeOf(e) >= *before; });
  for (auto e = pending.begin(); e != kept; ++e) {
    if (span.Contains(TimeOf(*e))) each(*e);
  }
  pending.erase(pending.begin(), kept);
}

EclipseSeen Seen(const EclipseEvent& event, const std::optional<Place>& place);

// The eclipses and the showers' peaks in [from, upTo), which only the
// reference has, added to pending: each eclipse as place sees it, each
// peak with its night from place.
// step is called before the eclipses and before each peak's night (a
// year's nights of the peaks from a place take longer than any one of
// the method's searches).
void AddReferenceEvents(std::vector<YearEvent>& pending, const Span& stretch, const std::optional<Place>& place,
                        const TimeZone& zone, SkyDarkness sky, const std::function<void()>& step) {
  step();
  FindEclipses(stretch, [&](const EclipseEvent& e) { pending.push_back(Seen(e, place)); });
  FindShowerPeaks(stretch, [&](const ShowerPeak& p) {
    step();
    pending.push_back(ShowerPeakSeen{p, place ? PeakNight(p, *place, zone, sky) : std::nullopt});
  });
}

}  // namespace

void RunPhenomena(const SkyRequest& asked, const std::function<void(const YearEvent&)>& each,
                  const std::function<void(const PhenomenaProgress&)>& progress) {
  PhenomenaRequest request;
  request.planets = asked.bodies;
  request.sunAndMoon = asked.sunAndMoon;
  request.moon = asked.moon;
  request.approachLimit = asked.approachLimit;
  // Each stretch's phenomena wait for the reference's events of the same
  // stretch, to go out together in the order of their listed instants. A
  // phenomenon is listed at the reference's instant, which may stand days
  // (an approach of two slow planets: weeks) from the method's that found
  // it: what is listed within a year of the stretch's end waits for the
  // next stretch, which might bring an earlier one.
  constexpr double Holdback = 366.0;  // days
  std::vector<YearEvent> pending;
  Instant from = asked.span.from;
  auto handOver = [&](const std::optional<Instant>& before) { HandOver(pending, before, asked.span, each); };
  auto flush = [&](const PhenomenaProgress& told) {
    const Instant upTo = told.reached;
    // The stretch's own searches are done, its reference's events not yet.
    const PhenomenaProgress waiting{from, told.done};
    const auto step = [&] {
      if (progress) progress(waiting);
    };
    if (asked.sunAndMoon) AddReferenceEvents(pending, {from, upTo}, asked.place, asked.zone, asked.limits.sky, step);
    handOver(upTo >= asked.span.to ? std::nullopt : std::optional<Instant>(upTo.After(-Holdback)));
    from = upTo;
  };
  try {
    FindPhenomena(MethodElements(), request, asked.span, [&](const Phenomenon& p) { pending.push_back(p); },
                  [&](const PhenomenaProgress& told) {
                    if (told.reached > from) flush(told);  // a stretch ended
                    if (progress) progress(told);
                  });
  } catch (const RuntimeError&) {
    // Everything found before the failure is still handed over.
    handOver(std::nullopt);
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

void EclipsesIn(const Span& span, const std::optional<Place>& place,
                const std::function<void(const EclipseSeen&)>& each) {
  FindEclipses(span, [&](const EclipseEvent& event) { each(Seen(event, place)); });
}

}  // namespace

void RunEclipses(const SkyRequest& request, const std::function<void(const EclipseSeen&)>& each) {
  EclipsesIn(request.span, request.place, each);
}

std::optional<EclipseSeen> RunFirstEclipse(const SkyRequest& request) {
  // The first after `at`: one exactly at it is the one the user has seen.
  std::optional<EclipseEvent> event = NextEclipse({request.at, ReferenceSpan().to});
  if (event && GreatestOf(*event) == request.at) event = NextEclipse({request.at.After(1), ReferenceSpan().to});
  if (!event) return std::nullopt;
  return Seen(*event, request.place);
}

AlmanacYear RunAlmanacYear(const SkyRequest& asked) {
  const Place& place = PlaceOf(asked);
  const TimeZone& zone = asked.zone;
  const int year = asked.year;
  const std::vector<Body>& planets = BrightPlanets;
  CivilTime first;
  first.year = year;
  AlmanacYear almanac;
  almanac.year = year;
  almanac.zone = zone;
  SkyRequest request;
  request.bodies = planets;
  request.span = LocalYear(zone, year);
  request.place = place;
  request.zone = zone;
  RunPhenomena(request, [&](const YearEvent& e) { almanac.events.push_back(e); });
  NightLimits limits;
  limits.instrument = Instrument::Eye;
  for (int month = 1; month <= 12; ++month) {
    CivilTime fifteenth = first;
    fifteenth.month = month, fifteenth.day = 15;
    const LocalDay day = LocalDayOf(fifteenth, zone, 12);
    almanac.nights.push_back(PlanetsNight(planets, place, zone, day, limits));
  }
  return almanac;
}

}  // namespace orbitas
