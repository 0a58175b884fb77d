#pragma once
// The sky from a place as orbitas-cli prints it: the horizon block of a
// planet at an instant, and the risings, culminations and settings of a
// day, as text or JSON.
#include <string>
#include <vector>

#include "sky/night/rise_set.h"
#include "sky/bodies/sky_position.h"
#include "calendar/time_zone.h"
#include "session/sky_answers.h"

namespace orbitas::report {

// "Coordenadas horizontales de Marte desde 40.4168, -3.7038" and its rows:
// altitude (with the method's error), apparent altitude, azimuth, hour
// angle and local sidereal time, numbers with the user's separator.
std::string HorizonBlock(std::string_view name, const Place& place, const SkyPosition& sky,
                         std::string_view separator);

// The "horizon" object: altitude, apparentAltitude, azimuth (degrees),
// hourAngle, localSiderealTime (hours), methodError (degrees, or null).
std::string HorizonJson(const SkyPosition& sky);

// "±0.4°", or "sin referencia" where the method's error is unknown.
std::string ErrorText(const std::optional<double>& degrees, std::string_view separator);

std::string RiseSetText(const RiseSetAnswer& report, std::string_view separator);
std::string RiseSetJson(const RiseSetAnswer& report);

// For a place found by its name, the JSON member that says which one it
// is: `, "place": {"name", "region", "country", "latitude", "longitude",
// "zone"}`; nothing for a place given by its coordinates.
std::string PlaceJson(const Place& place);

}  // namespace orbitas::report
