#pragma once
// Meteor showers: the working list of the International Meteor
// Organization, each shower's peak as the instant the reference's Sun
// reaches its J2000 solar longitude, and where its radiant stands. The
// shower's names are session/names's; here a shower is its IMO code.
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "calendar/instant.h"
#include "sky/frames/place.h"
#include "sky/frames/vector.h"

namespace orbitas {

struct MeteorShower {
  std::string_view code;              // the IMO's three letters: "PER"
  double start, peak, end;            // J2000 solar longitudes, degrees
  double zhr;                         // zenithal hourly rate at the peak
  double rightAscension, declination;  // the radiant at the peak, degrees, J2000
  double driftRightAscension, driftDeclination;  // degrees a day
  double speed;                       // km/s
  double populationIndex;             // r: how much more numerous each fainter magnitude is
  double slopeBefore, slopeAfter;     // B of the activity profile, per degree; 0: from the active span
};

// The working list, in order of peak through the year from January.
const std::vector<MeteorShower>& MeteorShowers();

// The J2000 ecliptic longitude of the reference's Sun at the instant,
// degrees, 0..360. Raises nothing.
double SolarLongitude(const Instant& at);

// The same for the reference's geocentric Sun already at hand (AU, J2000
// equatorial). Raises nothing.
double SolarLongitudeOf(const Vector& sunGeocentric);

struct ShowerPeak {
  const MeteorShower* shower = nullptr;
  Instant time;                // when the Sun reaches the peak's longitude
  double moonIlluminated = 0;  // the Moon's lit fraction then, 0..1
  double deltaT = 0;           // seconds, ΔT at time.ut
};

// The peaks of every shower in [start, end) (compared in UT; the Sun's
// longitude read from the reference at TT), in time order, handed to
// each. Raises nothing.
void FindShowerPeaks(const Span& span, const std::function<void(const ShowerPeak&)>& each);

// The zenithal hourly rate of shower when the Sun's J2000 longitude is
// solarLongitude (degrees): ZHRmax · 10^(−B·|λ − λmax|), with the slope B
// of its side of the peak; a shower without published slopes falls to a
// ZHR of 2 at the start and at the end of its activity. Raises nothing.
double ZhrAt(const MeteorShower& shower, double solarLongitude);

// Whether shower is active at the instant: the Sun between its start and end.
bool ShowerActive(const MeteorShower& shower, const Instant& at);

// The radiant of shower at the instant (J2000 degrees), moved from the peak's
// by the daily drift.
struct Radiant {
  double rightAscension, declination;
};
Radiant RadiantAt(const MeteorShower& shower, const Instant& at);

}  // namespace orbitas
