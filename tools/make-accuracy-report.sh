#!/bin/bash
# Regenerates docs/accuracy.md and docs/accuracy.png from orbitas-accuracy
# (built with the rest when liberfa-dev is installed).
# Usage: tools/make-accuracy-report.sh [BUILD_DIR]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
tool=$(cd "${1:-$top/build}" && pwd)/accuracy/orbitas-accuracy
data=$(mktemp)
trap 'rm -f "$data"' EXIT

"$tool" --plot-data > "$data"
gnuplot <<GNUPLOT
set terminal pngcairo size 960,540 font "DejaVu Sans,10"
set output "$top/docs/accuracy.png"
set title "Órbitas frente a ERFA (eraPlan94, eraEpv00): error de la dirección geocéntrica"
set xlabel "año"
set ylabel "mayor error angular en 8 años (grados)"
set logscale y
set format y "10^{%L}"
set grid
set key outside right
set xrange [1000:3000]
plot for [i=2:8] "$data" using 1:i with lines lw 1.2 title columnhead(i)
GNUPLOT

{
  cat <<'HEAD'
# Exactitud de Órbitas

Cuánto se apartan las posiciones que muestra Órbitas de las de ERFA, la
reimplementación abierta de las rutinas de la IAU. Los errores crecen con la
distancia a la época de los elementos (julio de 2001): el método usa elementos
medios fijos, sin perturbaciones.

Regenerar (informe y gráfico): `tools/make-accuracy-report.sh`, tras compilar
con `liberfa-dev` y `gnuplot-nox` instalados. Un test
(`ctest -R accuracy_report`) recalcula la tabla de 1996–2006 y la compara con
la de este archivo.

## Cómo se compara

- Referencia: `eraPlan94` (Simon et al. 1994) da la posición heliocéntrica del
  planeta y `eraEpv00` la de la Tierra, ambas en el ecuador y equinoccio medios
  de J2000. Su diferencia es el vector geocéntrico geométrico, que `eraC2s`
  convierte en ascensión recta y declinación.
- Marco: J2000 medio, porque es el marco de la referencia y el más cercano al
  de los elementos de Órbitas (eclíptica y equinoccio de J2000). Órbitas gira
  la eclíptica con una oblicuidad fija de 23.429292° (la de J2000 es
  23.4392911°); esa diferencia forma parte del error medido.
- Tiempo: el día juliano de Órbitas es el que se escribe (UT); la referencia
  se calcula en UT + ΔT (TT), el tiempo en que se mueven los astros, con el ΔT
  de Espenak y Meeus (2006). La diferencia es, pues, el error de lo que
  Órbitas muestra para ese instante: entre 1000 y 1600 incluye lo que el
  planeta se mueve en ΔT (de 26 a 2 minutos). Ninguno de los dos lados aplica
  tiempo de luz ni aberración.
- Plutón no tiene referencia en `eraPlan94` y no se compara.
- `eraPlan94` vale de 1000 a 3000, con su mejor precisión entre 1960 y 2025;
  `eraEpv00` está pensada para 1900–2100 y empeora fuera. Sus errores (segundos
  de arco) son mucho menores que los de Órbitas, incluso en 1000–3000.
- α: diferencia de ascensión recta (sin multiplicar por cos δ); ángulo: el
  ángulo entre las dos direcciones; distancia: diferencia de la distancia a la
  Tierra. Máximo y media cuadrática (RMS) de cada muestra.

![Error angular frente al año, escala logarítmica](accuracy.png)

## Tablas

HEAD
  "$tool" --markdown
} > "$top/docs/accuracy.md"
echo "docs/accuracy.md docs/accuracy.png"
