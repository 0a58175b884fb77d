#include "session/planet_request.h"

#include <string>

#include "ephemeris/angles.h"
#include "session/body_names.h"

namespace orbitas {
namespace {

// "Coordenadas heliocéntricas de " and the name, made in place.
void SetHeading(LabelTexts& labels, ResultLabel label, std::string_view heading, std::string_view name) {
  // A table's rows leave the headings out: nothing to make.
  if (!labels.Wanted(label)) return labels.Set(label, {});
  char text[LabelTexts::Capacity];
  heading.copy(text, heading.size());
  name.copy(text + heading.size(), name.size());
  labels.Set(label, std::string_view(text, heading.size() + name.size()));
}

}  // namespace

void RunPlanetRequest(const ElementsTable& elements, double julianDay, Int16 body,
                      std::string_view separator, PlanetRequestValues& values,
                      LabelTexts& labels, PlanetRequestStages* stages,
                      const HeliocentricPosition* knownEarth) {
  using L = ResultLabel;
  labels.Clear();
  values.planetNames = BodyNames();

  const ElementRow earthRow = EarthRow(elements);
  const ElementRow planetRow = BodyRow(elements, body);
  values.epochOffset = EpochOffset(elements);

  values.earth = knownEarth && !stages
                     ? *knownEarth
                     : ComputeHeliocentricPosition(earthRow, julianDay, values.epochOffset, elements,
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
  const SexagesimalParts ra = SplitSexagesimal(eq.rightAscensionHours);
  labels.SetNumber(L::arh, ra.whole, separator);
  labels.SetNumber(L::arm, ra.minutes, separator);
  labels.SetSeconds(L::ars, ra.seconds, separator);
  labels.Set(L::signo, eq.declination < 0 ? "-" : "");
  const SexagesimalParts dec = SplitSexagesimal(eq.declination);
  labels.SetNumber(L::dg, dec.whole, separator);
  labels.SetNumber(L::dam, dec.minutes, separator);
  labels.SetSeconds(L::das, dec.seconds, separator);
  labels.SetNumber(L::rv, eq.geoDistance, separator);
}

}  // namespace orbitas
