#pragma once
// The pictures of orbitas-cli's --dibujo: what a single instant or a table
// hands to the drawing, and the limit of a drawn table.
#include <cstdint>
#include <string>
#include <vector>

#include "session/instant.h"
#include "sky/night/night.h"
#include "pictures/night_picture.h"
#include "pictures/orbit_picture.h"
#include "pictures/sky_dome_picture.h"
#include "pictures/sky_path_picture.h"
#include "cli/table.h"
#include "calendar/time_zone.h"

namespace orbitas::cli {

using pictures::OrbitPicture;
using pictures::SkyPath;

// The most rows (instants times planets) a path across the sky may draw.
inline constexpr std::int64_t MaxPictureRows = 100'000;

// The orbits picture of an instant's outcome: the Earth and the planets
// as far as they were computed, and where a run-time error stopped them.
OrbitPicture OrbitPictureOf(const InstantOutcome& outcome, const std::vector<Int16>& bodies);

// The whole sky from place at the instant of outcome: its planets, with
// the Sun, the Moon and the ecliptic. Bodies the method could not compute
// are left out.
pictures::SkyDome SkyDomeOf(const InstantOutcome& outcome, const ElementsTable& elements, const Place& place,
                            const TimeZone& zone);

// The night as a picture: the altitudes of its visible planets and of the
// Moon every five minutes from sunset to sunrise, over its twilight bands.
pictures::NightPicture NightPictureOf(const Night& night, const ElementsTable& elements, const Place& place,
                                      const TimeZone& zone, const std::string& date);

// Gathers each row's right ascension and declination, planet by planet.
class SkyPathCollector : public TableObserver {
 public:
  explicit SkyPathCollector(const std::vector<Int16>& bodies);
  void Row(const std::string& instant, const PlanetOutcome& planet) override;
  void Stopped(const std::string& instant, const RuntimeError& error) override;

  const std::vector<SkyPath>& paths() const { return paths_; }
  const std::string& stopped() const { return stopped_; }

 private:
  std::vector<SkyPath> paths_;
  std::string stopped_;
};

}  // namespace orbitas::cli
