#include "calendar/time_zone.h"

#include <date/ptz.h>
#include <date/tz.h>

#include <chrono>
#include <cmath>
#include <ctime>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "calendar/civil_days.h"

namespace orbitas {
namespace {

using Seconds = std::chrono::seconds;

// The whole second at or before seconds, as a count the library takes.
Seconds::rep WholeSeconds(double seconds) { return static_cast<Seconds::rep>(std::floor(seconds)); }

// The POSIX TZ string on the last line of a compiled zone file, which
// tells the offsets after the file's last transition; empty if none.
std::string FooterRule(const std::string& name) {
  std::ifstream file("/usr/share/zoneinfo/" + name, std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  if (bytes.size() < 2 || bytes.back() != '\n') return "";
  const std::size_t start = bytes.rfind('\n', bytes.size() - 2);
  return start == std::string::npos ? "" : bytes.substr(start + 1, bytes.size() - start - 2);
}

}  // namespace

struct TimeZone::Rule {
  date::sys_seconds from;      // the last transition of the database
  Posix::time_zone posix;      // the rule from then on
};

TimeZone TimeZone::FixedOffset(long seconds, std::string name) {
  TimeZone zone;
  zone.name_ = std::move(name);
  zone.offset_ = seconds;
  return zone;
}

std::optional<TimeZone> TimeZone::Named(const std::string& name) {
  try {
    TimeZone zone;
    zone.zone_ = date::locate_zone(name);
    zone.name_ = name;
    const std::string footer = FooterRule(name);
    if (!footer.empty()) {
      const auto farFuture = date::sys_days{date::year{9999} / 1 / 1};
      const date::sys_seconds last = zone.zone_->get_info(farFuture).begin;
      zone.rule_ = std::make_shared<const Rule>(Rule{last, Posix::time_zone(footer)});
    }
    return zone;
  } catch (const std::runtime_error&) {
    return std::nullopt;  // not in the database, or no database at all
  }
}

const std::vector<std::string>& TimeZone::DatabaseNames() {
  // Read once: the database does not change while the program runs.
  static const std::vector<std::string> names = [] {
    std::vector<std::string> all;
    try {
      for (const date::time_zone& zone : date::get_tzdb().zones) all.emplace_back(zone.name());
    } catch (const std::runtime_error&) {
    }
    return all;
  }();
  return names;
}

long TimeZone::OffsetAt(double utcSeconds) const {
  if (!zone_) return offset_;
  const date::sys_seconds instant{Seconds(WholeSeconds(utcSeconds))};
  if (rule_ && instant >= rule_->from) return static_cast<long>(rule_->posix.get_info(instant).offset.count());
  return static_cast<long>(zone_->get_info(instant).offset.count());
}

std::string TimeZone::AbbreviationAt(const Instant& t) const {
  if (!zone_) return name_;
  const date::sys_seconds instant{Seconds(WholeSeconds(UnixSecondsFromJulianDay(t.ut)))};
  if (rule_ && instant >= rule_->from) return rule_->posix.get_info(instant).abbrev;
  return zone_->get_info(instant).abbrev;
}

double TimeZone::UtcOf(const CivilTime& local) const {
  const double asUtc = SecondsFromCivil(local);
  if (!zone_) return asUtc - static_cast<double>(offset_);
  // In a gap the first offset is the one before the change; of a repeated
  // time, the first of its two.
  const date::local_seconds instant{Seconds(WholeSeconds(asUtc))};
  const bool afterTable = rule_ && date::sys_seconds{instant.time_since_epoch()} - date::days{1} >= rule_->from;
  const date::local_info info = afterTable ? rule_->posix.get_info(instant) : zone_->get_info(instant);
  return asUtc - static_cast<double>(info.first.offset.count());
}

TimeZone::Reading TimeZone::ReadingOf(const CivilTime& local) const {
  if (!zone_) return {};
  const date::local_seconds instant{Seconds(WholeSeconds(SecondsFromCivil(local)))};
  const bool afterTable = rule_ && date::sys_seconds{instant.time_since_epoch()} - date::days{1} >= rule_->from;
  const date::local_info info = afterTable ? rule_->posix.get_info(instant) : zone_->get_info(instant);
  if (info.result == date::local_info::unique) return {};
  Reading reading;
  reading.kind = info.result == date::local_info::nonexistent ? Reading::Kind::Skipped : Reading::Kind::Repeated;
  reading.before = static_cast<long>(info.first.offset.count());
  reading.after = static_cast<long>(info.second.offset.count());
  const double change = static_cast<double>(info.second.begin.time_since_epoch().count());
  reading.clockBefore = {CivilFromSeconds(change + static_cast<double>(reading.before)), reading.before};
  reading.clockAfter = {CivilFromSeconds(change + static_cast<double>(reading.after)), reading.after};
  return reading;
}

LocalTime TimeZone::LocalAt(double utcSeconds) const {
  const long offset = OffsetAt(utcSeconds);
  CivilTime local = CivilFromSeconds(std::nearbyint(utcSeconds) + static_cast<double>(offset));
  local.second = std::floor(local.second + 0.5);
  return {local, offset};
}

Instant SystemNow() { return Instant::FromUt(JulianDayFromUnixSeconds(static_cast<double>(std::time(nullptr)))); }

Instant TimeZone::InstantOf(const CivilTime& local) const {
  return Instant::FromUt(JulianDayFromUnixSeconds(UtcOf(local)));
}

LocalTime TimeZone::ToSecond(const Instant& t) const { return LocalAt(UnixSecondsFromJulianDay(t.ut)); }

LocalTime TimeZone::ToMinute(const Instant& t) const {
  LocalTime local = LocalAt(UnixSecondsFromJulianDay(t.ut) + 30);
  local.civil.second = 0;
  return local;
}

long TimeZone::OffsetAt(const Instant& t) const { return OffsetAt(UnixSecondsFromJulianDay(t.ut)); }

double TimeZone::ClockHours(const Instant& from, const Instant& to) const {
  const double at = UnixSecondsFromJulianDay(to.ut), start = UnixSecondsFromJulianDay(from.ut);
  return (at + static_cast<double>(OffsetAt(at)) - start - static_cast<double>(OffsetAt(start))) / 3600;
}

std::vector<Instant> TimeZone::WholeHoursFrom(const Instant& from, double hours) const {
  std::vector<Instant> ticks;
  const long offset = OffsetAt(UnixSecondsFromJulianDay(from.ut));
  const double localStart = UnixSecondsFromJulianDay(from.ut) + static_cast<double>(offset);
  for (double local = std::ceil(localStart / 3600) * 3600; local <= localStart + hours * 3600; local += 3600) {
    ticks.push_back(Instant::FromUt(JulianDayFromUnixSeconds(local - static_cast<double>(offset))));
  }
  return ticks;
}

CivilTime TimeZone::ClockMoved(const Instant& t, double seconds, double moreSeconds) const {
  const double utc = UnixSecondsFromJulianDay(t.ut);
  const double local = utc + static_cast<double>(OffsetAt(utc));
  return CivilFromSeconds(local + seconds + moreSeconds);
}

std::string LocalTime::Offset() const {
  char text[32];
  const long magnitude = offset < 0 ? -offset : offset;
  std::snprintf(text, sizeof text, "%c%02ld:%02ld", offset < 0 ? '-' : '+', magnitude / 3600, magnitude % 3600 / 60);
  return text;
}

std::string LocalTime::Iso() const { return IsoText(civil) + Offset(); }

std::string LocalTime::Date() const { return IsoDate(civil); }

std::string LocalTime::MonthDay() const {
  char text[8];
  std::snprintf(text, sizeof text, "%02d-%02d", civil.month, civil.day);
  return text;
}

std::string LocalTime::Clock() const {
  char text[8];
  std::snprintf(text, sizeof text, "%02d:%02d", civil.hour, civil.minute);
  return text;
}

std::string LocalTime::ClockSeconds() const {
  char text[12];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d", civil.hour, civil.minute, static_cast<int>(civil.second));
  return text;
}

std::string LocalTime::Minute() const { return Date() + " " + Clock(); }

LocalDay LocalDayOf(const CivilTime& day, const TimeZone& zone, int fromHour) {
  CivilTime date = day;
  date.hour = fromHour;
  date.minute = 0;
  date.second = 0;
  CivilTime next = date;
  const CivilDate following = CivilFromDays(DaysFromCivil(next.year, next.month, next.day) + 1);
  next.year = following.year;
  next.month = following.month;
  next.day = following.day;
  return {IsoDate(date), {zone.InstantOf(date), zone.InstantOf(next)}};
}

}  // namespace orbitas
