#pragma once
// The instants of a table over a range: one row per instant and planet, in
// time order and then in body order.
#include <cstdint>
#include <vector>

#include "calendar/civil_days.h"
#include "calendar/civil_time.h"
#include "runtime/conversions.h"
#include "sky/frames/place.h"
#include "calendar/time_zone.h"

namespace orbitas {

// The most rows a table may have.
inline constexpr std::int64_t MaxTableRows = 10'000'000;

struct TableRequest {
  TableInstant start, end;
  double stepSeconds = SecondsPerDay;  // seconds, positive
  std::vector<Int16> bodies;
  std::optional<Place> place;  // adds each row's horizon values
  TimeZone zone;               // of the civil bounds and of the printed instants
};

// Row k is at start + k * step, computed afresh for every k; the end is
// included when it falls on a row.
class TablePlan {
 public:
  // Raises RequestRefused (before any output) when the end is before the start
  // or the table would have more than MaxTableRows rows.
  explicit TablePlan(const TableRequest& request);

  std::int64_t instants() const { return instants_; }
  std::int64_t rows() const { return instants_ * static_cast<std::int64_t>(request_.bodies.size()); }
  const TableRequest& request() const { return request_; }

  // Instant k: the civil time (for a table that starts from a date), from
  // which the window's calendar gives the Julian day; or the Julian day
  // (days) itself.
  bool civil() const { return request_.start.civil.has_value(); }
  CivilTime CivilAt(std::int64_t k) const;  // UTC
  double JulianDayAt(std::int64_t k) const;

  // Instant k as the table prints it: ISO 8601 in UTC, or, in another
  // zone, local time with its offset.
  std::string InstantText(std::int64_t k) const;

 private:
  TableRequest request_;
  double startSeconds_ = 0.0;  // civil tables: seconds since 1970
  std::int64_t instants_ = 0;
};

}  // namespace orbitas
