#include "session/clock_words.h"

#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "calendar/civil_days.h"

namespace orbitas {
namespace {

// The database's cities that Spanish speakers call otherwise.
constexpr std::pair<std::string_view, std::string_view> SpanishCities[] = {
    {"Mexico City", "Ciudad de México"}, {"New York", "Nueva York"}, {"Sao Paulo", "São Paulo"},
    {"Bogota", "Bogotá"},                {"Asuncion", "Asunción"},  {"Havana", "La Habana"},
    {"Canary", "Canarias"},              {"Lisbon", "Lisboa"},      {"London", "Londres"},
    {"Paris", "París"},                  {"Rome", "Roma"},          {"Berlin", "Berlín"},
    {"Brussels", "Bruselas"},            {"Athens", "Atenas"},      {"Moscow", "Moscú"},
    {"Tokyo", "Tokio"},                  {"Panama", "Panamá"},      {"Merida", "Mérida"},
    {"Cancun", "Cancún"},                {"Mazatlan", "Mazatlán"},  {"Cordoba", "Córdoba"},
    {"Ceuta", "Ceuta"},                  {"Stockholm", "Estocolmo"}, {"Copenhagen", "Copenhague"},
    {"Warsaw", "Varsovia"},              {"Prague", "Praga"},       {"Vienna", "Viena"},
    {"Zurich", "Zúrich"},                {"Geneva", "Ginebra"},     {"Dublin", "Dublín"},
};

// The city of a database name: its last part, with spaces for underscores.
std::string CityOf(const std::string& name) {
  std::string city = name.substr(name.rfind('/') + 1);
  for (char& c : city) c = c == '_' ? ' ' : c;
  for (const auto& [english, spanish] : SpanishCities) {
    if (city == english) return std::string(spanish);
  }
  return city;
}

// A numeric abbreviation ("-03", "+0530") as an offset from UTC: "UTC−3",
// "UTC+5:30"; a lettered one as it stands.
std::string Abbreviation(const std::string& abbreviation) {
  if (abbreviation.empty() || (abbreviation[0] != '+' && abbreviation[0] != '-')) return abbreviation;
  const std::string digits = abbreviation.substr(1);
  for (const char c : digits) {
    if ((c < '0' || c > '9') && c != ':') return abbreviation;  // "+01:00" passes too
  }
  std::string plain;
  for (const char c : digits) plain += c == ':' ? "" : std::string(1, c);
  const int hours = std::atoi(plain.substr(0, 2).c_str()), minutes = plain.size() > 2 ? std::atoi(plain.substr(2).c_str()) : 0;
  char text[16];
  std::snprintf(text, sizeof text, minutes ? "%d:%02d" : "%d", hours, minutes);
  return std::string("UTC") + (abbreviation[0] == '-' ? "\u2212" : "+") + text;
}

}  // namespace

std::string DateWithWeekday(const std::string& iso) {
  static constexpr std::string_view Weekdays[] = {"jue", "vie", "sáb", "dom", "lun", "mar", "mié"};  // from 1970-01-01
  static constexpr std::string_view Months[] = {"ene", "feb", "mar", "abr", "may", "jun",
                                                "jul", "ago", "sep", "oct", "nov", "dic"};
  long long year = 0;
  int month = 0, day = 0, used = 0;
  if (std::sscanf(iso.c_str(), "%lld-%2d-%2d%n", &year, &month, &day, &used) != 3 ||
      used != static_cast<int>(iso.size()) || month < 1 || month > 12 || day < 1 || day > 31) {
    return iso;
  }
  const std::int64_t days = DaysFromCivil(year, month, day);
  const std::string_view weekday = Weekdays[((days % 7) + 7) % 7];
  std::string yearText = std::to_string(year < 0 ? -year : year);
  yearText = std::string(4 - std::min<std::size_t>(4, yearText.size()), '0') + yearText;
  if (year < 0) yearText = "\u2212" + yearText;
  return std::string(weekday) + " " + std::to_string(day) + " " + std::string(Months[month - 1]) + " " + yearText;
}

std::string MinuteWithWeekday(const TimeZone& zone, const Instant& t) {
  const LocalTime local = zone.ToMinute(t);
  return DateWithWeekday(local.Date()) + " " + local.Clock();
}

std::string ClockWords(const TimeZone& zone) {
  if (zone.IsUtc()) return "UT";
  const std::string& name = zone.name();
  if (name.find('/') == std::string::npos) return "hora " + Abbreviation(name);
  return "hora de " + CityOf(name);
}

std::string ClockWordsOn(const TimeZone& zone, const std::string& isoDate) {
  long long year = 0;
  int month = 0, day = 0;
  if (std::sscanf(isoDate.c_str(), "%lld-%2d-%2d", &year, &month, &day) != 3) return ClockWords(zone);
  CivilTime noon;
  noon.year = year, noon.month = month, noon.day = day, noon.hour = 12;
  return ClockWords(zone, zone.InstantOf(noon));
}

std::string ClockWords(const TimeZone& zone, const Instant& at) {
  if (zone.IsUtc()) return "UT";
  const std::string abbreviation = Abbreviation(zone.AbbreviationAt(at));
  const std::string& name = zone.name();
  if (name.find('/') == std::string::npos) return "hora " + abbreviation;
  return "hora de " + CityOf(name) + " (" + abbreviation + ")";
}

}  // namespace orbitas
