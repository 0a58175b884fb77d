#pragma once
// The year's phenomena: oppositions and conjunctions, greatest
// elongations, stationary points, perihelia and aphelia, close approaches,
// the Moon's phases and the seasons. Each is found by root-finding on the
// method's own positions, and again on the modern reference (ERFA's
// eraPlan94, eraEpv00 and eraMoon98), so that the difference of the two
// instants is the method's own error in time.
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "ephemeris/elements.h"

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

// The Moon and the Sun among the bodies of a phenomenon.
inline constexpr Int16 SunBody = 0;
inline constexpr Int16 MoonBody = 10;

enum class PhenomenonUnit { None, Degrees, AstronomicalUnits, Magnitude };

struct Phenomenon {
  PhenomenonKind kind = PhenomenonKind::Opposition;
  double time = 0.0;        // Julian day (UT, taken as TT), to a millisecond
  Int16 body = 0;           // 1..9, 3 for the Earth, MoonBody, or SunBody for the seasons
  Int16 other = SunBody;    // the second body of a close approach
  std::optional<double> value;  // the number that goes with it, in unit
  PhenomenonUnit unit = PhenomenonUnit::None;
  std::optional<double> referenceTime;  // the same search on the reference; none for Pluto
};

struct PhenomenaRequest {
  std::vector<Int16> planets;     // those whose phenomena are wanted (1, 2, 4 to 9)
  bool sunAndMoon = true;         // the Moon's phases, the seasons, the Earth's apsides
  double approachLimit = 1.0;     // degrees: closer approaches than this are listed
};

// Every phenomenon of request with its time in [start, end) (Julian days),
// handed to each in time order as the search goes, a year at a time, so
// that memory does not grow with the range. progress, when given, is told
// the Julian day searched up to, after each stretch. A run-time error of
// the method propagates after every phenomenon before the first day it
// fails on has been handed over (and progress told that day).
void FindPhenomena(const ElementsTable& elements, const PhenomenaRequest& request, double start, double end,
                   const std::function<void(const Phenomenon&)>& each,
                   const std::function<void(double)>& progress = nullptr);

// The method's own quantities that the searches follow, to check them:
// the geocentric ecliptic longitude of body (1..9, SunBody or MoonBody) in
// the method's frame, degrees, -180..180; the Sun's apparent longitude of
// date, degrees, -180..180; and the angle between two bodies seen from the
// Earth, degrees. Each raises what the method raises.
double MethodLongitude(const ElementsTable& elements, Int16 body, double julianDay);
double MethodSunApparentLongitude(const ElementsTable& elements, double julianDay);
double MethodSeparation(const ElementsTable& elements, Int16 body, Int16 other, double julianDay);

// A key for the kind, for programs: "opposition", "greatest-eastern", ...
std::string_view PhenomenonKey(PhenomenonKind kind);

}  // namespace orbitas
