#pragma once
// A place on the Earth from which the sky is seen.
#include <string>

namespace orbitas {

struct Place {
  double latitude = 0.0;   // degrees, -90..90, north positive
  double longitude = 0.0;  // degrees, -180..180, east positive
  std::string text;        // "40.4168, -3.7038": as the headings show it
};

}  // namespace orbitas
