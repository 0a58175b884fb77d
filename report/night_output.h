#pragma once
// One night from a place as orbitas-cli prints it: an almanac's page in
// Spanish, or one JSON object.
#include <string>
#include <string_view>

#include "session/sky_answers.h"
#include "sky/night/night.h"
#include "sky/night/night_showers.h"
#include "calendar/time_zone.h"

namespace orbitas::report {

// A block for the Sun and the twilights, one for the Moon, then a short
// block per planet: the visible ones first, by their best time. Times are
// local, to the minute; numbers use separator.
std::string NightText(const NightAnswer& report, std::string_view separator);

// One JSON object (keys in docs/json.md): times in ISO 8601 with the
// zone's offset, angles in degrees, errors of times in minutes.
std::string NightJson(const NightAnswer& report);

// The Sun's block (sunset, the twilights, sunrise, with their errors) and
// the Moon's (rise, set, phase), as NightText writes them.
std::string SunAndMoonText(const NightAnswer& report, std::string_view separator);

// Why a planet of the night cannot be seen, in words ("demasiado cerca del
// Sol; de noche no pasa de 4,2°").
std::string PlanetNotSeenText(const PlanetNight& planet, const NightAnswer& report, std::string_view separator);

// The night's planets as the texts list them: the visible ones first, by
// their best time; then the others as asked.
std::vector<const PlanetNight*> OrderedPlanets(const Night& night);

// How many meteors an hour, in words: "menos de un meteoro por hora" below
// half of one, "un meteoro por hora", else "unos N meteoros por hora".
std::string MeteorRateText(double hourlyRate);

}  // namespace orbitas::report
