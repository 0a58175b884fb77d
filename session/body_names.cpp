#include "session/body_names.h"

#include "runtime/runtime_error.h"

namespace orbitas {

namespace {

constexpr std::array<std::string_view, 10> Names = {
    "", "Mercurio", "Venus", "Tierra", "Marte", "Júpiter", "Saturno", "Urano", "Neptuno", "Plutón"};

}  // namespace

std::string_view BodyName(Int16 p) {
  if (p < 0 || p > 9) RaiseSubscriptOutOfRange();
  return Names[static_cast<std::size_t>(p)];
}

const std::array<std::string_view, 10>& BodyNames() { return Names; }

}  // namespace orbitas
