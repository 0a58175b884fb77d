#include "body_names.h"

#include <array>

#include "runtime_error.h"

namespace orbitas {

std::string_view BodyName(Int16 p) {
  static constexpr std::array<std::string_view, 10> Names = {
      "", "Mercurio", "Venus", "Tierra", "Marte", "Júpiter", "Saturno", "Urano", "Neptuno", "Plutón"};
  if (p < 0 || p > 9) RaiseSubscriptOutOfRange();
  return Names[static_cast<std::size_t>(p)];
}

}  // namespace orbitas
