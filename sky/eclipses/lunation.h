#pragma once
// The mean lunation, to start the eclipse searches near each new and full
// moon: the true phase is within about 14 hours of the mean one.
#include <cmath>
#include <optional>

#include "sky/bodies/reference.h"
#include "sky/frames/physical_constants.h"
#include "sky/frames/ecliptic.h"
#include "sky/search/toolkit.h"

namespace orbitas {

inline constexpr double SynodicMonth = 29.530588861;     // days
inline constexpr double MeanNewMoonOfJ2000 = 2451550.09766;  // 2000-01-06 14:20 TT (Meeus, ch. 49)
// The eclipse searches' instants, to a tenth of a second.
inline constexpr double EclipsePrecision = 1e-6;  // days

// The eclipse searches narrow an instant in two stages: on the quick
// positions (QuickApparentGeocentric) to RoughPrecision, then on the
// reference's own within RefineWindow of that, where the two cannot
// disagree (an arcsecond of the Sun is seconds of time).
inline constexpr double RoughPrecision = 1e-4;  // days
inline constexpr double RefineWindow = 0.005;   // days, either side
// A rough search that misses an eclipse by more than this is no eclipse:
// the quick positions are within some 7" of the reference's (the Sun seen
// from the Earth-Moon barycentre), a few km on the Moon's shadow.
inline constexpr double QuickMarginRadians = 30 / ArcsecondsPerRadian;  // 30"
inline constexpr double QuickMarginKm = 100;

// The first mean new moon (phase 0) or full moon (phase 0.5) from a day
// before `after` (Julian day), so that a phase just before `after` whose
// eclipse still reaches it is not passed over.
inline double NextMeanPhase(double after, double phase) {
  const double k = std::ceil((after - 1.5 - MeanNewMoonOfJ2000) / SynodicMonth - phase) + phase;
  return MeanNewMoonOfJ2000 + k * SynodicMonth;
}

// Whether the Moon at a mean phase stands near enough to the ecliptic for
// an eclipse: within 2.6 degrees of latitude, the 1.6 degrees of the
// widest eclipse and the 1 degree that the latitude can change in the 14
// hours between the mean and the true phase. A quick test that spares the
// full search at two lunations in three.
inline bool NearTheEcliptic(double meanPhase) {
  const Vector moon = EclipticFromEquatorial(*ReferenceGeocentric(Body::Moon, Instant::FromUt(meanPhase)), J2000ObliquityRadians);
  return std::fabs(std::asin(moon[2] / Norm(moon))) * DegreesPerRadian < 2.6;
}

// The eclipse searches' one walk through the lunations. From the first
// mean phase (0 new moon, 0.5 full moon) of NextMeanPhase(after) for
// within days, at each phase near the ecliptic: the least of quick(jd)
// within 1.2 days of it, to RoughPrecision; unless misses(rough) says the
// quick positions pass too far there for an eclipse, the least of
// exact(jd) within RefineWindow of that, to EclipsePrecision. Returns
// eclipseAt(greatest) for the first greatest instant after `after` for
// which it is not empty; none when the stretch ends first. Times are
// Julian days (UT); what the functions raise propagates.
template <typename Quick, typename Misses, typename Exact, typename EclipseAt>
auto NextLunationEclipse(double after, double within, double phase, Quick&& quick, Misses&& misses, Exact&& exact,
                         EclipseAt&& eclipseAt) -> decltype(eclipseAt(after)) {
  for (double mean = NextMeanPhase(after, phase); mean < after + within; mean += SynodicMonth) {
    if (!NearTheEcliptic(mean)) continue;
    const double rough = BrentMinimum(quick, mean - 1.2, mean + 1.2, RoughPrecision);
    if (misses(rough)) continue;
    const double greatest = BrentMinimum(exact, rough - RefineWindow, rough + RefineWindow, EclipsePrecision);
    if (greatest <= after) continue;
    if (auto eclipse = eclipseAt(greatest)) return eclipse;
  }
  return std::nullopt;
}

}  // namespace orbitas
