#!/usr/bin/env bash
# Draws docs/validation.png: the voltage of a 100 pF capacitor at the end of the start-up line
# (50 ohm, 9.6 m, matched 1 V DC source), from corvane-trace and from ngspice running the
# netlist that corvane-trace prints, with their difference below.
# Needs a build (./test.sh or ./run.sh), ngspice and gnuplot (scripts/setup.sh installs both).
set -euo pipefail
cd "$(dirname "$0")/.."

trace=build/tools/corvane-trace
options=(--load Capacitor --ticks 400)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$trace" "${options[@]}" --probe 200 | tail -n +2 | cut -d, -f2,4 | tr , ' ' >"$work/corvane.dat"
"$trace" "${options[@]}" --netlist >"$work/capacitor.cir"
# ngspice prints a table per page: keep the numbered rows (index, time, source end, load end).
ngspice -b "$work/capacitor.cir" 2>/dev/null |
  awk 'NF == 4 && $1 ~ /^[0-9]+$/ && $1 > 0 { printf "%.6f %s\n", $2 * 1e9, $4 }' >"$work/ngspice.dat"
# Row n of each is tick n: the difference in millivolts.
paste -d' ' "$work/corvane.dat" "$work/ngspice.dat" |
  awk '{ printf "%s %.9g\n", $1, ($2 - $4) * 1000 }' >"$work/difference.dat"

mkdir -p docs
gnuplot <<EOF
set terminal pngcairo size 900,650 font "Sans,10"
set output "docs/validation.png"
set multiplot layout 2,1 title "100 pF load behind 9.6 m of 50 ohm line, 1 V step through 50 ohm"
set grid
set xrange [38:66]
set ylabel "load voltage (V)"
set key bottom right
plot "$work/ngspice.dat" using 1:2 with lines lw 2 lc rgb "#1f77b4" title "ngspice 39", \
     "$work/corvane.dat" using 1:2 with points pt 6 ps 0.6 lc rgb "#d62728" title "Corvane (one point per tick)"
set xlabel "time (ns)"
set ylabel "Corvane - ngspice (mV)"
set key top right
plot "$work/difference.dat" using 1:2 with lines lw 1.5 lc rgb "#2ca02c" title "difference"
unset multiplot
EOF
echo "wrote docs/validation.png"
