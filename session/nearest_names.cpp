#include "session/nearest_names.h"

#include <glib.h>

#include <algorithm>
#include <cstdio>

namespace orbitas {

std::string Folded(std::string_view text) {
  std::string folded;
  if (g_utf8_validate(text.data(), static_cast<gssize>(text.size()), nullptr)) {
    // GLib writes ø as "oe", as Danish does without the letter; a person
    // typing Tromsø without it writes "Tromso".
    std::string copy;
    for (std::size_t k = 0; k < text.size(); ++k) {
      if (text.compare(k, 2, "\xC3\xB8") == 0 || text.compare(k, 2, "\xC3\x98") == 0) {
        copy += text[k + 1] == '\xB8' ? 'o' : 'O';
        ++k;
      } else {
        copy += text[k];
      }
    }
    // Transliteration by GLib's own tables, independent of the user's locale.
    gchar* ascii = g_str_to_ascii(copy.c_str(), "C");
    folded = ascii;
    g_free(ascii);
  } else {
    folded = text;
  }
  for (char& c : folded) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return folded;
}

namespace {

// The edit distance of a and b, or anything above cap once it must exceed
// it: a row's smallest value never decreases.
std::size_t EditDistance(const std::string& a, const std::string& b, std::size_t cap) {
  std::vector<std::size_t> row(b.size() + 1);
  for (std::size_t j = 0; j <= b.size(); ++j) row[j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    std::size_t diagonal = row[0];
    row[0] = i;
    std::size_t smallest = row[0];
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t above = row[j];
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
      diagonal = above;
      smallest = std::min(smallest, row[j]);
    }
    if (smallest > cap) return cap + 1;
  }
  return row[b.size()];
}

}  // namespace

std::vector<std::string> NearestNames(std::string_view text, const std::vector<std::string>& known) {
  const std::string folded = Folded(text);
  const std::size_t limit = std::clamp<std::size_t>(folded.size() / 3, 1, 3);
  std::size_t best = limit + 1;
  std::vector<std::string> nearest;
  for (const std::string& name : known) {
    // Folding shortens a name by at most half its bytes.
    if (name.size() + limit < folded.size() || name.size() > 2 * (folded.size() + limit)) continue;
    const std::string other = Folded(name);
    // Lengths further apart than the limit cannot be near: no need to
    // measure (a long text against every zone name would be slow).
    if (other.size() > folded.size() + limit || folded.size() > other.size() + limit) continue;
    const std::size_t d = EditDistance(folded, other, best);
    if (d > best) continue;
    if (d < best) nearest.clear();
    best = d;
    if (nearest.size() < 3 && std::find(nearest.begin(), nearest.end(), name) == nearest.end()) {
      nearest.push_back(name);
    }
  }
  return nearest;
}

std::string Shown(std::string_view text) {
  constexpr std::size_t MostCharacters = 60;
  std::string shown;
  std::size_t characters = 0;
  auto escaped = [](unsigned char c) {
    char code[8];
    std::snprintf(code, sizeof code, "\\x%02X", c);
    return std::string(code);
  };
  for (std::size_t i = 0; i < text.size();) {
    if (characters == MostCharacters) return shown + "…";
    const auto c = static_cast<unsigned char>(text[i]);
    const std::size_t length = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
    const char* end = nullptr;
    const bool valid = length > 1 && i + length <= text.size() &&
                       g_utf8_validate(text.data() + i, static_cast<gssize>(length), &end) &&
                       g_unichar_isprint(g_utf8_get_char(text.data() + i));
    if (length == 1 && c >= 0x20 && c != 0x7F) {
      shown += static_cast<char>(c);
      i += 1;
    } else if (valid) {
      shown.append(text.data() + i, length);
      i += length;
    } else {
      shown += escaped(c);
      i += 1;
    }
    ++characters;
  }
  return shown;
}

std::string SpanishList(const std::vector<std::string>& names) {
  std::string list;
  for (std::size_t k = 0; k < names.size(); ++k) list += (k == 0 ? "" : k + 1 == names.size() ? " o " : ", ") + names[k];
  return list;
}

std::string Suggestion(std::string_view text, const std::vector<std::string>& known) {
  const std::vector<std::string> nearest = NearestNames(text, known);
  if (nearest.empty()) return "";
  return "; ¿quería decir " + SpanishList(nearest) + "?";
}

}  // namespace orbitas
