#include "report/text_layout.h"

#include "runtime/number_text.h"

#include <cctype>
#include <cmath>

namespace orbitas::report {

std::size_t DisplayWidth(std::string_view text) {
  std::size_t characters = 0;
  for (const char c : text) characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return characters;
}

std::string PadRight(std::string text, std::size_t width, std::size_t minimumGap) {
  const std::size_t used = DisplayWidth(text);
  const std::size_t gap = used < width ? width - used : 0;
  text.append(gap < minimumGap ? minimumGap : gap, ' ');
  return text;
}

void PadFrom(std::string& out, std::size_t start, std::size_t width) {
  const std::size_t used = DisplayWidth(std::string_view(out).substr(start));
  if (used < width) out.append(width - used, ' ');
}

std::string HoursMinutesSeconds(const std::string& hours, const std::string& minutes,
                                const std::string& seconds) {
  return hours + " h " + minutes + " m " + seconds + " s";
}

std::string DegreesMinutesSeconds(const std::string& sign, const std::string& degrees,
                                  const std::string& minutes, const std::string& seconds) {
  return (sign.empty() ? "" : sign + " ") + degrees + "° " + minutes + "′ " + seconds + "″";
}

std::string AzimuthText(double degrees, std::string_view separator) {
  const double tenths = std::round(degrees * 10);
  return Format(tenths >= 3600 || tenths < 0 ? 0.0 : degrees, "#0.0", separator);
}

std::string DateAtTime(const std::string& localMinute) {
  // The clock is the last word: "lun 14 dic 2026 18:07", "2026-12-14 18:07".
  const std::size_t space = localMinute.rfind(' ');
  if (space == std::string::npos) return localMinute;
  return localMinute.substr(0, space) + " a las " + localMinute.substr(space + 1);
}

std::string DateText(std::string iso) {
  if (!iso.empty() && iso[0] == '-') iso.replace(0, 1, "\u2212");
  return iso;
}

std::string PlaceText(const Place& place) {
  // A place's text holds no hyphen but its coordinates' signs, each at the
  // start of a number: "37.3828, -5.9732", "Sevilla (…; 37.3828, -5.9732)".
  std::string text;
  for (std::size_t i = 0; i < place.text.size(); ++i) {
    const char c = place.text[i];
    const bool startsNumber = i == 0 || place.text[i - 1] == ' ' || place.text[i - 1] == '(';
    text += c == '-' && startsNumber ? std::string("\u2212") : std::string(1, c);
  }
  return text;
}

std::string CsvField(std::string_view text) {
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
  std::string quoted = "\"";
  for (const char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

}  // namespace orbitas::report
