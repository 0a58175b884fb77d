#!/bin/sh
# Remakes tests/golden/positions.golden and cli.golden from the program as it
# is now. Run it only when a change of the numbers or texts is intended, and say why in
# the commit that carries the new file.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$top/build}
cmake --build "$build" --target golden_tests
ORBITAS_GOLDEN_WRITE=1 "$build/tests/golden_tests" --gtest_filter='Golden.EveryInstant*'
git -C "$top" diff --stat -- tests/golden/positions.golden
# orbitas-cli's own output, case by case.
cmake --build "$build" --target orbitas-cli
python3 "$top/tests/golden/cli_golden.py" --cli "$build/cli/orbitas-cli" \
  --cases "$top/tests/golden/cli_cases.txt" --golden "$top/tests/golden/cli.golden" --write
git -C "$top" diff --stat -- tests/golden/cli.golden
