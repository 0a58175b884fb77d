#pragma once
// A request that cannot be carried out as asked (a table whose end comes
// before its start, one too long to write): refused before any output, with
// a Spanish message that says why. The front end decides how to report it.
#include <stdexcept>

namespace orbitas {

class RequestRefused : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace orbitas
