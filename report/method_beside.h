#pragma once
// The method's answer set beside the sky's, in words and in the JSON's
// "method" objects: "según el método de Kepler: se pone a las 02:19,
// 12 min antes".
#include <optional>
#include <string>
#include <string_view>

#include "calendar/time_zone.h"
#include "session/sky_answers.h"

namespace orbitas::report {

// How the method's time stands to the sky's, minutes (the method's less
// the sky's): "12 min antes", "3 min después", "a la vez" (under half a
// minute), in hours past 90 minutes and in days past 48 hours. Raises
// nothing.
std::string DifferenceWords(double minutes, std::string_view separator);

// A planet's night by the method in a few words, for the window's column
// and the text: "de 18:38 a 01:22, mejor a las 20:14 (9 min antes), a
// 2,5° del sitio real", or why the method does not see it. Raises nothing.
std::string MethodNightWords(const PlanetNight& method, const std::optional<double>& bestDifference,
                             const std::optional<double>& error, const TimeZone& zone, std::string_view separator);

// The line under a planet of the night (or the night's Sun), ending in a
// line break; "" where the night carries no method's answer for it.
// Raises nothing.
std::string MethodPlanetNightLine(const PlanetNight& seen, const NightAnswer& night, std::string_view separator);
std::string MethodSunLine(const NightAnswer& night, std::string_view separator);

// The line under a body of a day's risings and settings, ending in a line
// break; "" where the day carries no method's answer for it. Raises
// nothing.
std::string MethodDayLine(const PlanetDay& seen, const RiseSetAnswer& day, std::string_view separator);

// The "method" member of a body of the day and of the night's Sun: ",
// \"method\": {…}", or null where there is none. Times in the zone's ISO
// 8601, differences in minutes, the error bar in degrees. Raises nothing.
std::string MethodDayJson(const PlanetDay& seen, const RiseSetAnswer& day);
std::string MethodSunJson(const NightAnswer& night);

}  // namespace orbitas::report
