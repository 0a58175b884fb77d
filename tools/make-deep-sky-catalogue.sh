#!/bin/sh
# Remakes sky/tables/deep_sky_catalogue.inc and session/deep_sky_spanish.inc: the Messier and Caldwell
# objects and the NGC and IC objects brighter than magnitude 10 or with a
# common name, with type, J2000 place, visual magnitude, size, position
# angle and surface brightness, and their Spanish names.
#
# Sources, all Debian or npm packages, fetched by name and version:
# - Debian's kstars-data (3.6.2): OpenNGC (Mattia Verga, CC-BY-SA-4.0), as
#   /usr/share/kstars/OpenNGC.kscat: types, places, magnitudes, axes and
#   position angles, the Messier numbers and the English common names.
# - Debian's stellarium-data (0.22.2): only which NGC or IC object each
#   Caldwell number is, read from its deep-sky catalogue
#   (nebulae/default/catalog.dat).
# - npm's d3-celestial 0.7.35 (Olaf Frohn, BSD-3-Clause): the Spanish names
#   (data/dsonames.json) and the three Caldwell objects outside the NGC and
#   IC (C9, C41 and C99, data/dsos.14.json).
# The names usual in Spanish for the best-known objects, where the
# package's differ, are set below (the titles of the Spanish Wikipedia's
# articles on them). The surface brightness is the catalogue's magnitude
# spread over the ellipse of its axes. Run from anywhere, with network
# access to Debian's mirror and the npm registry:
#   tools/make-deep-sky-catalogue.sh
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$work" && apt-get download kstars-data=5:3.6.2-2 stellarium-data=0.22.2-1 > /dev/null 2>&1 &&
  npm pack --silent d3-celestial@0.7.35 > /dev/null)
for deb in "$work"/kstars-data_*.deb "$work"/stellarium-data_*.deb; do
  dpkg-deb --fsys-tarfile "$deb" | tar -x -C "$work" --wildcards \
    './usr/share/kstars/OpenNGC.kscat' './usr/share/stellarium/nebulae/default/catalog.dat' 2> /dev/null || true
done
tar -xzf "$work"/d3-celestial-0.7.35.tgz -C "$work"
python3 "$top/tools/deep_sky_table.py" "$work" "$top/sky/tables/deep_sky_catalogue.inc" "$top/session/deep_sky_spanish.inc"
