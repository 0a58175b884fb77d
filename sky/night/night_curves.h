#pragma once
// What the picture of a night shows: the darkness of the sky and the
// altitude of each visible planet and of the Moon every five minutes from
// sunset to sunrise (or over the whole range when the Sun does not set and
// rise in order).
#include <optional>
#include <utility>
#include <vector>

#include "ephemeris/elements.h"
#include "sky/bodies/body.h"
#include "sky/night/night.h"

namespace orbitas {

// The darkness of the sky by the Sun's altitude: 0 day, 1 civil, 2
// nautical, 3 astronomical twilight, 4 night.
int Darkness(double sunAltitude);

struct DarknessBand {
  Span span;
  int darkness;
};

struct AltitudeCurve {
  Body body;
  std::vector<std::pair<Instant, double>> points;  // (instant, altitude in degrees, geometric)
};

struct NightCurves {
  Span drawn;
  std::vector<DarknessBand> bands;
  std::vector<AltitudeCurve> curves;  // the planets with a visible interval, then the Moon
};

// The curves of night from place, computed again every five minutes.
// Raises the method's run-time errors (a night the method computed does
// not).
NightCurves NightCurvesOf(const Night& night, const ElementsTable& elements, const Place& place);

}  // namespace orbitas
