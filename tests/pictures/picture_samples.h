#pragma once
// One of each of the planner's pictures, computed as the planner asks for
// them, from Madrid: the sky of a Geminids night, that night's altitudes,
// the total eclipse of 2027 from Tarifa, a finder chart of Uranus and the
// year 2026.
#include <string>

#include "pictures/picture_style.h"
#include "session/chart_contents.h"
#include "session/picture_contents.h"
#include "session/runners.h"
#include "session/year_chart_contents.h"
#include "tests/support/julian_days.h"

namespace orbitas::testing {

inline const Place MadridPlace(40.4168, -3.7038, "40.4168, -3.7038");
inline const TimeZone Cet = TimeZone::FixedOffset(3600, "CET");

inline SkyRequest MadridAsks(int year, int month, int day, double utHour) {
  SkyRequest request;
  request.bodies = {Body::Mercury, Body::Venus, Body::Mars, Body::Jupiter, Body::Saturn};
  request.place = MadridPlace;
  request.zone = Cet;
  request.date.year = year, request.date.month = month, request.date.day = day;
  request.at = Instant::FromUt(Jd(year, month, day, utHour));
  request.year = year;
  return request;
}

// The dome from Madrid at utHour (UT) of the date.
inline SkyDome MadridDome(int year, int month, int day, double utHour) {
  SkyRequest request = MadridAsks(year, month, day, utHour);
  request.faintestStar = 4.5;
  return RunSkyDome(request);
}

// The night of 2026-12-13 from Madrid as the planner draws it.
inline NightPicture MadridNightChart() {
  const SkyRequest request = MadridAsks(2026, 12, 13, 22);
  const NightAnswer night = RunNight(request);
  return NightPictureOf(night.night, MethodElements(), MadridPlace, Cet, night.date);
}

// The total solar eclipse of 2027-08-02 from Tarifa.
inline EclipsePicture TarifaEclipse() {
  SkyRequest request = MadridAsks(2027, 7, 20, 0);
  request.place = Place(36.0139, -5.6070, "36.0139, -5.6070");
  const std::optional<EclipseSeen> seen = RunFirstEclipse(request);
  return seen ? EclipsePictureOf(*seen, request.place, Cet) : EclipsePicture{};
}

// The lunar eclipse of 2026-03-03.
inline EclipsePicture LunarEclipse() {
  SkyRequest request = MadridAsks(2026, 3, 1, 0);
  request.place.reset();
  const std::optional<EclipseSeen> seen = RunFirstEclipse(request);
  return seen ? EclipsePictureOf(*seen, std::nullopt, Cet) : EclipsePicture{};
}

inline FinderChartPicture UranusChart() {
  SkyRequest request = MadridAsks(2026, 12, 8, 21);
  request.bodies = {Body::Uranus};
  return RunChart(request, ".");
}

inline YearChart MadridYear() { return RunYearChart(MadridAsks(2026, 1, 1, 0)); }

}  // namespace orbitas::testing
