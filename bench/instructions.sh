#!/usr/bin/env bash
# Prints the instructions one AIConverter call costs on average over the
# query mix, counted by callgrind (repeatable, unlike wall-clock time).
#   bench/instructions.sh [BUILD_DIR]     (default build/release)
set -euo pipefail
build=${1:-build/release}
program=$build/bench/call_mix
calls_per_round=$("$program" --count)

count() {
  local out
  out=$(mktemp)
  valgrind --tool=callgrind --callgrind-out-file="$out" "$program" "$1" >/dev/null 2>&1
  callgrind_annotate "$out" | awk '/PROGRAM TOTALS/ {gsub(",", "", $1); print $1}'
  rm -f "$out"
}

base=$(count 1)
more=$(count 1001)
calls=$((1000 * calls_per_round))
echo "queries in the mix: $calls_per_round"
echo "instructions: $base for 1 round, $more for 1001 rounds"
echo "instructions per AIConverter call: $(( (more - base) / calls ))"
