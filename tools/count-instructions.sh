#!/bin/bash
# Instructions (valgrind --tool=callgrind) of each command below with an
# older and a newer orbitas-cli, and the change in per cent: timings on a
# shared machine vary by a quarter, instruction counts do not.
OLD=$(realpath "${1:?usage: tools/count-instructions.sh OLD-orbitas-cli [NEW-orbitas-cli]}")
NEW=$(realpath ${2:-build/cli/orbitas-cli})
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT; cd "$work"
while IFS='|' read -r name args; do
  [ -z "$name" ] && continue
  row="$name"
  for bin in $OLD $NEW; do
    out=$(eval "valgrind --tool=callgrind --callgrind-out-file=/dev/null $bin $args" 2>&1 >/dev/null | grep -o 'refs: *[0-9,]*' | tr -d ', ' | cut -d: -f2)
    row="$row $out"
  done
  echo "$row" | awk '{printf "%-12s %15s %15s %+6.2f%%\n", $1, $2, $3, ($3-$2)*100/$2}'
done <<'CASES'
planet|2000 1 1 12 0 0 Marte
csv-rows|--desde 2000-01-01 --hasta 2001-01-01 --paso 1d Marte Venus Júpiter --formato csv
noche|--noche 2026-12-07 --lugar 40.4168,-3.7038 --zona Europe/Madrid
ortos|--ortos 2026-12-07 --lugar 40.4168,-3.7038 --zona Europe/Madrid Sol Luna Marte Júpiter Saturno
fenomenos|--fenomenos --desde 2027-01-01 --hasta 2028-01-01
fenomenos-lugar|--fenomenos --desde 2027-01-01 --hasta 2028-01-01 --lugar 40.4168,-3.7038 --zona Europe/Madrid
eclipses|--eclipses --desde 1901-01-01 --hasta 2101-01-01 --formato json
eclipses-lugar|--eclipses --desde 2000-01-01 --hasta 2050-01-01 --lugar 40.4,-3.7 --formato json
año|--año 2027 --lugar 40.4,-3.7 --zona Europe/Madrid --dibujo x.svg
CASES
