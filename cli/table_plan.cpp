#include "table_plan.h"

#include <cmath>

#include "civil_days.h"
#include "usage_error.h"

namespace orbitas::cli {
namespace {

// The Julian day of a civil time, in plain double arithmetic: only to
// measure the span of a table, never for a row's position.
double JulianDayOfCivilApprox(const CivilTime& t) {
  return SecondsFromCivil(t) / SecondsPerDay + UnixEpochJulianDay;
}

}  // namespace

TablePlan::TablePlan(const TableRequest& request) : request_(request) {
  double span = 0;  // seconds
  if (civil()) {
    startSeconds_ = SecondsFromCivil(*request.start.civil);
    const double end = request.end.civil ? SecondsFromCivil(*request.end.civil)
                                         : (request.end.julianDay - UnixEpochJulianDay) * SecondsPerDay;
    span = end - startSeconds_;
  } else {
    const double end = request.end.civil ? JulianDayOfCivilApprox(*request.end.civil) : request.end.julianDay;
    span = (end - request.start.julianDay) * SecondsPerDay;
  }
  if (span < 0) throw UsageError("el final de la tabla es anterior a su inicio");
  // A tolerance of a millionth of a step lets an end that falls on a row
  // count despite rounding in the conversion of the bounds.
  const double steps = std::floor(span / request.stepSeconds + 1e-6);
  const double bodies = static_cast<double>(request.bodies.size());
  if (!(steps + 1 <= static_cast<double>(MaxTableRows) / bodies)) {
    throw UsageError("la tabla tendría más de diez millones de filas");
  }
  instants_ = static_cast<std::int64_t>(steps) + 1;
}

CivilTime TablePlan::CivilAt(std::int64_t k) const {
  return CivilFromSeconds(startSeconds_ + static_cast<double>(k) * request_.stepSeconds);
}

double TablePlan::JulianDayAt(std::int64_t k) const {
  return request_.start.julianDay + static_cast<double>(k) * request_.stepSeconds / SecondsPerDay;
}

}  // namespace orbitas::cli
