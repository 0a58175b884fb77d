#pragma once
// The deep sky: the Messier and Caldwell objects and the NGC and IC
// objects brighter than magnitude 10 or with a common name, as a
// compiled-in table (tools/make-deep-sky-catalogue.sh makes it from
// OpenNGC). Places are J2000; the of-date place is apparent_direction.h's.
#include <span>
#include <string_view>

namespace orbitas {

enum class DeepSkyType {
  Galaxy,            // also groups of galaxies
  OpenCluster,
  GlobularCluster,
  PlanetaryNebula,
  DiffuseNebula,     // emission and reflection nebulae, clusters in nebulosity
  DarkNebula,
  SupernovaRemnant,
  Asterism,          // also star clouds
  DoubleStar,
};
inline constexpr int DeepSkyTypeCount = 9;

inline constexpr double NoMagnitude = 99.0;  // the catalogue gives none (dark nebulae)

struct DeepSkyObject {
  std::string_view id;           // how it is named first: "M31", "C14", "NGC 884"
  int messier = 0;               // Messier number, 0 when none
  int caldwell = 0;              // Caldwell number, 0 when none
  std::string_view designation;  // "NGC 224", "IC 342", or "" (the Pleiades, the Hyades)
  DeepSkyType type = DeepSkyType::Galaxy;
  double rightAscension = 0;     // hours, J2000, 0..24
  double declination = 0;        // degrees, J2000
  double magnitude = NoMagnitude;  // visual (V), integrated
  double majorAxis = 0;          // arcminutes; 0 when the catalogue gives no size
  double minorAxis = 0;          // arcminutes; 0 when round or unknown (then the major axis)
  double positionAngle = -1;     // degrees of the major axis from north through east; -1 when none
  double surfaceBrightness = NoMagnitude;  // V magnitudes per square arcsecond, over the ellipse

  bool HasMagnitude() const { return magnitude < NoMagnitude; }
  // The minor axis, or the major one for a round object, arcminutes.
  double MinorOrMajor() const { return minorAxis > 0 ? minorAxis : majorAxis; }
};

// Every object, Messier first (by number), then the other Caldwell
// objects (by number), then NGC and IC. Raises nothing.
std::span<const DeepSkyObject> DeepSkyCatalogue();

// The object a user names by its designation, ignoring case, spaces and
// leading zeros: "M31", "m 31", "C 14", "NGC0224", "ngc 224", "IC 342".
// A Messier or Caldwell object is also found by its NGC or IC number.
// nullptr when none. Raises nothing.
const DeepSkyObject* DeepSkyObjectNamed(std::string_view designation);

}  // namespace orbitas
