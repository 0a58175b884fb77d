#pragma once
// Bad usage of orbitas-cli: the message says what is wrong, in Spanish.
#include <stdexcept>

namespace orbitas::cli {

class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace orbitas::cli
