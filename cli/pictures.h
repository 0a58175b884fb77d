#pragma once
// The pictures of orbitas-cli's --dibujo: what a single instant or a table
// hands to the drawing, and the limit of a drawn table.
#include <cstdint>
#include <string>
#include <vector>

#include "instant.h"
#include "orbit_picture.h"
#include "sky_path_picture.h"
#include "table.h"

namespace orbitas::cli {

using pictures::OrbitPicture;
using pictures::SkyPath;

// The most rows (instants times planets) a path across the sky may draw.
inline constexpr std::int64_t MaxPictureRows = 100'000;

// The orbits picture of an instant's outcome: the Earth and the planets
// as far as they were computed, and where a run-time error stopped them.
OrbitPicture OrbitPictureOf(const InstantOutcome& outcome, const std::vector<Int16>& bodies);

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
