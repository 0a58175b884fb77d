#pragma once
// One check that a statement raises a run-time error of a given kind: it
// fails when nothing is raised, when another kind is raised, and when
// something other than a run-time error escapes.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "runtime/runtime_error.h"

namespace orbitas::testing {

// The kind of run-time error body raises, or none.
template <typename Body>
std::optional<ErrorKind> RaisedKind(Body&& body) {
  try {
    body();
  } catch (const RuntimeError& e) {
    return e.kind();
  }
  return std::nullopt;
}

// "overflow", "subscript", "floating-point", or "nothing".
inline std::string KindName(std::optional<ErrorKind> kind) {
  return kind ? std::string(ErrorKindName(*kind)) : std::string("nothing");
}

}  // namespace orbitas::testing

// Streams like any EXPECT: EXPECT_RUNTIME_ERROR(f(x), kind) << "x = " << x.
#define EXPECT_RUNTIME_ERROR(statement, kind)                                                   \
  EXPECT_EQ(::orbitas::testing::KindName(::orbitas::testing::RaisedKind([&] { (void)(statement); })), \
            ::orbitas::testing::KindName(kind))                                                 \
      << #statement
