#pragma once
// Eclipses of the Moon and the Sun and transits of Mercury and Venus, from
// the reference (the method has no Moon, and its Sun is 0.4 degrees off):
// ERFA's eraMoon98 and eraEpv00 (with eraPlan94 for the planets) at
// UT + ΔT, as apparent positions (sky/eclipses/apparent.h). Each search
// returns the next event after an instant, or none within a span. Times
// are Julian days (UT).
#include <functional>
#include <optional>
#include <variant>

#include "sky/bodies/body.h"
#include "sky/frames/place.h"

namespace orbitas {

enum class EclipseType { Penumbral, Partial, Total, Annular, Hybrid };

// The Earth's shadow is enlarged for its atmosphere by Danjon's rule, as
// NASA's Five Millennium Canon does: the Earth's radius by 1/85, so that
// the shadows' radii are 1.01 times the Moon's parallax (0.99834 of it for
// the Earth's mean figure) plus the Sun's parallax, less or plus the Sun's
// semidiameter.
struct LunarEclipse {
  double greatest = 0;           // the Moon's centre nearest the shadow's axis
  EclipseType type = EclipseType::Penumbral;
  double umbralMagnitude = 0;    // the fraction of the Moon's diameter in the umbra (negative outside)
  double penumbralMagnitude = 0;
  double gamma = 0;              // the Moon's centre from the axis, Earth radii, positive north
  // The contacts that happen: with the penumbra (P1, P4), the umbra (U1,
  // U4) and wholly inside it (U2, U3).
  std::optional<double> p1, u1, u2, u3, u4, p4;
  double deltaT = 0;             // seconds
};

struct SolarEclipse {
  double greatest = 0;           // the shadow's axis nearest the Earth's centre
  EclipseType type = EclipseType::Partial;
  double gamma = 0;              // that least distance, Earth radii, positive north
  bool central = true;           // the axis meets the Earth; when not, greatest eclipse is at the limb
  double magnitude = 0;          // at the point of greatest eclipse
  double latitude = 0, longitude = 0;     // that point, degrees
  std::optional<double> centralDuration;  // seconds of totality or annularity there (central only)
  double deltaT = 0;             // seconds
};

struct Transit {
  Body body = Body::Mercury;
  double greatest = 0;           // the planet's centre nearest the Sun's
  std::optional<double> t1, t2, t3, t4;  // external and internal contacts, geocentric
  double separation = 0;         // the least distance of the centres, arcseconds
  double deltaT = 0;             // seconds
};

// Where the Sun or the Moon stands at a contact, seen from a place.
struct ContactSky {
  double altitude = 0, azimuth = 0;  // degrees, geometric
};

enum class LocalMiss { None, OutsidePenumbra, SunBelowHorizon };

struct LocalSolarEclipse {
  std::optional<EclipseType> type;  // Partial, Total or Annular; none when it is not seen
  LocalMiss miss = LocalMiss::None;
  std::optional<double> c1, c2, c3, c4;
  double maximum = 0;
  double magnitude = 0;           // the fraction of the Sun's diameter covered at the maximum
  double obscuration = 0;         // the fraction of its disc, 0..1
  std::optional<double> duration;  // seconds of the total or annular phase
  // The Sun at C1, C2, C3, C4 (when they happen) and at the maximum.
  std::optional<ContactSky> sunC1, sunC2, sunC3, sunC4;
  ContactSky sunMaximum;
};

struct LocalLunarEclipse {
  // The Moon's altitude at each contact that happens, and whether any of
  // the eclipse stands above the horizon.
  std::optional<ContactSky> p1, u1, u2, u3, u4, p4;
  ContactSky greatest;
  bool visible = false;
};

// The next eclipse or transit after `after`, within `within` days (none
// beyond). Raises nothing.
std::optional<LunarEclipse> NextLunarEclipse(double after, double within = 36525);
std::optional<SolarEclipse> NextSolarEclipse(double after, double within = 36525);
std::optional<Transit> NextTransit(Body planet, double after, double within = 36525);

// One eclipse or transit, and its instant of greatest eclipse.
using EclipseEvent = std::variant<LunarEclipse, SolarEclipse, Transit>;
double GreatestOf(const EclipseEvent& event);

// Every eclipse and transit whose greatest instant is in [start, end), in
// time order, handed to each as found. Raises nothing.
void FindEclipses(double start, double end, const std::function<void(const EclipseEvent&)>& each);

// The first eclipse or transit after `after`, within `within` days.
std::optional<EclipseEvent> NextEclipse(double after, double within = 36525);

// How an eclipse looks from place. Raises nothing.
LocalSolarEclipse SolarEclipseFrom(const SolarEclipse& eclipse, const Place& place);
LocalLunarEclipse LunarEclipseFrom(const LunarEclipse& eclipse, const Place& place);

}  // namespace orbitas
