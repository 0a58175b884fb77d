#include "report/almanac_text.h"

#include <cmath>
#include <cstdio>

#include "session/clock_words.h"
#include "calendar/civil_time.h"
#include "report/phenomena_output.h"
#include "report/text_layout.h"
#include "report/year_output.h"
#include "runtime/number_text.h"
#include "session/names.h"

namespace orbitas::report {
namespace {

constexpr const char* Months[] = {"Enero",  "Febrero", "Marzo",      "Abril",   "Mayo",      "Junio",
                                  "Julio",  "Agosto",  "Septiembre", "Octubre", "Noviembre", "Diciembre"};

// "19:35": clock hours from a night's noon as the clock reads them.
std::string ClockText(double hours) {
  const long minutes = std::lround(hours * 60) + 12 * 60;
  char text[8];
  std::snprintf(text, sizeof text, "%02ld:%02ld", (minutes / 60) % 24, minutes % 60);
  return text;
}

std::string Minute(const TimeZone& zone, const Instant& t) { return zone.ToMinute(t).Clock(); }

std::string Trimmed(std::string line) {
  while (!line.empty() && line.back() == '\n') line.pop_back();
  return line;
}

bool IsPhase(const YearEvent& e) {
  const auto* p = std::get_if<Phenomenon>(&e);
  return p && (p->kind == PhenomenonKind::NewMoon || p->kind == PhenomenonKind::FirstQuarter ||
               p->kind == PhenomenonKind::FullMoon || p->kind == PhenomenonKind::LastQuarter);
}

// "día 1: puesta del Sol 17:58, noche cerrada de 19:35 a 06:57, salida 08:34".
std::string SunLine(const YearRow& row) {
  const std::string day = "día " + std::to_string(row.civil.day) + ": ";
  const auto& sun = row.belowSun[0];
  const auto& dark = row.belowSun[3];
  if (!sun) return day + "el Sol no se pone";
  if (sun->first <= 0 && sun->second >= 24) return day + "el Sol no sale";
  std::string line = day + "puesta del Sol " + ClockText(sun->first);
  line += dark ? ", noche cerrada de " + ClockText(dark->first) + " a " + ClockText(dark->second)
               : ", sin noche cerrada";
  return line + ", salida " + ClockText(sun->second);
}

// "Júpiter: toda la noche, en Géminis, magnitud −2,5".
std::string PlanetLine(const PlanetNight& p, const NightAnswer& r, std::string_view sep) {
  const std::string name(SpanishName(p.body));
  if (!p.best) return name + ": no se ve (" + PlanetNotSeenText(p, r, sep) + ")";
  const SunNight& sun = r.night.sun;
  const Instant &from = p.visibleFrom->time, &to = p.visibleTo->time;
  const double margin = 20.0 / 1440;
  const bool fromDusk = sun.civilDusk && from <= sun.civilDusk->time.After(margin);
  const bool toDawn = sun.civilDawn && to >= sun.civilDawn->time.After(-margin);
  std::string when = fromDusk && toDawn ? "toda la noche"
                     : fromDusk         ? "desde el anochecer hasta las " + Minute(r.zone, to)
                     : toDawn           ? "desde las " + Minute(r.zone, from) + " hasta el amanecer"
                                        : "de " + Minute(r.zone, from) + " a " + Minute(r.zone, to);
  return name + ": " + when + ", en " + std::string(ConstellationName(p.constellation)) + ", magnitud " +
         SignedNumber(p.aspect.magnitude, "#0.0", sep);
}

AlmanacPage MonthPage(int month, const YearChart& chart, const std::vector<YearEvent>& events,
                                const NightAnswer* night, const TimeZone& zone, int year, std::string_view sep) {
  AlmanacPage page;
  page.title = std::string(Months[month - 1]) + " de " + std::to_string(year) + " · " +
               chart.title.substr(chart.title.find(" desde ") + 7);
  page.subtitle = "Horas del reloj local.";
  AlmanacSection phases{"Fases de la Luna", {}}, happenings{"Fenómenos y eclipses", {}},
      showers{"Lluvias de estrellas", {}};
  for (const YearEvent& e : events) {
    const CivilTime local = zone.ToSecond(TimeOf(e)).civil;
    if (local.year != year || local.month != month) continue;
    if (IsPhase(e)) {
      phases.lines.push_back(MinuteWithWeekday(zone, TimeOf(e)) + "  " + PhenomenonDescription(std::get<Phenomenon>(e), ForPeople(sep)));
    } else {
      (std::holds_alternative<ShowerPeakSeen>(e) ? showers : happenings).lines.push_back(Trimmed(YearEventLine(e, zone, sep)));
    }
  }
  AlmanacSection sun{"El Sol y la noche cada cinco días", {}};
  for (const YearRow& row : chart.rows) {
    const int day = row.civil.day;
    if (row.civil.year == year && row.civil.month == month && day % 5 == 1 && day < 30) sun.lines.push_back(SunLine(row));
  }
  AlmanacSection planets{"Los planetas a mediados de mes (la noche del 15)", {}};
  if (night) {
    for (const PlanetNight* p : OrderedPlanets(night->night)) planets.lines.push_back(PlanetLine(*p, *night, sep));
  }
  for (AlmanacSection* s : {&phases, &happenings, &sun, &planets, &showers}) {
    if (s->lines.empty()) s->lines.push_back("—");
    page.sections.push_back(std::move(*s));
  }
  return page;
}

}  // namespace

std::vector<AlmanacPage> AlmanacMonths(const YearChart& chart, const AlmanacYear& almanac,
                                       std::string_view separator) {
  std::vector<AlmanacPage> pages;
  const std::vector<NightAnswer>& midMonth = almanac.nights;
  for (int month = 1; month <= 12; ++month) {
    const NightAnswer* night = month <= static_cast<int>(midMonth.size()) ? &midMonth[month - 1] : nullptr;
    pages.push_back(MonthPage(month, chart, almanac.events, night, almanac.zone, almanac.year, separator));
  }
  return pages;
}

}  // namespace orbitas::report
