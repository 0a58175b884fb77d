#include "sky/events/phenomena.h"

#include <algorithm>

#include "runtime/runtime_error.h"
#include "sky/events/event_search.h"
#include "sky/search/toolkit.h"

namespace orbitas {
namespace {

constexpr double YearDays = 365.25;

using Search = std::function<std::vector<Phenomenon>()>;

// The searches of request over span, each one kind of event for one body
// or pair, in the order their events are merged.
std::vector<Search> SearchesOf(const EventSearch& search, const PhenomenaRequest& request, const Span& span) {
  std::vector<Search> searches;
  const auto add = [&searches](Search s) { searches.push_back(std::move(s)); };
  for (const Body p : request.planets) {
    add([&search, p, span] { return search.Conjunctions(p, span); });
    add([&search, p, span] { return search.GreatestElongations(p, span); });
    add([&search, p, span] { return search.Stations(p, span); });
    add([&search, p, span] { return search.Apsides(p, span); });
  }
  const double limit = request.approachLimit;
  for (std::size_t i = 0; i < request.planets.size(); ++i) {
    const Body p = request.planets[i];
    for (std::size_t j = i + 1; j < request.planets.size(); ++j) {
      const Body q = request.planets[j];
      add([&search, p, q, limit, span] { return search.CloseApproaches(p, q, limit, span); });
    }
    if (request.sunAndMoon || request.moon) {
      add([&search, p, limit, span] { return search.CloseApproaches(Body::Moon, p, limit, span); });
    }
  }
  if (request.sunAndMoon || request.moon) add([&search, span] { return search.MoonPhases(span); });
  if (request.sunAndMoon) {
    add([&search, span] { return search.Apsides(Body::Earth, span); });
    add([&search, span] { return search.Seasons(span); });
  }
  return searches;
}

// Every event of request in span: each search in turn, then in time
// order. step, when given, is told the share of the searches done after
// each but the last.
std::vector<Phenomenon> Merged(const EventSearch& search, const PhenomenaRequest& request, const Span& span,
                               const std::function<void(double)>& step) {
  search.NewStretch();
  const std::vector<Search> searches = SearchesOf(search, request, span);
  std::vector<Phenomenon> found;
  for (std::size_t k = 0; k < searches.size(); ++k) {
    const std::vector<Phenomenon> events = searches[k]();
    found.insert(found.end(), events.begin(), events.end());
    if (step && k + 1 < searches.size()) step(static_cast<double>(k + 1) / static_cast<double>(searches.size()));
  }
  std::sort(found.begin(), found.end(), [](const Phenomenon& x, const Phenomenon& y) { return x.time < y.time; });
  return found;
}

// Tells progress how far the search of a span has come, never backwards
// (a stretch that failed is searched again in halves).
class ProgressTeller {
 public:
  ProgressTeller(const Span& span, const std::function<void(const PhenomenaProgress&)>& progress)
      : span_(span), progress_(progress) {
    told_.reached = span.from;
  }

  // Inside stretch, with share of its searches done.
  void Within(const Span& stretch, double share) {
    if (!progress_) return;
    const double done = (stretch.from.DaysSince(span_.from) + share * stretch.Days()) / span_.Days();
    told_.done = std::clamp(done, told_.done, 1.0);
    progress_(told_);
  }

  // At the end of stretch, everything found in it handed over.
  void Ended(const Span& stretch) {
    told_.reached = stretch.to;
    Within(stretch, 1.0);
  }

 private:
  Span span_;
  const std::function<void(const PhenomenaProgress&)>& progress_;
  PhenomenaProgress told_;
};

// One stretch: searched whole, or, where the method fails inside it, in
// halves down to a day, so that everything before the failure is handed
// over first. progress hears of each search done and each stretch ended.
void Stretch(const EventSearch& search, const PhenomenaRequest& request, const Span& span,
             const std::function<void(const Phenomenon&)>& each, ProgressTeller& progress) {
  std::vector<Phenomenon> found;
  try {
    found = Merged(search, request, span, [&](double share) { progress.Within(span, share); });
  } catch (const RuntimeError&) {
    if (span.Days() <= 1) throw;
    const Instant middle = Instant::FromUt((span.from.ut + span.to.ut) / 2);
    Stretch(search, request, {span.from, middle}, each, progress);
    Stretch(search, request, {middle, span.to}, each, progress);
    return;
  }
  for (const Phenomenon& p : found) each(p);
  progress.Ended(span);
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
                   const std::function<void(const PhenomenaProgress&)>& progress) {
  const EventSearch search(elements);
  ProgressTeller teller(span, progress);
  for (Instant a = span.from; a < span.to; a = a.After(YearDays)) Stretch(search, request, YearFrom(a, span), each, teller);
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
