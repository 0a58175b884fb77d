#include "session/places/home_place.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "session/request_refused.h"
#include "runtime/shortest_text.h"

namespace orbitas {
namespace {

constexpr const char* Keys[] = {"nombre", "region", "pais", "latitud", "longitud", "zona"};

std::string Trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

std::string Shortest(double x) {
  char buffer[ShortestMaxLength];
  return std::string(buffer, WriteShortest(x, buffer));
}

[[noreturn]] void Malformed(const std::string& path, int line, const std::string& why) {
  throw RequestRefused(path + ":" + std::to_string(line) + ": " + why +
                   " (el fichero del lugar de casa lo escribe orbitas-cli --guardar-lugar)");
}

// A coordinate of the file, whole and within ±limit degrees.
double Coordinate(const std::string& path, int line, const std::string& text, double limit) {
  char* end = nullptr;
  const double value = std::strtod(text.c_str(), &end);
  if (text.empty() || *end != '\0' || !(std::fabs(value) <= limit)) Malformed(path, line, "coordenada no válida: " + text);
  return value;
}

// The key = value pairs of the [casa] section, each once.
std::map<std::string, std::pair<std::string, int>> Entries(const std::string& path, std::istream& in) {
  std::map<std::string, std::pair<std::string, int>> entries;
  std::string text;
  bool section = false;
  for (int line = 1; std::getline(in, text); ++line) {
    const std::string t = Trimmed(text);
    if (t.empty() || t[0] == '#' || t[0] == ';') continue;
    if (t == "[casa]") {
      section = true;
      continue;
    }
    const std::size_t equals = t.find('=');
    if (!section || equals == std::string::npos) Malformed(path, line, "se esperaba [casa] y líneas «clave = valor»");
    const std::string key = Trimmed(t.substr(0, equals));
    if (std::find(std::begin(Keys), std::end(Keys), key) == std::end(Keys)) Malformed(path, line, "clave desconocida: " + key);
    if (!entries.emplace(key, std::make_pair(Trimmed(t.substr(equals + 1)), line)).second) {
      Malformed(path, line, "clave repetida: " + key);
    }
  }
  return entries;
}

}  // namespace

std::string HomePlacePath(const char* xdgConfigHome, const char* home) {
  if (xdgConfigHome && xdgConfigHome[0] == '/') return std::string(xdgConfigHome) + "/orbitas/orbitas.conf";
  if (home && home[0] != '\0') return std::string(home) + "/.config/orbitas/orbitas.conf";
  return "";
}

std::optional<HomePlace> ReadHomePlace(const std::string& path) {
  if (path.empty() || !std::filesystem::exists(path)) return std::nullopt;
  std::ifstream in(path);
  if (!in) throw RequestRefused("no se puede leer " + path);
  const auto entries = Entries(path, in);
  for (const char* key : {"latitud", "longitud"}) {
    if (!entries.count(key)) Malformed(path, 1, std::string("falta la clave ") + key);
  }
  HomePlace home;
  Place& place = home.place;
  place.latitude = Coordinate(path, entries.at("latitud").second, entries.at("latitud").first, 90);
  place.longitude = Coordinate(path, entries.at("longitud").second, entries.at("longitud").first, 180);
  auto value = [&](const char* key) { return entries.count(key) ? entries.at(key).first : std::string(); };
  place.name = value("nombre"), place.region = value("region"), place.country = value("pais");
  home.zone = value("zona");
  place.zone = home.zone;
  place.text = "casa: " + (place.name.empty() ? Shortest(place.latitude) + ", " + Shortest(place.longitude)
                                              : place.name + (place.country.empty() ? "" : ", " + place.country));
  return home;
}

std::optional<HomePlace> WriteHomePlace(const std::string& path, const Place& place, const std::string& zone) {
  if (path.empty()) throw RequestRefused("no se sabe dónde guardar el lugar: ni XDG_CONFIG_HOME ni HOME están definidas");
  const std::optional<HomePlace> before = ReadHomePlace(path);  // refuses to replace what it cannot read
  std::ostringstream text;
  text << "# Órbitas: el lugar de casa, escrito por orbitas-cli --guardar-lugar.\n[casa]\n";
  if (!place.name.empty()) {
    text << "nombre = " << place.name << "\nregion = " << place.region << "\npais = " << place.country << "\n";
  }
  text << "latitud = " << Shortest(place.latitude) << "\nlongitud = " << Shortest(place.longitude) << "\n";
  if (!zone.empty()) text << "zona = " << zone << "\n";
  std::error_code error;
  std::filesystem::create_directories(std::filesystem::path(path).parent_path(), error);
  const std::string temporary = path + ".nuevo";
  {
    std::ofstream out(temporary, std::ios::trunc);
    out << text.str();
    out.close();
    if (!out) {
      std::remove(temporary.c_str());
      throw RequestRefused("no se puede escribir " + path);
    }
  }
  if (std::rename(temporary.c_str(), path.c_str()) != 0) {
    std::remove(temporary.c_str());
    throw RequestRefused("no se puede escribir " + path);
  }
  return before;
}

}  // namespace orbitas
