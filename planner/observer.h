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
  SkyDarkness sky = SkyDarkness::Rural;
  std::string separator = ",";
  bool compareWithMethod = false;  // "Comparar con el método": the method's answer beside the sky's

  CivilTime Civil(int hour = 0) const {
    CivilTime civil;
    civil.year = date.year(), civil.month = date.month(), civil.day = date.day(), civil.hour = hour;
    return civil;
  }

  // What the tabs ask of the sky: the eight planets from the place, in the
  // zone, on the date, with the instrument. Each tab sets the instants it
  // takes.
  SkyRequest Request() const {
    SkyRequest request;
    request.bodies = AllPlanets;
    request.place = place;
    request.zone = zone;
    request.date = Civil();
    request.year = date.year();
    request.limits.instrument = instrument;
    request.limits.sky = sky;
    request.withMethod = compareWithMethod;
    return request;
  }
};

}  // namespace orbitas::planner
