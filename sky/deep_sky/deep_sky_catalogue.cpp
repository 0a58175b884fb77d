#include "sky/deep_sky/deep_sky_catalogue.h"

#include <cctype>
#include <iterator>
#include <string>

namespace orbitas {
namespace {

constexpr DeepSkyObject Objects[] = {
#include "sky/tables/deep_sky_catalogue.inc"
};

// "NGC 0224" and "ngc224" alike: upper case, no spaces, no zeros before a number.
std::string Key(std::string_view text) {
  std::string out;
  bool inNumber = false;
  for (const char c : text) {
    if (c == ' ' || c == '\t') continue;
    const bool digit = std::isdigit(static_cast<unsigned char>(c)) != 0;
    if (digit && !inNumber && c == '0') continue;
    inNumber = digit;
    out += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  }
  return out;
}

}  // namespace

std::span<const DeepSkyObject> DeepSkyCatalogue() { return Objects; }

const DeepSkyObject* DeepSkyObjectNamed(std::string_view designation) {
  const std::string key = Key(designation);
  if (key.empty()) return nullptr;
  for (const DeepSkyObject& o : Objects)
    if (Key(o.id) == key) return &o;
  for (const DeepSkyObject& o : Objects) {
    if (!o.designation.empty() && Key(o.designation) == key) return &o;
    if (o.caldwell && key == "C" + std::to_string(o.caldwell)) return &o;
  }
  return nullptr;
}

}  // namespace orbitas
