#include "cli/typed_values.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <algorithm>
#include <vector>

#include "calendar/civil_days.h"
#include "cli/option_table.h"
#include "cli/usage_error.h"
#include "session/local_dates.h"
#include "session/deep_sky_words.h"
#include "session/names.h"
#include "session/nearest_names.h"
#include "runtime/number_text.h"

namespace orbitas::cli {
namespace {

// Reads exactly `count` digits (or at least `count` when atLeast) at pos.
std::optional<std::int64_t> Digits(std::string_view text, std::size_t& pos, std::size_t count,
                                   bool atLeast = false) {
  std::size_t end = pos;
  while (end < text.size() && text[end] >= '0' && text[end] <= '9') ++end;
  const std::size_t n = end - pos;
  if (n < count || (!atLeast && n != count) || n > 9) return std::nullopt;
  std::int64_t value = 0;
  std::from_chars(text.data() + pos, text.data() + end, value);
  pos = end;
  return value;
}

bool Expect(std::string_view text, std::size_t& pos, char c) {
  if (pos >= text.size() || text[pos] != c) return false;
  ++pos;
  return true;
}

// "[±]YYYY-MM-DD" from the start of text, pos left after it.
std::optional<CivilTime> ParseIsoDate(std::string_view text, std::size_t& pos) {
  int sign = 1;
  bool signed_ = false;
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
    sign = text[0] == '-' ? -1 : 1;
    signed_ = true;
    ++pos;
  }
  const auto year = Digits(text, pos, 4, signed_);
  if (!year || !Expect(text, pos, '-')) return std::nullopt;
  const auto month = Digits(text, pos, 2);
  if (!month || !Expect(text, pos, '-')) return std::nullopt;
  const auto day = Digits(text, pos, 2);
  if (!day) return std::nullopt;
  CivilTime t;
  t.year = sign * *year;
  t.month = static_cast<int>(*month);
  t.day = static_cast<int>(*day);
  if (t.month < 1 || t.month > 12 || t.day < 1 || t.day > DaysInMonth(t.year, t.month)) return std::nullopt;
  return t;
}

// ":SS" or ":SS.s…" at pos, to the end of text, into t.second.
bool ParseIsoSeconds(std::string_view text, std::size_t& pos, CivilTime& t) {
  if (!Expect(text, pos, ':')) return false;
  const std::size_t secondStart = pos;
  if (!Digits(text, pos, 2)) return false;
  if (pos < text.size() && text[pos] == '.') {
    ++pos;
    if (!Digits(text, pos, 1, true)) return false;
  }
  if (pos != text.size()) return false;
  std::from_chars(text.data() + secondStart, text.data() + pos, t.second);
  return t.second < 60;
}

std::optional<CivilTime> ParseIso(std::string_view text) {
  std::size_t pos = 0;
  std::optional<CivilTime> t = ParseIsoDate(text, pos);
  if (!t || pos == text.size()) return t;
  if (!Expect(text, pos, 'T')) return std::nullopt;
  const auto hour = Digits(text, pos, 2);
  if (!hour || !Expect(text, pos, ':')) return std::nullopt;
  const auto minute = Digits(text, pos, 2);
  if (!minute) return std::nullopt;
  t->hour = static_cast<int>(*hour);
  t->minute = static_cast<int>(*minute);
  if (t->hour > 23 || t->minute > 59) return std::nullopt;
  if (pos == text.size()) return t;
  if (!ParseIsoSeconds(text, pos, *t)) return std::nullopt;
  return t;
}

}  // namespace

namespace {

// "Z", "+02:00" or "-03:30" at the end of a date and time: its offset east
// of UTC in seconds, and text without it; none when text has no time or
// no such end.
std::optional<long> TrailingOffset(std::string_view& text) {
  if (text.find('T') == std::string_view::npos) return std::nullopt;
  if (text.back() == 'Z') {
    text.remove_suffix(1);
    return 0;
  }
  if (text.size() < 6) return std::nullopt;
  const std::string_view end = text.substr(text.size() - 6);
  const auto digit = [&](std::size_t i) { return end[i] >= '0' && end[i] <= '9'; };
  if ((end[0] != '+' && end[0] != '-') || end[3] != ':' || !digit(1) || !digit(2) || !digit(4) || !digit(5)) {
    return std::nullopt;
  }
  const int hours = (end[1] - '0') * 10 + (end[2] - '0'), minutes = (end[4] - '0') * 10 + (end[5] - '0');
  if (hours > 14 || minutes > 59 || (hours == 14 && minutes > 0)) return std::nullopt;
  text.remove_suffix(6);
  return (end[0] == '-' ? -1L : 1L) * (hours * 3600L + minutes * 60L);
}

}  // namespace

