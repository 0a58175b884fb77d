#pragma once
// Eclipses of the Moon and the Sun and transits of Mercury and Venus, from
// the reference (the method has no Moon, and its Sun is 0.4 degrees off):
// ERFA's eraMoon98 and eraEpv00 (with eraPlan94 for the planets) at
// UT + ΔT, as apparent positions (sky/bodies/apparent.h). Each search
// returns the next event after an instant, or none within a span. Times
// are Julian days (UT).
#include <functional>
#include <optional>
#include <variant>
#include <vector>

#include "sky/bodies/body.h"
#include "calendar/instant.h"
#include "sky/frames/place.h"

namespace orbitas {

enum class EclipseType { Penumbral, Partial, Total, Annular, Hybrid };

// The instants an eclipse or a transit is told by: the Moon's disc
// touching the Earth's penumbra (P1, P4) and umbra (U1, U4) and wholly
// inside it (U2, U3); the Moon's disc and the Sun's seen from a place
// (C1 … C4); a planet's disc and the Sun's (T1 … T4); and the greatest
// eclipse between them.
enum class Contact { P1, U1, U2, U3, U4, P4, C1, C2, C3, C4, T1, T2, T3, T4, Greatest };

// Where the Sun or the Moon stands at a contact, seen from a place.
struct ContactSky {
  double altitude = 0, azimuth = 0;  // degrees, geometric
};

struct ContactEvent {
  Contact kind = Contact::Greatest;
  Instant time;                   // when it happens
  std::optional<ContactSky> sky;  // the eclipsed body seen from the place, when there is one
};

// The contacts that happen, the greatest among them, in time order.
using ContactList = std::vector<ContactEvent>;

// The contact of that kind in the list; null when it does not happen.
// Raises nothing.
const ContactEvent* FindContactEvent(const ContactList& contacts, Contact kind);

// The instant of a contact; none when it does not happen. Raises
// nothing.
std::optional<Instant> ContactTime(const ContactList& contacts, Contact kind);

// The time between two contacts, seconds; none unless both happen.
// Raises nothing.
std::optional<double> SecondsBetween(const ContactList& contacts, Contact first, Contact last);

// The Earth's shadow is enlarged for its atmosphere by Danjon's rule
// (sky/eclipses/shadow.h). The contacts: P1, U1, U2, Greatest, U3, U4,
// P4, those that happen.
struct LunarEclipse {
  Instant greatest;              // the Moon's centre nearest the shadow's axis
  EclipseType type = EclipseType::Penumbral;
  double umbralMagnitude = 0;    // the fraction of the Moon's diameter in the umbra (negative outside)
  double penumbralMagnitude = 0;
  double gamma = 0;              // the Moon's centre from the axis, Earth radii, positive north
  ContactList contacts;
  double deltaT = 0;             // seconds, ΔT at greatest.ut
};

struct SolarEclipse {
  Instant greatest;              // the shadow's axis nearest the Earth's centre
  EclipseType type = EclipseType::Partial;
  double gamma = 0;              // that least distance, Earth radii, positive north
  bool central = true;           // the axis meets the Earth; when not, greatest eclipse is at the limb
  double magnitude = 0;          // at the point of greatest eclipse
  double latitude = 0, longitude = 0;     // that point, degrees
  std::optional<double> centralDuration;  // seconds of totality or annularity there (central only)
  double deltaT = 0;             // seconds, ΔT at greatest.ut
};

// The contacts: T1, T2, Greatest, T3, T4 (external and internal,
// geocentric), those that happen.
struct Transit {
  Body body = Body::Mercury;
  Instant greatest;              // the planet's centre nearest the Sun's
  ContactList contacts;
  double separation = 0;         // the least distance of the centres, arcseconds
  double deltaT = 0;             // seconds, ΔT at greatest.ut
};

enum class LocalMiss { None, OutsidePenumbra, SunBelowHorizon };

// The contacts: Greatest (the local maximum) always, and C1, C2, C3, C4
// when they happen; each with the Sun's place in the sky.
struct LocalSolarEclipse {
  std::optional<EclipseType> type;  // Partial, Total or Annular; none when it is not seen
  LocalMiss miss = LocalMiss::None;
  ContactList contacts;
  double magnitude = 0;           // the fraction of the Sun's diameter covered at the maximum
  double obscuration = 0;         // the fraction of its disc, 0..1
  std::optional<double> duration;  // seconds of the total or annular phase
  Instant Maximum() const { return *ContactTime(contacts, Contact::Greatest); }
  ContactSky SunAtMaximum() const { return *FindContactEvent(contacts, Contact::Greatest)->sky; }
};

// The eclipse's contacts with the Moon's place in the sky at each, and
// whether any of the eclipse stands above the horizon.
struct LocalLunarEclipse {
  ContactList contacts;
  bool visible = false;
  ContactSky MoonAtGreatest() const { return *FindContactEvent(contacts, Contact::Greatest)->sky; }
};

// The first eclipse or transit whose greatest instant is after span.from
// (compared in UT) and before span.to (none beyond). The searches read
// the reference at TT and turn the Earth at UT. Raises nothing.
std::optional<LunarEclipse> NextLunarEclipse(const Span& span);
std::optional<SolarEclipse> NextSolarEclipse(const Span& span);
std::optional<Transit> NextTransit(Body planet, const Span& span);

// The century from `after`: the span of a search for the next one.
inline Span CenturyFrom(const Instant& after) { return Span::Of(after, 36525); }

// One eclipse or transit, and its instant of greatest eclipse.
using EclipseEvent = std::variant<LunarEclipse, SolarEclipse, Transit>;
Instant GreatestOf(const EclipseEvent& event);

// Every eclipse and transit whose greatest instant is in span (in UT), in
// time order, handed to each as found. What each raises propagates.
void FindEclipses(const Span& span, const std::function<void(const EclipseEvent&)>& each);

// The first eclipse or transit after span.from and before span.to.
std::optional<EclipseEvent> NextEclipse(const Span& span);

// How an eclipse looks from place. Raises nothing.
LocalSolarEclipse SolarEclipseFrom(const SolarEclipse& eclipse, const Place& place);
LocalLunarEclipse LunarEclipseFrom(const LunarEclipse& eclipse, const Place& place);

}  // namespace orbitas
