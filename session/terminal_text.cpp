#include "session/terminal_text.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

namespace orbitas {
namespace {

bool Continuation(unsigned char c) { return (c & 0xC0) == 0x80; }

std::size_t SequenceOf(std::string_view text, std::size_t i) {
  const auto c = static_cast<unsigned char>(text[i]);
  if (c < 0x80) return 1;
  std::size_t length = 0;
  unsigned char low = 0x80, high = 0xBF;  // the second byte's range
  if (c >= 0xC2 && c <= 0xDF) length = 2;
  else if (c == 0xE0) length = 3, low = 0xA0;
  else if (c == 0xED) length = 3, high = 0x9F;
  else if (c >= 0xE1 && c <= 0xEF) length = 3;
  else if (c == 0xF0) length = 4, low = 0x90;
  else if (c == 0xF4) length = 4, high = 0x8F;
  else if (c >= 0xF1 && c <= 0xF3) length = 4;
  else return 0;
  if (i + length > text.size()) return 0;
  const auto second = static_cast<unsigned char>(text[i + 1]);
  if (second < low || second > high) return 0;
  for (std::size_t k = 2; k < length; ++k) {
    if (!Continuation(static_cast<unsigned char>(text[i + k]))) return 0;
  }
  return length;
}

void Escape(std::string& out, unsigned char c) {
  char code[8];
  std::snprintf(code, sizeof code, "\\x%02X", c);
  out += code;
}

// Eight bytes at once, all printable ASCII (0x20 to 0x7E): a byte below
// 0x20 or from 0x7F up sets its high bit in one of the two tests, the
// classic "has less" and "has more" of a word of bytes.
bool PlainBlock(const char* bytes) {
  constexpr std::uint64_t Ones = 0x0101010101010101ULL, Highs = 0x8080808080808080ULL;
  std::uint64_t x = 0;
  std::memcpy(&x, bytes, sizeof x);
  const std::uint64_t below = (x - 0x20 * Ones) & ~x & Highs;
  const std::uint64_t above = ((x + Ones) | x) & Highs;
  return (below | above) == 0;
}

}  // namespace

std::size_t Utf8SequenceAt(std::string_view text, std::size_t i) { return SequenceOf(text, i); }

bool IsTerminalSafe(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    if (i + 8 <= text.size() && PlainBlock(text.data() + i)) {
      i += 8;
      continue;
    }
    const auto c = static_cast<unsigned char>(text[i]);
    if ((c >= 0x20 && c < 0x7F) || c == '\n' || c == '\t') {
      ++i;
      continue;
    }
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      i += 2;
      continue;
    }
    const std::size_t length = c >= 0x80 ? Utf8SequenceAt(text, i) : 0;
    if (length == 0 || (c == 0xC2 && static_cast<unsigned char>(text[i + 1]) < 0xA0)) return false;
    i += length;
  }
  return true;
}

std::string TerminalSafe(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const auto c = static_cast<unsigned char>(text[i]);
    const std::size_t length = Utf8SequenceAt(text, i);
    const bool crlf = c == '\r' && i + 1 < text.size() && text[i + 1] == '\n';
    if (length == 1 && (c >= 0x20 || c == '\n' || c == '\t' || crlf) && c != 0x7F) {
      out += static_cast<char>(c);
    } else if (length == 2 && c == 0xC2 && static_cast<unsigned char>(text[i + 1]) < 0xA0) {
      Escape(out, c), Escape(out, static_cast<unsigned char>(text[i + 1]));  // a C1 control
    } else if (length > 1) {
      out.append(text.data() + i, length);
    } else {
      Escape(out, c);
      i += 1;
      continue;
    }
    i += length;
  }
  return out;
}

std::string ValidUtf8(std::string_view text, bool* replaced) {
  std::string out;
  out.reserve(text.size());
  bool any = false;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = Utf8SequenceAt(text, i);
    if (length == 0) {
      out += "\xEF\xBF\xBD";
      any = true;
      i += 1;
    } else {
      out.append(text.data() + i, length);
      i += length;
    }
  }
  if (replaced) *replaced = any;
  return out;
}

}  // namespace orbitas
