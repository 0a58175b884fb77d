# Every result the program shows must come out to the last bit the same in
# every build: no fused multiply-add, no fast-math, and an optimised build
# that is -O2 rather than the default -O3.
add_library(orbitas_flags INTERFACE)
target_compile_options(orbitas_flags INTERFACE
  -Wall -Wextra -Wpedantic
  -ffp-contract=off -fno-fast-math
  $<$<BOOL:${ORBITAS_WERROR}>:-Werror>)
set(CMAKE_CXX_FLAGS_RELEASE "-O2 -DNDEBUG" CACHE STRING "" FORCE)
