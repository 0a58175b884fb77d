#include "planet_request.h"

#include <string>

#include "angles.h"
#include "body_names.h"

namespace orbitas {
namespace {

// "Coordenadas heliocéntricas de " and the name, made in place.
void SetHeading(LabelTexts& labels, ResultLabel label, std::string_view heading, std::string_view name) {
  char text[LabelTexts::Capacity];
  heading.copy(text, heading.size());
  name.copy(text + heading.size(), name.size());
  labels.Set(label, std::string_view(text, heading.size() + name.size()));
}

}  // namespace

void RunPlanetRequest(const ElementsTable& elements, double julianDay, Int16 body,
                      std::string_view separator, PlanetRequestValues& values,
                      LabelTexts& labels, PlanetRequestStages* stages) {
  using L = ResultLabel;
  labels.Clear();
  for (Int16 p = 1; p <= 9; ++p) values.planetNames[static_cast<std::size_t>(p)] = BodyName(p);

  const ElementRow earthRow = EarthRow(elements);
  const ElementRow planetRow = BodyRow(elements, body);
  values.epochOffset = EpochOffset(elements);

  values.earth = ComputeHeliocentricPosition(earthRow, julianDay, values.epochOffset, elements,
                                             stages ? &stages->earth : nullptr);
  labels.SetNumber(L::rhelt, values.earth.radius, separator);
  labels.SetNumber(L::xhelt, values.earth.x, separator);
  labels.SetNumber(L::yhelt, values.earth.y, separator);
  labels.SetNumber(L::zhelt, values.earth.z, separator);

  values.planet = ComputeHeliocentricPosition(planetRow, julianDay, values.epochOffset, elements,
                                              stages ? &stages->planet : nullptr);
  if (body < 0 || body > 9) RaiseSubscriptOutOfRange();
  const std::string_view name = values.planetNames[static_cast<std::size_t>(body)];
  SetHeading(labels, L::planetahel, "Coordenadas heliocéntricas de ", name);
  labels.SetNumber(L::rhelp, values.planet.radius, separator);
  labels.SetNumber(L::xhelp, values.planet.x, separator);
  labels.SetNumber(L::yhelp, values.planet.y, separator);
  labels.SetNumber(L::zhelp, values.planet.z, separator);

  EquatorialCoordinates& eq = values.equatorial;
  ComputeEquatorialCoordinates(values.earth, values.planet, eq);

  SetHeading(labels, L::planetaec, "Coordenadas ecuatoriales de ", name);
  labels.SetNumber(L::ascrec, eq.rightAscensionHours, separator);
  labels.SetNumber(L::declin, eq.declination, separator);
  labels.SetNumber(L::arh, SexagesimalPart(eq.rightAscensionHours, 1), separator);
  labels.SetNumber(L::arm, SexagesimalPart(eq.rightAscensionHours, 2), separator);
  labels.SetSeconds(L::ars, SexagesimalPart(eq.rightAscensionHours, 3), separator);
  labels.Set(L::signo, eq.declination < 0 ? "-" : "");
  labels.SetNumber(L::dg, SexagesimalPart(eq.declination, 1), separator);
  labels.SetNumber(L::dam, SexagesimalPart(eq.declination, 2), separator);
  labels.SetSeconds(L::das, SexagesimalPart(eq.declination, 3), separator);
  labels.SetNumber(L::rv, eq.geoDistance, separator);
}

}  // namespace orbitas
