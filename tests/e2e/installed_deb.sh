#!/bin/bash
# Builds the .deb, installs it into a fresh root, checks what it installs,
# then runs the results scenario against the installed programs.
# Usage: installed_deb.sh BUILD_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)
root=$(mktemp -d /tmp/orbitas-root.XXXXXX)
packages=$(mktemp -d /tmp/orbitas-deb.XXXXXX)
trap 'rm -rf "$root" "$packages"' EXIT

(cd "$packages" && cpack -G DEB --config "$build/CPackConfig.cmake" >/dev/null)
deb=$(ls "$packages"/orbitas_*.deb)
dpkg-deb -x "$deb" "$root"
echo "installed $(basename "$deb") into $root"

for f in usr/bin/orbitas usr/bin/orbitas-cli usr/bin/orbitas-cielo usr/share/applications/orbitas.desktop \
         usr/share/applications/orbitas-cielo.desktop usr/share/man/man1/orbitas-cielo.1.gz \
         usr/share/icons/hicolor/16x16/apps/orbitas.png usr/share/icons/hicolor/32x32/apps/orbitas.png \
         usr/share/icons/hicolor/scalable/apps/orbitas.svg \
         usr/share/metainfo/io.github.orbitas.Orbitas.metainfo.xml \
         usr/share/man/man1/orbitas.1.gz usr/share/man/man1/orbitas-cli.1.gz \
         usr/share/doc/orbitas/copyright usr/share/doc/orbitas/changelog.gz usr/share/doc/orbitas/json.md \
         usr/share/doc/orbitas/orbitas-cli.schema.json usr/share/bash-completion/completions/orbitas-cli; do
  [ -e "$root/$f" ] || { echo "missing from the package: $f" >&2; exit 1; }
done
desktop-file-validate "$root/usr/share/applications/orbitas.desktop"
desktop-file-validate "$root/usr/share/applications/orbitas-cielo.desktop"
dpkg-deb -f "$deb" Depends | grep -q libqt6svg6 || { echo "the package does not depend on Qt SVG" >&2; exit 1; }
appstreamcli validate --no-net --pedantic "$root/usr/share/metainfo/io.github.orbitas.Orbitas.metainfo.xml"
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || { echo "the package does not depend on Qt" >&2; exit 1; }
# man finds the installed pages and shows every form of orbitas-cli.
page=$(MANWIDTH=100 man --manpath="$root/usr/share/man" -P cat orbitas-cli 2>&1)
for part in NOMBRE "orbitas-cli --ortos" "--dibujo" "EJEMPLOS"; do
  grep -q -- "$part" <<<"$page" || { echo "man orbitas-cli lacks: $part" >&2; exit 1; }
done
MANWIDTH=100 man --manpath="$root/usr/share/man" -P cat orbitas | grep -q "Planetas" ||
  { echo "man orbitas does not show the window's page" >&2; exit 1; }

"$here/with-x.sh" /usr/bin/python3 "$here/scenarios.py" results \
  --app "$root/usr/bin/orbitas" --cli "$root/usr/bin/orbitas-cli"
