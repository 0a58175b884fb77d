#include "sky/bodies/seen_sky.h"

#include <erfa.h>

#include "runtime/angle_units.h"
#include "sky/bodies/apparent.h"
#include "sky/bodies/method_sky.h"
#include "sky/bodies/moon.h"
#include "sky/bodies/reference.h"
#include "sky/frames/earth_turning.h"
#include "sky/frames/physical_constants.h"

namespace orbitas {
namespace {

// Direction and distance of a geocentric vector given in AU.
EquatorialCoordinates FromVector(const Vector& au) {
  double v[3] = {au[0], au[1], au[2]}, ra = 0, dec = 0;
  eraC2s(v, &ra, &dec);
  EquatorialCoordinates eq{};
  eq.x = au[0], eq.y = au[1], eq.z = au[2];
  eq.rightAscensionDeg = eraAnp(ra) * DegreesPerRadian;
  eq.rightAscensionHours = eraAnp(ra) * HoursPerRadian;
  eq.declination = dec * DegreesPerRadian;
  eq.geoDistance = eraPm(v);
  return eq;
}

// The method's direction of Pluto as a J2000 vector, AU.
Vector MethodVector(const EquatorialCoordinates& eq) {
  double v[3];
  eraS2p(eq.rightAscensionHours / HoursPerRadian, eq.declination / DegreesPerRadian, eq.geoDistance, v);
  return {v[0], v[1], v[2]};
}

}  // namespace

EquatorialCoordinates SeenEquatorial(const ElementsTable& elements, Body body, const Instant& at) {
  if (!SeenFromTheReference(body)) return MethodEquatorial(elements, body, at);
  if (body == Body::Moon) return FromVector(*ReferenceGeocentric(Body::Moon, at));
  return FromVector(Scaled(ApparentGeocentric(body, at), 1 / KilometresPerAu));
}

HorizonCoordinates SeenHorizon(const ElementsTable& elements, Body body, const Place& place, const Instant& at) {
  if (body == Body::Moon) return MoonFrom(place, at).horizon;
  const Vector geocentric = SeenFromTheReference(body)
                                ? ApparentGeocentric(body, at)
                                : Scaled(MethodVector(MethodEquatorial(elements, body, at)), KilometresPerAu);
  return TurnedHorizon(place, at, Minus(geocentric, PlaceVector(place, at)));
}

namespace {

PlanetAspect MethodAspect(const ElementsTable& elements, Body body, const Instant& at) {
  return AspectOf(body, MethodHeliocentricEquatorial(elements, body, at),
                  MethodHeliocentricEquatorial(elements, Body::Earth, at), at);
}

}  // namespace

PlanetAspect SeenAspect(const ElementsTable& elements, Body body, const Instant& at) {
  if (!SeenFromTheReference(body)) return MethodAspect(elements, body, at);
  return AspectOf(body, *ReferenceHeliocentric(body, at), *ReferenceHeliocentric(Body::Earth, at), at);
}

HorizonCoordinates HorizonIn(SkyModel model, const ElementsTable& elements, Body body, const Place& place,
                             const Instant& at) {
  if (model == SkyModel::Seen || body == Body::Moon) return SeenHorizon(elements, body, place, at);
  return MethodHorizon(elements, body, place, at);
}

EquatorialCoordinates EquatorialIn(SkyModel model, const ElementsTable& elements, Body body, const Instant& at) {
  if (model == SkyModel::Seen || body == Body::Moon) return SeenEquatorial(elements, body, at);
  return MethodEquatorial(elements, body, at);
}

PlanetAspect AspectIn(SkyModel model, const ElementsTable& elements, Body body, const Instant& at) {
  return model == SkyModel::Seen ? SeenAspect(elements, body, at) : MethodAspect(elements, body, at);
}

}  // namespace orbitas
