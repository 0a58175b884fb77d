#include "report/json.h"

#include <cmath>
#include <cstdio>

#include "runtime/shortest_text.h"
#include "session/terminal_text.h"

namespace orbitas::report {

std::string JsonString(std::string_view raw) {
  // JSON is UTF-8: a byte that is not is written as U+FFFD.
  const std::string text = ValidUtf8(raw);
  std::string out = "\"";
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    // DEL and the C1 controls (U+0080 to U+009F, "\xC2\x80" to "\xC2\x9F")
    // are escaped too, so that no raw control reaches a terminal.
    if (c == '\x7F' || (c == '\xC2' && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) < 0xA0)) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", c == '\x7F' ? 0x7Fu : static_cast<unsigned char>(text[++i]));
      out += escape;
      continue;
    }
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\t': out += "\\t"; break;
      case '\r': out += "\\r"; break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char escape[8];
          std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
          out += escape;
        } else {
          out += c;
        }
    }
  }
  return out + "\"";
}

std::string JsonNumber(double x) {
  if (!std::isfinite(x)) return "null";
  char buffer[ShortestMaxLength];
  return std::string(buffer, WriteShortest(x, buffer));
}

}  // namespace orbitas::report
