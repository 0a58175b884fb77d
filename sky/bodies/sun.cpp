#include "sky/bodies/sun.h"

namespace orbitas {

EquatorialCoordinates SunEquatorialAt(const ElementsTable& elements, double julianDay) {
  const HeliocentricPosition earth =
      ComputeHeliocentricPosition(EarthRow(elements), julianDay, EpochOffset(elements), elements);
  const HeliocentricPosition sun{};  // the Sun at the origin of the heliocentric frame
  EquatorialCoordinates eq{};
  ComputeEquatorialCoordinates(earth, sun, eq);
  return eq;
}

}  // namespace orbitas
