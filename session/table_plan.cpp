#include "session/table_plan.h"

#include <cmath>

#include "calendar/civil_days.h"
#include "session/request_refused.h"

namespace orbitas {

TablePlan::TablePlan(const TableRequest& request) : request_(request) {
  double span = 0;  // seconds
  if (civil()) {
    startSeconds_ = request.zone.UtcOf(*request.start.civil);
    const double end = request.end.civil ? request.zone.UtcOf(*request.end.civil)
                                         : UnixSecondsFromJulianDay(request.end.julianDay);
    span = end - startSeconds_;
  } else {
    const double end = request.end.civil ? JulianDayFromUnixSeconds(request.zone.UtcOf(*request.end.civil))
                                         : request.end.julianDay;
    span = (end - request.start.julianDay) * SecondsPerDay;
  }
  if (span < 0) throw RequestRefused("el final de la tabla es anterior a su inicio");
  // A tolerance of a millionth of a step lets an end that falls on a row
  // count despite rounding in the conversion of the bounds.
  const double steps = std::floor(span / request.stepSeconds + 1e-6);
  const double bodies = static_cast<double>(request.bodies.size());
  if (!(steps + 1 <= static_cast<double>(MaxTableRows) / bodies)) {
    throw RequestRefused("la tabla tendría más de diez millones de filas");
  }
  instants_ = static_cast<std::int64_t>(steps) + 1;
}

CivilTime TablePlan::CivilAt(std::int64_t k) const {
  return CivilFromSeconds(startSeconds_ + static_cast<double>(k) * request_.stepSeconds);
}

std::string TablePlan::InstantText(std::int64_t k) const {
  if (request_.zone.IsUtc()) return civil() ? IsoText(CivilAt(k)) : IsoText(CivilFromJulianDay(JulianDayAt(k)));
  const double utcSeconds = civil() ? startSeconds_ + static_cast<double>(k) * request_.stepSeconds
                                    : UnixSecondsFromJulianDay(JulianDayAt(k));
  return request_.zone.LocalAt(utcSeconds).Iso();
}

double TablePlan::JulianDayAt(std::int64_t k) const {
  return request_.start.julianDay + static_cast<double>(k) * request_.stepSeconds / SecondsPerDay;
}

TableRunner::TableRunner(const TablePlan& plan, std::string_view separator, bool wantTexts)
    : plan_(plan), runner_(separator, plan.request().place), wantTexts_(wantTexts) {
  outcome_.planets.emplace_back();
}

void TableRunner::Enter(std::int64_t k) {
  instant_.clear();
  if (plan_.civil()) {
    const CivilTime t = plan_.CivilAt(k);
    instant_ = plan_.InstantText(k);
    runner_.EnterDate(NumericDateFields({static_cast<double>(t.year), static_cast<double>(t.month),
                                         static_cast<double>(t.day), static_cast<double>(t.hour),
                                         static_cast<double>(t.minute), t.second}),
                      outcome_, wantTexts_);
  } else {
    runner_.EnterJulianDay(plan_.JulianDayAt(k), outcome_);
    instant_ = plan_.InstantText(k);
  }
}

void TableRunner::RunPlanet(Int16 body) { runner_.RunPlanet(body, outcome_.julianDay, planet()); }

}  // namespace orbitas
