#pragma once
// Where the bodies are for the year's events: the method's own positions,
// or the reference's, behind one interface, so that every search runs the
// same way on both and the difference of the two instants is the method's
// error in time. Vectors are ecliptic (each geometry's own obliquity), AU;
// heliocentric except the Moon's and the Sun's, which are geocentric. The
// method reads an instant's UT (its Julian day as typed), the reference
// its TT.
#include <optional>
#include <unordered_map>

#include "ephemeris/elements.h"
#include "sky/bodies/body.h"
#include "calendar/instant.h"
#include "sky/frames/vector.h"

namespace orbitas {

class Geometry {
 public:
  virtual ~Geometry() = default;
  // A planet's or the Earth's heliocentric position; none where the
  // geometry lacks the body (the reference's Pluto).
  virtual std::optional<Vector> Heliocentric(Body body, Instant at) const = 0;
  virtual Vector Moon(Instant at) const = 0;
  // The Sun's apparent longitude of date, degrees.
  virtual double SunApparentLongitude(Instant at) const = 0;
  // An ecliptic vector turned to the J2000 equator, for the magnitudes.
  virtual Vector Equatorial(const Vector& ecliptic) const = 0;

  // The geocentric position of a planet, the Sun or the Moon.
  Vector Geocentric(Body body, Instant at) const;
  Vector Sun(Instant at) const;
};

// The method's geometry. The Moon, which the method lacks, is the
// reference's turned to the method's ecliptic. Every search of a stretch
// samples the Earth and the Moon at the same instants: each is kept until
// Forget.
class MethodGeometry : public Geometry {
 public:
  explicit MethodGeometry(const ElementsTable& elements);
  std::optional<Vector> Heliocentric(Body body, Instant at) const override;
  Vector Moon(Instant at) const override;
  double SunApparentLongitude(Instant at) const override;
  Vector Equatorial(const Vector& ecliptic) const override;
  void Forget() const;
  const ElementsTable& elements() const { return elements_; }

 private:
  const ElementsTable& elements_;
  double offset_;
  mutable std::unordered_map<double, Vector> earth_, moon_;  // by UT
};

// The reference's geometry, on the J2000 ecliptic.
class ReferenceGeometry : public Geometry {
 public:
  std::optional<Vector> Heliocentric(Body body, Instant at) const override;
  Vector Moon(Instant at) const override;
  double SunApparentLongitude(Instant at) const override;
  Vector Equatorial(const Vector& ecliptic) const override;
};

// The ecliptic longitude of a vector, degrees, -180..180.
double LongitudeOf(const Vector& v);

}  // namespace orbitas
