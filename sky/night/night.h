#pragma once
// One night from a place: when the Sun sets and rises and the twilights
// begin and end; the Moon's rising, setting and phase; and for each planet
// its brightness, phase, elongation and constellation, and the exact
// interval in which it stands high enough in a dark enough sky, with its
// best moment. Each answer carries the method's own error.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sky/tables/constellation.h"
#include "ephemeris/elements.h"
#include "sky/bodies/moon.h"
#include "sky/frames/place.h"
#include "sky/bodies/planet_appearance.h"

namespace orbitas {

struct NightLimits {
  double sunAltitude = -6.0;     // degrees: the Sun's centre below this is dark enough
  double planetAltitude = 10.0;  // degrees: a planet above this (geometric) is high enough
};

// An event's time (Julian day, UT) and its error in minutes: the method's
// error (or the reference's bound, if larger) over the altitude's rate.
struct TimedEvent {
  double time = 0.0;
  std::optional<double> errorMinutes;
};

struct SunNight {
  // Sunset and sunrise (centre at -0.8333 degrees); civil, nautical and
  // astronomical dusk and dawn (-6, -12, -18 degrees). Absent when it does
  // not happen in the night.
  std::optional<TimedEvent> set, civilDusk, nauticalDusk, astronomicalDusk, astronomicalDawn, nauticalDawn,
      civilDawn, rise;
  std::vector<std::string> reasons;  // why an event is absent, in Spanish
  double methodError = 0.0;          // degrees, at the middle of the night
  double referenceError = 0.0;       // degrees
};

struct MoonNight {
  std::optional<double> rise, set;  // Julian days, UT
  MoonPhase phase;                  // at the middle of the night
  double altitudeAtMiddle = 0.0;    // degrees, topocentric, geometric
};

struct BestView {
  double time = 0.0;      // Julian day, UT
  double altitude = 0.0;  // degrees, geometric
  double azimuth = 0.0;   // degrees, from north through east
  std::string_view direction;  // one of the 16 points: "N", "NNE", ... "NNO"
};

struct PlanetNight {
  Int16 body = 0;
  PlanetAspect aspect;                    // at the best time, or the middle of the night
  std::optional<double> magnitudeError;   // how far the reference's geometry moves the magnitude
  Constellation constellation;
  std::optional<TimedEvent> visibleFrom, visibleTo;
  std::optional<BestView> best;
  std::string reason;                     // why there is no interval, or empty
  std::optional<double> margin;           // degrees by which "no sube" misses the limit
  bool verdictWithinError = false;        // margin smaller than the method's error
  std::optional<double> methodError;      // degrees; none for Pluto
  std::optional<double> referenceError;   // degrees; none for Pluto
};

struct Night {
  double start = 0.0, end = 0.0;  // the range searched: local noon to local noon
  double middle = 0.0;            // halfway from sunset to sunrise (or of the range)
  SunNight sun;
  MoonNight moon;
  std::vector<PlanetNight> planets;  // in the order asked
};

// The night between the Julian days start and end (local noon and the next
// local noon, UT) from place, for bodies. Raises the method's run-time
// errors (a date beyond its range).
Night ComputeNight(const ElementsTable& elements, const Place& place, double start, double end,
                   const std::vector<Int16>& bodies, const NightLimits& limits = {});

// The point of the 16-point compass, in Spanish, nearest to azimuth
// (degrees from north through east): "N", "NNE", "NE", ... "O", ... "NNO".
std::string_view CompassPoint(double azimuth);

}  // namespace orbitas
