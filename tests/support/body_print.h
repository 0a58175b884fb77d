#pragma once
// Bodies in test messages by their code ("mars").
#include <ostream>

#include "sky/bodies/body.h"

namespace orbitas {

inline std::ostream& operator<<(std::ostream& out, Body body) { return out << BodyCode(body); }

}  // namespace orbitas
