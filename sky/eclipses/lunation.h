#pragma once
// The mean lunation, to start the eclipse searches near each new and full
// moon: the true phase is within about 14 hours of the mean one.
#include <cmath>
#include <optional>

#include "sky/bodies/reference.h"
#include "sky/frames/physical_constants.h"
#include "sky/frames/ecliptic.h"
#include "sky/search/over_time.h"

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
// before `after`, so that a phase just before `after` whose eclipse still
// reaches it is not passed over. (The mean lunation is counted in UT, as
// the searches always have.)
inline Instant NextMeanPhase(const Instant& after, double phase) {
  const double k = std::ceil((after.ut - 1.5 - MeanNewMoonOfJ2000) / SynodicMonth - phase) + phase;
  return Instant::FromUt(MeanNewMoonOfJ2000 + k * SynodicMonth);
}

// Whether the Moon at a mean phase stands near enough to the ecliptic for
// an eclipse: within 2.6 degrees of latitude, the 1.6 degrees of the
// widest eclipse and the 1 degree that the latitude can change in the 14
// hours between the mean and the true phase. A quick test that spares the
// full search at two lunations in three.
inline bool NearTheEcliptic(const Instant& meanPhase) {
  const Vector moon = EclipticFromEquatorial(*ReferenceGeocentric(Body::Moon, meanPhase), J2000ObliquityRadians);
  return std::fabs(std::asin(moon[2] / Norm(moon))) * DegreesPerRadian < 2.6;
}

// The eclipse searches' one walk through the lunations. From the first
// mean phase (0 new moon, 0.5 full moon) of NextMeanPhase(span.from) up to
// 1.5 days past span.to (the true phase stands up to 14 hours from the
// mean one, either way), at each phase near the ecliptic: the least of
// quick (a function of an Instant) within 1.2 days of it, to
// RoughPrecision; unless misses(rough) says the quick positions pass too
// far there for an eclipse, the least of exact within RefineWindow of
// that, to EclipsePrecision. Returns eclipseAt(greatest) for the first
// greatest instant within span (half-open: span.from is in, span.to is
// not) for which it is not empty; none when the span ends first. What the
// functions raise propagates.
template <typename Quick, typename Misses, typename Exact, typename EclipseAt>
auto NextLunationEclipse(const Span& span, double phase, Quick&& quick, Misses&& misses, Exact&& exact,
                         EclipseAt&& eclipseAt) -> decltype(eclipseAt(span.from)) {
  const Instant lastMean = span.to.After(1.5);
  for (Instant mean = NextMeanPhase(span.from, phase); mean < lastMean; mean = mean.After(SynodicMonth)) {
    if (!NearTheEcliptic(mean)) continue;
    const Instant rough = LeastWithin(quick, Around(mean, 1.2, 1.2), RoughPrecision);
    if (misses(rough)) continue;
    const Instant greatest = LeastWithin(exact, Around(rough, RefineWindow, RefineWindow), EclipsePrecision);
    if (greatest < span.from) continue;
    if (!(greatest < span.to)) return std::nullopt;
    if (auto eclipse = eclipseAt(greatest)) return eclipse;
  }
  return std::nullopt;
}

}  // namespace orbitas
