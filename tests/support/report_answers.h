#pragma once
// Small fixed answers for the report writers' tests, built in one place:
// the zone, the place, a phenomenon, an eclipse, a shower's peak and a
// night, each with round numbers whose text is known by hand. When the
// answers' types change, this file is what changes.
#include <string>

#include "calendar/time_zone.h"
#include "session/runners.h"
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

// The Perseids' peak, 2027-08-13 07:00 UT, the Moon 25 % lit.
inline ShowerPeak PerseidsPeak() {
  ShowerPeak peak;
  for (const MeteorShower& s : MeteorShowers())
    if (s.code == "PER") peak.shower = &s;
  peak.time = Instant::FromUt(Jd(2027, 8, 13, 7, 0, 0));
  peak.moonIlluminated = 0.25;
  peak.deltaT = 70;
  return peak;
}

}  // namespace orbitas::testing
