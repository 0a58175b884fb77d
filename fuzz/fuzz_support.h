#pragma once
// What every fuzz target shares: reading typed values from the fuzzer's
// bytes, and the one rule for errors (a result or one of the three run-time
// errors, never anything else).
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <cstdio>
#include <string>

#include "runtime/runtime_error.h"

namespace orbitas::fuzz {

class Bytes {
 public:
  Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  template <typename T>
  T Take() {
    T value{};
    const std::size_t n = size_ < sizeof(T) ? size_ : sizeof(T);
    std::memcpy(&value, data_, n);
    data_ += n;
    size_ -= n;
    return value;
  }
  std::string Rest() { return std::string(reinterpret_cast<const char*>(data_), size_); }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
};

[[noreturn]] inline void Fail(const char* what) {
  std::fprintf(stderr, "property failed: %s\n", what);
  std::abort();
}

inline void Require(bool property, const char* what) {
  if (!property) Fail(what);
}

// Runs body; a RuntimeError of one of the three kinds is an accepted
// outcome, any other exception is a fault. Returns true when body completed.
template <typename Body>
bool ResultOrRuntimeError(Body&& body) {
  try {
    body();
    return true;
  } catch (const RuntimeError& e) {
    Require(e.kind() == ErrorKind::Overflow || e.kind() == ErrorKind::SubscriptOutOfRange ||
                e.kind() == ErrorKind::FloatingPointFault,
            "an error of an unknown kind");
    return false;
  }
}

}  // namespace orbitas::fuzz
