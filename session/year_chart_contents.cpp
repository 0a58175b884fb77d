#include "session/year_chart_contents.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <future>

#include "session/clock_words.h"
#include "calendar/civil_days.h"
#include "calendar/civil_time.h"
#include "session/names.h"
#include "session/runners.h"
#include "sky/night/rise_set.h"
#include "sky/night/year_nights.h"
#include "sky/showers/meteor_showers.h"

namespace orbitas {
namespace {

// The planets the eye sees: the chart's curves.
const std::vector<Body>& ChartPlanets = BrightPlanets;

// Nearer the Sun than this (degrees) a planet is lost in its glare: its
// curves are left out.
constexpr double GlareDegrees = 12;

// The share of the chart's work that is its nights (the rest is the
// year's events), as measured: about 310 of 360 ms.
constexpr double NightsShare = 0.85;

// A curve breaks where it jumps more than this (hours) from one night to
// the next: at a change of the clock, or where the event leaves the night.
constexpr double JumpHours = 0.75;

// Clock hours from the noon that starts a night: the local clock's
// reading at t less its reading at noon, so that the curves jump where
// the clock does.
struct Clock {
  const TimeZone& zone;
  Instant noon;
  double operator()(const Instant& t) const { return zone.ClockHours(noon, t); }
};

std::optional<ClockSpan> Below(const YearNight& n, std::size_t limit, const Clock& clock) {
  if (n.alwaysBelow[limit]) return ClockSpan{0, 24};
  const std::optional<Instant>& dusk = n.dusk[limit];
  const std::optional<Instant>& dawn = n.dawn[limit];
  if (dusk && dawn && *dusk < *dawn) return ClockSpan{clock(*dusk), clock(*dawn)};
  if (dusk && !dawn) return ClockSpan{clock(*dusk), 24};
  if (dawn && !dusk) return ClockSpan{0, clock(*dawn)};
  return std::nullopt;
}

// The Moon's hours above the horizon within the dark part of the row.
std::vector<ClockSpan> Moonlit(const YearNight& n, const std::optional<ClockSpan>& dark, const Clock& clock) {
  if (!dark) return {};
  std::vector<ClockSpan> up;
  const std::optional<Instant> rise = n.moon.rise, set = n.moon.set;
  if (rise && set && *rise < *set) up.push_back({clock(*rise), clock(*set)});
  if (rise && set && *set < *rise) up = {{0, clock(*set)}, {clock(*rise), 24}};
  if (rise && !set) up.push_back({clock(*rise), 24});
  if (set && !rise) up.push_back({0, clock(*set)});
  std::vector<ClockSpan> lit;
  for (const ClockSpan& u : up) {
    const double from = std::max(u.first, dark->first), to = std::min(u.second, dark->second);
    if (to > from) lit.push_back({from, to});
  }
  return lit;
}

// Each curve continued by one night: a new piece where there is no event,
// the planet is in the Sun's glare, or the time jumps.
void Extend(YearCurve& curve, int row, const std::optional<double>& hours, bool glare) {
  if (!hours || glare) {
    if (!curve.pieces.empty() && !curve.pieces.back().empty()) curve.pieces.emplace_back();
    return;
  }
  if (curve.pieces.empty()) curve.pieces.emplace_back();
  std::vector<std::pair<int, double>>& piece = curve.pieces.back();
  if (!piece.empty() && (piece.back().first != row - 1 || std::fabs(piece.back().second - *hours) > JumpHours)) {
    curve.pieces.emplace_back();
  }
  curve.pieces.back().push_back({row, *hours});
}

// The row of the night that holds jd, or none outside the year.
std::optional<int> RowOf(const std::vector<Instant>& starts, const Instant& t) {
  const auto after = std::upper_bound(starts.begin(), starts.end(), t);
  if (after == starts.begin()) return std::nullopt;
  const int row = static_cast<int>(after - starts.begin()) - 1;
  if (row + 1 == static_cast<int>(starts.size()) && t > starts.back().After(1.05)) return std::nullopt;
  return row;
}

// An event's mark at its instant (the reference's where the list has it).
void Mark(YearChart& chart, const std::vector<Instant>& starts, const TimeZone& zone, const Instant& t, std::string kind,
          std::string what, std::string label) {
  const std::optional<int> row = RowOf(starts, t);
  if (!row) return;
  const Clock clock{zone, starts[static_cast<std::size_t>(*row)]};
  chart.marks.push_back({*row, clock(t), std::move(kind), what + " " + zone.LocalMinute(t), std::move(label)});
}

// The year's oppositions and greatest elongations, the showers' peaks and
// the eclipses seen from the place.
void AddEvents(YearChart& chart, const std::vector<Instant>& starts, const Place& place, const TimeZone& zone,
               const std::function<void(double)>& progress) {
  const Span year{starts.front(), starts.back().After(1)};
  SkyRequest request;
  request.bodies = ChartPlanets;
  request.sunAndMoon = false;
  request.approachLimit = 0.01;
  request.span = year;
  request.zone = zone;
  RunPhenomena(request, [&](const YearEvent& e) {
    const auto* p = std::get_if<Phenomenon>(&e);
    if (!p) return;
    const std::string name(SpanishName(p->body));
    if (p->kind == PhenomenonKind::Opposition) Mark(chart, starts, zone, TimeOf(e), "oposicion", name + " en oposición", "oposición de " + name);
    if (p->kind == PhenomenonKind::GreatestEastern || p->kind == PhenomenonKind::GreatestWestern) {
      Mark(chart, starts, zone, TimeOf(e), "elongacion", name + " en su máxima elongación", name + ", máx. elongación");
    }
  }, [&](const PhenomenaProgress& told) {
    if (progress) progress(told.done);
  });
  FindShowerPeaks(year, [&](const ShowerPeak& peak) {
    if (peak.shower->zhr < 10) return;  // the major showers only
    const std::string name(ShowerName(peak.shower->code));
    Mark(chart, starts, zone, peak.time, "lluvia", "Máximo de las " + name, name);
  });
  request.place = place;
  RunEclipses(request, [&](const EclipseSeen& seen) {
    const bool lunar = std::holds_alternative<LunarEclipse>(seen.event);
    if (std::holds_alternative<Transit>(seen.event) || !SeenFromThePlace(seen)) return;
    const std::string what = lunar ? "Eclipse de Luna" : "Eclipse de Sol";
    // At the place's own maximum: a solar eclipse's there is not the
    // shadow's greatest.
    Mark(chart, starts, zone, ListedInstant(seen), "eclipse", what + ", visible desde el lugar", what);
  });
}

// Full and new moons: the nights in which the Moon's longitude from the
// Sun passes 180 or 360 degrees.
void AddPhases(YearChart& chart, const std::vector<double>& longitudes) {
  for (std::size_t r = 1; r < longitudes.size(); ++r) {
    const double a = longitudes[r - 1], b = longitudes[r];
    if (a < 180 && b >= 180) chart.marks.push_back({static_cast<int>(r - 1), 24, "luna-llena", "Luna llena la noche del " + chart.rows[r - 1].date, ""});
    if (b < a) chart.marks.push_back({static_cast<int>(r - 1), 24, "luna-nueva", "Luna nueva la noche del " + chart.rows[r - 1].date, ""});
  }
}

std::string PlaceWords(const Place& place) {
  return place.name.empty() ? place.text : place.name + (place.country.empty() ? "" : " (" + place.country + ")");
}

// A night's row (its shades and the Moon's hours) and its points on the
// planets' curves, in the clock's hours of the evening's zone.
void AddNight(YearChart& chart, int row, const CivilDate& date, const LocalDay& day, const YearNight& n,
              const TimeZone& zone) {
  const Clock clock{zone, day.span.from};
  YearRow r;
  r.date = day.date;
  r.civil = date;
  for (std::size_t l = 0; l < r.belowSun.size(); ++l) r.belowSun[l] = Below(n, l, clock);
  r.moonlit = Moonlit(n, r.belowSun[0], clock);
  r.moonIlluminated = n.moonIlluminated;
  chart.rows.push_back(std::move(r));
  for (std::size_t p = 0; p < ChartPlanets.size(); ++p) {
    const bool glare = n.elongations[p] < GlareDegrees;
    const BodyCrossings& c = n.planets[p];
    const std::optional<Instant> times[] = {c.rise, c.transit, c.set};
    for (int k = 0; k < 3; ++k) {
      Extend(chart.curves[p * 3 + k], row, times[k] ? std::optional<double>(clock(*times[k])) : std::nullopt, glare);
    }
  }
}

// The nights of days, in order, two at a time: the later half on a thread
// of its own (the sky library keeps its caches per thread), the earlier
// here, telling progress (0..1) here as each night of either half is done.
// When progress raises, the other half stops at its next night and the
// exception goes on.
std::vector<YearNight> NightsOf(const ElementsTable& elements, const Place& place, const std::vector<LocalDay>& days,
                                const std::function<void(double)>& progress) {
  std::vector<YearNight> nights(days.size());
  const std::size_t half = days.size() / 2;
  std::atomic<bool> stop = false;
  std::atomic<std::size_t> done = 0;
  auto later = std::async(std::launch::async, [&] {
    for (std::size_t k = half; k < days.size() && !stop; ++k) {
      nights[k] = ComputeYearNight(elements, place, days[k].span, ChartPlanets);
      ++done;
    }
  });
  std::size_t told = 0;
  const auto tell = [&] {
    for (; told < done; ++told) progress(static_cast<double>(told + 1) / static_cast<double>(days.size()));
  };
  try {
    for (std::size_t k = 0; k < half; ++k) {
      nights[k] = ComputeYearNight(elements, place, days[k].span, ChartPlanets);
      ++done;
      tell();
    }
    while (later.wait_for(std::chrono::milliseconds(2)) != std::future_status::ready) tell();
    later.get();  // what the other half raised
    tell();
  } catch (...) {
    stop = true;
    if (later.valid()) later.wait();
    throw;
  }
  return nights;
}

}  // namespace

YearChart YearChartOf(const ElementsTable& elements, const Place& place, const TimeZone& zone, int year,
                      const std::function<void(double)>& progress) {
  YearChart chart;
  chart.title = "El año " + std::to_string(year) + " desde " + PlaceWords(place) + " · " + ClockWords(zone);
  chart.sources = "Horas del reloj local. Fuentes: el Sol, la Luna, los planetas y los sucesos, de ERFA (IAU SOFA)";
  static constexpr const char* Kinds[] = {"salida", "paso", "puesta"};
  for (const Body body : ChartPlanets) {
    for (const char* kind : Kinds) chart.curves.push_back({body, std::string(SpanishName(body)) + ": " + kind, kind, {}});
  }
  const std::int64_t first = DaysFromCivil(year, 1, 1), last = DaysFromCivil(year + 1, 1, 1);
  std::vector<CivilDate> dates;
  std::vector<LocalDay> days;
  for (std::int64_t d = first; d < last; ++d) {
    dates.push_back(CivilFromDays(d));
    CivilTime evening;
    evening.year = dates.back().year, evening.month = dates.back().month, evening.day = dates.back().day;
    days.push_back(LocalDayOf(evening, zone, 12));
  }
  const std::vector<YearNight> nights = NightsOf(elements, place, days, [&](double done) {
    if (progress) progress(NightsShare * done);
  });
  std::vector<Instant> starts;
  std::vector<double> longitudes;
  for (std::size_t row = 0; row < days.size(); ++row) {
    const LocalDay& day = days[row];
    starts.push_back(day.span.from);
    longitudes.push_back(nights[row].moonLongitudeFromSun);
    AddNight(chart, static_cast<int>(row), dates[row], day, nights[row], zone);
    const long before = zone.OffsetAt(day.span.from);
    const long after = zone.OffsetAt(day.span.to);
    if (before != after) {
      chart.clockChanges.push_back({static_cast<int>(row), std::string("cambio de hora: ") + (after > before ? "+" : "−") +
                                                               std::to_string(std::labs(after - before) / 3600) + " h"});
    }
  }
  AddPhases(chart, longitudes);
  AddEvents(chart, starts, place, zone, [&](double done) {
    if (progress) progress(NightsShare + (1 - NightsShare) * done);
  });
  for (YearCurve& curve : chart.curves) {
    std::erase_if(curve.pieces, [](const auto& piece) { return piece.size() < 2; });
  }
  return chart;
}

YearChart RunYearChart(const SkyRequest& request, const std::function<void(double)>& progress) {
  return YearChartOf(MethodElements(), PlaceOf(request), request.zone, request.year, progress);
}

const std::vector<Body>& YearChartPlanets() { return ChartPlanets; }

void RunYearNights(const SkyRequest& request, const std::function<void(const YearNightAnswer&)>& each) {
  const Place place = PlaceOf(request);
  const std::int64_t first = DaysFromCivil(request.year, 1, 1), last = DaysFromCivil(request.year + 1, 1, 1);
  for (std::int64_t d = first; d < last; ++d) {
    const CivilDate date = CivilFromDays(d);
    CivilTime evening;
    evening.year = date.year, evening.month = date.month, evening.day = date.day;
    const LocalDay day = LocalDayOf(evening, request.zone, 12);
    each({day.date, ComputeYearNight(MethodElements(), place, day.span, ChartPlanets)});
  }
}

}  // namespace orbitas
