#pragma once
// Small fixed answers for the report writers' tests, built in one place:
// the zone, the place, a phenomenon, an eclipse, a shower's peak and a
// night, each with round numbers whose text is known by hand. When the
// answers' types change, this file is what changes.
#include <string>
#include <string_view>

#include "calendar/time_zone.h"
#include "report/night_output.h"
#include "session/instant.h"
#include "session/runners.h"
#include "sky/night/night_showers.h"
#include "sky/showers/meteor_showers.h"
#include "tests/support/julian_days.h"

namespace orbitas::testing {

// UTC+1 all year ("CET"): a local time one hour after UT.
inline const TimeZone& PlusOne() {
  static const TimeZone zone = TimeZone::FixedOffset(3600, "CET");
  return zone;
}

// Madrid by its coordinates.
inline const Place& Madrid() {
  static const Place place(40.4168, -3.7038, "40.4168, -3.7038");
  return place;
}

// Mars at opposition, 2027-02-19 15:44:00 UT by the reference and 15:41:00
// by the method (3 minutes early), magnitude −1.24.
inline Phenomenon MarsOpposition() {
  Phenomenon p;
  p.kind = PhenomenonKind::Opposition;
  p.body = Body::Mars;
  p.time = Jd(2027, 2, 19, 15, 41, 0);
  p.value = -1.24;
  p.unit = PhenomenonUnit::Magnitude;
  p.referenceTime = Instant::FromUt(Jd(2027, 2, 19, 15, 44, 0));
  return p;
}

// Venus 0.52° from Jupiter, 2027-08-10 23:30 UT by both, without unit
// error (a close approach with a value in degrees).
inline Phenomenon VenusAndJupiter() {
  Phenomenon p;
  p.kind = PhenomenonKind::CloseApproach;
  p.body = Body::Venus;
  p.other = Body::Jupiter;
  p.time = Jd(2027, 8, 10, 23, 30, 0);
  p.value = 0.52;
  p.unit = PhenomenonUnit::Degrees;
  p.referenceTime = Instant::FromUt(Jd(2027, 8, 10, 23, 30, 0));
  return p;
}

// A partial lunar eclipse, greatest 2028-01-12 04:13:00 UT, umbral
// magnitude 0.066, penumbral 1.024, gamma 0.9817; its P1, U1, U4, P4 an
// hour apart around it (round times, not the real ones).
inline EclipseSeen PartialLunarEclipse() {
  LunarEclipse e;
  e.greatest = Instant::FromUt(Jd(2028, 1, 12, 4, 13, 0));
  e.type = EclipseType::Partial;
  e.umbralMagnitude = 0.066;
  e.penumbralMagnitude = 1.024;
  e.gamma = 0.9817;
  e.deltaT = 70;
  const Contact kinds[] = {Contact::P1, Contact::U1, Contact::Greatest, Contact::U4, Contact::P4};
  const double hours[] = {2.0, 3.5, 4 + 13.0 / 60, 5.0, 6.5};
  for (int k = 0; k < 5; ++k) e.contacts.push_back({kinds[k], Instant::FromUt(Jd(2028, 1, 12, hours[k])), std::nullopt});
  return EclipseSeen{e, std::nullopt, std::nullopt};
}

// That eclipse seen from a place where the Moon is 30° up at greatest and
// 10° higher at each contact before it (lower after): visible.
inline EclipseSeen PartialLunarEclipseSeen() {
  EclipseSeen seen = PartialLunarEclipse();
  LocalLunarEclipse local;
  local.contacts = std::get<LunarEclipse>(seen.event).contacts;
  const double altitudes[] = {50, 40, 30, 20, 10};
  for (std::size_t k = 0; k < local.contacts.size(); ++k) local.contacts[k].sky = ContactSky{altitudes[k], 200};
  local.visible = true;
  seen.lunar = local;
  return seen;
}

// A transit of Mercury, greatest 2032-11-13 08:54:00 UT, 60″ from the
// Sun's centre, its T1 to T4 from 06:41 to 11:07 UT.
inline EclipseSeen MercuryTransit() {
  Transit t;
  t.body = Body::Mercury;
  t.greatest = Instant::FromUt(Jd(2032, 11, 13, 8, 54, 0));
  t.separation = 60;
  t.deltaT = 72;
  const Contact kinds[] = {Contact::T1, Contact::T2, Contact::Greatest, Contact::T3, Contact::T4};
  const double minutes[] = {6 * 60 + 41, 6 * 60 + 43, 8 * 60 + 54, 11 * 60 + 5, 11 * 60 + 7};
  for (int k = 0; k < 5; ++k) t.contacts.push_back({kinds[k], Instant::FromUt(Jd(2032, 11, 13, minutes[k] / 60)), std::nullopt});
  return EclipseSeen{t, std::nullopt, std::nullopt};
}

// The working list's shower of code ("PER"), or null.
inline const MeteorShower* ShowerOf(std::string_view code) {
  for (const MeteorShower& s : MeteorShowers())
    if (s.code == code) return &s;
  return nullptr;
}

// The Perseids' peak, 2027-08-13 07:00 UT, the Moon 25 % lit.
inline ShowerPeak PerseidsPeak() {
  ShowerPeak peak;
  peak.shower = ShowerOf("PER");
  peak.time = Instant::FromUt(Jd(2027, 8, 13, 7, 0, 0));
  peak.moonIlluminated = 0.25;
  peak.deltaT = 70;
  return peak;
}

// The Perseids (ZHR 100 at the peak, r 2.2) seen in a dark night: best at
// 2027-08-13 03:12 UT with the radiant 58.46° up, a ZHR of 88.4 then,
// limiting magnitude 6.14 and 41.7 meteors an hour; the Moon up, 25 % lit.
inline ShowerNight PerseidsNight() {
  ShowerNight s;
  s.shower = ShowerOf("PER");
  s.bestTime = Instant::FromUt(Jd(2027, 8, 13, 3, 12, 0));
  s.radiantAltitude = 58.46;
  s.zhrNow = 88.4;
  s.limitingMagnitude = 6.14;
  s.hourlyRate = 41.7;
  s.moonIlluminated = 0.25;
  s.moonUp = true;
  return s;
}

// The Geminids (ZHR 150, r 2.6) in a night without darkness, at its
// darkest hour, 2027-06-21 23:40 UT: the radiant 4.4° up, a ZHR of 0.41,
// limiting magnitude 5.84 and 0.3 of a meteor an hour; the Moon down.
inline ShowerNight GeminidsTwilight() {
  ShowerNight s;
  s.shower = ShowerOf("GEM");
  s.bestTime = Instant::FromUt(Jd(2027, 6, 21, 23, 40, 0));
  s.darkestHour = true;
  s.radiantAltitude = 4.4;
  s.zhrNow = 0.41;
  s.limitingMagnitude = 5.84;
  s.hourlyRate = 0.3;
  s.moonIlluminated = 0.9;
  return s;
}

inline TimedEvent At(double jd) { return {Instant::FromUt(jd)}; }

// The night of 2027-01-15 from Madrid (times UT, round by hand): sunset
// 17:15 and sunrise 07:44 the next morning, the twilights between; the
// Moon up 11:30 to 22:45, 52 % lit, first quarter; Mars seen 19:30 to
// 06:00, best at 01:15 at 62.4° due south (azimuth 180.04), magnitude
// −1.2 in Leo; Venus too near the Sun.
inline Night MadridNight() {
  Night n;
  n.span = Span::Of(Instant::FromUt(Jd(2027, 1, 15, 11, 0, 0)), 1);
  n.middle = Instant::FromUt(Jd(2027, 1, 16, 0, 30, 0));
  n.sun.set = At(Jd(2027, 1, 15, 17, 15, 0));
  n.sun.civilDusk = At(Jd(2027, 1, 15, 17, 45, 0));
  n.sun.nauticalDusk = At(Jd(2027, 1, 15, 18, 18, 0));
  n.sun.astronomicalDusk = At(Jd(2027, 1, 15, 18, 50, 0));
  n.sun.astronomicalDawn = At(Jd(2027, 1, 16, 6, 10, 0));
  n.sun.nauticalDawn = At(Jd(2027, 1, 16, 6, 42, 0));
  n.sun.civilDawn = At(Jd(2027, 1, 16, 7, 14, 0));
  n.sun.rise = At(Jd(2027, 1, 16, 7, 44, 0));
  n.moon.rise = Instant::FromUt(Jd(2027, 1, 15, 11, 30, 0));
  n.moon.set = Instant::FromUt(Jd(2027, 1, 15, 22, 45, 0));
  n.moon.phase = MoonPhase{0.52, 7.4, 91, PhaseCode::FirstQuarter};
  n.moon.altitudeAtMiddle = -10;
  PlanetNight mars;
  mars.body = Body::Mars;
  mars.aspect = PlanetAspect{8.0, 0.99, 165, false, -1.2};
  mars.instrument = Instrument::Eye;
  mars.constellation = "Leo";
  mars.visibleFrom = At(Jd(2027, 1, 15, 19, 30, 0));
  mars.visibleTo = At(Jd(2027, 1, 16, 6, 0, 0));
  mars.best = BestView{Instant::FromUt(Jd(2027, 1, 16, 1, 15, 0)), 62.4, 180.04, 8};
  PlanetNight venus;
  venus.body = Body::Venus;
  venus.aspect = PlanetAspect{20.0, 0.97, 12.5, true, -3.9};
  venus.constellation = "Cap";
  venus.miss = PlanetMiss::TooNearTheSun;
  n.planets = {venus, mars};
  return n;
}

// The same night by the method: the Sun sets two minutes later (17:17);
// Mars is seen 19:32 to 05:50, best at 01:06 (nine minutes earlier), 2.5°
// from its true place, in Cancer; Venus still too near the Sun.
inline MethodNight MadridMethodNight() {
  MethodNight m;
  m.sun.set = At(Jd(2027, 1, 15, 17, 17, 0));
  m.sun.rise = At(Jd(2027, 1, 16, 7, 44, 0));
  PlanetNight mars = MadridNight().planets[1];
  mars.visibleFrom = At(Jd(2027, 1, 15, 19, 32, 0));
  mars.visibleTo = At(Jd(2027, 1, 16, 5, 50, 0));
  mars.best = BestView{Instant::FromUt(Jd(2027, 1, 16, 1, 6, 0)), 61.0, 179.0, 8};
  mars.constellation = "Cnc";
  m.planets = {{MadridNight().planets[0], 0.7}, {mars, 2.5}};
  return m;
}

// That night's report, in PlusOne() from Madrid, with the default limits
// and no showers or eclipses.
inline NightAnswer MadridReport(const Night& night) {
  NightAnswer r;
  r.date = "2027-01-15";
  r.zone = PlusOne();
  r.place = Madrid();
  r.night = night;
  return r;
}

// Mars's outcome of one instant with round numbers, its labels' texts
// written as the window shows them: the Earth at (−0.25, 0.5, 0.75) AU,
// r 1.5; Mars at (1.5, −0.5, 0.25), r 1.6; right ascension 22 h 3 m
// 41.752 s, declination −13° 1′ 24.911″; without a place.
inline PlanetOutcome MarsOutcome() {
  PlanetOutcome p;
  p.body = 4;
  p.values.earth.x = -0.25, p.values.earth.y = 0.5, p.values.earth.z = 0.75, p.values.earth.radius = 1.5;
  p.values.planet.x = 1.5, p.values.planet.y = -0.5, p.values.planet.z = 0.25, p.values.planet.radius = 1.6;
  p.values.equatorial.rightAscensionHours = 22.0616;
  p.values.equatorial.rightAscensionDeg = 330.924;
  p.values.equatorial.declination = -13.0236;
  p.values.equatorial.geoDistance = 1.75;
  const std::pair<ResultLabel, const char*> texts[] = {
      {ResultLabel::rhelt, "1.5"}, {ResultLabel::xhelt, "-0.25"}, {ResultLabel::yhelt, "0.5"}, {ResultLabel::zhelt, "0.75"},
      {ResultLabel::planetahel, "Coordenadas heliocéntricas de Marte"}, {ResultLabel::rhelp, "1.6"},
      {ResultLabel::xhelp, "1.5"}, {ResultLabel::yhelp, "-0.5"}, {ResultLabel::zhelp, "0.25"},
      {ResultLabel::planetaec, "Coordenadas ecuatoriales de Marte"}, {ResultLabel::ascrec, "330.924"},
      {ResultLabel::declin, "-13.0236"}, {ResultLabel::arh, "22"}, {ResultLabel::arm, "3"}, {ResultLabel::ars, "41.752"},
      {ResultLabel::signo, "-"}, {ResultLabel::dg, "-13"}, {ResultLabel::dam, "1"}, {ResultLabel::das, "24.911"},
      {ResultLabel::rv, "1.75"}};
  for (const auto& [label, text] : texts) p.labels.Set(label, text);
  return p;
}

// The instant 2027-01-15 12:00 UT (Julian day 2461421), Mars alone.
inline InstantOutcome MarsInstant() {
  InstantOutcome o;
  o.horadec = "12";
  o.diajuliano = "2461421";
  o.julianDay = 2461421.0;
  o.planets = {MarsOutcome()};
  return o;
}

}  // namespace orbitas::testing
