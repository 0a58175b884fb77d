#include "session/places/place_text.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <vector>

#include "session/nearest_names.h"
#include "session/places/place_names.h"
#include "session/request_refused.h"

namespace orbitas {
namespace {

double Degrees(const std::string& text, std::string_view what, double limit) {
  double value = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || result.ec != std::errc() || result.ptr != text.data() + text.size() || !std::isfinite(value)) {
    throw RequestRefused(std::string(what) + " no válida: «" + Shown(text) + "» (grados decimales con punto, como 40.4168)");
  }
  if (std::fabs(value) > limit) {
    throw RequestRefused(std::string(what) + " fuera de ±" + std::to_string(static_cast<int>(limit)) + "°: " + Shown(text));
  }
  return value;
}

}  // namespace

namespace {

// One coordinate: up to three numbers and a hemisphere's letter among
// letters (+1 for the first, -1 for the second); none when text is not of
// that form.
std::optional<double> Sexagesimal(std::string_view text, std::string_view positive, std::string_view negative) {
  std::vector<double> numbers;
  int sign = 0;
  for (std::size_t i = 0; i < text.size();) {
    const char c = text[i];
    if ((c >= '0' && c <= '9') || c == '.') {
      const std::size_t end = text.find_first_not_of("0123456789.", i);
      const std::string_view digits = text.substr(i, end == std::string_view::npos ? text.size() - i : end - i);
      double value = 0;
      const auto r = std::from_chars(digits.data(), digits.data() + digits.size(), value);
      if (r.ec != std::errc() || r.ptr != digits.data() + digits.size() || numbers.size() == 3) return std::nullopt;
      numbers.push_back(value);
      i += digits.size();
      continue;
    }
    const char upper = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    if (positive.find(upper) != std::string_view::npos || negative.find(upper) != std::string_view::npos) {
      if (sign != 0) return std::nullopt;
      sign = positive.find(upper) != std::string_view::npos ? 1 : -1;
      ++i;
      continue;
    }
    // The marks between the numbers: ° º ′ ″ ' " : and spaces.
    bool mark = false;
    for (std::string_view m : {"°", "º", "′", "″", "'", "\"", ":", " "}) {
      if (text.substr(i, m.size()) == m) {
        i += m.size();
        mark = true;
        break;
      }
    }
    if (!mark) return std::nullopt;
  }
  if (sign == 0 || numbers.empty()) return std::nullopt;
  if ((numbers.size() > 1 && numbers[1] >= 60) || (numbers.size() > 2 && numbers[2] >= 60)) return std::nullopt;
  return sign * (numbers[0] + (numbers.size() > 1 ? numbers[1] / 60 : 0) + (numbers.size() > 2 ? numbers[2] / 3600 : 0));
}

}  // namespace

std::optional<Place> ParseSexagesimalPlace(const std::string& text) {
  // Between the two: a comma, or else whatever follows the N or S.
  std::size_t split = text.find(',');
  std::size_t next = split == std::string::npos ? std::string::npos : split + 1;
  if (split == std::string::npos) {
    split = text.find_first_of("NnSs");
    if (split == std::string::npos) return std::nullopt;
    next = ++split;
  }
  const std::optional<double> latitude = Sexagesimal(std::string_view(text).substr(0, split), "N", "S");
  const std::optional<double> longitude = Sexagesimal(std::string_view(text).substr(next), "E", "WO");
  if (!latitude || !longitude) return std::nullopt;
  if (std::fabs(*latitude) > 90 || std::fabs(*longitude) > 180) {
    throw RequestRefused("lugar fuera de la Tierra: «" + Shown(text) + "» (latitud hasta 90°, longitud hasta 180°)");
  }
  Place place;
  place.latitude = *latitude, place.longitude = *longitude;
  char decimal[64];
  std::snprintf(decimal, sizeof decimal, "%.4f, %.4f", *latitude, *longitude);
  place.text = decimal;
  return place;
}

std::string WithHyphens(std::string text) {
  const std::string minus = "\u2212";
  for (std::size_t at; (at = text.find(minus)) != std::string::npos;) text.replace(at, minus.size(), "-");
  return text;
}

Place ParsePlace(const std::string& typed) {
  const std::string text = WithHyphens(typed);
  const std::size_t comma = text.find(',');
  if (comma == std::string::npos || text.find(',', comma + 1) != std::string::npos) {
    throw RequestRefused("lugar no válido: «" + Shown(text) + "» (LAT,LON en grados decimales, como 40.4168,-3.7038)");
  }
  Place place;
  // Spaces around the numbers, as a heading writes them, are no part of them.
  auto trimmed = [](const std::string& part) {
    const std::size_t first = part.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : part.substr(first, part.find_last_not_of(' ') - first + 1);
  };
  const std::string latitude = trimmed(text.substr(0, comma)), longitude = trimmed(text.substr(comma + 1));
  place.latitude = Degrees(latitude, "latitud", 90);
  place.longitude = Degrees(longitude, "longitud", 180);
  place.text = latitude + ", " + longitude;
  return place;
}

namespace {

// Coordinates with the zone of the city nearest to them: the clock people
// keep there, where UTC would put every time hours off.
TypedPlace WithNearestZone(Place place) {
  const Place city = NearestCity(place.latitude, place.longitude);
  place.zone = city.zone;
  return {std::move(place), {},
          "zona " + city.zone + ", la de la ciudad más cercana: " + city.name + " (" + city.region + ", " +
              city.country + ")"};
}

}  // namespace

TypedPlace PlaceFromText(const std::string& typed) {
  const std::string text = WithHyphens(typed);
  const bool letters = std::any_of(text.begin(), text.end(), [](unsigned char c) { return std::isalpha(c) || c >= 0x80; });
  const bool digits = std::any_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); });
  if (!letters) return WithNearestZone(ParsePlace(text));
  if (digits) {
    if (const std::optional<Place> place = ParseSexagesimalPlace(text)) return WithNearestZone(*place);
    // Numbers that read wrong ("inf,0", "1e308,0") are said as numbers.
    if (text.find_first_not_of("0123456789.,+-eEinfaINFA ") == std::string::npos) return WithNearestZone(ParsePlace(text));
    throw RequestRefused("lugar no válido: «" + Shown(text) +
                         "» (un nombre, como Madrid; LAT,LON en grados decimales, como 40.4168,-3.7038; o con minutos "
                         "y hemisferio, como 40°25′N,3°42′O)");
  }
  FoundPlace found = FindPlaceByName(text);
  std::string note = found.others.empty() ? std::string() : OthersNote(text, found);
  return {std::move(found.place), std::move(note), {}};
}

}  // namespace orbitas
