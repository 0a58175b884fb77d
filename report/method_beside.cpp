#include "report/method_beside.h"

#include <cmath>
#include <utility>
#include <vector>

#include "calendar/civil_days.h"
#include "report/json.h"
#include "runtime/number_text.h"
#include "session/names.h"

namespace orbitas::report {
namespace {

constexpr std::string_view ByTheMethod = "  Según el método de Kepler: ";

double MinutesBetween(const Instant& method, const Instant& seen) { return method.DaysSince(seen) * MinutesPerDay; }

std::string Clock(const TimeZone& zone, const Instant& t) { return zone.ToMinute(t).Clock(); }

std::string ErrorWords(const std::optional<double>& error, std::string_view sep) {
  return error ? ", a " + Format(*error, "#0.0#", sep) + "° del sitio real" : std::string();
}

// "sale a las 14:12, 6 min antes": one event of the method's beside the
// sky's; "" when the method has none, "no sale" when only the sky has it.
std::string EventWords(std::string_view verb, const std::optional<Instant>& method,
                       const std::optional<Instant>& seen, const TimeZone& zone, std::string_view sep) {
  if (!method) return seen ? "no " + std::string(verb) : std::string();
  std::string words = std::string(verb) + " a las " + Clock(zone, *method);
  if (seen) words += ", " + DifferenceWords(MinutesBetween(*method, *seen), sep);
  return words;
}

std::string Joined(const std::vector<std::string>& parts) {
  std::string joined;
  for (const std::string& part : parts) {
    if (!part.empty()) joined += (joined.empty() ? "" : "; ") + part;
  }
  return joined;
}

std::string OptionalIso(const TimeZone& zone, const std::optional<Instant>& t) {
  return t ? JsonString(zone.LocalIso(*t)) : "null";
}

std::string DifferenceJson(const std::optional<Instant>& method, const std::optional<Instant>& seen) {
  return method && seen ? JsonNumber(MinutesBetween(*method, *seen)) : "null";
}

// The night's Sun: each event, the method's and the sky's.
using SunEventMember = std::optional<TimedEvent> SunNight::*;
constexpr std::pair<std::string_view, SunEventMember> SunEventsByKey[] = {
    {"set", &SunNight::set},
    {"civilDusk", &SunNight::civilDusk},
    {"nauticalDusk", &SunNight::nauticalDusk},
    {"astronomicalDusk", &SunNight::astronomicalDusk},
    {"astronomicalDawn", &SunNight::astronomicalDawn},
    {"nauticalDawn", &SunNight::nauticalDawn},
    {"civilDawn", &SunNight::civilDawn},
    {"rise", &SunNight::rise},
};

std::optional<Instant> TimeOf(const std::optional<TimedEvent>& event) {
  return event ? std::optional(event->time) : std::nullopt;
}

}  // namespace

std::string DifferenceWords(double minutes, std::string_view sep) {
  const double size = std::fabs(minutes);
  const std::string side = minutes < 0 ? " antes" : " después";
  if (size < 0.5) return "a la vez";
  if (size < 90) return std::to_string(std::lround(size)) + " min" + side;
  if (size < 48 * 60) return Format(size / 60, "#0.0", sep) + " h" + side;
  return Format(size / 1440, "#0.0", sep) + " días" + side;
}

std::string MethodNightWords(const PlanetNight& m, const std::optional<double>& bestDifference,
                             const std::optional<double>& error, const TimeZone& zone, std::string_view sep) {
  if (!m.best) return "no se ve" + ErrorWords(error, sep);
  std::string words = "de " + Clock(zone, m.visibleFrom->time) + " a " + Clock(zone, m.visibleTo->time) +
                      ", mejor a las " + Clock(zone, m.best->time);
  if (bestDifference) words += " (" + DifferenceWords(*bestDifference, sep) + ")";
  return words + ErrorWords(error, sep);
}

std::string MethodPlanetNightLine(const PlanetNight& seen, const NightAnswer& night, std::string_view sep) {
  const MethodPlanetNight* method = MethodBeside(night, seen.body);
  if (!method) return "";
  const PlanetNight& m = method->planet;
  const std::optional<double> difference =
      m.best && seen.best ? std::optional(MinutesBetween(m.best->time, seen.best->time)) : std::nullopt;
  std::string line = std::string(ByTheMethod) + (m.best ? "visible " : "") +
                     MethodNightWords(m, difference, method->error, night.zone, sep);
  if (m.constellation != seen.constellation) line += "; en " + std::string(ConstellationName(m.constellation));
  return line + "\n";
}

std::string MethodSunLine(const NightAnswer& night, std::string_view sep) {
  if (!night.method) return "";
  const SunNight &m = night.method->sun, &seen = night.night.sun;
  return std::string(ByTheMethod) +
         Joined({EventWords("se pone", TimeOf(m.set), TimeOf(seen.set), night.zone, sep),
                 EventWords("anochece (−18°)", TimeOf(m.astronomicalDusk), TimeOf(seen.astronomicalDusk), night.zone, sep),
                 EventWords("amanece (−18°)", TimeOf(m.astronomicalDawn), TimeOf(seen.astronomicalDawn), night.zone, sep),
                 EventWords("sale", TimeOf(m.rise), TimeOf(seen.rise), night.zone, sep)}) +
         "\n";
}

std::string MethodDayLine(const PlanetDay& seen, const RiseSetAnswer& day, std::string_view sep) {
  const MethodPlanetDay* method = MethodBeside(day, seen.body);
  if (!method) return "";
  const PlanetDay& m = method->day;
  const std::string events = Joined({EventWords("sale", m.rise, seen.rise, day.zone, sep),
                                     EventWords("culmina", m.transit, seen.transit, day.zone, sep),
                                     EventWords("se pone", m.set, seen.set, day.zone, sep)});
  return std::string(ByTheMethod) + (events.empty() ? "tampoco sale ni se pone" : events) +
         (method->error ? " (a " + Format(*method->error, "#0.0#", sep) + "° del sitio real)" : "") + "\n";
}

std::string MethodDayJson(const PlanetDay& seen, const RiseSetAnswer& day) {
  const MethodPlanetDay* method = MethodBeside(day, seen.body);
  if (!method) return ", \"method\": null";
  const PlanetDay& m = method->day;
  return ", \"method\": {\"rise\": " + OptionalIso(day.zone, m.rise) +
         ", \"transit\": " + OptionalIso(day.zone, m.transit) + ", \"set\": " + OptionalIso(day.zone, m.set) +
         ", \"riseDifference\": " + DifferenceJson(m.rise, seen.rise) +
         ", \"transitDifference\": " + DifferenceJson(m.transit, seen.transit) +
         ", \"setDifference\": " + DifferenceJson(m.set, seen.set) +
         ", \"error\": " + (method->error ? JsonNumber(*method->error) : "null") + "}";
}

std::string MethodSunJson(const NightAnswer& night) {
  if (!night.method) return ", \"method\": null";
  const SunNight &m = night.method->sun, &seen = night.night.sun;
  std::string times, differences;
  for (const auto& [key, member] : SunEventsByKey) {
    const std::string prefix = times.empty() ? "" : ", ";
    times += prefix + JsonString(key) + ": " + OptionalIso(night.zone, TimeOf(m.*member));
    differences += prefix + JsonString(key) + ": " + DifferenceJson(TimeOf(m.*member), TimeOf(seen.*member));
  }
  return ", \"method\": {" + times + ", \"differences\": {" + differences + "}}";
}

}  // namespace orbitas::report
