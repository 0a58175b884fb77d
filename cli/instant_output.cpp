#include "instant_output.h"

#include <utility>

#include "json.h"
#include "text_layout.h"

namespace orbitas::cli {
namespace {

std::string Row(std::string_view caption, const std::string& text) {
  return "  " + PadRight(std::string(caption), 6, 1) + text + "\n";
}

bool Has(const PlanetOutcome& p, std::initializer_list<std::string_view> labels) {
  for (const std::string_view label : labels) {
    if (!p.Label(label)) return false;
  }
  return true;
}

const std::string& L(const PlanetOutcome& p, std::string_view label) { return *p.Label(label); }

std::string EarthBlock(const PlanetOutcome& p) {
  return "Coordenadas heliocéntricas de la Tierra\n" + Row("X", L(p, "xhelt")) +
         Row("Y", L(p, "yhelt")) + Row("Z", L(p, "zhelt")) + Row("R", L(p, "rhelt"));
}

std::string PlanetBlock(const PlanetOutcome& p) {
  return L(p, "planetahel") + "\n" + Row("X", L(p, "xhelp")) + Row("Y", L(p, "yhelp")) +
         Row("Z", L(p, "zhelp")) + Row("R", L(p, "rhelp"));
}

std::string EquatorialBlock(const PlanetOutcome& p) {
  return L(p, "planetaec") + "\n" + Row("α", L(p, "ascrec")) +
         Row("", HoursMinutesSeconds(L(p, "arh"), L(p, "arm"), L(p, "ars"))) +
         Row("δ", L(p, "declin")) +
         Row("", DegreesMinutesSeconds(L(p, "signo"), L(p, "dg"), L(p, "dam"), L(p, "das"))) +
         Row("RVec", L(p, "rv"));
}

}  // namespace

std::string InstantAsText(const InstantOutcome& outcome) {
  std::string text;
  if (outcome.horadec) text += "Hora decimal: " + *outcome.horadec + "\n";
  if (outcome.diajuliano) text += "Día juliano:  " + *outcome.diajuliano + "\n";
  bool earthShown = false;
  for (const PlanetOutcome& p : outcome.planets) {
    if (!earthShown && Has(p, {"rhelt", "xhelt", "yhelt", "zhelt"})) {
      text += "\n" + EarthBlock(p);
      earthShown = true;
    }
    if (Has(p, {"planetahel", "rhelp", "xhelp", "yhelp", "zhelp"})) text += "\n" + PlanetBlock(p);
    if (p.Complete()) text += "\n" + EquatorialBlock(p);
  }
  return text;
}

std::string PlanetValuesAsJson(const PlanetOutcome& p) {
  const auto& v = p.values;
  std::vector<std::pair<std::string_view, double>> numbers;
  if (p.Label("zhelt")) {
    numbers.insert(numbers.end(), {{"EarthX", v.earth.x}, {"EarthY", v.earth.y},
                                   {"EarthZ", v.earth.z}, {"EarthRadius", v.earth.radius}});
  }
  if (p.Label("zhelp")) {
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
    for (std::size_t k = 0; k < p.labels.size(); ++k) {
      if (k) json += ", ";
      json += JsonString(p.labels[k].first) + ": " + JsonString(p.labels[k].second);
    }
    json += "}, \"values\": " + PlanetValuesAsJson(p) + "}";
  }
  json += "]";
  if (outcome.error) {
    json += ", \"error\": {\"kind\": " + JsonString(ErrorKindName(*outcome.error)) +
            ", \"message\": " + JsonString(ErrorMessage(*outcome.error)) + "}";
  }
  return json + "}\n";
}

}  // namespace orbitas::cli
