#pragma once
// What every tab is asked for: the place and its zone, the night's date,
// the observer's instrument and the user's decimal separator.
#include <QDate>
#include <string>

#include "calendar/time_zone.h"
#include "session/runners.h"

namespace orbitas::planner {

struct Observer {
  Place place;
  TimeZone zone;
  QDate date;  // the local date whose evening starts the night
  Instrument instrument = Instrument::Eye;
  std::string separator = ",";

  CivilTime Civil(int hour = 0) const {
    CivilTime civil;
    civil.year = date.year(), civil.month = date.month(), civil.day = date.day(), civil.hour = hour;
    return civil;
  }
};

}  // namespace orbitas::planner
