#!/usr/bin/env bash
# Runs every fuzz target for a given time each (default 60 s) from its seed corpus in the tree.
# New inputs go to a scratch folder, not into the tree; a finding is left in build-sanitize/fuzz
# as crash-… and the script fails. Builds the sanitizer tree first if needed.
#   fuzz/run.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
source scripts/sanitized.sh
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
cd build-sanitize/fuzz
for target in number format enter trace_options link; do
  mkdir -p "$scratch/$target"
  echo "fuzz_$target: ${seconds} s"
  # The scratch folder first: libFuzzer writes what it finds into the first corpus folder.
  ./"fuzz_$target" -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
    "$scratch/$target" "../../fuzz/corpus/$target" 2>"$scratch/$target.log" ||
    { tail -40 "$scratch/$target.log"; exit 1; }
  grep -E "stat::number_of_executed_units|stat::new_units_added" "$scratch/$target.log" | tr '\n' ' '
  echo
done
