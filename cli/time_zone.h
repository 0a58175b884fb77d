#pragma once
// The time zone of the instants typed and printed: UTC (the default, where
// every number is what the program computes without a zone), a fixed
// offset "±HH:MM", or a zone of the system's time-zone database
// ("Europe/Madrid", with its summer time), read through the C library.
#include <optional>
#include <string>

#include "table_instant.h"

namespace orbitas::cli {

class TimeZone {
 public:
  TimeZone() = default;  // UTC

  // "UTC", "±HH:MM" or a database name. Raises UsageError naming the text
  // for anything else, and for a name the database does not have.
  static TimeZone Parse(const std::string& text);

  const std::string& name() const { return name_; }
  bool IsUtc() const { return fixed_ && *fixed_ == 0; }

  // The offset east of UTC, seconds, at utcSeconds (seconds since
  // 1970-01-01T00:00:00 UTC).
  long OffsetAt(double utcSeconds) const;

  // The UTC seconds of a local date and time. A time that the zone skips
  // (the hour lost when summer time begins) is read with the offset before
  // the change; a time it repeats, with the first of its two offsets.
  double UtcOf(const CivilTime& local) const;

  // "2026-07-01T22:14:05+02:00": the local time of utcSeconds, to the
  // second, with its offset.
  std::string LocalIso(double utcSeconds) const;

 private:
  std::string name_ = "UTC";
  std::optional<long> fixed_ = 0;  // seconds; empty for a database zone
};

}  // namespace orbitas::cli
