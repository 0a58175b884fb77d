#pragma once
// The meteor showers active on a night, each at its best dark hour: where
// its radiant stands highest while the sky is dark.
#include <vector>

#include "sky/night/night.h"
#include "sky/showers/meteor_showers.h"

namespace orbitas {

struct ShowerNight {
  const MeteorShower* shower = nullptr;
  double bestTime = 0;         // Julian day (UT): the radiant highest in the dark
  double radiantAltitude = 0;  // degrees, then
  double hourlyRate = 0;       // ZHR × sin(radiant altitude), none below the horizon
  double moonIlluminated = 0;  // the Moon's lit fraction then, 0..1
  bool moonUp = false;         // the Moon above the horizon then
};

// The showers active at the middle of the dark sky's night, in the order
// of the list; none when there is no dark interval. Raises nothing.
std::vector<ShowerNight> ShowersInTheNight(const Place& place, const DarkSky& dark);

}  // namespace orbitas