std::optional<TableInstant> ParseTableInstant(std::string_view text) {
  if (text.size() > 2 && (text.starts_with("JD") || text.starts_with("jd"))) {
    const std::string_view number = text.substr(2);
    double jd = 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), jd);
    if (result.ec != std::errc() || result.ptr != number.data() + number.size() || !std::isfinite(jd)) {
      return std::nullopt;
    }
    return TableInstant{std::nullopt, jd};
  }
  // A time with its offset is one instant whatever the zone: a Julian day.
  if (const std::optional<long> offset = TrailingOffset(text)) {
    const std::optional<CivilTime> civil = ParseIso(text);
    if (!civil) return std::nullopt;
    return TableInstant{std::nullopt, JulianDayAtOffset(*civil, static_cast<double>(*offset))};
  }
  if (const auto civil = ParseIso(text)) return TableInstant{civil, 0.0};
  return std::nullopt;
}

std::optional<double> ParseStepSeconds(std::string_view text) {
  if (text.size() < 2) return std::nullopt;
  double unit = 0;
  switch (text.back()) {
    case 'd': unit = SecondsPerDay; break;
    case 'h': unit = 3600; break;
    case 'm': unit = 60; break;
    case 's': unit = 1; break;
    default: return std::nullopt;
  }
  const std::string_view number = text.substr(0, text.size() - 1);
  double value = 0;
  const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
  if (result.ec != std::errc() || result.ptr != number.data() + number.size()) return std::nullopt;
  const double seconds = value * unit;
  if (!(seconds > 0) || !std::isfinite(seconds)) return std::nullopt;
  return seconds;
}

namespace {

std::string Lower(std::string text) {
  for (char& c : text) c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
  return text;
}

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() > end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

}  // namespace

namespace {

// The whole text as a decimal number with a point, if it is one and lies
// in [low, high] (above low when low is open); none otherwise.
std::optional<double> DecimalIn(const std::string& text, double low, double high, bool lowOpen = false) {
  double value = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || result.ec != std::errc() || result.ptr != text.data() + text.size()) return std::nullopt;
  if (!(lowOpen ? value > low : value >= low) || !(value <= high)) return std::nullopt;
  return value;
}

}  // namespace

double ParseAltitude(const std::string& text, std::string_view option) {
  if (const auto value = DecimalIn(text, -90, 90)) return *value;
  throw UsageError("altura no válida para " + std::string(option) + ": «" + Shown(text) +
                   "» (grados de -90 a 90, con punto decimal, como 10)");
}

double ParseSeparation(const std::string& text) {
  if (const auto value = DecimalIn(text, 0, 10, true)) return *value;
  throw UsageError("separación no válida: «" + Shown(text) + "» (grados, más de 0 y hasta 10, con punto decimal, como 1)");
}

double ParseMagnitudeLimit(const std::string& text) {
  if (const auto value = DecimalIn(text, -1.5, 6.5)) return *value;
  throw UsageError("magnitud límite no válida: «" + Shown(text) + "» (de -1.5 a 6.5, con punto decimal, como 4.5)");
}

double ParseChartField(const std::string& text) {
  if (const auto value = DecimalIn(text, 2, 90)) return *value;
  throw UsageError("campo no válido: «" + Shown(text) + "» (grados, de 2 a 90, con punto decimal, como 20)");
}

TimeZone ParseZone(const std::string& text) {
  if (text == "UTC" || text == "utc" || text == "Z") return TimeZone::FixedOffset(0, text);
  if (text.size() == 6 && (text[0] == '+' || text[0] == '-') && text[3] == ':') {
    const auto digit = [&](std::size_t i) { return text[i] >= '0' && text[i] <= '9'; };
    if (digit(1) && digit(2) && digit(4) && digit(5)) {
      const int hours = (text[1] - '0') * 10 + (text[2] - '0'), minutes = (text[4] - '0') * 10 + (text[5] - '0');
      if (minutes < 60 && (hours < 14 || (hours == 14 && minutes == 0))) {
        return TimeZone::FixedOffset((text[0] == '-' ? -1 : 1) * (hours * 3600L + minutes * 60L), text);
      }
    }
    throw UsageError("zona no válida: " + Shown(text) + " (±HH:MM, de -14:00 a +14:00)");
  }
  if (std::optional<TimeZone> zone = TimeZone::Named(text)) return *zone;
  const std::string nearest = Suggestion(text, TimeZone::DatabaseNames());
  if (!nearest.empty()) throw UsageError("zona desconocida: " + Shown(text) + nearest);
  throw UsageError("zona desconocida: " + Shown(text) + " (UTC, ±HH:MM o un nombre como Europe/Madrid)");
}

