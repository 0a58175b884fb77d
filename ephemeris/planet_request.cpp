#include "planet_request.h"

#include "angles.h"
#include "number_text.h"

namespace orbitas {
namespace {

constexpr std::string_view SecondsPattern = "#0.0##";

class LabelWriter {
 public:
  LabelWriter(ResultDisplay& display, std::string_view separator)
      : display_(display), separator_(separator) {}

  void Number(ResultLabel label, double value) {
    if (display_.Wants(label)) display_.Show(label, CStr(value, separator_));
  }
  void Seconds(ResultLabel label, double value) {
    if (display_.Wants(label)) display_.Show(label, Format(value, SecondsPattern, separator_));
  }
  void Text(ResultLabel label, const std::string& text) {
    if (display_.Wants(label)) display_.Show(label, text);
  }

 private:
  ResultDisplay& display_;
  std::string_view separator_;
};

}  // namespace

void RunPlanetRequest(const ElementsTable& elements, double julianDay, Int16 body,
                      std::string_view decimalSeparator, PlanetRequestValues& values,
                      ResultDisplay& display, PlanetRequestStages* stages) {
  LabelWriter write(display, decimalSeparator);

  for (Int16 p = 1; p <= 9; ++p) values.planetNames[static_cast<std::size_t>(p)] = BodyName(p);

  const ElementRow earthRow = EarthRow(elements);
  const ElementRow planetRow = BodyRow(elements, body);
  values.epochOffset = EpochOffset(elements);

  values.earth = ComputeHeliocentricPosition(earthRow, julianDay, values.epochOffset, elements,
                                             stages ? &stages->earth : nullptr);
  write.Number(ResultLabel::rhelt, values.earth.radius);
  write.Number(ResultLabel::xhelt, values.earth.x);
  write.Number(ResultLabel::yhelt, values.earth.y);
  write.Number(ResultLabel::zhelt, values.earth.z);

  values.planet = ComputeHeliocentricPosition(planetRow, julianDay, values.epochOffset, elements,
                                              stages ? &stages->planet : nullptr);
  if (body < 0 || body > 9) RaiseSubscriptOutOfRange();
  const std::string& name = values.planetNames[static_cast<std::size_t>(body)];
  write.Text(ResultLabel::planetahel, "Coordenadas heliocéntricas de " + name);
  write.Number(ResultLabel::rhelp, values.planet.radius);
  write.Number(ResultLabel::xhelp, values.planet.x);
  write.Number(ResultLabel::yhelp, values.planet.y);
  write.Number(ResultLabel::zhelp, values.planet.z);

  EquatorialCoordinates& eq = values.equatorial;
  ComputeEquatorialCoordinates(values.earth, values.planet, eq);

  write.Text(ResultLabel::planetaec, "Coordenadas ecuatoriales de " + name);
  write.Number(ResultLabel::ascrec, eq.rightAscensionHours);
  write.Number(ResultLabel::declin, eq.declination);
  write.Number(ResultLabel::arh, SexagesimalPart(eq.rightAscensionHours, 1));
  write.Number(ResultLabel::arm, SexagesimalPart(eq.rightAscensionHours, 2));
  write.Seconds(ResultLabel::ars, SexagesimalPart(eq.rightAscensionHours, 3));
  write.Text(ResultLabel::signo, eq.declination < 0 ? "-" : "");
  write.Number(ResultLabel::dg, SexagesimalPart(eq.declination, 1));
  write.Number(ResultLabel::dam, SexagesimalPart(eq.declination, 2));
  write.Seconds(ResultLabel::das, SexagesimalPart(eq.declination, 3));
  write.Number(ResultLabel::rv, eq.geoDistance);
}

}  // namespace orbitas
