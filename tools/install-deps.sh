#!/bin/sh
# Installs what building and testing Órbitas needs on Debian 12, and only
# what is missing. Runs apt-get through sudo when not run as root.
set -eu

packages="g++ cmake make libgtest-dev libgmock-dev qt6-base-dev qt6-qpa-plugins
  libfmt-dev libgl-dev locales fonts-dejavu-core fonts-liberation
  xvfb x11-utils x11-apps xdotool xclip imagemagick dbus at-spi2-core
  gir1.2-atspi-2.0 python3-gi python3-xlib appstream desktop-file-utils dpkg-dev
  librsvg2-dev libcairo2-dev poppler-utils lintian mandoc python3-jsonschema tzdata liberfa-dev gnuplot-nox libbenchmark-dev clang-14 libclang-rt-14-dev
  libhowardhinnant-date-dev libical-dev python3-icalendar libgeonames-dev iso-codes curl ca-certificates python3-ephem
  qt6-svg-dev qt6-translations-l10n"

missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

if [ -n "$missing" ]; then
  echo "Instalando:$missing"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing
fi

# The tests check decimal commas under a Spanish locale.
if ! locale -a 2>/dev/null | grep -qix 'es_es.utf8'; then
  grep -q '^es_ES.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null ||
    echo 'es_ES.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
  $sudo locale-gen >/dev/null
fi
