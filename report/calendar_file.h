#pragma once
// The phenomena as an iCalendar file (RFC 5545) that a calendar program
// imports, written with libical one event at a time: each phenomenon an
// event at its instant in UTC, with a Spanish summary, a description that
// holds its number and the method's error, and a UID made of what it is
// and its date, so that importing the same range twice adds nothing.
#include <ctime>
#include <optional>
#include <string>

#include "session/runners.h"

#include "sky/events/phenomena.h"

namespace orbitas::report {

// The stamp of a calendar file: sourceDateEpoch (the text of the
// environment's SOURCE_DATE_EPOCH, seconds since 1970, or null) when given,
// for files that come out the same every time; now otherwise. The front end
// reads the environment and passes it.
std::time_t CalendarStamp(const char* sourceDateEpoch);

// What one VEVENT says: its UID, when it starts (and ends, when it
// lasts), its summary and its description. The phenomena's, the eclipses'
// and the peaks' entries are made by EntryOf; a list of the user's keeps
// them and writes them later with Event.
struct CalendarEntry {
  std::string uid;
  Instant start;
  std::optional<Instant> end;
  std::string summary, description;
};

// The entry of a phenomenon, of a shower's peak, and of an eclipse or
// transit (none for one its place does not see), as CalendarFile::Event
// writes them. Raise nothing.
CalendarEntry EntryOf(const Phenomenon& p);
CalendarEntry EntryOf(const ShowerPeak& peak);
std::optional<CalendarEntry> EntryOf(const EclipseSeen& seen);
// The entry of any event of the year's list, as YearEventCalendar writes
// it. Raises nothing.
std::optional<CalendarEntry> EntryOf(const YearEvent& event);

// The entry of a body's or a shower's best time on a night: its UID from
// id and the night's local date (nightDate, "2026-12-10"), so that the
// same night's best time imported twice is one event;
// "mejor-marte-20261210@orbitas". The summary "Marte: mejor momento de la
// noche"; description as given. Raises nothing.
CalendarEntry BestTimeEntry(const std::string& id, const std::string& name, const std::string& nightDate,
                            const Instant& best, const std::string& description);

class CalendarFile {
 public:
  // stamp: the DTSTAMP of every event (seconds since 1970), the time the
  // file is made.
  explicit CalendarFile(std::time_t stamp) : stamp_(stamp) {}

  // BEGIN:VCALENDAR and the calendar's own properties.
  std::string Begin() const;
  // One VEVENT.
  std::string Event(const Phenomenon& p) const;
  // One VEVENT for an eclipse or transit, at its greatest instant; its UID
  // from its kind, type (or planet) and UTC date. From a place, from its
  // first contact there to its last, under the kind seen there; nothing
  // (an empty text) for one the place does not see.
  std::string Event(const EclipseSeen& seen) const;
  // One VEVENT for a shower's peak; its UID from its IMO code and UTC date.
  std::string Event(const ShowerPeak& peak) const;
  // One VEVENT of an entry.
  std::string Event(const CalendarEntry& entry) const;
  // END:VCALENDAR.
  std::string End() const;

 private:
  std::time_t stamp_;
};

// "opposition-marte-20270219@orbitas": the same for the same phenomenon on
// the same UTC day, whatever range found it.
std::string PhenomenonUid(const Phenomenon& p);

}  // namespace orbitas::report
