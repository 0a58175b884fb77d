#pragma once
// How much longer the planner's timings may run in a sanitized build,
// which runs every line some times slower: the limits the tests hold the
// interface thread to are multiplied by it.
namespace orbitas::testing {

#if defined(__SANITIZE_ADDRESS__)
inline constexpr double SanitizedSlowdown = 4;
#else
inline constexpr double SanitizedSlowdown = 1;
#endif

}  // namespace orbitas::testing
