#pragma once
// One night from a place: when the Sun sets and rises and the twilights
// begin and end; the Moon's rising, setting and phase; and for each planet
// its brightness, phase, elongation and constellation, and the exact
// interval in which it stands high enough in a dark enough sky, with its
// best moment: in the sky as it is seen, or in the method's.
#include <optional>
#include <string_view>
#include <vector>

#include "ephemeris/elements.h"
#include "sky/bodies/body.h"
#include "sky/bodies/moon.h"
#include "sky/bodies/planet_appearance.h"
#include "sky/bodies/seen_sky.h"
#include "calendar/instant.h"
#include "sky/frames/place.h"
#include "sky/night/sky_brightness.h"
#include "sky/night/twilight.h"
#include "sky/tables/constellation.h"

namespace orbitas {

// What a planet needs to be seen, by its magnitude and the sky: the eye
// to the sky's zenith limiting magnitude (sky_brightness.h), binoculars
// (10×50) some BinocularGain magnitudes fainter, a telescope beyond.
enum class Instrument { Eye, Binoculars, Telescope };
inline constexpr double BinocularGain = 3.0;

// The least instrument that shows magnitude (visual) under sky. Raises
// nothing.
inline Instrument InstrumentFor(double magnitude, SkyDarkness sky = SkyDarkness::Rural) {
  const double eye = ZenithLimitingMagnitude(sky);
  return magnitude <= eye                   ? Instrument::Eye
         : magnitude <= eye + BinocularGain ? Instrument::Binoculars
                                            : Instrument::Telescope;
}

struct NightLimits {
  double sunAltitude = -6.0;     // degrees: the Sun's centre below this is dark enough
  double planetAltitude = 10.0;  // degrees: a planet above this (geometric) is high enough
  Instrument instrument = Instrument::Telescope;  // what the observer has: fainter planets are not visible
  SkyDarkness sky = SkyDarkness::Rural;           // how dark the sky is: what the eye and binoculars reach
};

// An event's time.
struct TimedEvent {
  Instant time;
};

// A limit of the Sun's altitude that the night never crosses: the Sun
// never sets or rises (at SunsetAltitude), or never goes below or above a
// twilight's altitude.
struct SunMiss {
  enum Kind { NeverSets, NeverRises, NeverBelow, NeverAbove } kind;
  double altitude;  // degrees: the limit
};

// Why a planet has no visible interval.
enum class PlanetMiss {
  None,
  NoDarkness,      // the Sun never goes below the darkness limit
  TooNearTheSun,   // high enough only by day, within 30 degrees of the Sun
  TooLow,          // never above the altitude limit while it is dark
  OnlyAMoment,     // above the limit in the dark for less than a minute
  NeedsBinoculars, // high in the dark, but fainter than the eye sees
  NeedsTelescope,  // high in the dark, but fainter than binoculars show
};

struct SunNight {
  // Sunset and sunrise (centre at -0.8333 degrees); civil, nautical and
  // astronomical dusk and dawn (-6, -12, -18 degrees). Absent when it does
  // not happen in the night.
  std::optional<TimedEvent> set, civilDusk, nauticalDusk, astronomicalDusk, astronomicalDawn, nauticalDawn,
      civilDawn, rise;
  std::vector<SunMiss> misses;  // why an event is absent
};

struct MoonNight {
  std::optional<Instant> rise, set;
  MoonPhase phase;                  // at the middle of the night
  double altitudeAtMiddle = 0.0;    // degrees, topocentric, geometric
};

struct BestView {
  Instant time;
  double altitude = 0.0;  // degrees, geometric
  double azimuth = 0.0;   // degrees, from north through east
  int compassPoint = 0;   // of the 16 points, from north (0) through east (4)
};

struct PlanetNight {
  Body body = Body::Mercury;
  PlanetAspect aspect;                    // at the best time, or the middle of the night
  Instrument instrument = Instrument::Eye;  // what its magnitude needs
  std::string_view constellation;         // IAU abbreviation
  std::optional<TimedEvent> visibleFrom, visibleTo;
  std::optional<BestView> best;
  PlanetMiss miss = PlanetMiss::None;     // why there is no interval
  std::optional<double> margin;           // degrees by which TooLow misses the limit
};

struct Night {
  Span span;      // the range searched: local noon to local noon
  Instant middle;  // halfway from sunset to sunrise (or of the range)
  SunNight sun;
  MoonNight moon;
  std::vector<PlanetNight> planets;  // in the order asked
};

// The dark part of a night, shared by every planet's search: the
// stretches in which the Sun is below the limit, in the sky of model.
struct DarkSky {
  Span night;                  // the night searched
  Instant middle;              // and its middle
  std::vector<Span> intervals;  // in time order
  NightLimits limits;
  SkyModel model = SkyModel::Seen;
};

// The dark sky of the night span from place in the sky of model, with its
// middle. Raises the method's run-time errors.
DarkSky DarkSkyOf(const ElementsTable& elements, const Place& place, const Span& span,
                  const NightLimits& limits, Instant middle, SkyModel model = SkyModel::Seen);

// The instant of span when the Sun stands lowest seen from place: the
// darkest of a night, also of one whose Sun never sets. Raises nothing.
Instant DarkestInstant(const ElementsTable& elements, const Place& place, const Span& span);

// A planet's visible interval in a night: where it stands above the
// altitude limit while the sky is dark, the highest such interval with
// its best moment, or why there is none; with its aspect and
// constellation at the best moment (or the middle of the night), all in
// the dark sky's model. Raises the method's run-time errors.
PlanetNight ComputePlanetNight(const ElementsTable& elements, Body body, const Place& place, const DarkSky& dark);

// The night of span (local noon to the next local noon) from place, for
// bodies, in the sky of model (the Moon is always the seen one). Raises
// the method's run-time errors (Pluto, or the method's sky, beyond its
// range).
Night ComputeNight(const ElementsTable& elements, const Place& place, const Span& span,
                   const std::vector<Body>& bodies, const NightLimits& limits = {},
                   SkyModel model = SkyModel::Seen);

// The point of the 16-point compass nearest to azimuth (degrees from north
// through east): 0 for north, 4 for east, 8 for south, 12 for west.
int CompassPoint(double azimuth);

}  // namespace orbitas
