#include "sky/events/phenomena.h"

#include <algorithm>

#include "runtime/runtime_error.h"
#include "sky/events/event_search.h"
#include "sky/search/toolkit.h"

namespace orbitas {
namespace {

constexpr double YearDays = 365.25;

// Every event of request in [a, b): each kind's search in turn, then in
// time order.
std::vector<Phenomenon> Merged(const EventSearch& search, const PhenomenaRequest& request, double a, double b) {
  search.NewStretch();
  const Instant from = Instant::FromUt(a), to = Instant::FromUt(b);
  std::vector<Phenomenon> found;
  auto add = [&found](std::vector<Phenomenon> events) { found.insert(found.end(), events.begin(), events.end()); };
  for (const Body p : request.planets) {
    add(search.Conjunctions(p, from, to));
    add(search.GreatestElongations(p, from, to));
    add(search.Stations(p, from, to));
    add(search.Apsides(p, from, to));
  }
  for (std::size_t i = 0; i < request.planets.size(); ++i) {
    for (std::size_t j = i + 1; j < request.planets.size(); ++j) {
      add(search.CloseApproaches(request.planets[i], request.planets[j], request.approachLimit, from, to));
    }
    if (request.sunAndMoon || request.moon) {
      add(search.CloseApproaches(Body::Moon, request.planets[i], request.approachLimit, from, to));
    }
  }
  if (request.sunAndMoon || request.moon) add(search.MoonPhases(from, to));
  if (request.sunAndMoon) {
    add(search.Apsides(Body::Earth, from, to));
    add(search.Seasons(from, to));
  }
  std::sort(found.begin(), found.end(), [](const Phenomenon& x, const Phenomenon& y) { return x.time < y.time; });
  return found;
}

// One stretch: searched whole, or, where the method fails inside it, in
// halves down to a day, so that everything before the failure is handed
// over first. progress hears the end of each stretch searched.
void Stretch(const EventSearch& search, const PhenomenaRequest& request, double a, double b,
             const std::function<void(const Phenomenon&)>& each, const std::function<void(double)>& progress) {
  std::vector<Phenomenon> found;
  try {
    found = Merged(search, request, a, b);
  } catch (const RuntimeError&) {
    if (b - a <= 1) throw;
    const double middle = (a + b) / 2;
    Stretch(search, request, a, middle, each, progress);
    Stretch(search, request, middle, b, each, progress);
    return;
  }
  for (const Phenomenon& p : found) each(p);
  if (progress) progress(b);
}

using StretchSearch = std::function<std::vector<Phenomenon>(const EventSearch&, Instant, Instant)>;

// The first event that search finds after `after`, a year's stretch at a
// time, within `within` days.
std::optional<Phenomenon> FirstAfter(const ElementsTable& elements, Instant from, double within,
                                     const StretchSearch& search) {
  const double after = from.ut;
  const EventSearch events(elements);
  for (double a = after; a < after + within; a += YearDays) {
    events.NewStretch();
    std::vector<Phenomenon> found = search(events, Instant::FromUt(a), Instant::FromUt(std::min(a + YearDays, after + within)));
    const auto first = std::min_element(found.begin(), found.end(), [](const Phenomenon& x, const Phenomenon& y) {
      return x.time < y.time;
    });
    if (first != found.end()) return *first;
  }
  return std::nullopt;
}

// Only the events of one kind from a search.
std::vector<Phenomenon> OfKind(std::vector<Phenomenon> found, PhenomenonKind kind) {
  std::erase_if(found, [kind](const Phenomenon& p) { return p.kind != kind; });
  return found;
}

}  // namespace

void FindPhenomena(const ElementsTable& elements, const PhenomenaRequest& request, Instant from, Instant to,
                   const std::function<void(const Phenomenon&)>& each, const std::function<void(double)>& progress) {
  const double start = from.ut, end = to.ut;
  const EventSearch search(elements);
  for (double a = start; a < end; a += YearDays) Stretch(search, request, a, std::min(a + YearDays, end), each, progress);
}

std::optional<Phenomenon> NextOpposition(const ElementsTable& elements, Body body, Instant after, double within) {
  return FirstAfter(elements, after, within, [body](const EventSearch& s, Instant a, Instant b) {
    return OfKind(s.Conjunctions(body, a, b), PhenomenonKind::Opposition);
  });
}

std::optional<Phenomenon> NextConjunction(const ElementsTable& elements, Body body, Instant after, double within) {
  return FirstAfter(elements, after, within, [body](const EventSearch& s, Instant a, Instant b) {
    std::vector<Phenomenon> found = s.Conjunctions(body, a, b);
    std::erase_if(found, [](const Phenomenon& p) { return p.kind == PhenomenonKind::Opposition; });
    return found;
  });
}

std::optional<Phenomenon> NextGreatestElongation(const ElementsTable& elements, Body body, Instant after,
                                                 double within) {
  return FirstAfter(elements, after, within,
                    [body](const EventSearch& s, Instant a, Instant b) { return s.GreatestElongations(body, a, b); });
}

std::optional<Phenomenon> NextStation(const ElementsTable& elements, Body body, Instant after, double within) {
  return FirstAfter(elements, after, within,
                    [body](const EventSearch& s, Instant a, Instant b) { return s.Stations(body, a, b); });
}

std::optional<Phenomenon> NextApsis(const ElementsTable& elements, Body body, Instant after, double within) {
  return FirstAfter(elements, after, within,
                    [body](const EventSearch& s, Instant a, Instant b) { return s.Apsides(body, a, b); });
}

std::optional<Phenomenon> NextCloseApproach(const ElementsTable& elements, Body body, Body other, Instant after,
                                            double limit, double within) {
  return FirstAfter(elements, after, within, [=](const EventSearch& s, Instant a, Instant b) {
    return s.CloseApproaches(body, other, limit, a, b);
  });
}

std::optional<Phenomenon> NextMoonPhase(const ElementsTable& elements, Instant after, double within) {
  return FirstAfter(elements, after, within, [](const EventSearch& s, Instant a, Instant b) { return s.MoonPhases(a, b); });
}

std::optional<Phenomenon> NextSeason(const ElementsTable& elements, Instant after, double within) {
  return FirstAfter(elements, after, within, [](const EventSearch& s, Instant a, Instant b) { return s.Seasons(a, b); });
}

double MethodLongitude(const ElementsTable& elements, Body body, Instant at) {
  return LongitudeOf(MethodGeometry(elements).Geocentric(body, at));
}

double MethodSunApparentLongitude(const ElementsTable& elements, Instant at) {
  return Wrapped(MethodGeometry(elements).SunApparentLongitude(at));
}

double MethodSeparation(const ElementsTable& elements, Body body, Body other, Instant at) {
  const MethodGeometry method(elements);
  return AngleBetween(method.Geocentric(body, at), method.Geocentric(other, at));
}

}  // namespace orbitas
