#pragma once
// The meteor showers active on a night, each at its best hour: when a
// naked-eye observer sees most of its meteors, from the shower's activity
// that day, the radiant's height and the sky's darkness with the Moon.
#include <optional>
#include <vector>

#include "sky/night/night.h"
#include "sky/showers/meteor_showers.h"

namespace orbitas {

struct ShowerNight {
  const MeteorShower* shower = nullptr;
  Instant bestTime;              // the highest hourly rate in astronomical darkness
  bool darkestHour = false;      // no astronomical darkness that night: bestTime is the darkest instant
  double radiantAltitude = 0;    // degrees, then
  double zhrNow = 0;             // the activity profile's ZHR then
  double limitingMagnitude = 0;  // the naked eye's, at the radiant, then
  double hourlyRate = 0;         // HR = ZHR · sin(h) / r^(6.5 − LM); none with the radiant below the horizon
  double moonIlluminated = 0;    // the Moon's lit fraction then, 0..1
  bool moonUp = false;           // the Moon above the horizon then
  // The radiant's highest altitude in the dark (degrees), when it stays
  // below the horizon all that time: no meteor of it is seen that night.
  std::optional<double> radiantHighest;
};

// What a naked-eye observer at place sees of shower at `at` (the horizon
// at at.ut, the reference's Sun and Moon at at.tt):
// the profile's ZHR for the reference Sun's longitude, the radiant's
// altitude, the limiting magnitude at the radiant under sky (its class's
// moonless brightness, twilight and the Moon's light), and the hourly rate
// they give. Raises nothing.
ShowerNight ShowerAt(const MeteorShower& shower, const Place& place, Instant at, SkyDarkness sky = SkyDarkness::Rural);

// The showers active at middle, in the order of the list, each at its
// highest hourly rate within astronomicalDark (the Sun below −18°,
// searched in UT), or at darkest (the Sun lowest) when that is empty;
// only `only` when it is given; one whose radiant never rises in the dark
// says how high it comes (radiantHighest). Raises nothing.
std::vector<ShowerNight> ShowersInTheNight(const Place& place, const std::vector<Span>& astronomicalDark,
                                           Instant middle, Instant darkest, SkyDarkness sky = SkyDarkness::Rural,
                                           const MeteorShower* only = nullptr);

}  // namespace orbitas
