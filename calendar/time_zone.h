#pragma once
// The time zone of the instants typed and printed: UTC (the default, where
// every number is what the program computes without a zone), a fixed
// offset, or a zone of the system's time-zone database ("Europe/Madrid",
// with its summer time), read through Howard Hinnant's date/tz library.
// Past the database's last transition (2037 in Debian's files), the zone
// follows the rule its file gives for the years after, as the C library
// does. A zone is a value: choosing one changes nothing else in the
// process.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "calendar/civil_time.h"
#include "calendar/instant.h"

namespace date {
class time_zone;
}

namespace orbitas {

// A zone's local date and time of an instant, with the offset in force
// then; each text is written here once, for every writer.
struct LocalTime {
  CivilTime civil;  // whole seconds (zero for a time to the minute)
  long offset = 0;  // seconds east of UTC

  std::string Date() const;          // "2026-12-07"
  std::string MonthDay() const;      // "12-07"
  std::string Clock() const;         // "17:50"
  std::string ClockSeconds() const;  // "17:50:05"
  std::string Minute() const;        // "2026-12-07 17:50"
  std::string Iso() const;           // "2026-12-07T17:50:05+01:00"
  std::string Offset() const;        // "+01:00"
};

class TimeZone {
 public:
  TimeZone() = default;  // UTC

  // A fixed offset east of UTC, seconds, shown as name.
  static TimeZone FixedOffset(long seconds, std::string name);

  // The zone of the system's database called name ("Europe/Madrid"); no
  // value when the database has no such zone.
  static std::optional<TimeZone> Named(const std::string& name);

  // The zone's abbreviation at instant t, as its clocks are named then
  // ("CET", "CEST"; "-03" where the database has no letters for it); a
  // fixed offset's name. Raises nothing.
  std::string AbbreviationAt(const Instant& t) const;

  // Every zone name of the system's database, in its order.
  static const std::vector<std::string>& DatabaseNames();

  const std::string& name() const { return name_; }
  bool IsUtc() const { return !zone_ && offset_ == 0; }

  // The instant of a local date and time (UT from the zone's offset, TT
  // from ΔT). A time the zone skips is read with the offset before the
  // change; a time it repeats, with the first of its two offsets.
  Instant InstantOf(const CivilTime& local) const;

  // The local time of t, to the nearest second and to the nearest minute.
  LocalTime ToSecond(const Instant& t) const;
  LocalTime ToMinute(const Instant& t) const;

  // The offset east of UTC, seconds, at t.
  long OffsetAt(const Instant& t) const;

  // The hours the zone's clock moves from `from` to `to` (negative when
  // `to` is earlier): its hours of the night, across a change of offset.
  double ClockHours(const Instant& from, const Instant& to) const;

  // The zone's whole hours from `from` for `hours` hours, each with the
  // offset in force at `from`: a night's hour ticks.
  std::vector<Instant> WholeHoursFrom(const Instant& from, double hours) const;

  // The zone's clock at t moved on by seconds and then by moreSeconds
  // (either may be negative), keeping the offset in force at t, not
  // rounded: which night a moment belongs to.
  CivilTime ClockMoved(const Instant& t, double seconds, double moreSeconds = 0) const;

  // ToSecond(t).Iso() and ToMinute(t).Minute().
  std::string LocalIso(const Instant& t) const { return ToSecond(t).Iso(); }
  std::string LocalMinute(const Instant& t) const { return ToMinute(t).Minute(); }

  // How a local date and time reads in the zone: once (the usual), never
  // (skipped when the clock goes forward) or twice (repeated when it goes
  // back). For the last two, the offsets east of UTC before and after the
  // change, seconds, and what the clock reads at the change with each: the
  // hour it leaves and the hour it shows. A fixed offset reads every time
  // once.
  struct Reading {
    enum class Kind { Once, Skipped, Repeated } kind = Kind::Once;
    long before = 0, after = 0;
    LocalTime clockBefore, clockAfter;
  };
  Reading ReadingOf(const CivilTime& local) const;

  // The method's own clock: its table steps its rows in the seconds of the
  // clock, and its typed date is read as the clock reads it. Every other
  // time is an Instant.
  //
  // The UTC seconds (since 1970-01-01) of a local date and time. A time
  // that the zone skips (the hour lost when summer time begins) is read
  // with the offset before the change; a time it repeats, with the first
  // of its two offsets.
  double UtcOf(const CivilTime& local) const;
  // The local time, to the second, of utcSeconds (since 1970-01-01 UTC).
  LocalTime LocalAt(double utcSeconds) const;

 private:
  // The offset east of UTC, seconds, at utcSeconds (seconds since
  // 1970-01-01T00:00:00 UTC).
  long OffsetAt(double utcSeconds) const;


  std::string name_ = "UTC";
  struct Rule;  // the zone's rule after its last transition

  long offset_ = 0;                          // seconds, for a fixed offset
  const date::time_zone* zone_ = nullptr;    // a database zone
  std::shared_ptr<const Rule> rule_;         // with zone_, when its file has one
};

// One local day in a zone: from a local hour to the same hour the next
// day, in UT.
struct LocalDay {
  std::string date;  // "2026-12-07": the local date, ISO 8601
  Span span;         // from its first hour to the next day's
};

// The local day of date (its time of day is not read) in zone, from
// fromHour (0: midnight to midnight; 12: noon to noon, a night). Raises
// nothing.
LocalDay LocalDayOf(const CivilTime& date, const TimeZone& zone, int fromHour = 0);

}  // namespace orbitas
