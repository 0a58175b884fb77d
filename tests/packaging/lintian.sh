#!/bin/bash
# Builds the .deb and runs Debian's checker on it: no error and no warning
# may remain. Info-level tags are printed but allowed. Skipped (77) where
# lintian is not installed. Usage: lintian.sh BUILD_DIR
set -euo pipefail
command -v lintian >/dev/null || { echo "lintian is not installed"; exit 77; }
build=$(cd "$1" && pwd)
packages=$(mktemp -d /tmp/orbitas-lintian.XXXXXX)
trap 'rm -rf "$packages"' EXIT
(cd "$packages" && cpack -G DEB --config "$build/CPackConfig.cmake" >/dev/null)
deb=$(ls "$packages"/orbitas_*.deb)
echo "lintian $(basename "$deb")"
lintian --display-info "$deb" 2>&1 | grep -v 'running with root privileges' || true
lintian --fail-on error,warning "$deb" >/dev/null 2>&1
