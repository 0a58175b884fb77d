#include "report/json.h"

#include <cmath>
#include <cstdio>

#include "runtime/shortest_text.h"

namespace orbitas::report {

std::string JsonString(std::string_view text) {
  std::string out = "\"";
  for (const char c : text) {
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
