# Every result the program shows must come out to the last bit the same in
# every build: no fused multiply-add, no fast-math, and an optimised build
# that is -O2 rather than the default -O3. -fno-math-errno changes no value:
# it only stops the mathematical functions from setting errno, which the
# program never reads (the floating-point fault check tests the results).
add_library(orbitas_flags INTERFACE)
target_compile_options(orbitas_flags INTERFACE
  -Wall -Wextra -Wpedantic
  -ffp-contract=off -fno-fast-math -fno-math-errno
  $<$<BOOL:${ORBITAS_WERROR}>:-Werror>)
set(CMAKE_CXX_FLAGS_RELEASE "-O2 -DNDEBUG" CACHE STRING "" FORCE)

# A build for finding memory and undefined-behaviour faults: every target,
# tests included, runs under AddressSanitizer and UndefinedBehaviorSanitizer,
# and any report ends the test that caused it.
option(ORBITAS_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(ORBITAS_SANITIZE)
  # -O1 with line tables only: the reports still name file and line, and
  # the build takes little more than half the time of -O2 -g.
  set(CMAKE_CXX_FLAGS_RELWITHDEBINFO "-O1 -g1 -DNDEBUG" CACHE STRING "" FORCE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

# The fuzz build: every library instrumented for libFuzzer's coverage and
# checked by AddressSanitizer and UndefinedBehaviorSanitizer.
if(ORBITAS_FUZZ)
  set(CMAKE_BUILD_TYPE RelWithDebInfo CACHE STRING "Build type" FORCE)
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

# The hardening Debian expects of a package's programs: fortified libc
# calls, and a Global Offset Table made read-only at start-up. Neither
# changes a computed value.
if(NOT ORBITAS_SANITIZE AND NOT ORBITAS_FUZZ)
  target_compile_options(orbitas_flags INTERFACE $<$<NOT:$<CONFIG:Debug>>:-D_FORTIFY_SOURCE=2>)
  add_link_options(-Wl,-z,relro -Wl,-z,now)
endif()
