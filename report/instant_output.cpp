#include "report/instant_output.h"

#include <utility>

#include "session/body_names.h"
#include "report/json.h"
#include "report/sky_output.h"
#include "report/text_layout.h"

namespace orbitas::report {
namespace {

using L = ResultLabel;

std::string Row(std::string_view caption, std::string_view text) {
  std::string row = "  " + PadRight(std::string(caption), 6, 1);
  row += text;
  return row + "\n";
}

bool Has(const PlanetOutcome& p, std::initializer_list<ResultLabel> labels) {
  for (const ResultLabel label : labels) {
    if (!p.labels.Written(label)) return false;
  }
  return true;
}

std::string T(const PlanetOutcome& p, ResultLabel label) { return std::string(p.labels[label]); }

std::string EarthBlock(const PlanetOutcome& p) {
  return "Coordenadas heliocéntricas de la Tierra\n" + Row("X", T(p, L::xhelt)) +
         Row("Y", T(p, L::yhelt)) + Row("Z", T(p, L::zhelt)) + Row("R", T(p, L::rhelt));
}

std::string PlanetBlock(const PlanetOutcome& p) {
  return T(p, L::planetahel) + "\n" + Row("X", T(p, L::xhelp)) + Row("Y", T(p, L::yhelp)) +
         Row("Z", T(p, L::zhelp)) + Row("R", T(p, L::rhelp));
}

std::string EquatorialBlock(const PlanetOutcome& p) {
  return T(p, L::planetaec) + "\n" + Row("α", T(p, L::ascrec)) +
         Row("", HoursMinutesSeconds(T(p, L::arh), T(p, L::arm), T(p, L::ars))) +
         Row("δ", T(p, L::declin)) +
         Row("", DegreesMinutesSeconds(T(p, L::signo), T(p, L::dg), T(p, L::dam), T(p, L::das))) +
         Row("RVec", T(p, L::rv));
}

}  // namespace

std::string InstantAsText(const InstantOutcome& outcome, const std::optional<Place>& place, std::string_view separator) {
  std::string text;
  if (outcome.horadec) text += "Hora decimal: " + *outcome.horadec + "\n";
  if (outcome.diajuliano) text += "Día juliano:  " + *outcome.diajuliano + "\n";
  bool earthShown = false;
  for (const PlanetOutcome& p : outcome.planets) {
    if (!earthShown && Has(p, {L::rhelt, L::xhelt, L::yhelt, L::zhelt})) {
      text += "\n" + EarthBlock(p);
      earthShown = true;
    }
    if (Has(p, {L::planetahel, L::rhelp, L::xhelp, L::yhelp, L::zhelp})) text += "\n" + PlanetBlock(p);
    if (p.Complete()) text += "\n" + EquatorialBlock(p);
    if (p.sky && place) text += "\n" + HorizonBlock(BodyName(p.body), *place, *p.sky, separator);
  }
  return text;
}

std::string PlanetValuesAsJson(const PlanetOutcome& p) {
  const auto& v = p.values;
  std::vector<std::pair<std::string_view, double>> numbers;
  if (p.labels.Written(L::zhelt)) {
    numbers.insert(numbers.end(), {{"EarthX", v.earth.x}, {"EarthY", v.earth.y},
                                   {"EarthZ", v.earth.z}, {"EarthRadius", v.earth.radius}});
  }
  if (p.labels.Written(L::zhelp)) {
    numbers.insert(numbers.end(), {{"PlanetX", v.planet.x}, {"PlanetY", v.planet.y},
                                   {"PlanetZ", v.planet.z}, {"PlanetRadius", v.planet.radius}});
  }
  if (p.Complete()) {
    const auto& eq = v.equatorial;
    numbers.insert(numbers.end(), {{"RightAscensionHours", eq.rightAscensionHours},
                                   {"Declination", eq.declination},
                                   {"GeoDistance", eq.geoDistance},
                                   {"RightAscensionDeg", eq.rightAscensionDeg}});
  }
  std::string json = "{";
  for (const auto& [key, value] : numbers) {
    if (json.size() > 1) json += ", ";
    json += JsonString(key) + ": " + JsonNumber(value);
  }
  return json + "}";
}

std::string InstantAsJson(const InstantOutcome& outcome) {
  auto optionalText = [](const std::optional<std::string>& t) {
    return t ? JsonString(*t) : std::string("null");
  };
  std::string json = "{\"horadec\": " + optionalText(outcome.horadec) +
                     ", \"diajuliano\": " + optionalText(outcome.diajuliano) +
                     ", \"JulianDay\": " + JsonNumber(outcome.julianDay) + ", \"planets\": [";
  for (std::size_t i = 0; i < outcome.planets.size(); ++i) {
    const PlanetOutcome& p = outcome.planets[i];
    if (i) json += ", ";
    json += "{\"body\": " + std::to_string(p.body) +
            ", \"name\": " + JsonString(BodyName(p.body)) + ", \"labels\": {";
    bool first = true;
    for (std::size_t k = 0; k < ResultLabelCount; ++k) {
      const auto label = static_cast<ResultLabel>(k);
      if (!p.labels.Written(label)) continue;
      if (!first) json += ", ";
      first = false;
      json += JsonString(LabelName(label)) + ": " + JsonString(p.labels[label]);
    }
    json += "}, \"values\": " + PlanetValuesAsJson(p);
    if (p.sky) json += ", \"horizon\": " + HorizonJson(*p.sky);
    json += "}";
  }
  json += "]";
  if (outcome.error) {
    json += ", \"error\": {\"kind\": " + JsonString(ErrorKindName(*outcome.error)) +
            ", \"message\": " + JsonString(ErrorMessage(*outcome.error)) + "}";
  }
  return json + "}\n";
}

}  // namespace orbitas::report
