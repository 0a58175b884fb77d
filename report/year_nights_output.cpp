#include "report/year_nights_output.h"

#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "report/json.h"
#include "report/text_layout.h"
#include "runtime/shortest_text.h"
#include "session/names.h"
#include "session/nearest_names.h"

namespace orbitas::report {
namespace {

// One value of a night: its CSV and JSON key and the instant, if any.
struct NightTime {
  std::string key;
  std::optional<Instant> at;
};

// The Sun's events in the order of the night: each limit of TwilightLimits
// crossed going down, then coming back up.
constexpr std::array<std::string_view, 4> DuskKeys = {"sunset", "civil_dusk", "nautical_dusk", "astronomical_dusk"};
constexpr std::array<std::string_view, 4> DawnKeys = {"sunrise", "civil_dawn", "nautical_dawn", "astronomical_dawn"};

// A planet's part of a key: its Spanish name folded to ASCII ("jupiter").
std::string PlanetKey(Body body) { return Folded(SpanishName(body)); }

std::vector<NightTime> TimesOf(const YearNight& n) {
  std::vector<NightTime> times;
  for (std::size_t k = 0; k < DuskKeys.size(); ++k) times.push_back({std::string(DuskKeys[k]), n.dusk[k]});
  for (std::size_t k = DawnKeys.size(); k-- > 0;) times.push_back({std::string(DawnKeys[k]), n.dawn[k]});
  times.push_back({"moon_rise", n.moon.rise});
  times.push_back({"moon_set", n.moon.set});
  return times;
}

std::vector<NightTime> PlanetTimesOf(const YearNight& n) {
  std::vector<NightTime> times;
  const std::vector<Body>& planets = YearChartPlanets();
  for (std::size_t p = 0; p < planets.size() && p < n.planets.size(); ++p) {
    const std::string name = PlanetKey(planets[p]);
    times.push_back({name + "_rise", n.planets[p].rise});
    times.push_back({name + "_transit", n.planets[p].transit});
    times.push_back({name + "_set", n.planets[p].set});
  }
  return times;
}

// "moon_rise" as JSON names its members: "moonRise".
std::string CamelCase(const std::string& key) {
  std::string camel;
  bool upper = false;
  for (const char c : key) {
    if (c == '_') upper = true;
    else camel += upper ? static_cast<char>(c - 'a' + 'A') : c, upper = false;
  }
  return camel;
}

}  // namespace

std::string YearNightsCsvHeader() {
  std::string header = "date";
  for (const NightTime& t : TimesOf(YearNight{})) header += "," + t.key;
  header += ",moon_illuminated";
  YearNight planets;
  planets.planets.resize(YearChartPlanets().size());
  for (const NightTime& t : PlanetTimesOf(planets)) header += "," + t.key;
  return header + "\r\n";
}

std::string YearNightCsvRow(const YearNightAnswer& night, const TimeZone& zone) {
  const auto when = [&](const NightTime& t) { return t.at ? zone.LocalIso(*t.at) : std::string(); };
  std::string row = night.date;
  for (const NightTime& t : TimesOf(night.night)) row += "," + when(t);
  row += "," + ShortestText(night.night.moonIlluminated);
  for (const NightTime& t : PlanetTimesOf(night.night)) row += "," + when(t);
  return row + "\r\n";
}

std::string YearNightJson(const YearNightAnswer& night, const TimeZone& zone) {
  const auto member = [&](const NightTime& t) {
    return ", " + JsonString(CamelCase(t.key)) + ": " + (t.at ? JsonString(zone.LocalIso(*t.at)) : std::string("null"));
  };
  std::string json = "{\"date\": " + JsonString(night.date) + ", \"zone\": " + JsonString(zone.name());
  for (const NightTime& t : TimesOf(night.night)) json += member(t);
  json += ", \"moonIlluminated\": " + JsonNumber(night.night.moonIlluminated);
  for (const NightTime& t : PlanetTimesOf(night.night)) json += member(t);
  return json + "}\n";
}

}  // namespace orbitas::report
