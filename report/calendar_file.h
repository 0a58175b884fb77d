#pragma once
// The phenomena as an iCalendar file (RFC 5545) that a calendar program
// imports, written with libical one event at a time: each phenomenon an
// event at its instant in UTC, with a Spanish summary, a description that
// holds its number and the method's error, and a UID made of what it is
// and its date, so that importing the same range twice adds nothing.
#include <ctime>
#include <string>

#include "session/runners.h"

#include "sky/events/phenomena.h"

namespace orbitas::report {

// The stamp of a calendar file: sourceDateEpoch (the text of the
// environment's SOURCE_DATE_EPOCH, seconds since 1970, or null) when given,
// for files that come out the same every time; now otherwise. The front end
// reads the environment and passes it.
std::time_t CalendarStamp(const char* sourceDateEpoch);

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
  // END:VCALENDAR.
  std::string End() const;

 private:
  std::time_t stamp_;
};

// "opposition-marte-20270219@orbitas": the same for the same phenomenon on
// the same UTC day, whatever range found it.
std::string PhenomenonUid(const Phenomenon& p);

}  // namespace orbitas::report
