#include "ephemeris/equatorial.h"

#include "ephemeris/angles.h"

namespace orbitas {

void ComputeEquatorialCoordinates(const HeliocentricPosition& earth,
                                  const HeliocentricPosition& planet,
                                  EquatorialCoordinates& out) {
  out.geoDeltaX = (Real(planet.x) - earth.x).value();
  out.geoDeltaY = (Real(planet.y) - earth.y).value();
  out.geoDeltaZ = (Real(planet.z) - earth.z).value();
  out.obliquity = ObliquityRadians;

  const Real eps = out.obliquity, dy = out.geoDeltaY, dz = out.geoDeltaZ;
  const Real X = out.geoDeltaX;
  const Real Y = Cos(eps) * dy - Sin(eps) * dz;
  const Real Z = Sin(eps) * dy + Cos(eps) * dz;
  out.x = X.value();
  out.y = Y.value();
  out.z = Z.value();

  out.rightAscensionDeg = (Real(ArcTanQuadrant(out.y, out.x)) * RadiansToDegrees).value();
  out.declination = (Atn(Z / SquareRoot(X * X + Y * Y)) * RadiansToDegrees).value();
  out.geoDistance = SquareRoot((X * X + Y * Y) + Z * Z).value();
  out.rightAscensionHours = (Real(out.rightAscensionDeg) / 15).value();
}

EquatorialCoordinates PlanetEquatorialAt(const ElementsTable& elements, Int16 body, double julianDay) {
  const double offset = EpochOffset(elements);
  const HeliocentricPosition earth = ComputeHeliocentricPosition(EarthRow(elements), julianDay, offset, elements);
  const HeliocentricPosition planet = ComputeHeliocentricPosition(BodyRow(elements, body), julianDay, offset, elements);
  EquatorialCoordinates eq{};
  ComputeEquatorialCoordinates(earth, planet, eq);
  return eq;
}

}  // namespace orbitas
