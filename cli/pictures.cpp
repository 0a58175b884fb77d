#include "cli/pictures.h"

#include <cmath>

#include "session/body_names.h"
#include "calendar/civil_days.h"
#include "calendar/civil_time.h"
#include "sky/frames/ecliptic.h"
#include "sky/bodies/moon.h"
#include "sky/bodies/planet_appearance.h"
#include "sky/night/rise_set.h"
#include "sky/bodies/sun.h"

namespace orbitas::cli {

OrbitPicture OrbitPictureOf(const InstantOutcome& outcome, const std::vector<Int16>& bodies) {
  OrbitPicture picture;
  picture.bodies = bodies;
  std::string instant = IsoText(CivilFromJulianDay(outcome.julianDay));
  instant[instant.find('T')] = ' ';
  picture.instant = instant;
  picture.julianDay = outcome.diajuliano.value_or("");
  for (const PlanetOutcome& p : outcome.planets) {
    if (!picture.earth && p.labels.Written(ResultLabel::zhelt)) picture.earth = p.values.earth;
    if (p.labels.Written(ResultLabel::zhelp)) picture.planets.emplace_back(p.body, p.values.planet);
  }
  if (outcome.error) {
    const std::string message(ErrorMessage(*outcome.error));
    if (!outcome.diajuliano) {
      picture.stopped = message + " en el día juliano";
    } else if (!outcome.planets.empty() && !outcome.planets.back().Complete()) {
      picture.stopped = message + " en " + std::string(BodyName(outcome.planets.back().body));
    } else {
      picture.stopped = message;
    }
  }
  return picture;
}

namespace {

HorizonCoordinates SunHorizon(const ElementsTable& elements, const Place& place, double jd) {
  const EquatorialCoordinates sun = SunEquatorialAt(elements, jd);
  return ComputeHorizon(jd, sun.rightAscensionHours, sun.declination, place.latitude, place.longitude);
}

}  // namespace

pictures::SkyDome SkyDomeOf(const InstantOutcome& outcome, const ElementsTable& elements, const Place& place,
                            const TimeZone& zone) {
  const double jd = outcome.julianDay;
  pictures::SkyDome dome;
  dome.instant = zone.LocalMinute(UnixSecondsFromJulianDay(jd)) + " (" + zone.name() + ")";
  dome.place = place.text;
  for (const PlanetOutcome& p : outcome.planets) {
    if (!p.sky) continue;
    const PlanetRequestValues& v = p.values;
    const PlanetAspect aspect =
        AspectOf(p.body, EquatorialFromEcliptic(v.planet.x, v.planet.y, v.planet.z),
                 EquatorialFromEcliptic(v.earth.x, v.earth.y, v.earth.z), jd);
    dome.bodies.push_back({std::string(BodyName(p.body)), p.body, p.sky->horizon.altitude, p.sky->horizon.azimuth,
                           aspect.magnitude, 1, true});
  }
  try {
    const HorizonCoordinates sun = SunHorizon(elements, place, jd);
    dome.bodies.push_back({"Sol", 0, sun.altitude, sun.azimuth, -26.7, 1, true});
    const EquatorialCoordinates sunEq = SunEquatorialAt(elements, jd);
    const std::array<double, 3> sunVector{sunEq.x, sunEq.y, sunEq.z};
    const MoonSky moon = MoonFrom(place, jd);
    dome.bodies.push_back({"Luna", 10, moon.horizon.altitude, moon.horizon.azimuth, -10,
                           MoonIlluminated(moon.geocentric, sunVector),
                           LongitudeFromSun(moon.geocentric, sunVector) < 180});
  } catch (const RuntimeError&) {
    // Beyond the method's range: no Sun, and no Moon to light.
  }
  for (int k = 0; k <= 360; k += 2) {
    const double l = k * 3.141592653589793 / 180;
    const double x = std::cos(l), y = std::sin(l) * std::cos(J2000ObliquityRadians), z = std::sin(l) * std::sin(J2000ObliquityRadians);
    double ra = std::atan2(y, x) * 12 / 3.141592653589793;
    if (ra < 0) ra += 24;
    const double dec = std::atan2(z, std::hypot(x, y)) * 180 / 3.141592653589793;
    const HorizonCoordinates h = ComputeHorizon(jd, ra, dec, place.latitude, place.longitude);
    dome.ecliptic.emplace_back(h.altitude, h.azimuth);
  }
  return dome;
}

pictures::NightPicture NightPictureOf(const Night& night, const ElementsTable& elements, const Place& place,
                                      const TimeZone& zone, const std::string& date) {
  pictures::NightPicture picture;
  picture.title = "La noche del " + date + " desde " + place.text + " (" + zone.name() + ")";
  const bool ordered = night.sun.set && night.sun.rise && night.sun.rise->time > night.sun.set->time;
  const double start = ordered ? night.sun.set->time : night.start;
  const double end = ordered ? night.sun.rise->time : night.end;
  picture.hours = (end - start) * 24;
  constexpr double Step = 5.0 / 1440;  // days
  const int steps = static_cast<int>(std::ceil((end - start) / Step));
  auto hoursAt = [&](double jd) { return (jd - start) * 24; };

  // The bands of darkness, from the Sun's altitude.
  for (int k = 0; k <= steps; ++k) {
    const double jd = std::min(start + k * Step, end);
    const double sun = SunHorizon(elements, place, jd).altitude;
    const int level = sun >= SunsetAltitude ? 0 : sun >= -6 ? 1 : sun >= -12 ? 2 : sun >= -18 ? 3 : 4;
    const double from = hoursAt(std::max(start, jd - Step / 2)), to = hoursAt(std::min(end, jd + Step / 2));
    if (!picture.bands.empty() && picture.bands.back().darkness == level) picture.bands.back().to = to;
    else picture.bands.push_back({from, to, level});
  }
  // Each whole local hour.
  const long offset = zone.OffsetAt(UnixSecondsFromJulianDay(start));
  const double localStart = UnixSecondsFromJulianDay(start) + static_cast<double>(offset);
  for (double local = std::ceil(localStart / 3600) * 3600; local <= localStart + picture.hours * 3600; local += 3600) {
    const double jd = JulianDayFromUnixSeconds(local - static_cast<double>(offset));
    std::string label = zone.LocalIso(UnixSecondsFromJulianDay(jd));
    picture.ticks.emplace_back(hoursAt(jd), label.substr(label.find('T') + 1, 5));
  }

  auto curve = [&](const std::string& name, Int16 body, auto&& altitude) {
    pictures::NightCurve c;
    c.name = name;
    c.body = body;
    for (int k = 0; k <= steps; ++k) {
      const double jd = std::min(start + k * Step, end);
      c.points.emplace_back(hoursAt(jd), altitude(jd));
    }
    return c;
  };
  for (const PlanetNight& p : night.planets) {
    if (!p.best) continue;
    pictures::NightCurve c = curve(std::string(BodyName(p.body)), p.body,
                                   [&](double jd) { return PlanetHorizon(elements, p.body, place, jd).altitude; });
    c.visible = {hoursAt(p.visibleFrom->time), hoursAt(p.visibleTo->time)};
    c.best = {hoursAt(p.best->time), p.best->altitude};
    picture.curves.push_back(std::move(c));
  }
  picture.curves.push_back(curve("Luna", 10, [&](double jd) { return MoonFrom(place, jd).horizon.altitude; }));
  return picture;
}

SkyPathCollector::SkyPathCollector(const std::vector<Int16>& bodies) {
  for (const Int16 body : bodies) paths_.push_back({body, {}});
}

void SkyPathCollector::Row(const std::string& instant, const PlanetOutcome& planet) {
  for (SkyPath& path : paths_) {
    if (path.body == planet.body) {
      const EquatorialCoordinates& eq = planet.values.equatorial;
      path.points.push_back({instant, eq.rightAscensionHours, eq.declination});
    }
  }
}

void SkyPathCollector::Stopped(const std::string& instant, const RuntimeError& error) {
  stopped_ = std::string(error.what()) + " en " + instant;
}

}  // namespace orbitas::cli
