#pragma once
// A place on the Earth from which the sky is seen.
#include <string>
#include <utility>

namespace orbitas {

struct Place {
  Place() = default;
  Place(double latitudeDegrees, double longitudeDegrees, std::string headingText = "")
      : latitude(latitudeDegrees), longitude(longitudeDegrees), text(std::move(headingText)) {}

  double latitude = 0.0;   // degrees, -90..90, north positive
  double longitude = 0.0;  // degrees, -180..180, east positive
  std::string text;        // "40.4168, -3.7038": as the headings show it
  // A place found by its name: the name, region and country (in Spanish)
  // the database gives, and its IANA zone; all empty for coordinates.
  std::string name, region, country, zone;
  unsigned population = 0;  // a gazetteer city's people, 0 when unknown
};

}  // namespace orbitas
