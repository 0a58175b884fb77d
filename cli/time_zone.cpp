#include "time_zone.h"

#include <sys/stat.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "civil_days.h"
#include "usage_error.h"

namespace orbitas::cli {
namespace {

// The database's folder: TZDIR when set, as the C library reads it.
std::string ZoneFolder() {
  const char* dir = std::getenv("TZDIR");
  return dir && *dir ? dir : "/usr/share/zoneinfo";
}

bool IsZoneName(const std::string& text) {
  if (text.empty() || text[0] == '/' || text.find("..") != std::string::npos) return false;
  for (const char c : text) {
    const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '/' ||
                       c == '_' || c == '-' || c == '+';
    if (!plain) return false;
  }
  struct stat file {};
  return stat((ZoneFolder() + "/" + text).c_str(), &file) == 0 && S_ISREG(file.st_mode);
}

// The C library's zone, chosen once: the program is single-threaded and
// uses one zone for its whole run.
void UseZone(const std::string& name) {
  setenv("TZ", (":" + name).c_str(), 1);
  tzset();
}

std::tm LocalTm(double utcSeconds) {
  const auto t = static_cast<std::time_t>(std::floor(utcSeconds));
  std::tm tm{};
  localtime_r(&t, &tm);
  return tm;
}

}  // namespace

TimeZone TimeZone::Parse(const std::string& text) {
  TimeZone zone;
  zone.name_ = text;
  if (text == "UTC" || text == "utc" || text == "Z") return zone;
  if (text.size() == 6 && (text[0] == '+' || text[0] == '-') && text[3] == ':') {
    const auto digit = [&](std::size_t i) { return text[i] >= '0' && text[i] <= '9'; };
    if (digit(1) && digit(2) && digit(4) && digit(5)) {
      const int hours = (text[1] - '0') * 10 + (text[2] - '0'), minutes = (text[4] - '0') * 10 + (text[5] - '0');
      if (hours <= 14 && minutes < 60) {
        zone.fixed_ = (text[0] == '-' ? -1 : 1) * (hours * 3600L + minutes * 60L);
        return zone;
      }
    }
    throw UsageError("zona no válida: " + text + " (±HH:MM, de -14:00 a +14:00)");
  }
  if (!IsZoneName(text)) {
    throw UsageError("zona desconocida: " + text + " (UTC, ±HH:MM o un nombre como Europe/Madrid)");
  }
  zone.fixed_.reset();
  UseZone(text);
  return zone;
}

long TimeZone::OffsetAt(double utcSeconds) const {
  if (fixed_) return *fixed_;
  return LocalTm(utcSeconds).tm_gmtoff;
}

double TimeZone::UtcOf(const CivilTime& local) const {
  const double asUtc = SecondsFromCivil(local);
  if (fixed_) return asUtc - static_cast<double>(*fixed_);
  // The offset in force one day earlier and one day later; of the times
  // that these give, the first whose own offset agrees.
  for (const double guess : {asUtc - static_cast<double>(OffsetAt(asUtc - SecondsPerDay)),
                             asUtc - static_cast<double>(OffsetAt(asUtc + SecondsPerDay))}) {
    if (static_cast<double>(OffsetAt(guess)) == asUtc - guess) return guess;
  }
  return asUtc - static_cast<double>(OffsetAt(asUtc - SecondsPerDay));  // in a gap
}

std::string TimeZone::LocalIso(double utcSeconds) const {
  const long offset = OffsetAt(utcSeconds);
  CivilTime local = CivilFromSeconds(std::nearbyint(utcSeconds) + static_cast<double>(offset));
  local.second = std::floor(local.second + 0.5);
  char suffix[32];
  const long magnitude = offset < 0 ? -offset : offset;
  std::snprintf(suffix, sizeof suffix, "%c%02ld:%02ld", offset < 0 ? '-' : '+', magnitude / 3600,
                magnitude % 3600 / 60);
  return IsoText(local) + suffix;
}

}  // namespace orbitas::cli
