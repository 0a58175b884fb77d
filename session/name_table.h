#pragma once
// A small table of names by code ("UMa": "Osa Mayor", "Spica": "Espiga"),
// looked up in order.
#include <algorithm>
#include <optional>
#include <span>
#include <string_view>

namespace orbitas {

struct NamePair {
  std::string_view code, name;
};

// The name paired with code in table, or none.
inline std::optional<std::string_view> NameIn(std::span<const NamePair> table, std::string_view code) {
  const auto found = std::find_if(table.begin(), table.end(), [&](const NamePair& p) { return p.code == code; });
  if (found == table.end()) return std::nullopt;
  return found->name;
}

}  // namespace orbitas
