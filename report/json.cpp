#include "report/json.h"

#include <cmath>
#include <cstdio>

#include "runtime/shortest_text.h"
#include "session/terminal_text.h"

namespace orbitas::report {

namespace {

void Escaped(std::string& out, unsigned code) {
  char escape[8];
  std::snprintf(escape, sizeof escape, "\\u%04x", code);
  out += escape;
}

}  // namespace

std::string JsonString(std::string_view text) {
  std::string out;
  out.reserve(text.size() + 2);
  out += '"';
  for (std::size_t i = 0; i < text.size();) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c >= 0x80) {
      // JSON is UTF-8: a byte that is not is written as U+FFFD; the C1
      // controls (U+0080 to U+009F) are escaped, as DEL and C0 are below,
      // so that no raw control reaches a terminal.
      const std::size_t length = Utf8SequenceAt(text, i);
      if (length == 0) {
        out += "\xEF\xBF\xBD";
      } else if (c == 0xC2 && static_cast<unsigned char>(text[i + 1]) < 0xA0) {
        Escaped(out, static_cast<unsigned char>(text[i + 1]));
      } else {
        out.append(text.data() + i, length);
      }
      i += length == 0 ? 1 : length;
      continue;
    }
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\t': out += "\\t"; break;
      case '\r': out += "\\r"; break;
      default:
        if (c < 0x20 || c == 0x7F) Escaped(out, c);
        else out += static_cast<char>(c);
    }
    ++i;
  }
  out += '"';
  return out;
}

std::string JsonNumber(double x) {
  if (!std::isfinite(x)) return "null";
  char buffer[ShortestMaxLength];
  return std::string(buffer, WriteShortest(x, buffer));
}

}  // namespace orbitas::report