pictures::PictureFormat PictureFormatOf(const std::string& path) {
  using pictures::PictureFormat;
  const std::string lower = Lower(path);
  if (EndsWith(lower, ".svg")) return PictureFormat::Svg;
  if (EndsWith(lower, ".png")) return PictureFormat::Png;
  if (EndsWith(lower, ".pdf")) return PictureFormat::Pdf;
  throw UsageError("formato de dibujo desconocido: " + Shown(path) + " (se espera .svg, .png o .pdf)");
}

std::pair<int, int> ParsePictureSize(const std::string& text) {
  const std::size_t x = text.find_first_of("xX×");
  auto whole = [&](const std::string& part) {
    if (part.empty() || part.size() > 5 || part.find_first_not_of("0123456789") != std::string::npos) return -1;
    return std::atoi(part.c_str());
  };
  if (x != std::string::npos) {
    // "×" takes two bytes in UTF-8.
    const std::size_t after = text.compare(x, 2, "×") == 0 ? x + 2 : x + 1;
    const int width = whole(text.substr(0, x)), height = whole(text.substr(after));
    if (width >= 16 && width <= 10000 && height >= 16 && height <= 10000) return {width, height};
  }
  throw UsageError("tamaño no válido: " + Shown(text) + " (ANCHOxALTO, de 16 a 10000 píxeles, como 1200x900)");
}

Instant BoundInstant(const TableInstant& bound, const TimeZone& zone) {
  return bound.civil ? zone.InstantOf(*bound.civil) : Instant::FromUt(bound.julianDay);
}

CivilTime Today(const TimeZone& zone, int days, bool nightInProgress) {
  const Instant now = SystemNow();
  return nightInProgress ? NightInProgress(zone, now) : LocalDateAfter(zone, now, days);
}

TableInstant ParseBound(const std::string& text) {
  const std::optional<TableInstant> instant = ParseTableInstant(text);
  if (!instant) throw UsageError("fecha no válida: " + Shown(text) + " (se espera AAAA-MM-DD[THH:MM[:SS]] o JD...)");
  return *instant;
}

void RequireReferenceSpan(const TableInstant& bound, const std::string& text) {
  // The time of day counts: 3001-01-01T12:00 is past the span's end.
  const double jd = bound.civil
                        ? static_cast<double>(DaysFromCivil(bound.civil->year, bound.civil->month, bound.civil->day)) +
                              2440587.5 + (bound.civil->hour * 3600.0 + bound.civil->minute * 60.0 + bound.civil->second) / 86400.0
                        : bound.julianDay;
  if (!(jd >= ReferenceSpanStart && jd <= ReferenceSpanEnd)) {
    throw UsageError("fecha fuera del alcance de la referencia (" + std::string(ReferenceSpanText) + "): " + Shown(text) +
                     "; de ella vienen los eclipses, la Luna, las lluvias y los instantes de los fenómenos");
  }
}

namespace {

std::string OffsetText(long seconds) {
  char text[32];
  const long magnitude = seconds < 0 ? -seconds : seconds;
  std::snprintf(text, sizeof text, "%c%02ld:%02ld", seconds < 0 ? '-' : '+', magnitude / 3600, magnitude % 3600 / 60);
  return text;
}

}  // namespace

