#include "sky/bodies/apparent.h"

#include <erfa.h>

#include <cmath>

#include "runtime/angle_units.h"
#include "sky/bodies/reference.h"
#include "sky/search/toolkit.h"

namespace orbitas {
namespace {

// A body's state between nodes at whole multiples of step (days): a cubic
// (Hermite) through the positions and velocities at the two nodes around
// an instant. The searches ask for thousands of instants close together,
// and around greatest eclipse go back and forth (the contacts before and
// after): the nodes last used are kept, each in the slot of its step.
class Interpolated {
 public:
  Interpolated(double step, ReferenceState (*exact)(double)) : step_(step), exact_(exact) {}

  ReferenceState At(double julianDay) {
    const double first = std::floor(julianDay / step_) * step_;
    const ReferenceState& a = Node(first);
    const ReferenceState& b = Node(first + step_);
    const double h = step_, s = (julianDay - first) / h, s2 = s * s, s3 = s2 * s;
    const double h00 = 2 * s3 - 3 * s2 + 1, h10 = s3 - 2 * s2 + s, h01 = -2 * s3 + 3 * s2, h11 = s3 - s2;
    const double d00 = (6 * s2 - 6 * s) / h, d10 = 3 * s2 - 4 * s + 1, d01 = (-6 * s2 + 6 * s) / h, d11 = 3 * s2 - 2 * s;
    ReferenceState state;
    for (int i = 0; i < 3; ++i) {
      state.position[i] = h00 * a.position[i] + h10 * h * a.velocity[i] + h01 * b.position[i] + h11 * h * b.velocity[i];
      state.velocity[i] = d00 * a.position[i] + d10 * a.velocity[i] + d01 * b.position[i] + d11 * b.velocity[i];
    }
    return state;
  }

 private:
  static constexpr int Slots = 16;
  struct Entry {
    double day = -1e300;
    ReferenceState state;
  };

  const ReferenceState& Node(double day) {
    Entry& entry = entries_[static_cast<unsigned long long>(static_cast<long long>(std::floor(day / step_))) % Slots];
    if (entry.day != day) entry = {day, exact_(day)};
    return entry.state;
  }

  double step_;
  ReferenceState (*exact_)(double);
  Entry entries_[Slots];
};

ReferenceState ExactEarth(double julianDay) { return *ReferenceHeliocentricState(Body::Earth, Instant::FromUt(julianDay)); }
ReferenceState ExactMoon(double julianDay) { return *ReferenceGeocentricState(Body::Moon, Instant::FromUt(julianDay)); }

// The reference's Earth, heliocentric, at julianDay (UT), on nodes a day
// apart: within 0.1 km of eraEpv00 (the Moon's monthly pull on the Earth
// is the largest term left) and at a small part of its cost.
ReferenceState InterpolatedEarth(double julianDay) {
  thread_local Interpolated earth(1.0, ExactEarth);
  return earth.At(julianDay);
}

// The reference's Moon, geocentric, on nodes 0.1 days apart: within a
// metre of eraMoon98 (its fourth derivative is some 1,000 km a day⁴).
ReferenceState InterpolatedMoon(double julianDay) {
  thread_local Interpolated moon(0.1, ExactMoon);
  return moon.At(julianDay);
}

}  // namespace

namespace {

// A geocentric state seen as it arrives: light that reaches the Earth's
// centre at t left the body at t - tau; seen from the moving Earth it is
// turned by the aberration. Together, to first order in v/c, the body's
// geocentric vector less its geocentric velocity times tau: the Moon where
// it was, the Sun shifted by the Earth's own motion (20"), a planet by
// both. km.
Vector Apparent(const ReferenceState& state) {
  const double tau = Norm(state.position) * KilometresPerAu * (1 / SpeedOfLightKmPerSecond) / SecondsPerDay;  // days
  Vector apparent;
  for (int i = 0; i < 3; ++i) apparent[i] = state.position[i] - state.velocity[i] * tau;
  return Scaled(apparent, KilometresPerAu);
}

// The geocentric state of body given the Earth's heliocentric one.
ReferenceState Geocentric(Body body, const Instant& at, const ReferenceState& earth) {
  ReferenceState state{Negated(earth.position), Negated(earth.velocity)};
  if (body != Body::Sun) {
    const ReferenceState planet = *ReferenceHeliocentricState(body, at);
    state.position = Minus(planet.position, earth.position);
    state.velocity = Minus(planet.velocity, earth.velocity);
  }
  return state;
}

// The Moon's share of the Earth-Moon barycentre's distance from the
// Earth: its mass over both (the IAU's Earth/Moon mass ratio 81.30056).
constexpr double MoonShare = 1 / (1 + 81.30056);

}  // namespace

Vector ApparentGeocentric(Body body, const Instant& at) {
  // The interpolation's nodes are whole days (and tenths) of UT.
  if (body == Body::Moon) return Apparent(InterpolatedMoon(at.ut));
  return Apparent(Geocentric(body, at, InterpolatedEarth(at.ut)));
}

Vector QuickApparentGeocentric(Body body, const Instant& at) {
  const ReferenceState moon = *ReferenceGeocentricState(Body::Moon, at);
  if (body == Body::Moon) return Apparent(moon);
  ReferenceState earth = *ReferenceBarycentreState(at);
  for (int i = 0; i < 3; ++i) {
    earth.position[i] -= MoonShare * moon.position[i];
    earth.velocity[i] -= MoonShare * moon.velocity[i];
  }
  return Apparent(Geocentric(body, at, earth));
}

Vector BarycentricApparent(Body body, const Instant& at) {
  return Apparent(Geocentric(body, at, *ReferenceBarycentreState(at)));
}

}  // namespace orbitas
