#!/bin/bash
# Runs each case below with an older and a newer orbitas-cli, under the
# Spanish locale, and compares their output and pictures byte for byte:
# the check that a change of structure changed no answer.
OLD=$(realpath "${1:?usage: tools/compare-outputs.sh OLD-orbitas-cli [NEW-orbitas-cli]}")
NEW=$(realpath ${2:-build/cli/orbitas-cli})
export SOURCE_DATE_EPOCH=1700000000
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT; cd "$work"
fail=0; n=0
while IFS= read -r line; do
  [ -z "$line" ] && continue
  n=$((n+1))
  for who in OLD NEW; do
    bin=${!who}
    l=${line//OUT/$who}
    (eval "LANG=es_ES.UTF-8 $bin $l" > $who.out 2>&1; echo "rc=$?" >> $who.out)
  done
  if ! cmp -s OLD.out NEW.out; then echo "DIFF: $line"; fail=1; fi
  for f in OLD.*.svg; do [ -e "$f" ] || continue; g=NEW.${f#OLD.}; cmp -s "$f" "$g" || { echo "DIFF picture: $line"; fail=1; }; done
  rm -f OLD.* NEW.*
done <<'CASES'
--eclipses --desde 1901-01-01 --hasta 2101-01-01 --formato json --lugar Madrid
--eclipses --desde 1990-01-01 --hasta 2060-01-01 --lugar Sevilla
--eclipses --desde 1990-01-01 --hasta 2060-01-01 --lugar 40,-3 --formato csv
--eclipses --desde 2000-01-01 --hasta 2040-01-01 --lugar -33.9,18.4 --formato ics
--eclipses --desde 1600-01-01 --hasta 1700-01-01 --formato json
--eclipse 2025-09-01 --lugar Madrid --dibujo OUT.a.svg
--eclipse 2025-09-01 --lugar Sydney --json
--eclipse 2026-08-01 --lugar Madrid --dibujo OUT.b.svg
--eclipse 2026-08-01 --lugar Oviedo --json
--eclipse 2027-07-20 --lugar Tarifa --dibujo OUT.c.svg
--eclipse 2027-07-20 --lugar 36.0139,-5.6070 --json
--eclipse 2024-04-01 --lugar Madrid --json
--eclipse 2024-04-01 --lugar Dallas
--eclipse 2024-04-01 --lugar -33.9,18.4
--eclipse 2032-11-01
--eclipse 2032-11-01 --json
--eclipse 2117-12-01 --json
--eclipse 2028-01-01 --lugar Madrid
--eclipse 2028-12-20 --lugar Tokyo --dibujo OUT.d.svg
--eclipse 2027-01-20 --lugar -33.4,-70.6 --json
--eclipse 2031-11-01 --lugar 5,-80 --json
--eclipse 2031-11-01 --lugar 5,-80 --dibujo OUT.r.svg
--fenomenos --desde 2027-01-01 --hasta 2028-01-01 --lugar Madrid --formato json
--fenomenos --desde 1990-01-01 --hasta 2010-01-01 --formato csv
--noche 2026-12-07 --lugar Madrid --json
--noche 2027-06-21 --lugar 69.65,18.96 --zona Europe/Oslo
--noche --desde 2027-01-01 --hasta 2027-03-01 --lugar Madrid --formato csv
--ortos 2026-12-07 --lugar 40.4168,-3.7038 --zona Europe/Madrid Sol Luna Marte Júpiter
--ortos 2027-06-21 --lugar 78,15 Sol Luna Venus
--noche 2026-12-07 --lugar Madrid --dibujo OUT.e.svg
--año 2027 --lugar Madrid --dibujo OUT.f.svg
--carta Urano 2026-12-08T22:00 --lugar Madrid --dibujo OUT.g.svg
--desde 2020-06-01 --hasta 2021-02-28 --paso 1d Marte --dibujo OUT.h.svg
2026 12 8 6 30 0 --lugar 40.4168,-3.7038 --zona Europe/Madrid --dibujo OUT.i.svg
--desde 1000-01-01 --hasta 3000-01-01 --paso 1000d Marte Venus --formato csv --lugar Madrid
--noche 2027-12-21 --lugar 69.65,18.96 --zona Europe/Oslo --json
--noche 2027-06-21 --lugar 78,15 --json
--año 2027 --lugar 69.65,18.96 --zona Europe/Oslo --dibujo OUT.j.svg
--año 2028 --lugar -33.9,18.4 --dibujo OUT.k.svg
--ortos 2027-03-20 --lugar -77.8,166.7 Sol Luna Marte Venus
--noche --desde 2027-01-01 --hasta 2028-01-01 --lugar 64,-22 --formato csv
--carta Neptuno 2026-12-15T20:00 --lugar Madrid --campo 5 --dibujo OUT.l.svg
--carta Marte 2027-02-01T22:00 --lugar -33.9,18.4 --campo 40 --dibujo OUT.m.svg
--carta Saturno 2026-12-08T22:00 --campo 20 --dibujo OUT.n.svg
2027 6 21 23 0 0 --lugar 69.65,18.96 --zona Europe/Oslo --dibujo OUT.o.svg
2027 1 5 2 0 0 --lugar -33.9,18.4 --dibujo OUT.p.svg
--desde 2027-01-01 --hasta 2028-01-01 --paso 2d Júpiter Saturno --dibujo OUT.q.svg
CASES
echo "$n cases, fail=$fail"
exit $fail