void RequireLocalTimeOnce(const CivilTime& local, const TimeZone& zone, const std::string& text) {
  const TimeZone::Reading reading = zone.ReadingOf(local);
  const std::string day = reading.clockAfter.Date();
  if (reading.kind == TimeZone::Reading::Kind::Skipped) {
    throw UsageError(Shown(text) + " no existe en " + zone.name() + ": el " + day +
                     " el reloj pasa de las " + reading.clockBefore.Clock() + " a las " +
                     reading.clockAfter.Clock() + " (de " + OffsetText(reading.before) + " a " +
                     OffsetText(reading.after) + ")");
  }
  if (reading.kind == TimeZone::Reading::Kind::Repeated) {
    // A date and time takes its offset after it; the six values, a fixed --zona.
    const std::string choice = text.find('T') != std::string::npos
                                   ? "añada la diferencia, como " + Shown(text) + OffsetText(reading.before)
                                   : "elija con --zona " + OffsetText(reading.before) + " o --zona " + OffsetText(reading.after);
    throw UsageError(Shown(text) + " ocurre dos veces en " + zone.name() + " (" + OffsetText(reading.before) + " y " +
                     OffsetText(reading.after) + ", el reloj vuelve atrás de las " +
                     reading.clockBefore.Clock() + " a las " + reading.clockAfter.Clock() +
                     "): " + choice);
  }
}

TableInstant ParseBoundIn(const std::string& text, const TimeZone& zone) {
  const TableInstant bound = ParseBound(text);
  if (bound.civil && text.find('T') != std::string::npos) RequireLocalTimeOnce(*bound.civil, zone, text);
  return bound;
}

TableInstant ReferenceBound(const std::string& text, const TimeZone& zone) {
  const std::string folded = Folded(text);
  const TableInstant bound = folded == "hoy" || folded == "manana" ? TableInstant{Today(zone, folded == "manana" ? 1 : 0), 0}
                                                                   : ParseBoundIn(text, zone);
  RequireReferenceSpan(bound, text);
  return bound;
}

// A local date, "AAAA-MM-DD" (astronomical years allowed), for option.
CivilTime LocalDate(const std::string& text, std::string_view option) {
  const std::optional<TableInstant> date = ParseTableInstant(text);
  if (!date || !date->civil || text.find('T') != std::string::npos) {
    throw UsageError("fecha no válida para " + std::string(option) + ": " + Shown(text) + " (AAAA-MM-DD)");
  }
  return *date->civil;
}

// The local date an optional date names: today for "hoy", the night in
// progress for "ahora" (a date left out), tomorrow for "mañana".
CivilTime DateOrToday(const std::string& text, const TimeZone& zone, std::string_view option) {
  if (text.empty()) throw UsageError("fecha vacía para " + std::string(option) + " (AAAA-MM-DD, hoy o mañana)");
  if (Folded(text) == "hoy") return Today(zone);
  // Now: the night in progress (before local noon, the one that began
  // yesterday evening); for a day's risings, today.
  if (Folded(text) == "ahora") return Today(zone, 0, option == "--noche");
  if (Folded(text) == "manana") return Today(zone, 1);
  return LocalDate(text, option);
}

std::optional<std::pair<int, int>> PaperSize(const std::string& text, bool pdf) {
  const std::string name = Folded(text);
  // Points (1/72 inch) and pixels at 150 per inch of 297 x 210 and 420 x 297 mm.
  if (name == "a4") return pdf ? std::pair{842, 595} : std::pair{1754, 1240};
  if (name == "a3") return pdf ? std::pair{1191, 842} : std::pair{2480, 1754};
  return std::nullopt;
}

// Nothing but blanks: what an unset shell variable gives.
bool Blank(const std::string& text) { return text.find_first_not_of(" \t\r\n") == std::string::npos; }

// A number as the window reads its fields: Val, where blanks and an empty
// text are fine, but nothing may be left unread.
const std::string& WholeNumber(const std::string& text, std::string_view what) {
  if (ValReadsWhole(text)) return text;
  std::string message(what);
  message += " no se lee entero como número: «" + text + "»";
  const std::size_t comma = text.find(',');
  if (comma != std::string::npos) {
    std::string withPoint = text;
    withPoint[comma] = '.';
    message += "; el separador decimal es el punto: " + withPoint;
  }
  throw UsageError(message);
}

