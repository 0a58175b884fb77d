#pragma once
// The answers of the commands that look at the sky from a place on a
// local date: each owns the place and the zone its texts name, so a
// writer, a window or a worker thread may keep it as long as it likes.
#include <optional>
#include <string>
#include <vector>

#include "calendar/time_zone.h"
#include "runtime/runtime_error.h"
#include "sky/eclipses/eclipses.h"
#include "sky/night/night.h"
#include "sky/night/night_showers.h"
#include "sky/night/rise_set.h"

namespace orbitas {

// An eclipse or transit, and how it looks from a place when one is given.
struct EclipseSeen {
  EclipseEvent event;
  std::optional<LocalSolarEclipse> solar;  // a solar eclipse, from the place
  std::optional<LocalLunarEclipse> lunar;  // a lunar eclipse, from the place
};

// Whether the place sees any of it: a solar eclipse with a kind there, a
// lunar one above the horizon at some contact; true without a place.
inline bool SeenFromThePlace(const EclipseSeen& seen) {
  if (seen.solar) return seen.solar->type.has_value();
  if (seen.lunar) return seen.lunar->visible;
  return true;
}

// The instant an eclipse is listed at: the place's own maximum of a solar
// eclipse it sees, else the greatest instant (a lunar eclipse's is the
// same everywhere).
inline Instant ListedInstant(const EclipseSeen& seen) {
  if (seen.solar && seen.solar->type) return seen.solar->Maximum();
  return GreatestOf(seen.event);
}

// The stretch of it the place sees: a solar eclipse's local first to last
// contact, a lunar eclipse's or a transit's own first to last (the same
// everywhere). Raises nothing.
inline Span SeenSpan(const EclipseSeen& seen) {
  const ContactList* contacts = nullptr;
  if (seen.solar && seen.solar->type) contacts = &seen.solar->contacts;
  if (const auto* lunar = std::get_if<LunarEclipse>(&seen.event)) contacts = &lunar->contacts;
  if (const auto* transit = std::get_if<Transit>(&seen.event)) contacts = &transit->contacts;
  if (!contacts || contacts->empty()) return {GreatestOf(seen.event), GreatestOf(seen.event)};
  return {contacts->front().time, contacts->back().time};
}

// The method's answer for a planet, set beside the sky's when asked: the
// same question worked out in the method's sky, and how far the method's
// direction is from the true one (degrees, at its best time or its
// culmination; none for Pluto, which has no other source).
struct MethodPlanetNight {
  PlanetNight planet;
  std::optional<double> error;
};
struct MethodNight {
  SunNight sun;                            // the night's Sun by the method
  std::vector<MethodPlanetNight> planets;  // in the night's order
};
struct MethodPlanetDay {
  PlanetDay day;
  std::optional<double> error;
};

// The night that begins on the evening of a local date.
struct NightAnswer {
  std::string date;  // the local date whose evening starts the night, ISO 8601
  Place place;
  TimeZone zone;
  NightLimits limits;
  Night night;
  std::vector<ShowerNight> showers;   // the meteor showers active that night
  std::vector<EclipseSeen> eclipses;  // an eclipse during the night, seen from the place
  std::optional<MethodNight> method;  // the method's night, when asked
  // Each planet's first rising, culmination and setting in the night's
  // span (local noon to noon), in the order of night.planets; empty unless
  // asked (SkyRequest::withPassages).
  std::vector<PlanetDay> passages;
};

// The risings, culminations and settings of a local date.
struct RiseSetAnswer {
  std::string date;  // the local date, ISO 8601
  Place place;
  TimeZone zone;
  std::vector<PlanetDay> planets;       // those computed, in order
  std::optional<RuntimeError> stopped;  // the run-time error that stopped the rest
  std::vector<MethodPlanetDay> method;  // the method's days of the Sun and the planets, when asked
};

// The method's answer for body beside a night or a day, or null where it
// has none (not asked, or the Moon). Raises nothing.
inline const MethodPlanetNight* MethodBeside(const NightAnswer& answer, Body body) {
  if (!answer.method) return nullptr;
  for (const MethodPlanetNight& m : answer.method->planets) {
    if (m.planet.body == body) return &m;
  }
  return nullptr;
}
inline const MethodPlanetDay* MethodBeside(const RiseSetAnswer& answer, Body body) {
  for (const MethodPlanetDay& m : answer.method) {
    if (m.day.body == body) return &m;
  }
  return nullptr;
}

}  // namespace orbitas
