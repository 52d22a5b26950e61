#!/usr/bin/env bash
# corvane-trace against ngspice on the same circuit for the same ticks: a capacitor load,
# 100 000 ticks, both ends printed at every tick. The two run in turn, RUNS times, and the
# medians of the wall times (whole process, output to /dev/null) give the ratio.
#
# ngspice gets the netlist corvane-trace prints, lengthened to the same 100 000 ticks. The
# tool prints netlists of at most 10 000 ticks (its source is a corner per tick, and ngspice's
# time grows with the square of the corners); the DC source here is constant after its first
# step, so the script keeps only the corners up to that step, which is the same waveform.
#
#     bench/trace_vs_ngspice.sh [RUNS]     (default 11; run under the shared CPU lock)
set -euo pipefail
cd "$(dirname "$0")/.."
trace=build/tools/corvane-trace
runs=${1:-11}
ticks=100000
circuit=(--load Capacitor --probe 0 --probe 200)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

tick=$("$trace" "${circuit[@]}" --ticks 10 --netlist | sed -n 's/^\* One tick is \(.*\) s;.*/\1/p')
stop=$(awk -v t="$tick" -v n="$ticks" 'BEGIN { printf "%.10g", t * n }')
"$trace" "${circuit[@]}" --ticks 10 --netlist |
  awk -v stop="$stop" '
    /^Vsource .* PWL\($/ { pwl = 1; printf "%s", $0; next }
    pwl && /^\+/ { if (!done) { printf " %s %s %s %s %s %s)\n", $2, $3, $4, $5, $6, $7; done = 1 }
                   next }
    /^\.tran / { $3 = stop }
    { pwl = 0; print }' >"$work/line.cir"
grep -q "^Vsource .*)" "$work/line.cir" || { echo "unexpected netlist" >&2; exit 1; }

# Bash's own clock in microseconds: starting `date` for every reading would add about 2 ms of
# its own to each run.
for ((r = 0; r < runs; r++)); do
  t0=${EPOCHREALTIME/[.,]/}; "$trace" "${circuit[@]}" --ticks $ticks >/dev/null
  t1=${EPOCHREALTIME/[.,]/}; ngspice -b "$work/line.cir" >/dev/null 2>&1
  t2=${EPOCHREALTIME/[.,]/}
  echo "$((t1 - t0)) $((t2 - t1))"
done >"$work/times"

median() { sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }
tool=$(awk '{ print $1 }' "$work/times" | median)
spice=$(awk '{ print $2 }' "$work/times" | median)
awk -v a="$tool" -v b="$spice" -v n="$runs" 'BEGIN {
  printf "corvane-trace %.1f ms, ngspice %.1f ms (medians of %d paired runs): %.1f times faster\n",
         a / 1000, b / 1000, n, b / a }'
