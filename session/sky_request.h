#pragma once
// What a command asks of the sky, by name: the one request every runner
// takes. Each runner reads the fields its command needs and says which.
#include <optional>
#include <string>
#include <vector>

#include "calendar/civil_time.h"
#include "calendar/instant.h"
#include "calendar/time_zone.h"
#include "sky/bodies/body.h"
#include "sky/frames/place.h"
#include "sky/night/night.h"

namespace orbitas {

struct SkyRequest {
  std::vector<Body> bodies;    // whose answers, in this order
  std::optional<Place> place;  // where from
  TimeZone zone;               // whose clock and local dates
  CivilTime date;              // a local date (year, month, day): the day, or the evening a night starts on
  CivilTime lastDate;          // the last evening of a run of nights
  Instant at;                  // an instant: a chart's, the start of a search for the next eclipse
  Span span;                   // a span of instants: the events', the eclipses'
  int year = 0;                // a year: the chart's, the almanac's
  NightLimits limits;          // the instrument and the altitudes a planet is seen within
  double chartField = 10.0;    // degrees across a finder chart
  double faintestStar = 5.0;   // the magnitude of the faintest stars drawn on a dome
  // Deep-sky objects by designation ("M31", "NGC 869"): a dome draws them
  // beside its own; a chart without a planet is centred on the first.
  std::vector<std::string> deepSky;
  // The year's events: the Sun's and the Moon's with the eclipses, the
  // transits and the showers' peaks (sunAndMoon); the Moon's phases and
  // approaches alone (moon); approaches closer than approachLimit degrees.
  bool sunAndMoon = true;
  bool moon = false;
  double approachLimit = 1.0;
  // The method's answer beside the sky's (--metodo, the JSON's "method",
  // the planner's "Comparar con el método"): nights and days only.
  bool withMethod = false;
  // Each planet's rising, culmination and setting beside its night (the
  // planner's table): nights only.
  bool withPassages = false;
};

// The request's place; raises RequestRefused ("hace falta un lugar") when
// it has none.
const Place& PlaceOf(const SkyRequest& request);

}  // namespace orbitas
