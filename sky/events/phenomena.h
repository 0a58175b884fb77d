#pragma once
// The year's phenomena: oppositions and conjunctions, greatest
// elongations, stationary points, perihelia and aphelia, close approaches,
// the Moon's phases and the seasons. Each is found by root-finding on the
// method's own positions, and again on the modern reference (ERFA's
// eraPlan94, eraEpv00 and eraMoon98), so that the difference of the two
// instants is the method's own error in time. Each kind is a search of its
// own (sky/events/event_search.h); the year's list is their merge.
#include <functional>
#include <optional>
#include <vector>

#include "ephemeris/elements.h"
#include "sky/bodies/body.h"
#include "calendar/instant.h"

namespace orbitas {

enum class PhenomenonKind {
  Opposition,           // an outer planet opposite the Sun
  Conjunction,          // an outer planet with the Sun
  InferiorConjunction,  // Mercury or Venus between the Earth and the Sun
  SuperiorConjunction,  // Mercury or Venus beyond the Sun
  GreatestEastern,      // greatest elongation east of the Sun (evening)
  GreatestWestern,      // greatest elongation west of the Sun (morning)
  RetrogradeBegins,     // stationary: the longitude starts to decrease
  RetrogradeEnds,       // stationary: the longitude starts to increase again
  Perihelion,
  Aphelion,
  CloseApproach,        // two planets, or the Moon and a planet
  NewMoon,
  FirstQuarter,
  FullMoon,
  LastQuarter,
  MarchEquinox,
  JuneSolstice,
  SeptemberEquinox,
  DecemberSolstice,
};

enum class PhenomenonUnit { None, Degrees, AstronomicalUnits, Magnitude };

struct Phenomenon {
  PhenomenonKind kind = PhenomenonKind::Opposition;
  double time = 0.0;            // the method's Julian day (UT, as typed), to a millisecond
  Body body = Body::Sun;        // a planet, the Earth, the Moon, or the Sun for the seasons
  Body other = Body::Sun;       // the second body of a close approach
  std::optional<double> value;  // the number that goes with it, in unit
  PhenomenonUnit unit = PhenomenonUnit::None;
  std::optional<Instant> referenceTime;  // the same search on the reference; none for Pluto
  // A close approach the reference does not have: the least separation it
  // gives the pair near there (degrees), at or above the limit; the
  // reference's time is then none.
  std::optional<double> referenceMiss;
};

// The instant a phenomenon stands at in a list or a calendar: the
// reference's when it has the event (Julian day, UT), the method's
// otherwise. The method's own instant stays beside it, with its error.
inline Instant MethodInstant(const Phenomenon& p) { return Instant::FromUt(p.time); }
inline Instant ListedTime(const Phenomenon& p) { return p.referenceTime ? *p.referenceTime : MethodInstant(p); }

struct PhenomenaRequest {
  std::vector<Body> planets;      // those whose phenomena are wanted
  bool sunAndMoon = true;         // the Moon's phases, the seasons, the Earth's apsides
  bool moon = false;              // the Moon's phases and its approaches to planets, without the rest
  double approachLimit = 1.0;     // degrees: closer approaches than this are listed
};

// How far a search of the phenomena has come.
struct PhenomenaProgress {
  // The end of the last stretch searched: every phenomenon before it has
  // been handed over.
  Instant reached;
  // The share of the span searched, 0 to 1, counting the searches done
  // (one kind of event for one body or pair) in the stretch under way.
  double done = 0;
};

// Every phenomenon of request with its time in span (searched in UT: the
// method reads it as typed, the reference at TT), handed to each in time
// order as the search goes, a year at a time, so that memory does not
// grow with the range. progress, when given, is told how far it has come
// at the end of each stretch and between the searches inside one (a few
// dozen a year), where it may raise to stop the search; what it raises
// propagates as it is, unless it is a RuntimeError (taken for the
// method's). A run-time error of the method propagates after every
// phenomenon before the first day it fails on has been handed over (and
// progress told that day).
void FindPhenomena(const ElementsTable& elements, const PhenomenaRequest& request, const Span& span,
                   const std::function<void(const Phenomenon&)>& each,
                   const std::function<void(const PhenomenaProgress&)>& progress = nullptr);

// The first event of each kind in span (searched in UT), or none. A
// century from an instant (SearchHorizonDays) is the usual span. body is a planet (an apsis: the Earth too);
// close approaches are those under limit degrees. Each raises the
// method's run-time errors.
inline constexpr double SearchHorizonDays = 36525.0;  // a century
std::optional<Phenomenon> NextOpposition(const ElementsTable& elements, Body body, const Span& span);
std::optional<Phenomenon> NextConjunction(const ElementsTable& elements, Body body, const Span& span);
std::optional<Phenomenon> NextGreatestElongation(const ElementsTable& elements, Body body, const Span& span);
std::optional<Phenomenon> NextStation(const ElementsTable& elements, Body body, const Span& span);
std::optional<Phenomenon> NextApsis(const ElementsTable& elements, Body body, const Span& span);
std::optional<Phenomenon> NextCloseApproach(const ElementsTable& elements, Body body, Body other, double limit, const Span& span);
std::optional<Phenomenon> NextMoonPhase(const ElementsTable& elements, const Span& span);
std::optional<Phenomenon> NextSeason(const ElementsTable& elements, const Span& span);

// The method's own quantities that the searches follow, to check them:
// the geocentric ecliptic longitude of body (a planet, the Sun or the
// Moon) in the method's frame, degrees, -180..180; the Sun's apparent
// longitude of date, degrees, -180..180; and the angle between two bodies
// seen from the Earth, degrees; at the instant's UT, the method's Julian
// day as typed. Each raises what the method raises.
double MethodLongitude(const ElementsTable& elements, Body body, Instant at);
double MethodSunApparentLongitude(const ElementsTable& elements, Instant at);
double MethodSeparation(const ElementsTable& elements, Body body, Body other, Instant at);

}  // namespace orbitas
