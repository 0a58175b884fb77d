#include "report/night_output.h"

#include <algorithm>
#include <cmath>

#include "session/clock_words.h"
#include "session/names.h"
#include "calendar/civil_time.h"
#include "calendar/julian_day.h"
#include "report/json.h"
#include "report/method_beside.h"
#include "report/night_columns.h"
#include "report/shower_columns.h"
#include "report/sun_moon_fields.h"
#include "runtime/number_text.h"
#include "report/eclipse_output.h"
#include "report/sky_output.h"
#include "report/sources.h"
#include "report/text_layout.h"

namespace orbitas::report {
namespace {

std::string Number(double x, std::string_view separator, std::string_view pattern = "#0.0") {
  return SignedNumber(x, pattern, separator);
}

std::string Row(std::string_view caption, const std::string& text) {
  return "  " + PadRight(std::string(caption), 30, 1) + text + "\n";
}

std::string ListJson(const std::vector<SunMiss>& misses) {
  std::string json = "[";
  for (std::size_t k = 0; k < misses.size(); ++k) json += (k ? ", " : "") + JsonString(SunMissText(misses[k], TextFor::Programs));
  return json + "]";
}

}  // namespace

std::vector<const PlanetNight*> OrderedPlanets(const Night& night) {
  std::vector<const PlanetNight*> planets;
  for (const PlanetNight& p : night.planets) planets.push_back(&p);
  std::stable_sort(planets.begin(), planets.end(), [](const PlanetNight* a, const PlanetNight* b) {
    if (a->best.has_value() != b->best.has_value()) return a->best.has_value();
    return a->best && b->best && a->best->time < b->best->time;
  });
  return planets;
}

namespace {

// A planet's lines: the values are its columns' (report/night_columns.h),
// in the words around them.
std::string PlanetText(const PlanetNight& p, const NightAnswer& r, std::string_view sep) {
  const auto cell = [&](PlanetField field) { return PlanetCellOf(p, field, r, sep); };
  std::string text = cell(PlanetField::Name).text + ": magnitud " + cell(PlanetField::Magnitude).text;
  text += ", " + cell(PlanetField::Illuminated).text + " iluminado, a " + cell(PlanetField::Elongation).text + " del Sol (" +
          cell(PlanetField::Side).text + "), en " + cell(PlanetField::Constellation).text + " (" +
          cell(PlanetField::ConstellationAbbr).text + "), " + cell(PlanetField::Instrument).text +
          // What it would need: a planet that cannot be seen tonight is not "seen with" anything.
          (p.best ? "" : " cuando se pueda ver") + "\n";
  if (!p.best) return text + "  " + cell(PlanetField::Notes).text + "\n" + MethodPlanetNightLine(p, r, sep);
  text += "  Visible de " + cell(PlanetField::VisibleFrom).text + " a " + cell(PlanetField::VisibleTo).text + "\n";
  text += "  Mejor: " + DateAtTime(cell(PlanetField::BestTime).text) + ", altura " + cell(PlanetField::Altitude).text +
          ", acimut " + cell(PlanetField::Azimuth).text + "\n";
  return text + MethodPlanetNightLine(p, r, sep);
}

}  // namespace

std::string PlanetNotSeenText(const PlanetNight& p, const NightAnswer& r, std::string_view sep) {
  // Under the midnight sun there is no night at all, not just no darkness.
  const bool midnightSun = std::any_of(r.night.sun.misses.begin(), r.night.sun.misses.end(),
                                       [](const SunMiss& m) { return m.kind == SunMiss::NeverSets; });
  std::string text = p.miss == PlanetMiss::NoDarkness && midnightSun ? std::string("el Sol no se pone")
                                                                     : PlanetMissText(p, r.limits);
  if (p.margin) text += "; de noche no pasa de " + Number(r.limits.planetAltitude + *p.margin, sep) + "°";
  return text;
}

std::string MeteorRateText(double hourlyRate) {
  const long rounded = std::lround(hourlyRate);
  if (rounded < 1) return "menos de un meteoro por hora";
  if (rounded == 1) return "un meteoro por hora";
  return "unos " + std::to_string(rounded) + " meteoros por hora";
}

namespace {

// A shower's line: the values are its columns' (report/shower_columns.h),
// in the words around them.
std::string ShowerText(const ShowerNight& s, const TimeZone& zone, std::string_view sep) {
  const auto cell = [&](ShowerField field) { return ShowerCellOf(s, field, zone, sep); };
  const auto yes = [&](ShowerField field) { return cell(field).json == "true"; };
  if (s.radiantHighest) {
    return "  " + cell(ShowerField::Shower).text + ": no se ve esta noche: de noche cerrada su radiante no sale (no pasa de " +
           cell(ShowerField::RadiantHighest).text + ")\n";
  }
  return "  " + cell(ShowerField::Shower).text + ": mejor " + DateAtTime(cell(ShowerField::BestTime).text) +
         (yes(ShowerField::DarkestHour) ? " (no hay noche cerrada: la hora más oscura)" : "") + ", radiante a " +
         cell(ShowerField::RadiantDegrees).text + ", " + cell(ShowerField::HourlyRate).text + " (THZ " +
         cell(ShowerField::Zhr).text + " en el máximo, " + cell(ShowerField::ZhrNow).text +
         " esta noche; magnitud límite " + cell(ShowerField::LimitingMagnitude).text + "); la Luna " +
         cell(ShowerField::MoonUp).text +
         (yes(ShowerField::MoonUp) ? ", iluminada al " + cell(ShowerField::MoonIlluminated).text : "") + "\n";
}

// The active showers, each at its best dark hour, and any eclipse.
std::string ShowersAndEclipsesText(const NightAnswer& r, std::string_view sep) {
  std::string text;
  if (!r.showers.empty()) {
    text += "\nLluvias de estrellas activas (lista de la IMO; a simple vista bajo un " +
            SkyWords(r.limits.sky, sep).substr(0, SkyWords(r.limits.sky, sep).find(" (")) +
            ", a la hora en que más se ven)\n";
    for (const ShowerNight& s : r.showers) text += ShowerText(s, r.zone, sep);
  }
  for (const EclipseSeen& e : r.eclipses) text += "\nEsta noche: " + EclipseLine(e, r.zone, sep);
  return text;
}

std::string ShowersJson(const NightAnswer& r) {
  std::string json = ", \"meteorShowers\": [";
  for (std::size_t k = 0; k < r.showers.size(); ++k) {
    json += std::string(k ? ", " : "") + ShowerFieldsJson(r.showers[k], r.zone);
  }
  json += "], \"eclipses\": [";
  for (std::size_t k = 0; k < r.eclipses.size(); ++k) {
    std::string one = EclipseJson(r.eclipses[k], r.zone);
    one.pop_back();  // its line end
    json += std::string(k ? ", " : "") + one;
  }
  return json + "]";
}

}  // namespace

std::string SunAndMoonText(const NightAnswer& r, std::string_view sep) {
  const Night& n = r.night;
  const TimeZone& zone = r.zone;
  std::string text;
  text += "\nSol\n";
  for (std::size_t k = 0; k < SunEvents.size(); ++k) {
    const EventCell time = SunEventCellOf(n.sun, static_cast<SunEvent>(k), zone);
    if (!time.file.empty()) text += Row(SunEvents[k].label, time.text);
  }
  for (const SunMiss& miss : n.sun.misses) text += Row("", "(" + SunMissText(miss, TextFor::People) + ")");
  text += MethodSunLine(r, sep);

  const MoonNight& m = n.moon;
  text += "\nLuna\n";
  // The fields in the words around them (report/sun_moon_fields.h).
  const auto cell = [&](MoonField field) { return MoonCellOf(m, field, zone, sep); };
  const auto row = [&](MoonField field, const std::string& value) {
    return Row(MoonFields[static_cast<std::size_t>(field)].label, value);
  };
  const EventCell rise = cell(MoonField::Rise), set = cell(MoonField::Set);
  text += row(MoonField::Rise, rise.text + (rise.file.empty() ? " (no sale esta noche)" : ""));
  text += row(MoonField::Set, set.text + (set.file.empty() ? " (no se pone esta noche)" : ""));
  text += row(MoonField::PhaseName, cell(MoonField::PhaseName).text + ", " + cell(MoonField::Illuminated).text +
                                        " iluminada, edad " + cell(MoonField::AgeDays).text + " días");
  text += row(MoonField::AltitudeAtMiddle, cell(MoonField::AltitudeAtMiddle).text);

  return text;
}


std::string NightText(const NightAnswer& r, std::string_view sep) {
  const Night& n = r.night;
  const TimeZone& zone = r.zone;
  std::string text = "La noche del " + DateWithWeekday(r.date) + " desde " + PlaceText(r.place) + ", " +
                     ClockWords(zone, n.middle) + "\n";
  std::string sky = SkyWords(r.limits.sky, sep);
  sky[0] = 'C';
  text += sky + ".\n";
  text += SunAndMoonText(r, sep);
  text += "\nPlanetas (visibles con el Sol bajo " + Number(r.limits.sunAltitude, sep) + "° y el planeta sobre " +
          Number(r.limits.planetAltitude, sep) + "°)\n";
  for (const PlanetNight* p : OrderedPlanets(n)) text += "\n" + PlanetText(*p, r, sep);
  return text + ShowersAndEclipsesText(r, sep) + SourcesLine();
}


std::string NightJson(const NightAnswer& r) {
  const Night& n = r.night;
  const TimeZone& zone = r.zone;
  std::string json = "{\"date\": " + JsonString(r.date) + ", \"zone\": " + JsonString(zone.name()) +
                     ", \"latitude\": " + JsonNumber(r.place.latitude) +
                     ", \"longitude\": " + JsonNumber(r.place.longitude) + PlaceJson(r.place) +
                     ", \"limits\": {\"sunAltitude\": " + JsonNumber(r.limits.sunAltitude) +
                     ", \"planetAltitude\": " + JsonNumber(r.limits.planetAltitude) +
                     ", \"instrument\": " + JsonString(InstrumentCode(r.limits.instrument)) +
                     ", \"sky\": " + JsonString(SkyCode(r.limits.sky)) +
                     ", \"limitingMagnitude\": " + JsonNumber(ZenithLimitingMagnitude(r.limits.sky)) + "}, \"sun\": {";
  json += SunEventsJson(n.sun, zone) + ", \"reasons\": " + ListJson(n.sun.misses) + MethodSunJson(r) + "}";
  json += ", \"moon\": " + MoonFieldsJson(n.moon, zone);
  json += ", \"planets\": [";
  bool first = true;
  for (const PlanetNight* p : OrderedPlanets(n)) {
    json += std::string(first ? "" : ", ") + PlanetFieldsJson(*p, r);
    first = false;
  }
  return json + "]" + ShowersJson(r) + ", \"sources\": " + SourcesJson() + "}\n";
}

}  // namespace orbitas::report
