#include "report/calendar_file.h"

#include <libical/ical.h>

#include <cmath>
#include <memory>

#include "calendar/civil_time.h"
#include "report/phenomena_output.h"
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

}  // namespace

std::string PhenomenonUid(const Phenomenon& p) {
  const CivilTime t = CivilFromJulianDay(p.time);
  char date[32];
  std::snprintf(date, sizeof date, "%04lld%02d%02d", static_cast<long long>(t.year), t.month, t.day);
  std::string bodies(UidName(p.body));
  if (p.kind == PhenomenonKind::CloseApproach) bodies += "-" + std::string(UidName(p.other));
  return std::string(PhenomenonKey(p.kind)) + "-" + bodies + "-" + date + "@orbitas";
}

std::string CalendarFile::Begin() const { return Part(true); }
std::string CalendarFile::End() const { return Part(false); }

std::string CalendarFile::Event(const Phenomenon& p) const {
  Component event(icalcomponent_new_vevent());
  const auto start = static_cast<std::time_t>(std::llround(UnixSecondsFromJulianDay(p.time)));
  icalcomponent_add_property(event.get(), icalproperty_new_uid(PhenomenonUid(p).c_str()));
  icalcomponent_add_property(event.get(), icalproperty_new_dtstamp(Utc(stamp_)));
  icalcomponent_add_property(event.get(), icalproperty_new_dtstart(Utc(start)));
  icalcomponent_add_property(event.get(), icalproperty_new_summary(PhenomenonDescription(p, ",").c_str()));
  const std::string description = PhenomenonDescription(p, ",") + ". Según el método de Órbitas; " +
                                  TimeErrorText(p, ",") + " frente a la referencia de ERFA.";
  icalcomponent_add_property(event.get(), icalproperty_new_description(description.c_str()));
  icalcomponent_add_property(event.get(), icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
  return Text(event.get());
}

}  // namespace orbitas::report
