#include "pictures.h"

#include "body_names.h"
#include "civil_days.h"
#include "civil_time.h"

namespace orbitas::cli {

OrbitPicture OrbitPictureOf(const InstantOutcome& outcome, const std::vector<Int16>& bodies) {
  OrbitPicture picture;
  picture.bodies = bodies;
  std::string instant = IsoText(CivilFromJulianDay(outcome.julianDay));
  instant[instant.find('T')] = ' ';
  picture.instant = instant;
  picture.julianDay = outcome.diajuliano.value_or("");
  for (const PlanetOutcome& p : outcome.planets) {
    if (!picture.earth && p.labels.Written(ResultLabel::zhelt)) picture.earth = p.values.earth;
    if (p.labels.Written(ResultLabel::zhelp)) picture.planets.emplace_back(p.body, p.values.planet);
  }
  if (outcome.error) {
    const std::string message(ErrorMessage(*outcome.error));
    if (!outcome.diajuliano) {
      picture.stopped = message + " en el día juliano";
    } else if (!outcome.planets.empty() && !outcome.planets.back().Complete()) {
      picture.stopped = message + " en " + std::string(BodyName(outcome.planets.back().body));
    } else {
      picture.stopped = message;
    }
  }
  return picture;
}

SkyPathCollector::SkyPathCollector(const std::vector<Int16>& bodies) {
  for (const Int16 body : bodies) paths_.push_back({body, {}});
}

void SkyPathCollector::Row(const std::string& instant, const PlanetOutcome& planet) {
  for (SkyPath& path : paths_) {
    if (path.body == planet.body) {
      const EquatorialCoordinates& eq = planet.values.equatorial;
      path.points.push_back({instant, eq.rightAscensionHours, eq.declination});
    }
  }
}

void SkyPathCollector::Stopped(const std::string& instant, const RuntimeError& error) {
  stopped_ = std::string(error.what()) + " en " + instant;
}

}  // namespace orbitas::cli
