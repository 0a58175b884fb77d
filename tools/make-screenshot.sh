#!/bin/bash
# Makes docs/screenshot.png from the running window: starts orbitas under a
# private X server, types 1 January 2000 12:00:00, chooses Marte with Ctrl+A
# and photographs the window. Usage: tools/make-screenshot.sh [BUILD_DIR]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$top/build}" && pwd)
if [ -z "${ORBITAS_IN_X:-}" ]; then
  ORBITAS_IN_X=1 exec "$top/tests/e2e/with-x.sh" "$0" "$build"
fi

LANG=C.UTF-8 "$build/app/orbitas" & app=$!
trap 'kill $app 2>/dev/null || true' EXIT
win=""
for _ in $(seq 100); do
  win=$(xdotool search --onlyvisible --name '^Órbitas planetarias$' 2>/dev/null | head -1 || true)
  [ -n "$win" ] && break
  sleep 0.05
done
[ -n "$win" ] || { echo "the window did not appear" >&2; exit 1; }
xdotool windowfocus --sync "$win"
sleep 0.2
# The focus starts in the day field; Enter moves on through the six fields.
for value in 1 1 2000 12 0 0; do
  xdotool key --delay 20 End shift+Home BackSpace
  xdotool type --delay 20 -- "$value"
  xdotool key Return
done
xdotool key ctrl+a
sleep 0.4
import -window "$win" "$top/docs/screenshot.png"
xdotool key ctrl+c
wait $app
trap - EXIT
echo "docs/screenshot.png"
