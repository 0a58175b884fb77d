#pragma once
// The instants of a table over a range: one row per instant and planet, in
// time order and then in body order.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/civil_days.h"
#include "calendar/civil_time.h"
#include "runtime/conversions.h"
#include "sky/frames/place.h"
#include "calendar/time_zone.h"
#include "session/instant.h"

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

// A table's instants run one by one as the window runs them: instant k
// through the date entry (or its Julian day), then one planet request per
// planet, each reusing the same outcome so that a row costs no allocation.
class TableRunner {
 public:
  // wantTexts: whether the date entry writes its texts (the decimal hour
  // and the Julian day), which CSV rows do not show.
  TableRunner(const TablePlan& plan, std::string_view separator, bool wantTexts);

  // Enters instant k: its text (instant()) and its Julian day. Raises the
  // method's run-time errors; instant() then holds the text if it got that
  // far.
  void Enter(std::int64_t k);

  // The planet request for body at the entered instant, into planet().
  // Raises the method's run-time errors, with the labels written before.
  void RunPlanet(Int16 body);

  const std::string& instant() const { return instant_; }
  const InstantOutcome& outcome() const { return outcome_; }
  PlanetOutcome& planet() { return outcome_.planets.front(); }

 private:
  const TablePlan& plan_;
  InstantRunner runner_;
  bool wantTexts_;
  InstantOutcome outcome_;
  std::string instant_;
};

}  // namespace orbitas
