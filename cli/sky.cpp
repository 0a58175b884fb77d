#include "sky.h"

#include <charconv>
#include <cmath>

#include "reference_error.h"
#include "usage_error.h"

namespace orbitas::cli {
namespace {

double Degrees(const std::string& text, std::string_view what, double limit) {
  double value = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || result.ec != std::errc() || result.ptr != text.data() + text.size() || !std::isfinite(value)) {
    throw UsageError(std::string(what) + " no válida: «" + text + "» (grados decimales con punto, como 40.4168)");
  }
  if (std::fabs(value) > limit) {
    throw UsageError(std::string(what) + " fuera de ±" + std::to_string(static_cast<int>(limit)) + "°: " + text);
  }
  return value;
}

}  // namespace

Place ParsePlace(const std::string& text) {
  const std::size_t comma = text.find(',');
  if (comma == std::string::npos || text.find(',', comma + 1) != std::string::npos) {
    throw UsageError("lugar no válido: «" + text + "» (LAT,LON en grados decimales, como 40.4168,-3.7038)");
  }
  Place place;
  place.latitude = Degrees(text.substr(0, comma), "latitud", 90);
  place.longitude = Degrees(text.substr(comma + 1), "longitud", 180);
  place.text = text.substr(0, comma) + ", " + text.substr(comma + 1);
  return place;
}

SkyPosition PlanetInSky(double julianDay, Int16 body, const EquatorialCoordinates& eq, const Place& place) {
  SkyPosition sky;
  sky.horizon = ComputeHorizon(julianDay, eq.rightAscensionHours, eq.declination, place.latitude, place.longitude);
  sky.methodError = MethodErrorDegrees(julianDay, body, eq);
  return sky;
}

}  // namespace orbitas::cli
