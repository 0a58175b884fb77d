#include <array>
#include <limits>

#include "sky/eclipses/eclipses.h"
#include "sky/frames/physical_constants.h"

namespace orbitas {
namespace {

// The next event of kind k (0 lunar, 1 solar, 2 Mercury, 3 Venus) after
// `after`, up to end.
std::optional<EclipseEvent> NextOfKind(int k, double after, double end) {
  const double within = end - after;
  if (within <= 0) return std::nullopt;
  switch (k) {
    case 0:
      if (const auto e = NextLunarEclipse(Instant::FromUt(after), within)) return EclipseEvent(*e);
      return std::nullopt;
    case 1:
      if (const auto e = NextSolarEclipse(Instant::FromUt(after), within)) return EclipseEvent(*e);
      return std::nullopt;
    default:
      if (const auto t = NextTransit(k == 2 ? Body::Mercury : Body::Venus, Instant::FromUt(after), within)) return EclipseEvent(*t);
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

void FindEclipses(Instant from, Instant to, const std::function<void(const EclipseEvent&)>& each) {
  const double start = from.ut, end = to.ut;
  // One stream for each kind; the earliest goes first, and its stream moves
  // on past it.
  std::array<std::optional<EclipseEvent>, 4> next;
  for (int k = 0; k < 4; ++k) next[k] = NextOfKind(k, start, end);
  while (true) {
    int first = -1;
    double earliest = std::numeric_limits<double>::infinity();
    for (int k = 0; k < 4; ++k) {
      if (next[k] && GreatestOf(*next[k]).ut < earliest) first = k, earliest = GreatestOf(*next[k]).ut;
    }
    if (first < 0 || earliest >= end) return;
    each(*next[first]);
    // Two events of one kind are a month apart or more: the search goes on
    // from a day after this one, past any second finding of it.
    next[first] = NextOfKind(first, earliest + 1, end);
  }
}

std::optional<EclipseEvent> NextEclipse(Instant from, double within) {
  const double after = from.ut;
  // An eclipse comes every six months or so: the transits, rare and slow to
  // find, are sought only up to the first eclipse.
  std::optional<EclipseEvent> first;
  double bound = after + within;
  for (int k = 0; k < 4; ++k) {
    const std::optional<EclipseEvent> e = NextOfKind(k, after, bound);
    if (e && GreatestOf(*e).ut < bound) first = e, bound = GreatestOf(*e).ut;
  }
  return first;
}

}  // namespace orbitas
