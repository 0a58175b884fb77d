#include "session/places/home_place.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "files/keep_aside.h"
#include "files/safe_file.h"
#include "files/system_reason.h"
#include "runtime/shortest_text.h"
#include "session/request_refused.h"
#include "session/terminal_text.h"

namespace orbitas {
namespace {

constexpr const char* Keys[] = {"nombre", "region", "pais", "latitud", "longitud", "zona", "cielo"};

std::string Trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
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

// Why a file operation failed, in Spanish whatever the locale.
std::string Reason(const std::error_code& error) { return SystemReason(error.value()); }

[[noreturn]] void Unreadable(const std::string& path, const std::string& why) {
  throw HomeFileError("no se puede leer el lugar de casa, " + path + ": " + why);
}

}  // namespace

std::string RepairedHomeNote(const std::string& path) {
  return "el lugar de casa, " + ShownPath(path) + ", tiene bytes que no son UTF-8 válido: se leen como «\xEF\xBF\xBD»";
}

std::string HomePlacePath(const char* xdgConfigHome, const char* home) {
  if (xdgConfigHome && xdgConfigHome[0] == '/') return std::string(xdgConfigHome) + "/orbitas/orbitas.conf";
  if (home && home[0] != '\0') return std::string(home) + "/.config/orbitas/orbitas.conf";
  return "";
}

namespace {

// The home file's folder locked while it is read or written: the lock file
// orbitas.conf.lock beside it, held with flock (shared to read, exclusive to
// write) and released when it closes. A folder where the lock cannot be
// made (read-only, or missing) is read without it: a write renames a whole
// file into place, so a reader still sees the old file or the new one.
class HomeLock {
 public:
  HomeLock(const std::string& path, bool exclusive) {
    const std::string name = path + ".lock";
    fd_ = open(name.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd_ < 0 && !exclusive) fd_ = open(name.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd_ < 0) {
      if (exclusive) throw HomeFileError("no se puede guardar el lugar de casa en " + ShownPath(path) + ": " + SystemReason(errno));
      return;
    }
    while (flock(fd_, exclusive ? LOCK_EX : LOCK_SH) != 0 && errno == EINTR) {
    }
  }
  ~HomeLock() {
    if (fd_ >= 0) close(fd_);
  }
  HomeLock(const HomeLock&) = delete;
  HomeLock& operator=(const HomeLock&) = delete;

 private:
  int fd_ = -1;
};

std::optional<HomePlace> ReadUnlocked(const std::string& path);

}  // namespace

std::optional<HomePlace> ReadHomePlace(const std::string& path) {
  if (path.empty()) return std::nullopt;
  const HomeLock lock(path, false);
  return ReadUnlocked(path);
}

namespace {

std::optional<HomePlace> ReadUnlocked(const std::string& path) {
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
  // A name that is not UTF-8 is read with U+FFFD in place of its bad bytes,
  // and the front end says so.
  auto value = [&](const char* key) {
    bool replaced = false;
    std::string text = entries.count(key) ? ValidUtf8(entries.at(key).first, &replaced) : std::string();
    home.repairedText = home.repairedText || replaced;
    return text;
  };
  place.name = value("nombre"), place.region = value("region"), place.country = value("pais");
  home.zone = value("zona");
  home.sky = value("cielo");
  place.zone = home.zone;
  place.text = "casa: " + (place.name.empty() ? ShortestText(place.latitude) + ", " + ShortestText(place.longitude)
                                              : place.name + (place.country.empty() ? "" : ", " + place.country));
  return home;
}

// The home file's text for place, zone and sky.
std::string HomeFileText(const Place& place, const std::string& zone, const std::string& sky) {
  std::ostringstream text;
  text << "# Órbitas: el lugar de casa, escrito por orbitas-cli --guardar-lugar.\n[casa]\n";
  if (!place.name.empty()) {
    text << "nombre = " << place.name << "\nregion = " << place.region << "\npais = " << place.country << "\n";
  }
  text << "latitud = " << ShortestText(place.latitude) << "\nlongitud = " << ShortestText(place.longitude) << "\n";
  if (!zone.empty()) text << "zona = " << zone << "\n";
  if (!sky.empty()) text << "cielo = " << sky << "\n";
  return text.str();
}

// The folder of path, made when missing.
void MakeFolder(const std::string& path) {
  std::error_code error;
  const std::filesystem::path folder = std::filesystem::path(path).parent_path();
  std::filesystem::create_directories(folder, error);
  if (error) throw HomeFileError("no se puede crear la carpeta " + ShownPath(folder.string()) + ": " + Reason(error));
}

// Keeps a home file that cannot be read beside it, under the first of
// orbitas.conf.roto, .roto.1, .roto.2, … that is free, so that no earlier
// one is ever replaced: the file itself moves there, or for a link, a copy
// of what it leads to (the link stays, to be written through). Returns the
// name it is kept under.
std::string KeepBroken(const std::string& path) {
  try {
    return KeepAside(path);
  } catch (const FileWriteError& error) {
    throw HomeFileError("no se puede apartar el lugar de casa que no se lee, " + ShownPath(path) + ": " + error.why());
  }
}

}  // namespace

HomePlaceWritten WriteHomePlace(const std::string& path, const Place& place, const std::string& zone,
                                const std::string& sky) {
  if (path.empty()) throw HomeFileError("no se sabe dónde guardar el lugar: ni XDG_CONFIG_HOME ni HOME están definidas");
  MakeFolder(path);
  const HomeLock lock(path, true);
  HomePlaceWritten written;
  try {
    written.before = ReadUnlocked(path);
  } catch (const HomeFileError&) {
    // A file that cannot be read is kept beside, never overwritten; a
    // folder in its place is the user's to move.
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
      throw HomeFileError("no se puede guardar el lugar de casa en " + ShownPath(path) + ": es una carpeta, no un fichero");
    }
    written.keptBroken = KeepBroken(path);
  }
  try {
    WriteFileSafely(path, HomeFileText(place, zone, sky));
  } catch (const FileWriteError& error) {
    throw HomeFileError(error.what());
  }
  return written;
}

}  // namespace orbitas
