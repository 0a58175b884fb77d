#include <array>

#include "sky/eclipses/eclipses.h"
#include "sky/frames/physical_constants.h"

namespace orbitas {
namespace {

// The next event of kind k (0 lunar, 1 solar, 2 Mercury, 3 Venus) in span.
std::optional<EclipseEvent> NextOfKind(int k, const Span& span) {
  if (span.Empty()) return std::nullopt;
  switch (k) {
    case 0:
      if (const auto e = NextLunarEclipse(span)) return EclipseEvent(*e);
      return std::nullopt;
    case 1:
      if (const auto e = NextSolarEclipse(span)) return EclipseEvent(*e);
      return std::nullopt;
    default:
      if (const auto t = NextTransit(k == 2 ? Body::Mercury : Body::Venus, span)) return EclipseEvent(*t);
      return std::nullopt;
  }
}

}  // namespace

const ContactEvent* FindContactEvent(const ContactList& contacts, Contact kind) {
  for (const ContactEvent& c : contacts) {
    if (c.kind == kind) return &c;
  }
  return nullptr;
}

std::optional<Instant> ContactTime(const ContactList& contacts, Contact kind) {
  const ContactEvent* c = FindContactEvent(contacts, kind);
  return c ? std::optional<Instant>(c->time) : std::nullopt;
}

std::optional<double> SecondsBetween(const ContactList& contacts, Contact first, Contact last) {
  const std::optional<Instant> a = ContactTime(contacts, first), b = ContactTime(contacts, last);
  if (!a || !b) return std::nullopt;
  return (b->ut - a->ut) * SecondsPerDay;
}

Instant GreatestOf(const EclipseEvent& event) {
  return std::visit([](const auto& e) { return e.greatest; }, event);
}

void FindEclipses(const Span& span, const std::function<void(const EclipseEvent&)>& each) {
  // One stream for each kind; the earliest goes first, and its stream moves
  // on past it.
  std::array<std::optional<EclipseEvent>, 4> next;
  for (int k = 0; k < 4; ++k) next[k] = NextOfKind(k, span);
  while (true) {
    int first = -1;
    for (int k = 0; k < 4; ++k) {
      if (next[k] && (first < 0 || GreatestOf(*next[k]) < GreatestOf(*next[first]))) first = k;
    }
    if (first < 0 || !span.Contains(GreatestOf(*next[first]))) return;
    const Instant earliest = GreatestOf(*next[first]);
    each(*next[first]);
    // Two events of one kind are a month apart or more: the search goes on
    // from a day after this one, past any second finding of it.
    next[first] = NextOfKind(first, {earliest.After(1), span.to});
  }
}

std::optional<EclipseEvent> NextEclipse(const Span& span) {
  // An eclipse comes every six months or so: the transits, rare and slow to
  // find, are sought only up to the first eclipse.
  std::optional<EclipseEvent> first;
  Span within = span;
  for (int k = 0; k < 4; ++k) {
    const std::optional<EclipseEvent> e = NextOfKind(k, within);
    if (e && GreatestOf(*e) < within.to) first = e, within.to = GreatestOf(*e);
  }
  return first;
}

}  // namespace orbitas
