#include "session/picture_contents.h"

#include <algorithm>
#include <cmath>

#include "session/clock_words.h"
#include "session/deep_sky_words.h"
#include "calendar/civil_days.h"
#include "calendar/civil_time.h"
#include "ephemeris/angles.h"
#include "ephemeris/equatorial.h"
#include "runtime/number_text.h"
#include "runtime/runtime_error.h"
#include "session/body_names.h"
#include "session/names.h"
#include "session/runners.h"
#include "session/star_names.h"
#include "sky/bodies/method_sky.h"
#include "sky/bodies/reference.h"
#include "sky/bodies/planet_appearance.h"
#include "sky/deep_sky/deep_sky_dome.h"
#include "sky/frames/earth_turning.h"
#include "sky/frames/ecliptic.h"
#include "sky/frames/horizon.h"
#include "sky/frames/vector.h"
#include "sky/night/night.h"
#include "sky/night/night_curves.h"
#include "sky/night/sky_brightness.h"
#include "sky/night/sky_dome.h"
#include "sky/stars/star_dome.h"
#include "sky/stars/star_field.h"
#include "sky/stars/stars.h"
#include "sky/eclipses/eclipse_views.h"
#include "sky/search/toolkit.h"
#include "sky/showers/meteor_showers.h"

namespace orbitas {
namespace {

constexpr int OrbitPoints = 360;
constexpr int EclipticPoints = 1440;

// The orbit of body over one period from julianDay, point by point; points
// the method cannot compute are left out.
Orbit OrbitOf(const ElementsTable& elements, Body body, double julianDay) {
  const ElementRow row = BodyRow(elements, BodyNumber(body));
  Orbit orbit{body, row.meanDistance * (1 + row.eccentricity), {}};
  const double period = FullTurn / row.dailyMotion;  // days
  const double offset = EpochOffset(elements);
  for (int k = 0; k <= OrbitPoints; ++k) {
    try {
      orbit.points.push_back(ComputeHeliocentricPosition(row, julianDay + period * k / OrbitPoints, offset, elements));
    } catch (const RuntimeError&) {
      // Beyond the method's range: this point is left out.
    }
  }
  return orbit;
}

std::string StoppedText(const InstantOutcome& outcome) {
  const std::string message(ErrorMessage(*outcome.error));
  if (!outcome.diajuliano) return message + " en el día juliano";
  if (!outcome.planets.empty() && !outcome.planets.back().Complete()) {
    return message + " en " + std::string(BodyName(outcome.planets.back().body));
  }
  return message;
}

// The night's whole local hours, as ticks from start.
std::vector<std::pair<double, std::string>> HourTicks(const TimeZone& zone, const Instant& start, double hours) {
  std::vector<std::pair<double, std::string>> ticks;
  for (const Instant& hour : zone.WholeHoursFrom(start, hours)) {
    ticks.emplace_back(hour.DaysSince(start) * 24, zone.ToSecond(hour).Clock());
  }
  return ticks;
}

// The reference's path at up to ReferencePathPoints of the rows, and how
// far the method's strays from it.
ReferencePath ReferencePathOf(const SkyPath& path) {
  ReferencePath reference;
  const std::size_t n = path.points.size(), stride = std::max<std::size_t>(1, (n + ReferencePathPoints - 1) / ReferencePathPoints);
  for (std::size_t k = 0; k < n; k += stride) {
    const SkyPoint& p = path.points[k];
    const std::optional<Vector> r = ReferenceGeocentric(path.body, Instant::FromUt(p.julianDay));
    if (!r) return {};
    const Vector unit{std::cos(p.declination / DegreesPerRadian) * std::cos(p.rightAscension / HoursPerRadian),
                      std::cos(p.declination / DegreesPerRadian) * std::sin(p.rightAscension / HoursPerRadian),
                      std::sin(p.declination / DegreesPerRadian)};
    reference.largestError = std::max(reference.largestError.value_or(0), AngleBetween(*r, unit));
    reference.points.push_back(RightAscensionDeclination(*r));
  }
  return reference;
}

}  // namespace

EclipsePicture EclipsePictureOf(const EclipseSeen& seen, const std::optional<Place>& place, const TimeZone& zone) {
  auto clock = [&](const Instant& t) { return zone.ToSecond(t).Clock(); };
  EclipsePicture picture;
  const std::string date = zone.ToSecond(GreatestOf(seen.event)).Date();
  if (const auto* lunar = std::get_if<LunarEclipse>(&seen.event)) {
    const LunarEclipseView view = LunarEclipseViewOf(*lunar);
    picture.title = "Eclipse " + std::string(EclipseTypeName(lunar->type)) + " de Luna del " + DateWithWeekday(date) + ", " +
                    ClockWords(zone, GreatestOf(seen.event));
    picture.umbra = view.umbra, picture.penumbra = view.penumbra, picture.moon = view.moon;
    for (const ViewPoint& p : view.path) picture.path.emplace_back(p.x, p.y);
    for (const ContactPoint& c : view.contacts) {
      picture.marks.push_back({std::string(ContactName(c.kind)), clock(c.at.time), c.kind == Contact::Greatest, c.at.x, c.at.y});
    }
    return picture;
  }
  const LocalSolarEclipse& local = *seen.solar;
  const SolarEclipseView view = SolarEclipseViewOf(local, *place);
  picture.lunar = false;
  picture.title = "Eclipse " + std::string(EclipseTypeName(local.type.value_or(EclipseType::Partial))) + " de Sol del " +
                  DateWithWeekday(date) + " desde " + place->text + ", " + ClockWords(zone, GreatestOf(seen.event));
  picture.sun = view.sun, picture.moon = view.moon;
  for (const ContactPoint& c : view.moons) {
    const ContactEvent* sun = FindContactEvent(local.contacts, c.kind);
    const std::string below = sun && sun->sky && sun->sky->altitude < 0 ? " (Sol bajo el horizonte)" : "";
    picture.marks.push_back(
        {std::string(ContactName(c.kind)), clock(c.at.time) + below, c.kind == Contact::Greatest, c.at.x, c.at.y});
  }
  if (view.sunAltitude < 5) picture.horizon = view.sunAltitude * 60;
  picture.depth = local.type == EclipseType::Total ? 1.0 : local.obscuration;
  picture.total = local.type == EclipseType::Total;
  if (local.type == EclipseType::Partial) {
    for (const EclipseMark& m : picture.marks) {
      if (m.greatest) picture.sliver = std::max(0.0, picture.sun + std::hypot(m.x, m.y) - picture.moon);
    }
    picture.obscuration = local.obscuration;
  }
  return picture;
}

OrbitPicture OrbitPictureOf(const InstantOutcome& outcome, const std::vector<Body>& bodies,
                            const ElementsTable& elements) {
  OrbitPicture picture;
  picture.bodies = bodies;
  std::string instant = IsoText(CivilFromJulianDay(outcome.julianDay));
  instant[instant.find('T')] = ' ';
  picture.instant = instant;
  picture.julianDay = outcome.diajuliano.value_or("");
  picture.heading = "Órbitas vistas desde el norte de la eclíptica";
  picture.title = picture.heading + ", " + instant + " (día juliano " + picture.julianDay + ")";
  picture.subtitle = instant + " · día juliano " + picture.julianDay;
  for (const PlanetOutcome& p : outcome.planets) {
    if (!picture.earth && p.labels.Written(ResultLabel::zhelt)) picture.earth = p.values.earth;
    if (p.labels.Written(ResultLabel::zhelp)) picture.planets.emplace_back(BodyFromNumber(p.body).value(), p.values.planet);
  }
  picture.orbits.push_back(OrbitOf(elements, Body::Earth, outcome.julianDay));
  for (const Body body : picture.bodies) picture.orbits.push_back(OrbitOf(elements, body, outcome.julianDay));
  if (outcome.error) picture.stopped = "El cálculo se detuvo: " + StoppedText(outcome);
  return picture;
}

namespace {

// The stars and figures of the dome: in daylight none; in twilight those
// brighter than the naked eye's limit in the sky's brightness then; the
// figures once the stars that draw them can be seen.
// The faintest star the naked eye sees with the Sun at sunAltitude
// (degrees): none by day, the twilight's limit, any at night.
double VisibleMagnitude(double sunAltitude) {
  const SkyLight light = LightOf(sunAltitude);
  return light == SkyLight::Day     ? -30.0
         : light != SkyLight::Night ? NakedEyeLimitingMagnitude(DarkSkyBrightness(0) + TwilightSkyBrightness(sunAltitude))
                                    : 99.0;
}

void AddStars(SkyDome& dome, const Place& place, const Instant& at, double magnitudeLimit) {
  const double visible = VisibleMagnitude(dome.sunAltitude);
  const StarsAndFigures stars = StarsAndFiguresAbove(place, at, std::min(magnitudeLimit, visible));
  constexpr double FiguresFromMagnitude = 3.0;
  for (const StarAbove& s : stars.stars) {
    dome.stars.push_back({StarLabel(*s.star), s.star->magnitude < LabelledStarMagnitude, s.star->magnitude,
                          s.star->colourIndex, s.altitude, s.azimuth});
  }
  for (const FigureAbove& f : visible < FiguresFromMagnitude ? std::vector<FigureAbove>{} : stars.figures) {
    dome.figures.push_back({std::string(ConstellationName(f.constellation)), f.lines, f.labelAltitude, f.labelAzimuth});
  }
}

// The deep-sky objects of the dome: the Messier and Caldwell ones to
// DomeDeepSkyMagnitude, in twilight only those a magnitude brighter than
// its stars (a patch of light fades before a point), and those named,
// whatever the sky.
void AddDeepSky(SkyDome& dome, const Place& place, const Instant& at, const std::vector<std::string>& named) {
  const double limit = std::min(DomeDeepSkyMagnitude, VisibleMagnitude(dome.sunAltitude) - 1);
  const std::vector<std::string_view> extra(named.begin(), named.end());
  const std::vector<const DeepSkyObject*> objects = MessierAndCaldwell(limit, extra);
  for (const DeepSkyAbove& a : DeepSkyObjectsAbove(objects, place, at)) {
    const DeepSkyObject& o = *a.object;
    dome.deepSky.push_back({std::string(o.id), DeepSkyNaming(o), o.type, o.magnitude, a.altitude, a.azimuth,
                            a.axisAltitude, a.axisAzimuth, o.majorAxis, o.MinorOrMajor(), o.positionAngle >= 0});
  }
}

}  // namespace

SkyDome SkyDomeOf(const InstantOutcome& outcome, const ElementsTable& elements, const Place& place,
                  const TimeZone& zone, double magnitudeLimit, const std::vector<std::string>& deepSky) {
  const double jd = outcome.julianDay;
  const Instant at = Instant::FromUt(jd);
  SkyDome dome;
  dome.instant = MinuteWithWeekday(zone, at) + ", " + ClockWords(zone, at);
  dome.place = place.text;
  dome.title = "El cielo desde " + dome.place + " el " + dome.instant;
  dome.heading = "El cielo desde " + dome.place + " · " + dome.instant;
  for (const PlanetOutcome& p : outcome.planets) {
    if (!p.sky) continue;
    const PlanetRequestValues& v = p.values;
    const Body body = BodyFromNumber(p.body).value();
    const PlanetAspect aspect = AspectOf(body, MethodEquatorialFromEcliptic(v.planet.x, v.planet.y, v.planet.z),
                                         MethodEquatorialFromEcliptic(v.earth.x, v.earth.y, v.earth.z), at);
    dome.bodies.push_back({std::string(SpanishName(body)), body, p.sky->horizon.altitude, p.sky->horizon.azimuth,
                           aspect.magnitude, 1, true});
  }
  const SunMoonAndEcliptic sky = SkyDomeAt(elements, place, at);
  if (sky.sun) dome.bodies.push_back({"Sol", Body::Sun, sky.sun->altitude, sky.sun->azimuth, -26.7, 1, true});
  if (sky.moon) {
    dome.bodies.push_back({"Luna", Body::Moon, sky.moon->altitude, sky.moon->azimuth, -10, sky.moon->illuminated,
                           sky.moon->waxing});
  }
  dome.ecliptic = sky.ecliptic;
  if (sky.sun) dome.sunAltitude = sky.sun->altitude;
  AddStars(dome, place, at, magnitudeLimit);
  AddDeepSky(dome, place, at, deepSky);
  for (int k = 0; k < 16; ++k) dome.compassPoints.emplace_back(CompassName(k));
  return dome;
}

std::vector<DomeRadiant> DomeRadiantsAt(const Place& place, const Instant& at) {
  std::vector<DomeRadiant> radiants;
  for (const MeteorShower& shower : MeteorShowers()) {
    if (!ShowerActive(shower, at)) continue;
    const Radiant r = RadiantAt(shower, at);
    const HorizonCoordinates h = TurnedHorizonOf(place, at, r.rightAscension / 15, r.declination);
    radiants.push_back({std::string(ShowerName(shower.code)), std::string(shower.code), h.altitude, h.azimuth});
  }
  return radiants;
}

SkyDome RunSkyDome(const SkyRequest& request) {
  const Place& place = PlaceOf(request);
  InstantRunner runner(".", place);
  InstantOutcome outcome;
  runner.EnterJulianDay(request.at.ut, outcome);
  std::vector<Int16> numbers;
  for (const Body body : request.bodies) numbers.push_back(BodyNumber(body));
  try {
    runner.RunPlanets(numbers, outcome);
  } catch (const RuntimeError& error) {
    outcome.error = error.kind();
  }
  SkyDome dome = SkyDomeOf(outcome, runner.elements(), place, request.zone, request.faintestStar, request.deepSky);
  dome.radiants = DomeRadiantsAt(place, request.at);
  return dome;
}

std::string DeepSkyObjectTitle(std::string_view naming, double magnitude, double major, double minor,
                               std::string_view separator) {
  return std::string(naming) + DeepSkyNumbers(magnitude, major, minor, separator);
}

std::vector<std::size_t> StationaryRows(const std::vector<SkyPoint>& points) {
  std::vector<std::size_t> rows;
  double before = 0;
  for (std::size_t k = 1; k + 1 < points.size(); ++k) {
    const double into = Wrapped(points[k].rightAscension - points[k - 1].rightAscension, 12);
    if (into != 0) before = into;
    const double out = Wrapped(points[k + 1].rightAscension - points[k].rightAscension, 12);
    if (before != 0 && out != 0 && (before > 0) != (out > 0)) rows.push_back(k);
  }
  return rows;
}

namespace {

std::string DateOf(const std::string& instant) { return instant.substr(0, instant.find('T')); }

// "Camino en el cielo de Marte, del 2020-06-01 al 2021-02-28".
std::string PathsTitle(const std::vector<SkyPath>& paths) {
  std::string names, first, last;
  for (const SkyPath& path : paths) {
    if (path.points.empty()) continue;
    names += (names.empty() ? "" : ", ") + std::string(SpanishName(path.body));
    if (first.empty() || DateOf(path.points.front().date) < first) first = DateOf(path.points.front().date);
    if (DateOf(path.points.back().date) > last) last = DateOf(path.points.back().date);
  }
  return "Camino en el cielo de " + names + ", del " + first + " al " + last;
}

}  // namespace

SkyPaths SkyPathsOf(std::vector<SkyPath> paths, std::string stopped) {
  const std::string title = PathsTitle(paths);
  SkyPaths sky{title, std::move(paths), {}, {}, {}, stopped.empty() ? "" : "La tabla se detuvo: " + stopped, {}, {}, {}, {}};
  for (const SkyPath& path : sky.paths) {
    sky.reference.push_back(ReferencePathOf(path));
    sky.stationary.push_back(StationaryRows(path.points));
    std::vector<double> ra;
    for (const SkyPoint& p : path.points) {
      ra.push_back(ra.empty() ? p.rightAscension : ra.back() + Wrapped(p.rightAscension - ra.back(), 12));
    }
    sky.continuous.push_back(std::move(ra));
  }
  // The paths are the method's, so the ecliptic is the method's too.
  for (int k = 0; k <= EclipticPoints; ++k) {
    const EquatorialDirection e = EclipticPoint(k * (2 * ExactPi / EclipticPoints), ObliquityRadians);
    sky.ecliptic.emplace_back(e.rightAscension, e.declination);
  }
  // The stars and figures as they are, in right ascension and declination:
  // the picture projects them.
  const auto asTheyAre = [](const Star& s) { return std::optional(std::pair{s.rightAscension, s.declination}); };
  const auto all = [](const auto&...) { return true; };
  const auto field = BuildStarField(PathStarMagnitude, StarOrder::Catalogue, asTheyAre, all, all);
  for (const auto& [s, at] : field.stars) {
    sky.stars.push_back({std::string(StarProperName(*s)), StarLabel(*s), at.first, at.second, s->magnitude});
  }
  for (const auto& f : field.figures) {
    const std::string name(ConstellationName(f.constellation));
    if (sky.figures.empty() || sky.figures.back().name != name) sky.figures.push_back({name, {}});
    for (const auto& [from, to] : f.lines) sky.figures.back().lines.push_back({from, to});
  }
  for (const DeepSkyObject* o : MessierAndCaldwell(PathDeepSkyMagnitude)) {
    sky.deepSky.push_back({std::string(o->id), DeepSkyNaming(*o), o->type, o->magnitude, o->rightAscension,
                           o->declination, o->majorAxis, o->MinorOrMajor(), o->positionAngle});
  }
  return sky;
}

NightPicture NightPictureOf(const Night& night, const ElementsTable& elements, const Place& place,
                            const TimeZone& zone, const std::string& date) {
  NightPicture picture;
  picture.title = "La noche del " + DateWithWeekday(date) + " desde " + place.text + ", " + ClockWordsOn(zone, date);
  const NightCurves curves = NightCurvesOf(night, elements, place);
  const Instant& start = curves.drawn.from;
  picture.start = start;
  auto hoursOf = [&](const Instant& t) { return t.DaysSince(start) * 24; };
  picture.hours = curves.drawn.Days() * 24;
  for (const DarknessBand& band : curves.bands) {
    picture.bands.push_back({hoursOf(band.span.from), hoursOf(band.span.to), band.darkness});
  }
  picture.ticks = HourTicks(zone, start, picture.hours);
  std::size_t planet = 0;
  for (const AltitudeCurve& c : curves.curves) {
    NightCurve curve{std::string(SpanishName(c.body)), c.body, {}, {}, {}};
    for (const auto& [t, altitude] : c.points) curve.points.emplace_back(hoursOf(t), altitude);
    if (c.body != Body::Moon) {
      while (!night.planets[planet].best) ++planet;
      const PlanetNight& p = night.planets[planet++];
      curve.visible = {hoursOf(p.visibleFrom->time), hoursOf(p.visibleTo->time)};
      curve.best = {hoursOf(p.best->time), p.best->altitude};
    }
    picture.curves.push_back(std::move(curve));
  }
  return picture;
}

std::string NoEclipsePictureReason(const EclipseSeen& seen) {
  if (HasEclipsePicture(seen)) return "";
  return std::holds_alternative<Transit>(seen.event)
             ? "no hay dibujo de los tránsitos"
             : "el dibujo de un eclipse de Sol es el de un lugar que lo ve: falta --lugar, o no se ve desde allí";
}

bool HasEclipsePicture(const EclipseSeen& seen) {
  if (std::holds_alternative<Transit>(seen.event)) return false;
  return !std::holds_alternative<SolarEclipse>(seen.event) || (seen.solar && seen.solar->type);
}

}  // namespace orbitas
