#include "report/calendar_file.h"

#include <cstdlib>
#include <ctime>

#include <libical/ical.h>

#include <cmath>
#include <memory>

#include "calendar/civil_time.h"
#include "report/eclipse_output.h"
#include "report/phenomena_output.h"
#include "report/year_output.h"
#include "session/names.h"

namespace orbitas::report {
namespace {

struct ComponentFree {
  void operator()(icalcomponent* c) const { icalcomponent_free(c); }
};
using Component = std::unique_ptr<icalcomponent, ComponentFree>;

// The component's text, with the CRLF line ends RFC 5545 asks for (libical
// writes bare LF).
std::string Text(icalcomponent* component) {
  char* text = icalcomponent_as_ical_string_r(component);
  std::string lines;
  for (const char* c = text; c && *c; ++c) {
    if (*c == '\n' && (c == text || c[-1] != '\r')) lines += '\r';
    lines += *c;
  }
  free(text);
  return lines;
}

icaltimetype Utc(std::time_t seconds) {
  return icaltime_from_timet_with_zone(seconds, 0, icaltimezone_get_utc_timezone());
}

// An instant in UTC, to the nearest second.
icaltimetype Utc(const Instant& t) {
  const CivilTime c = TimeZone().ToSecond(t).civil;
  icaltimetype time = icaltime_null_time();
  time.year = static_cast<int>(c.year), time.month = c.month, time.day = c.day;
  time.hour = c.hour, time.minute = c.minute, time.second = static_cast<int>(c.second);
  return icaltime_set_timezone(&time, icaltimezone_get_utc_timezone());
}

// The calendar's lines before its first event, or its last line.
std::string Part(bool head) {
  Component calendar(icalcomponent_new_vcalendar());
  icalcomponent_add_property(calendar.get(), icalproperty_new_version("2.0"));
  icalcomponent_add_property(calendar.get(), icalproperty_new_prodid("-//Órbitas//orbitas-cli//ES"));
  icalcomponent_add_property(calendar.get(), icalproperty_new_calscale("GREGORIAN"));
  icalcomponent_add_property(calendar.get(), icalproperty_new_method(ICAL_METHOD_PUBLISH));
  const std::string text = Text(calendar.get());
  const std::size_t end = text.find("END:VCALENDAR");
  return head ? text.substr(0, end) : text.substr(end);
}

// A body's part of a UID: its Spanish name in lower case, as UIDs have
// always been written, so that a calendar program recognises an event it
// imported from an earlier version.
std::string_view UidName(Body body) {
  static constexpr std::string_view Names[] = {"sol",     "mercurio", "venus",   "tierra",  "marte", "júpiter",
                                               "saturno", "urano",    "neptuno", "plutón", "luna"};
  return Names[BodyNumber(body)];
}

// One event's component: its UID, stamp, start, summary and description.
// An end, when given, makes it last until then.
std::string EventText(const std::string& uid, std::time_t stamp, const Instant& start, const std::string& summary,
                      const std::string& description, const std::optional<Instant>& end = std::nullopt) {
  Component event(icalcomponent_new_vevent());
  icalcomponent_add_property(event.get(), icalproperty_new_uid(uid.c_str()));
  icalcomponent_add_property(event.get(), icalproperty_new_dtstamp(Utc(stamp)));
  icalcomponent_add_property(event.get(), icalproperty_new_dtstart(Utc(start)));
  if (end) icalcomponent_add_property(event.get(), icalproperty_new_dtend(Utc(*end)));
  icalcomponent_add_property(event.get(), icalproperty_new_summary(summary.c_str()));
  icalcomponent_add_property(event.get(), icalproperty_new_description(description.c_str()));
  icalcomponent_add_property(event.get(), icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
  return Text(event.get());
}

// The planet of a transit; the Sun for an eclipse.
Body BodyOf(const EclipseEvent& event) {
  const auto* t = std::get_if<Transit>(&event);
  return t ? t->body : Body::Sun;
}

}  // namespace

std::string PhenomenonUid(const Phenomenon& p) {
  const CivilTime t = CivilFromJulianDay(p.time);
  char date[32];
  std::snprintf(date, sizeof date, "%04lld%02d%02d", static_cast<long long>(t.year), t.month, t.day);
  std::string bodies(UidName(p.body));
  if (p.kind == PhenomenonKind::CloseApproach) bodies += "-" + std::string(UidName(p.other));
  return std::string(PhenomenonKey(p.kind)) + "-" + bodies + "-" + date + "@orbitas";
}

std::optional<CalendarEntry> EntryOf(const EclipseSeen& seen) {
  // From a place, what it sees: from its first contact there to its last,
  // under its kind there; nothing for one it does not see.
  if (!SeenFromThePlace(seen)) return std::nullopt;
  const Instant greatest = GreatestOf(seen.event);
  const CivilTime t = CivilFromJulianDay(greatest.ut);
  char date[32];
  std::snprintf(date, sizeof date, "%04lld%02d%02d", static_cast<long long>(t.year), t.month, t.day);
  std::string what = "transit-" + std::string(UidName(BodyOf(seen.event)));
  if (const auto* l = std::get_if<LunarEclipse>(&seen.event)) what = "lunar-eclipse-" + std::string(EclipseTypeKey(l->type));
  if (const auto* s = std::get_if<SolarEclipse>(&seen.event)) what = "solar-eclipse-" + std::string(EclipseTypeKey(s->type));
  const std::string summary = PlaceEclipseSummary(seen, ForFiles(","));
  // From a place: how it is seen there, in UTC like the calendar's times.
  std::string local = LocalWords(seen, TimeZone(), ",");
  const std::string here = "desde aquí ";
  if (local.rfind(here, 0) == 0) local = "desde el lugar, " + local.substr(here.size());
  else if (!local.empty()) local = "desde el lugar: " + local;
  const std::string description =
      EclipseSummary(seen, ForFiles(",")) + "." + (local.empty() ? "" : " D" + local.substr(1) + " (horas en UTC).");
  const std::string uid = what + "-" + date + "@orbitas";
  if (!seen.solar && !seen.lunar) return CalendarEntry{uid, greatest, std::nullopt, summary, description};
  const Span seenThere = SeenSpan(seen);
  return CalendarEntry{uid, seenThere.from, seenThere.to, summary, description};
}

CalendarEntry EntryOf(const ShowerPeak& peak) {
  const CivilTime t = CivilFromJulianDay(peak.time.ut);
  char date[32];
  std::snprintf(date, sizeof date, "%04lld%02d%02d", static_cast<long long>(t.year), t.month, t.day);
  std::string code(peak.shower->code);
  for (char& c : code) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  const std::string summary = ShowerDescription(peak, ForFiles(","));
  return {"meteor-shower-" + code + "-" + date + "@orbitas", peak.time, std::nullopt, summary,
          summary + ". Lista de la IMO."};
}

CalendarEntry EntryOf(const Phenomenon& p) {
  const std::string summary = PhenomenonDescription(p, ForFiles(","));
  return {PhenomenonUid(p), ListedTime(p), std::nullopt, summary, summary + "."};
}

std::optional<CalendarEntry> EntryOf(const YearEvent& event) {
  if (const auto* p = std::get_if<Phenomenon>(&event)) return EntryOf(*p);
  if (const auto* e = std::get_if<EclipseSeen>(&event)) return EntryOf(*e);
  return EntryOf(std::get<ShowerPeakSeen>(event).peak);
}

CalendarEntry BestTimeEntry(const std::string& id, const std::string& name, const std::string& nightDate,
                            const Instant& best, const std::string& description) {
  std::string date;
  for (const char c : nightDate) {
    if (c != '-') date += c;
  }
  return {"mejor-" + id + "-" + date + "@orbitas", best, std::nullopt, name + ": mejor momento de la noche",
          description};
}

std::string CalendarFile::Event(const CalendarEntry& entry) const {
  return EventText(entry.uid, stamp_, entry.start, entry.summary, entry.description, entry.end);
}

std::string CalendarFile::Event(const EclipseSeen& seen) const {
  const std::optional<CalendarEntry> entry = EntryOf(seen);
  return entry ? Event(*entry) : std::string();
}

std::string CalendarFile::Event(const ShowerPeak& peak) const { return Event(EntryOf(peak)); }

std::string CalendarFile::Begin() const { return Part(true); }
std::string CalendarFile::End() const { return Part(false); }

std::string CalendarFile::Event(const Phenomenon& p) const { return Event(EntryOf(p)); }

std::time_t CalendarStamp(const char* sourceDateEpoch) {
  return sourceDateEpoch ? static_cast<std::time_t>(std::atoll(sourceDateEpoch)) : std::time(nullptr);
}

}  // namespace orbitas::report