// Six whole values are a local time that must happen once in zone (a
// fraction is the method's own reading, left to it).
void RequireSixValuesOnce(const DateTexts& date, const TimeZone& zone) {
  long values[6];
  for (std::size_t k = 0; k < 6; ++k) {
    char* end = nullptr;
    values[k] = std::strtol(date[k].c_str(), &end, 10);
    if (end == date[k].c_str() || *end != '\0') return;
  }
  if (values[1] < 1 || values[1] > 12 || values[2] < 1 || values[2] > 31 || values[3] < 0 || values[3] > 23 ||
      values[4] < 0 || values[4] > 59 || values[5] < 0 || values[5] > 59) {
    return;
  }
  CivilTime local;
  local.year = values[0], local.month = static_cast<int>(values[1]), local.day = static_cast<int>(values[2]);
  local.hour = static_cast<int>(values[3]), local.minute = static_cast<int>(values[4]);
  local.second = static_cast<double>(values[5]);
  std::string typed;
  for (const std::string& value : date) typed += (typed.empty() ? "" : " ") + value;
  RequireLocalTimeOnce(local, zone, typed);
}

bool ClampToReferenceSpan(CivilTime& end) {
  if (end.year < 3001 || (end.year == 3001 && end.month == 1 && end.day == 1 && end.hour == 0 && end.minute == 0 &&
                          end.second == 0)) {
    return false;
  }
  end = CivilTime{};
  end.year = 3001;
  return true;
}

Instrument ParseInstrument(const std::string& text) {
  const std::optional<Instrument> instrument = InstrumentOfCode(Folded(text));
  if (!instrument) {
    throw UsageError("instrumento desconocido: " + Shown(text) + " (" + SpanishList(InstrumentNames()) + ")" +
                     InstrumentSuggestion(text));
  }
  return *instrument;
}

SkyDarkness ParseSky(const std::string& text) {
  const std::optional<SkyDarkness> sky = SkyOfCode(Folded(text));
  if (!sky) {
    throw UsageError("cielo desconocido: " + Shown(text) + " (" + SpanishList(SkyNames()) + ")" +
                     Suggestion(text, SkyNames()));
  }
  return *sky;
}

double ParseAperture(const std::string& text) {
  if (const auto value = DecimalIn(text, 20, 2000)) return *value;
  throw UsageError("apertura no válida: «" + Shown(text) + "» (milímetros de 20 a 2000, como 150)");
}

TourCatalogue ParseTourCatalogue(const std::string& text) {
  const std::string folded = Folded(text);
  if (folded == "messier") return TourCatalogue::Messier;
  if (folded == "caldwell") return TourCatalogue::Caldwell;
  if (folded == "todos") return TourCatalogue::All;
  throw UsageError("catálogo desconocido para --objetos: " + Shown(text) + " (messier, caldwell o todos)" +
                   Suggestion(text, {"messier", "caldwell", "todos"}));
}

std::vector<DeepSkyType> ParseDeepSkyTypes(const std::string& text) {
  std::vector<DeepSkyType> types;
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t comma = std::min(text.find(',', start), text.size());
    const std::string word = text.substr(start, comma - start);
    const std::vector<DeepSkyType> named = DeepSkyTypesOfWord(word);
    if (named.empty()) {
      throw UsageError("tipo desconocido para --tipo: " + Shown(word) + " (" + SpanishList(DeepSkyTypeWordList()) +
                       ")" + Suggestion(word, DeepSkyTypeWordList()));
    }
    for (const DeepSkyType t : named)
      if (std::find(types.begin(), types.end(), t) == types.end()) types.push_back(t);
    start = comma + 1;
  }
  return types;
}

MapRegion ParseMapRegion(const std::string& text) {
  const std::string folded = Folded(text);
  if (folded == "mundo") return {MapRegion::World};
  if (folded == "auto") return {MapRegion::Auto};
  std::vector<double> corners;
  std::size_t start = 0;
  while (start <= text.size() && corners.size() < 5) {
    const std::size_t comma = std::min(text.find(',', start), text.size());
    const std::optional<double> value = DecimalIn(text.substr(start, comma - start), -180, 180);
    if (!value) break;
    corners.push_back(*value);
    start = comma + 1;
  }
  if (corners.size() != 4 || std::fabs(corners[0]) > 90 || std::fabs(corners[2]) > 90 || corners[0] == corners[2] ||
      corners[1] == corners[3]) {
    throw UsageError("región no válida: «" + Shown(text) + "» (mundo, auto o LAT1,LON1,LAT2,LON2 en grados, "
                     "como 35,-10,44,5)");
  }
  MapRegion r{MapRegion::Box};
  r.south = std::min(corners[0], corners[2]), r.north = std::max(corners[0], corners[2]);
  r.west = std::min(corners[1], corners[3]), r.east = std::max(corners[1], corners[3]);
  return r;
}

}  // namespace orbitas::cli
