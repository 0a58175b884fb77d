#pragma once
// An eclipse on the map (--mapa): a solar eclipse's path over the Earth
// and, seen from a place outside it, the nearest point inside and the
// nearest cities there; a lunar eclipse's points with the Moon overhead.
#include <optional>
#include <vector>

#include "session/sky_answers.h"
#include "session/sky_request.h"
#include "sky/eclipses/eclipse_path.h"

namespace orbitas {

// Where to go from the place: a point, how far (km on a sphere of 6371 km)
// and towards where (degrees from north through east).
struct WayTo {
  double latitude = 0, longitude = 0;
  double distance = 0, bearing = 0;
};

// A city of the gazetteer inside the path, with how it sees the eclipse.
struct CityInPath {
  Place city;
  WayTo way;                 // from the request's place
  LocalSolarEclipse local;   // total or annular there
};

struct EclipseMapAnswer {
  EclipseSeen seen;                       // with the place's own circumstances when it has one
  std::optional<Place> place;
  TimeZone zone;
  std::optional<SolarEclipsePath> path;   // a solar eclipse
  std::vector<SubLunarPoint> moonOverhead;  // a lunar eclipse
  bool placeInside = false;               // the place sees it total or annular
  std::optional<LocalSolarEclipse> local; // how, when it is inside
  std::optional<WayTo> nearest;           // the nearest point of the path, from a place outside it
  std::vector<CityInPath> cities;         // the nearest cities inside the path, at most MostCities
};
inline constexpr int MostCities = 5;

// The first eclipse after the request's `at` (not a transit), with its path
// or the Moon's points, and from its place the way to the path. Raises
// RequestRefused when no eclipse follows within the reference's span.
EclipseMapAnswer RunEclipseMap(const SkyRequest& request);

// The way from one point to another on the sphere of 6371 km. Raises nothing.
WayTo WayBetween(double fromLatitude, double fromLongitude, double toLatitude, double toLongitude);

}  // namespace orbitas
