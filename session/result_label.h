#pragma once
// The result labels of a planet request, in the order a request writes
// them, named as the window's controls.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace orbitas {

enum class ResultLabel : std::uint8_t {
  rhelt, xhelt, yhelt, zhelt,
  planetahel, rhelp, xhelp, yhelp, zhelp,
  planetaec, ascrec, declin, arh, arm, ars, signo, dg, dam, das, rv
};
inline constexpr std::size_t ResultLabelCount = 20;

inline constexpr std::array<std::string_view, ResultLabelCount> ResultLabelNames = {
    "rhelt", "xhelt", "yhelt", "zhelt",
    "planetahel", "rhelp", "xhelp", "yhelp", "zhelp",
    "planetaec", "ascrec", "declin", "arh", "arm", "ars", "signo", "dg", "dam", "das", "rv"};

// The control name of a result label: "rhelt", ..., "rv".
constexpr std::string_view LabelName(ResultLabel label) {
  return ResultLabelNames[static_cast<std::size_t>(label)];
}

constexpr std::size_t Index(ResultLabel label) { return static_cast<std::size_t>(label); }

}  // namespace orbitas
