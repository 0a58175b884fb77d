#pragma once
// The world an eclipse's map is drawn on: the coastlines and the borders
// of the countries (Natural Earth's 1:50m, tools/make-world-outlines.sh),
// and the plane the map lays them on.
#include <span>
#include <vector>

namespace orbitas {

enum class OutlineKind { Coast, Border };

struct Outline {
  OutlineKind kind = OutlineKind::Coast;
  std::span<const float> points;  // longitude, latitude (degrees), pair after pair
};

// Every coast and border, each once. Raises nothing.
const std::vector<Outline>& WorldOutlines();

// A map's plane: longitude and latitude (degrees) to x (east) and y
// (north), equirectangular about a central meridian and scaled by the
// cosine of a standard parallel, so that distances near it are true.
struct MapPlane {
  double centralLongitude = 0;  // degrees
  double standardParallel = 0;  // degrees
  // x, y in degrees of latitude at the standard parallel. Raises nothing.
  std::pair<double, double> Project(double latitude, double longitude) const;
  // Kilometres per unit of the plane along the standard parallel.
  double KilometresPerUnit() const { return 111.195; }
};

}  // namespace orbitas
