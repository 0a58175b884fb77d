#include "sky/events/phenomena.h"

#include <algorithm>

#include "runtime/runtime_error.h"
#include "sky/events/event_search.h"
#include "sky/search/toolkit.h"

namespace orbitas {
namespace {

constexpr double YearDays = 365.25;

// Every event of request in span: each kind's search in turn, then in
// time order.
std::vector<Phenomenon> Merged(const EventSearch& search, const PhenomenaRequest& request, const Span& span) {
  search.NewStretch();
  std::vector<Phenomenon> found;
  auto add = [&found](std::vector<Phenomenon> events) { found.insert(found.end(), events.begin(), events.end()); };
  for (const Body p : request.planets) {
    add(search.Conjunctions(p, span));
    add(search.GreatestElongations(p, span));
    add(search.Stations(p, span));
    add(search.Apsides(p, span));
  }
  for (std::size_t i = 0; i < request.planets.size(); ++i) {
    for (std::size_t j = i + 1; j < request.planets.size(); ++j) {
      add(search.CloseApproaches(request.planets[i], request.planets[j], request.approachLimit, span));
    }
    if (request.sunAndMoon || request.moon) {
      add(search.CloseApproaches(Body::Moon, request.planets[i], request.approachLimit, span));
    }
  }
  if (request.sunAndMoon || request.moon) add(search.MoonPhases(span));
  if (request.sunAndMoon) {
    add(search.Apsides(Body::Earth, span));
    add(search.Seasons(span));
  }
  std::sort(found.begin(), found.end(), [](const Phenomenon& x, const Phenomenon& y) { return x.time < y.time; });
  return found;
}

// One stretch: searched whole, or, where the method fails inside it, in
// halves down to a day, so that everything before the failure is handed
// over first. progress hears the end of each stretch searched.
void Stretch(const EventSearch& search, const PhenomenaRequest& request, const Span& span,
             const std::function<void(const Phenomenon&)>& each, const std::function<void(const Instant&)>& progress) {
  std::vector<Phenomenon> found;
  try {
    found = Merged(search, request, span);
  } catch (const RuntimeError&) {
    if (span.Days() <= 1) throw;
    const Instant middle = Instant::FromUt((span.from.ut + span.to.ut) / 2);
    Stretch(search, request, {span.from, middle}, each, progress);
    Stretch(search, request, {middle, span.to}, each, progress);
    return;
  }
  for (const Phenomenon& p : found) each(p);
  if (progress) progress(span.to);
}

// The year's stretch from a within span.
Span YearFrom(const Instant& a, const Span& span) {
  const Instant year = a.After(YearDays);
  return {a, year < span.to ? year : span.to};
}

using StretchSearch = std::function<std::vector<Phenomenon>(const EventSearch&, const Span&)>;

// The first event that search finds in span, a year's stretch at a time.
std::optional<Phenomenon> FirstAfter(const ElementsTable& elements, const Span& span, const StretchSearch& search) {
  const EventSearch events(elements);
  for (Instant a = span.from; a < span.to; a = a.After(YearDays)) {
    events.NewStretch();
    std::vector<Phenomenon> found = search(events, YearFrom(a, span));
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

void FindPhenomena(const ElementsTable& elements, const PhenomenaRequest& request, const Span& span,
                   const std::function<void(const Phenomenon&)>& each,
                   const std::function<void(const Instant&)>& progress) {
  const EventSearch search(elements);
  for (Instant a = span.from; a < span.to; a = a.After(YearDays)) Stretch(search, request, YearFrom(a, span), each, progress);
}

std::optional<Phenomenon> NextOpposition(const ElementsTable& elements, Body body, const Span& span) {
  return FirstAfter(elements, span, [body](const EventSearch& s, const Span& stretch) {
    return OfKind(s.Conjunctions(body, stretch), PhenomenonKind::Opposition);
  });
}

std::optional<Phenomenon> NextConjunction(const ElementsTable& elements, Body body, const Span& span) {
  return FirstAfter(elements, span, [body](const EventSearch& s, const Span& stretch) {
    std::vector<Phenomenon> found = s.Conjunctions(body, stretch);
    std::erase_if(found, [](const Phenomenon& p) { return p.kind == PhenomenonKind::Opposition; });
    return found;
  });
}

std::optional<Phenomenon> NextGreatestElongation(const ElementsTable& elements, Body body, const Span& span) {
  return FirstAfter(elements, span,
                    [body](const EventSearch& s, const Span& stretch) { return s.GreatestElongations(body, stretch); });
}

std::optional<Phenomenon> NextStation(const ElementsTable& elements, Body body, const Span& span) {
  return FirstAfter(elements, span,
                    [body](const EventSearch& s, const Span& stretch) { return s.Stations(body, stretch); });
}

std::optional<Phenomenon> NextApsis(const ElementsTable& elements, Body body, const Span& span) {
  return FirstAfter(elements, span,
                    [body](const EventSearch& s, const Span& stretch) { return s.Apsides(body, stretch); });
}

std::optional<Phenomenon> NextCloseApproach(const ElementsTable& elements, Body body, Body other, double limit, const Span& span) {
  return FirstAfter(elements, span, [=](const EventSearch& s, const Span& stretch) {
    return s.CloseApproaches(body, other, limit, stretch);
  });
}

std::optional<Phenomenon> NextMoonPhase(const ElementsTable& elements, const Span& span) {
  return FirstAfter(elements, span, [](const EventSearch& s, const Span& stretch) { return s.MoonPhases(stretch); });
}

std::optional<Phenomenon> NextSeason(const ElementsTable& elements, const Span& span) {
  return FirstAfter(elements, span, [](const EventSearch& s, const Span& stretch) { return s.Seasons(stretch); });
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
