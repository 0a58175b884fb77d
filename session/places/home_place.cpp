#include "session/places/home_place.h"

#include <algorithm>
#include <cerrno>
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
  throw HomeFileError(path + ":" + std::to_string(line) + ": " + why +
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

// Why a file operation failed, in Spanish, for the errors a user can meet.
std::string Reason(const std::error_code& error) {
  switch (static_cast<std::errc>(error.value())) {
    case std::errc::permission_denied: return "no hay permiso";
    case std::errc::is_a_directory: return "es una carpeta, no un fichero";
    case std::errc::not_a_directory: return "una parte del camino no es una carpeta";
    case std::errc::no_space_on_device: return "el disco está lleno";
    case std::errc::read_only_file_system: return "el sistema de ficheros es de solo lectura";
    case std::errc::too_many_symbolic_link_levels: return "demasiados enlaces simbólicos";
    case std::errc::filename_too_long: return "el nombre es demasiado largo";
    default: return error.message();
  }
}

[[noreturn]] void Unreadable(const std::string& path, const std::string& why) {
  throw HomeFileError("no se puede leer el lugar de casa, " + path + ": " + why);
}

}  // namespace

std::string HomePlacePath(const char* xdgConfigHome, const char* home) {
  if (xdgConfigHome && xdgConfigHome[0] == '/') return std::string(xdgConfigHome) + "/orbitas/orbitas.conf";
  if (home && home[0] != '\0') return std::string(home) + "/.config/orbitas/orbitas.conf";
  return "";
}

std::optional<HomePlace> ReadHomePlace(const std::string& path) {
  if (path.empty()) return std::nullopt;
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(path, error);
  if (status.type() == std::filesystem::file_type::not_found) return std::nullopt;
  if (error) Unreadable(path, Reason(error));
  if (std::filesystem::is_directory(status)) Unreadable(path, Reason(std::make_error_code(std::errc::is_a_directory)));
  std::ifstream in(path);
  if (!in) Unreadable(path, Reason(std::error_code(errno, std::generic_category())));
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

namespace {

// The home file's text for place and zone.
std::string HomeFileText(const Place& place, const std::string& zone) {
  std::ostringstream text;
  text << "# Órbitas: el lugar de casa, escrito por orbitas-cli --guardar-lugar.\n[casa]\n";
  if (!place.name.empty()) {
    text << "nombre = " << place.name << "\nregion = " << place.region << "\npais = " << place.country << "\n";
  }
  text << "latitud = " << Shortest(place.latitude) << "\nlongitud = " << Shortest(place.longitude) << "\n";
  if (!zone.empty()) text << "zona = " << zone << "\n";
  return text.str();
}

// Writes text to path whole or not at all: into path.nuevo, then renamed
// over it, the folder made first.
void WriteWhole(const std::string& path, const std::string& text) {
  std::error_code error;
  const std::filesystem::path folder = std::filesystem::path(path).parent_path();
  std::filesystem::create_directories(folder, error);
  if (error) throw HomeFileError("no se puede crear la carpeta " + folder.string() + ": " + Reason(error));
  const std::string temporary = path + ".nuevo";
  {
    std::ofstream out(temporary, std::ios::trunc);
    if (!out) throw HomeFileError("no se puede escribir " + path + ": " + Reason(std::error_code(errno, std::generic_category())));
    out << text;
    out.close();
    if (!out) {
      std::remove(temporary.c_str());
      throw HomeFileError("no se puede escribir " + path + ": el disco está lleno o no admite más");
    }
  }
  std::filesystem::rename(temporary, path, error);
  if (error) {
    std::remove(temporary.c_str());
    throw HomeFileError("no se puede escribir " + path + ": " + Reason(error));
  }
}

}  // namespace

HomePlaceWritten WriteHomePlace(const std::string& path, const Place& place, const std::string& zone) {
  if (path.empty()) throw HomeFileError("no se sabe dónde guardar el lugar: ni XDG_CONFIG_HOME ni HOME están definidas");
  HomePlaceWritten written;
  try {
    written.before = ReadHomePlace(path);
  } catch (const HomeFileError&) {
    // A file that cannot be read is kept beside, never overwritten; a
    // folder in its place is the user's to move.
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
      throw HomeFileError("no se puede guardar el lugar de casa en " + path + ": es una carpeta, no un fichero");
    }
    written.keptBroken = path + ".roto";
    std::filesystem::rename(path, written.keptBroken, error);
    if (error) throw HomeFileError("no se puede apartar el lugar de casa que no se lee, " + path + ": " + Reason(error));
  }
  WriteWhole(path, HomeFileText(place, zone));
  return written;
}

}  // namespace orbitas
