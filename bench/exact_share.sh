#!/usr/bin/env bash
# How many numbers still take the big-integer road: a million random
# decimals read and a million random doubles printed (bench/exact_share.cpp),
# the calls of each exact road counted by callgrind; for plain random
# numbers, for the hard kinds the tests use (ties and near-ties) and for
# decimals of 20 to 40 digits.
#   bench/exact_share.sh [BUILD_DIR [COUNT]]   (default build/release, 1000000)
set -euo pipefail
build=${1:-build/release}
count=${2:-1000000}
out=$(mktemp)
trap 'rm -f "$out"' EXIT
# The calls into the function named $1, summed over its callers (the "<"
# lines above its "*" line in callgrind's caller tree).
calls() {
  callgrind_annotate --tree=caller --show-percs=no "$out" 2>/dev/null | awk -v name="$1" '
    /^ *[0-9,]+ +< / { if (match($0, /\(([0-9,]+)x\)/)) { n = substr($0, RSTART + 1, RLENGTH - 3); gsub(",", "", n); pending += n } next }
    /^ *[0-9,]+ +\* / { if (index($0, name "(")) total += pending; pending = 0; next }
    { pending = 0 }
    END { print total + 0 }'
}
for kind in plain hard long; do
  valgrind --tool=callgrind --callgrind-out-file="$out" "$build/bench/exact_share" "$count" "$kind" >/dev/null 2>&1
  echo "$kind: of $count decimals read, $(calls ReadExactly) by big integers; of $count doubles printed, $(calls ScaleExactly) by big integers"
done
