#pragma once
// What the year's chart shows for a place: every night of a year as a
// row, the local clock's hours from noon to noon across; the Sun's
// twilights as bands, each planet's rising, culmination and setting as
// curves (left out where the planet is too near the Sun), the Moon's
// lit hours and phases, and the year's events at their dates.
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "calendar/civil_days.h"
#include "calendar/time_zone.h"
#include "session/sky_request.h"
#include "ephemeris/elements.h"
#include "sky/bodies/body.h"
#include "sky/frames/place.h"
#include "sky/night/year_nights.h"

namespace orbitas {

// Hours of the local clock from the row's noon (0) to the next noon (24).
using ClockSpan = std::pair<double, double>;

struct YearRow {
  std::string date;  // "2027-01-01": the local date whose evening starts the night
  CivilDate civil;   // the same date in numbers
  // Below each of the Sun's limits (sunset, -6, -12, -18 degrees): from
  // dusk to dawn; the whole row when the Sun stays below, none when it
  // stays above.
  std::array<std::optional<ClockSpan>, 4> belowSun;
  std::vector<ClockSpan> moonlit;  // the Moon above the horizon while the Sun is below sunset's altitude
  double moonIlluminated = 0;      // 0..1
};

struct YearCurve {
  Body body = Body::Mars;
  std::string name;   // "Marte: salida"
  std::string kind;   // "salida", "paso" or "puesta"
  std::vector<std::vector<std::pair<int, double>>> pieces;  // (row, clock hours), unbroken runs
};

struct YearMark {
  int row = 0;
  double hours = 0;    // clock hours from noon of its row
  std::string kind;    // "luna-llena", "luna-nueva", "lluvia", "eclipse", "oposicion", "elongacion"
  std::string text;    // "Luna llena 2027-01-03 21:02", as the mark's title
  std::string label;   // what is written beside it ("Cuadrántidas"), or ""
};

struct YearChart {
  std::string title;                                      // "El año 2027 desde Madrid (…) · Europe/Madrid"
  std::string sources;                                    // where each part comes from
  std::vector<YearRow> rows;                              // one a night, in date order
  std::vector<YearCurve> curves;
  std::vector<YearMark> marks;
  std::vector<std::pair<int, std::string>> clockChanges;  // (row, "cambio de hora: +1 h")
};

// The chart of year from place in zone. progress, when given, is told the
// share of the work done (0 to 1) after each night and between the
// searches of the year's events, where it may raise to stop the work
// (what it raises propagates, unless it is a RuntimeError). Raises the
// method's run-time errors (a year beyond its range).
YearChart YearChartOf(const ElementsTable& elements, const Place& place, const TimeZone& zone, int year,
                      const std::function<void(double)>& progress = nullptr);

// The chart of the request's year from its place in its zone, with the
// method's elements: the year command's answer. Raises RequestRefused
// without a place, and as YearChartOf.
YearChart RunYearChart(const SkyRequest& request, const std::function<void(double)>& progress = nullptr);

// One night of the year at a glance, as numbers: its local date and the
// chart's planets, in the order of YearChartPlanets().
struct YearNightAnswer {
  std::string date;  // the local date whose evening starts the night, ISO 8601
  YearNight night;
};

// The planets the year at a glance follows: those the eye sees.
const std::vector<Body>& YearChartPlanets();

// Each night of request.year (local noon to local noon, from its first
// evening to its last) from request's place in its zone, in order, as the
// chart computes them (to half a minute). Raises RequestRefused without a
// place, and the method's run-time errors.
void RunYearNights(const SkyRequest& request, const std::function<void(const YearNightAnswer&)>& each);

}  // namespace orbitas
