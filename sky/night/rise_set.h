#pragma once
// When a planet rises, culminates and sets on one local day, found by
// following the method's own positions through the day.
#include <optional>
#include <string>

#include "ephemeris/elements.h"
#include "sky/bodies/sky_position.h"

namespace orbitas {

// The geometric altitude of a planet's centre at rising and setting:
// 34' of refraction at the horizon, degrees.
inline constexpr double HorizonAltitude = -0.5667;

struct PlanetDay {
  Int16 body = 0;
  std::optional<double> rise, transit, set;  // Julian days (UT)
  double transitAltitude = 0.0;              // degrees, when transit
  std::optional<double> riseError, setError;  // minutes, from the method's error; none for Pluto
  std::optional<double> riseBar, setBar;      // minutes, from the bar (never below the reference's bound)
  std::optional<double> referenceError;       // degrees, the reference's own bound at midday
  std::string reason;  // what did not happen that day, or empty
  // For "no sale" and "no se pone": how near the planet comes to the
  // rising altitude (degrees: its highest height below it, negative, or
  // its lowest above it), and whether that is within the bar, so that the
  // true planet may rise or set after all.
  std::optional<double> margin;
  bool verdictWithinError = false;
};

// The first rising, upper transit (hour angle 0) and setting of body in
// [startJd, endJd) (Julian days, UT) from place, each to within a
// millisecond.
// Rising and setting are where the geometric altitude crosses
// HorizonAltitude. Their errors are the method's angular error (and the bar,
// the larger of it and the reference's bound) turned into time by the rate
// of change of the altitude there. Raises a run-time error where the method
// fails.
PlanetDay ComputePlanetDay(const ElementsTable& elements, Int16 body, const Place& place, double startJd,
                           double endJd);

// The method's altitude of body (degrees, geometric) and hour angle
// (hours) at julianDay from place.
HorizonCoordinates PlanetHorizon(const ElementsTable& elements, Int16 body, const Place& place, double julianDay);

}  // namespace orbitas
