#include "report/eclipse_output.h"

#include <cmath>
#include <cstdio>

#include "calendar/civil_time.h"
#include "report/event_columns.h"
#include "report/json.h"
#include "report/text_layout.h"
#include "runtime/number_text.h"
#include "session/clock_words.h"
#include "session/names.h"

namespace orbitas::report {
namespace {

std::string Number(double x, std::string_view separator, std::string_view pattern = "#0.000") {
  return SignedNumber(x, pattern, separator);
}

// "12:06" (of the nearest second) in the zone.
std::string ClockMinute(const TimeZone& zone, const Instant& t) { return zone.ToSecond(t).Clock(); }
// "4 min 38 s", "1 h 12 min".
std::string Duration(double seconds) {
  const long s = std::lround(seconds);
  if (s >= 3600) return std::to_string(s / 3600) + " h " + std::to_string(s % 3600 / 60) + " min";
  return std::to_string(s / 60) + " min " + std::to_string(s % 60) + " s";
}

std::string Degrees(double value, std::string_view separator, char positive, char negative) {
  return Number(std::fabs(value), separator, "#0.0") + "° " + (value >= 0 ? positive : negative);
}

// text with its first letter in capitals ("desde aquí": "Desde aquí").
std::string Capitalized(std::string text) {
  if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') text[0] = static_cast<char>(text[0] - 'a' + 'A');
  return text;
}

std::string Row(std::string_view caption, const std::string& text) {
  return "  " + PadRight(std::string(caption), 24, 1) + text + "\n";
}

std::string Title(const EclipseSeen& seen) {
  if (const auto* l = std::get_if<LunarEclipse>(&seen.event)) return "Eclipse " + std::string(EclipseTypeName(l->type)) + " de Luna";
  if (const auto* s = std::get_if<SolarEclipse>(&seen.event)) return "Eclipse " + std::string(EclipseTypeName(s->type)) + " de Sol";
  return "Tránsito de " + std::string(SpanishName(std::get<Transit>(seen.event).body)) + " por el Sol";
}

// What the place sees of a solar eclipse, in a few words.
std::string LocalSolarWords(const LocalSolarEclipse& l, const TimeZone& zone, std::string_view sep) {
  if (l.miss == LocalMiss::OutsidePenumbra) return "no se ve desde aquí (fuera de la penumbra)";
  if (l.miss == LocalMiss::SunBelowHorizon) return "no se ve desde aquí (el Sol está bajo el horizonte)";
  std::string text = "desde aquí " + std::string(EclipseTypeName(*l.type));
  text += l.duration ? ", " + Duration(*l.duration) : ", magnitud " + Number(l.magnitude, sep);
  text += ", máximo a las " + ClockMinute(zone, l.Maximum()) + " con el Sol a " + Number(l.SunAtMaximum().altitude, sep, "#0") + "°";
  auto below = [&](Contact kind) {
    const ContactEvent* c = FindContactEvent(l.contacts, kind);
    return c && c->sky->altitude < 0;
  };
  if (below(Contact::C1)) text += "; empieza con el Sol bajo el horizonte";
  if (below(Contact::C4)) text += "; el Sol se pone antes del final";
  return text;
}

std::string LocalLunarWords(const LocalLunarEclipse& l, std::string_view sep) {
  if (!l.visible) return "no se ve desde aquí (la Luna está bajo el horizonte)";
  return "desde aquí la Luna a " + Number(l.MoonAtGreatest().altitude, sep, "#0") + "° en el máximo";
}

// A JSON object of the contacts of those kinds that happen, in that
// order, each written by value.
template <typename F>
std::string ContactObject(const ContactList& contacts, std::initializer_list<Contact> kinds, F&& value) {
  std::string json = "{";
  for (const Contact kind : kinds) {
    const ContactEvent* c = FindContactEvent(contacts, kind);
    if (c) json += std::string(json.size() > 1 ? ", " : "") + JsonString(ContactKey(kind)) + ": " + value(*c);
  }
  return json + "}";
}

std::string Contacts(const ContactList& contacts, std::initializer_list<Contact> kinds, const TimeZone& zone) {
  return ContactObject(contacts, kinds, [&](const ContactEvent& c) { return JsonString(zone.LocalIso(c.time)); });
}

std::string Altitudes(const ContactList& contacts, std::initializer_list<Contact> kinds) {
  return ContactObject(contacts, kinds, [](const ContactEvent& c) { return JsonNumber(c.sky->altitude); });
}

}  // namespace

std::string_view EclipseKindKey(const EclipseEvent& event) {
  if (std::holds_alternative<LunarEclipse>(event)) return "lunar-eclipse";
  if (std::holds_alternative<SolarEclipse>(event)) return "solar-eclipse";
  return "transit";
}

std::string EclipseListHeading(const std::optional<Place>& place, const TimeZone& zone) {
  std::string heading = "Eclipses y tránsitos, en " + ClockWords(zone);
  if (place) heading += "; cómo se ve cada uno desde " + place->text;
  return heading + ".\n\n";
}

std::string EclipseSummary(const EclipseSeen& seen, const Numerals& number) {
  if (const auto* l = std::get_if<LunarEclipse>(&seen.event)) {
    return Title(seen) + " (magnitud umbral " + number(l->umbralMagnitude, "#0.000") + ")";
  }
  if (const auto* s = std::get_if<SolarEclipse>(&seen.event)) return Title(seen) + " (magnitud " + number(s->magnitude, "#0.000") + ")";
  return Title(seen) + " (a " + number(std::get<Transit>(seen.event).separation, "#0") + "″ del centro)";
}

std::string PlaceEclipseSummary(const EclipseSeen& seen, const Numerals& number) {
  if (!seen.solar && !seen.lunar) return EclipseSummary(seen, number);
  if (!SeenFromThePlace(seen)) return EclipseSummary(seen, number) + ": no se ve desde el lugar";
  if (seen.solar) {
    return "Eclipse " + std::string(EclipseTypeName(*seen.solar->type)) + " de Sol desde el lugar (magnitud " +
           number(seen.solar->magnitude, "#0.000") + ")";
  }
  return EclipseSummary(seen, number);
}

// The instant and how the place sees it are the list's columns; the
// numbers between them, each kind's own.
std::string EclipseLine(const EclipseSeen& seen, const TimeZone& zone, std::string_view sep) {
  std::string text = EclipseCellOf(seen, EclipseField::Instant, zone, sep).text + "  " + Title(seen);
  if (const auto* l = std::get_if<LunarEclipse>(&seen.event)) {
    text += ", magnitud umbral " + Number(l->umbralMagnitude, sep) + " (penumbral " + Number(l->penumbralMagnitude, sep) +
            "), gamma " + Number(l->gamma, sep, "#0.0000");
    if (const auto total = SecondsBetween(l->contacts, Contact::U2, Contact::U3)) text += "; total " + Duration(*total);
    if (const auto partial = SecondsBetween(l->contacts, Contact::U1, Contact::U4)) text += "; parcial " + Duration(*partial);
  } else if (const auto* s = std::get_if<SolarEclipse>(&seen.event)) {
    text += ", magnitud " + Number(s->magnitude, sep) + ", gamma " + Number(s->gamma, sep, "#0.0000") + "; máximo en " +
            Degrees(s->latitude, sep, 'N', 'S') + ", " + Degrees(s->longitude, sep, 'E', 'O');
    if (s->centralDuration) text += ", " + Duration(*s->centralDuration);
    if (!s->central && s->type != EclipseType::Partial) text += ", no central";
  } else {
    const Transit& t = std::get<Transit>(seen.event);
    text += ", a " + Number(t.separation, sep, "#0") + "″ de su centro; de " + ClockMinute(zone, *ContactTime(t.contacts, Contact::T1)) +
            " a " + ClockMinute(zone, *ContactTime(t.contacts, Contact::T4));
  }
  const EventCell local = EclipseCellOf(seen, EclipseField::FromPlace, zone, sep);
  if (!local.file.empty()) text += "; " + local.text;
  return text + "\n";
}


std::string LocalWords(const EclipseSeen& seen, const TimeZone& zone, std::string_view separator) {
  if (seen.solar) return LocalSolarWords(*seen.solar, zone, separator);
  if (seen.lunar) return LocalLunarWords(*seen.lunar, separator);
  return "";
}

std::string EclipseCsvHeader() { return EclipseColumnsCsvHeader(); }

std::string EclipseCsvRow(const EclipseSeen& seen, const TimeZone& zone) { return EclipseColumnsCsvRow(seen, zone); }

namespace {

std::string LunarJson(const LunarEclipse& e, const std::optional<LocalLunarEclipse>& local, const TimeZone& zone) {
  std::string json = ", \"contacts\": " + Contacts(e.contacts, {Contact::P1, Contact::U1, Contact::U2, Contact::U3, Contact::U4, Contact::P4}, zone) +
                     ", \"umbralMagnitude\": " + JsonNumber(e.umbralMagnitude) +
                     ", \"penumbralMagnitude\": " + JsonNumber(e.penumbralMagnitude) + ", \"gamma\": " + JsonNumber(e.gamma);
  if (local) {
    json += ", \"local\": {\"moonAltitude\": " +
            Altitudes(local->contacts, {Contact::P1, Contact::U1, Contact::U2, Contact::U3, Contact::U4, Contact::P4,
                                        Contact::Greatest}) +
            ", \"visible\": " + (local->visible ? "true" : "false") + "}";
  }
  return json;
}

std::string SolarJson(const SolarEclipse& e, const std::optional<LocalSolarEclipse>& local, const TimeZone& zone) {
  std::string json = std::string(", \"contacts\": {}") +
                     ", \"gamma\": " + JsonNumber(e.gamma) + ", \"magnitude\": " + JsonNumber(e.magnitude) +
                     ", \"latitude\": " + JsonNumber(e.latitude) + ", \"longitude\": " + JsonNumber(e.longitude) +
                     ", \"centralDuration\": " + (e.centralDuration ? JsonNumber(*e.centralDuration) : "null") +
                     ", \"central\": " + (e.central ? "true" : "false");
  if (local) {
    const std::string_view reason = local->miss == LocalMiss::OutsidePenumbra  ? "outside-penumbra"
                                    : local->miss == LocalMiss::SunBelowHorizon ? "sun-below-horizon"
                                                                                : "";
    json += ", \"local\": {\"type\": " + JsonString(local->type ? EclipseTypeKey(*local->type) : "none") +
            ", \"contacts\": " +
            Contacts(local->contacts, {Contact::C1, Contact::C2, Contact::Greatest, Contact::C3, Contact::C4}, zone) +
            ", \"magnitude\": " + JsonNumber(local->magnitude) + ", \"obscuration\": " + JsonNumber(local->obscuration) +
            ", \"duration\": " + (local->duration ? JsonNumber(*local->duration) : "null") + ", \"sunAltitude\": " +
            Altitudes(local->contacts, {Contact::C1, Contact::C2, Contact::Greatest, Contact::C3, Contact::C4}) +
            ", \"reason\": " + (reason.empty() ? "null" : JsonString(reason)) + "}";
  }
  return json;
}

std::string TransitJson(const Transit& t, const TimeZone& zone) {
  return ", \"contacts\": " + Contacts(t.contacts, {Contact::T1, Contact::T2, Contact::T3, Contact::T4}, zone) +
         ", \"bodies\": " + JsonString(SpanishName(t.body)) + ", \"separation\": " + JsonNumber(t.separation);
}

}  // namespace

// The columns of the eclipses' list come first, each by its key; then the
// contacts and numbers of each kind of event, and what the place sees.
std::string EclipseJson(const EclipseSeen& seen, const TimeZone& zone) {
  std::string json = "{";
  for (const EclipseField field : EclipseJsonFields) {
    json += (json.size() > 1 ? ", " : "") + JsonString(EclipseFields[static_cast<std::size_t>(field)].json) + ": " +
            EclipseCellOf(seen, field, zone, ".").json;
  }
  if (const auto* l = std::get_if<LunarEclipse>(&seen.event)) json += LunarJson(*l, seen.lunar, zone);
  if (const auto* s = std::get_if<SolarEclipse>(&seen.event)) json += SolarJson(*s, seen.solar, zone);
  if (const auto* t = std::get_if<Transit>(&seen.event)) json += TransitJson(*t, zone);
  return json + "}\n";
}

namespace {

// "2027-08-02 12:06:31" in the zone.
std::string When(const TimeZone& zone, const std::optional<Instant>& t) {
  if (!t) return "";
  const LocalTime local = zone.ToSecond(*t);
  return local.Date() + " " + local.ClockSeconds();
}

std::string SkyText(const std::optional<ContactSky>& sky, const char* body, std::string_view sep) {
  if (!sky) return "";
  return "   " + std::string(body) + " a " + Number(sky->altitude, sep, "#0.0") + "°, acimut " +
         AzimuthText(sky->azimuth, sep) + "°" + (sky->altitude < 0 ? " (bajo el horizonte)" : "");
}

// A row for each contact, in time order: its instant, and the body's place
// in the sky when the contacts are seen from a place.
std::string ContactRows(const ContactList& contacts, const TimeZone& zone, const char* body, std::string_view sep) {
  std::string text;
  for (const ContactEvent& c : contacts) text += Row(ContactCaption(c.kind), When(zone, c.time) + SkyText(c.sky, body, sep));
  return text;
}

std::string LunarText(const LunarEclipse& e, const std::optional<LocalLunarEclipse>& local, const TimeZone& zone,
                      std::string_view sep) {
  std::string text = Row("Magnitud umbral", Number(e.umbralMagnitude, sep)) +
                     Row("Magnitud penumbral", Number(e.penumbralMagnitude, sep)) + Row("Gamma", Number(e.gamma, sep, "#0.0000"));
  text += ContactRows(local ? local->contacts : e.contacts, zone, "Luna", sep);
  if (const auto total = SecondsBetween(e.contacts, Contact::U2, Contact::U3)) text += Row("Totalidad", Duration(*total));
  if (const auto partial = SecondsBetween(e.contacts, Contact::U1, Contact::U4)) text += Row("Fase parcial", Duration(*partial));
  if (local) text += "\n" + Capitalized(LocalLunarWords(*local, sep)) + "\n";
  return text;
}

// The part of the Sun's disc covered, with the digits that tell a partial
// eclipse from a total one: a partial never reads 100 %.
std::string ObscurationText(const LocalSolarEclipse& local, std::string_view sep) {
  const double percent = local.obscuration * 100;
  if (local.type == EclipseType::Total) return Number(percent, sep, "#0.0") + " %";
  const struct {
    const char* pattern;
    double scale;
  } digits[] = {{"#0.0", 10}, {"#0.00", 100}, {"#0.000", 1000}};
  for (const auto& d : digits) {
    if (std::round(percent * d.scale) < 100 * d.scale) return Number(percent, sep, d.pattern) + " %";
  }
  return "más del " + Number(99.999, sep, "#0.000") + " %";
}

std::string SolarText(const SolarEclipse& e, const std::optional<LocalSolarEclipse>& local, const TimeZone& zone,
                      std::string_view sep) {
  std::string text = Row("Magnitud", Number(e.magnitude, sep)) + Row("Gamma", Number(e.gamma, sep, "#0.0000")) +
                     Row("Punto del máximo", Degrees(e.latitude, sep, 'N', 'S') + ", " + Degrees(e.longitude, sep, 'E', 'O'));
  if (e.centralDuration) text += Row("Duración allí", Duration(*e.centralDuration));
  if (!e.central && e.type != EclipseType::Partial) {
    text += Row("No central", "el eje de la sombra no toca la Tierra; el máximo, en el borde de la Tierra");
  }
  if (!local) return text;
  text += "\n" + Capitalized(LocalSolarWords(*local, zone, sep)) + "\n";
  if (local->miss == LocalMiss::OutsidePenumbra) return text;
  text += ContactRows(local->contacts, zone, "Sol", sep);
  text += Row("Magnitud", Number(local->magnitude, sep)) + Row("Oscurecimiento", ObscurationText(*local, sep));
  if (local->duration) text += Row("Duración", Duration(*local->duration));
  return text;
}

std::string TransitText(const Transit& t, const TimeZone& zone, std::string_view sep) {
  std::string text = Row("Separación mínima", Number(t.separation, sep, "#0.0") + "″ del centro del Sol");
  return text + ContactRows(t.contacts, zone, "", sep);
}

}  // namespace

std::string EclipseText(const EclipseSeen& seen, const std::optional<Place>& place, const TimeZone& zone,
                        std::string_view sep) {
  const Instant greatest = GreatestOf(seen.event);
  std::string text = Title(seen) + " del " + DateWithWeekday(zone.ToSecond(greatest).Date()) +
                     (place ? " desde " + PlaceText(*place) : "") + ", " + ClockWords(zone, greatest) + "\n";
  text += Row(ContactCaption(Contact::Greatest), When(zone, greatest));
  if (const auto* l = std::get_if<LunarEclipse>(&seen.event)) text += LunarText(*l, seen.lunar, zone, sep);
  if (const auto* s = std::get_if<SolarEclipse>(&seen.event)) text += SolarText(*s, seen.solar, zone, sep);
  if (const auto* t = std::get_if<Transit>(&seen.event)) text += TransitText(*t, zone, sep);
  return text;
}


}  // namespace orbitas::report
