#include "sky/bodies/method_sky.h"

#include "ephemeris/heliocentric.h"
#include "sky/frames/ecliptic.h"

namespace orbitas {

EquatorialCoordinates SunEquatorialAt(const ElementsTable& elements, const Instant& at) {
  const HeliocentricPosition earth =
      ComputeHeliocentricPosition(EarthRow(elements), at.ut, EpochOffset(elements), elements);
  const HeliocentricPosition sun{};  // the Sun at the origin of the heliocentric frame
  EquatorialCoordinates eq{};
  ComputeEquatorialCoordinates(earth, sun, eq);
  return eq;
}

EquatorialCoordinates MethodEquatorial(const ElementsTable& elements, Body body, const Instant& at) {
  if (body == Body::Sun) return SunEquatorialAt(elements, at);
  return PlanetEquatorialAt(elements, BodyNumber(body), at.ut);
}

HorizonCoordinates MethodHorizon(const ElementsTable& elements, Body body, const Place& place, const Instant& at) {
  const EquatorialCoordinates eq = MethodEquatorial(elements, body, at);
  return ComputeHorizon(at, eq.rightAscensionHours, eq.declination, place.latitude, place.longitude);
}

Vector MethodHeliocentricEquatorial(const ElementsTable& elements, Body body, const Instant& at) {
  const ElementRow row = body == Body::Earth ? EarthRow(elements) : BodyRow(elements, BodyNumber(body));
  const HeliocentricPosition p = ComputeHeliocentricPosition(row, at.ut, EpochOffset(elements), elements);
  return MethodEquatorialFromEcliptic(p.x, p.y, p.z);
}

Vector MethodEquatorialFromEcliptic(double x, double y, double z) {
  return EquatorialFromEcliptic(Vector{x, y, z}, ObliquityRadians);
}

}  // namespace orbitas
