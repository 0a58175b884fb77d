#!/bin/bash
# The six tabs of orbitas-cielo for Sevilla on the night in progress, and
# tonight's tour (Esta noche › Recorrido, with binoculars, a stop chosen),
# the eclipse of 2 August 2027 on the map, by day and in night mode, as
# docs/cielo-*.png and docs/cielo-*-nocturno.png:
# a private X server at 1366x768, a private configuration, real keys.
# Usage: tools/planner-screenshots.sh BUILD_DIR
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
docs=$(cd "$(dirname "$0")/../docs" && pwd)
work=$(mktemp -d /tmp/orbitas-shots.XXXXXX)
trap 'rm -rf "$work"' EXIT
cat >"$work/shots.sh" <<SCRIPT
#!/bin/bash
set -e
export HOME=$work XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data LANG=es_ES.UTF-8 LC_ALL=
mkdir -p \$XDG_CONFIG_HOME/orbitas
$build/planner/orbitas-cielo &
app=\$!
sleep 3
w=\$(xdotool search --onlyvisible --name "Cielo" | head -1)
xdotool windowmove --sync \$w 0 0 windowsize --sync \$w 1366 768 windowfocus --sync \$w
xdotool type --delay 40 "Sevilla"; sleep 1; xdotool key Down Return; sleep 3
# Two things for Mi lista: the first planet tonight and the first eclipse.
xdotool key ctrl+1; sleep 2; xdotool mousemove 60 236 click 1; sleep 1; xdotool key ctrl+d
xdotool key ctrl+3; sleep 3; xdotool mousemove 60 190 click 1; sleep 1; xdotool key ctrl+d
for mode in "" -nocturno; do
  xdotool key ctrl+1; sleep 3; xdotool mousemove 60 254 click 1; sleep 2; import -window \$w $docs/cielo-noche\$mode.png
  # The tour with binoculars (its instrument box, one down), its fourth stop chosen; then the planets again.
  xdotool key alt+d; sleep 3; xdotool mousemove 700 217 click 1; sleep 1; xdotool key Down Return; sleep 6
  xdotool mousemove 300 330 click 1; sleep 4; import -window \$w $docs/cielo-recorrido\$mode.png
  xdotool mousemove 700 217 click 1; sleep 1; xdotool key Up Return; sleep 3; xdotool mousemove 75 190 click 1; sleep 2
  xdotool key ctrl+2; sleep 4; import -window \$w $docs/cielo-fenomenos\$mode.png
  xdotool key ctrl+3; sleep 3; import -window \$w $docs/cielo-eclipses\$mode.png
  # The eclipse of 2 August 2027 on the map, and how it is seen from Tarifa, typed in "Punto".
  xdotool mousemove 100 242 click 1; sleep 5; xdotool key alt+u; sleep 0.5
  xdotool key ctrl+a; xdotool type --delay 40 "Tarifa"; xdotool key Return; sleep 8
  import -window \$w $docs/cielo-eclipse-mapa\$mode.png
  xdotool key ctrl+4; sleep 3; import -window \$w $docs/cielo-carta\$mode.png
  xdotool key ctrl+5; sleep 4; import -window \$w $docs/cielo-ano\$mode.png
  xdotool key ctrl+6; sleep 2; import -window \$w $docs/cielo-lista\$mode.png
  xdotool key ctrl+n; sleep 2
done
kill \$app
SCRIPT
chmod +x "$work/shots.sh"
RUNDIR=$work
Xvfb -displayfd 3 -screen 0 1366x768x24 -nolisten tcp -noreset 3>"$work/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 200); do [ -s "$work/display" ] && break; sleep 0.025; done
DISPLAY=:$(cat "$work/display") dbus-run-session -- "$work/shots.sh"
kill "$xvfb"
ls -l "$docs"/cielo-*.png
