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

namespace date {
class time_zone;
}

namespace orbitas {

class TimeZone {
 public:
  TimeZone() = default;  // UTC

  // A fixed offset east of UTC, seconds, shown as name.
  static TimeZone FixedOffset(long seconds, std::string name);

  // The zone of the system's database called name ("Europe/Madrid"); no
  // value when the database has no such zone.
  static std::optional<TimeZone> Named(const std::string& name);

  // Every zone name of the system's database, in its order.
  static const std::vector<std::string>& DatabaseNames();

  const std::string& name() const { return name_; }
  bool IsUtc() const { return !zone_ && offset_ == 0; }

  // The offset east of UTC, seconds, at utcSeconds (seconds since
  // 1970-01-01T00:00:00 UTC).
  long OffsetAt(double utcSeconds) const;

  // The UTC seconds of a local date and time. A time that the zone skips
  // (the hour lost when summer time begins) is read with the offset before
  // the change; a time it repeats, with the first of its two offsets.
  double UtcOf(const CivilTime& local) const;

  // How a local date and time reads in the zone: once (the usual), never
  // (skipped when the clock goes forward) or twice (repeated when it goes
  // back). For the last two, the offsets east of UTC before and after the
  // change, seconds, and the change's instant, UTC seconds. A fixed offset
  // reads every time once.
  struct Reading {
    enum class Kind { Once, Skipped, Repeated } kind = Kind::Once;
    long before = 0, after = 0;
    double change = 0.0;
  };
  Reading ReadingOf(const CivilTime& local) const;

  // "2026-07-01T22:14:05+02:00": the local time of utcSeconds, to the
  // second, with its offset.
  std::string LocalIso(double utcSeconds) const;

  // "2026-12-07 17:50": the local time of utcSeconds to the nearest
  // minute, as an almanac writes it.
  std::string LocalMinute(double utcSeconds) const;

 private:
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
  double start = 0.0, end = 0.0;  // Julian days (UT) of its first hour and the next day's
};

// The local day of date (its time of day is not read) in zone, from
// fromHour (0: midnight to midnight; 12: noon to noon, a night). Raises
// nothing.
LocalDay LocalDayOf(const CivilTime& date, const TimeZone& zone, int fromHour = 0);

}  // namespace orbitas
