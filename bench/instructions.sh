#!/usr/bin/env bash
# Prints the instructions one call costs on average over the query mix,
# counted (repeatable, unlike wall-clock time) on one of three targets, over
# the whole mix or one class of query (SET: a set of query_mix.h, such as
# everyday, exponent or magnitude; `all` for each set in turn):
#   bench/instructions.sh native [BUILD_DIR [SET]]  x86-64, AIConverter, by callgrind
#                                             (default build/release)
#   bench/instructions.sh arm [BUILD_DIR [SET]] 32-bit ARM, AIConverter, under qemu-arm
#                                             (default build/linux-armhf-release)
#   bench/instructions.sh mcu [BUILD_DIR [SET]] a Cortex-M core, AIConverterText,
#                                             under qemu-system-arm (default build/cortex-m3)
# qemu translates one guest instruction per block (-singlestep) and logs
# every block it executes, so its log has a line per instruction. Two runs
# with different round counts cancel start-up and exit.
set -euo pipefail
target=${1:-native}
case $target in
  native) build=${2:-build/release} rounds=1001 label="x86-64 instructions per AIConverter call" ;;
  arm) build=${2:-build/linux-armhf-release} rounds=101 label="ARM instructions per AIConverter call" ;;
  mcu) build=${2:-build/cortex-m3} rounds=101
       label="$(sed -n 's/^AICONV_CPU:[A-Z]*=//p' "$build/CMakeCache.txt") instructions per AIConverterText call" ;;
  *) echo "usage: bench/instructions.sh native|arm|mcu [BUILD_DIR [SET|all]]" >&2; exit 2 ;;
esac
set_name=${3:-mix}
if [[ $set_name == all ]]; then
  for s in $(sed -n 's/^    Set("\([a-z-]*\)".*/\1/p' "$(dirname "$0")/query_mix.h"); do
    printf '%-18s ' "$s"
    "$0" "$target" "$build" "$s" | tail -1 | sed 's/.*: //'
  done
  exit 0
fi

# run ROUNDS [QEMU_OPTIONS...]: the mix ROUNDS times, its output on stdout.
case $target in
  native) run() { local r=$1; shift; "$build/bench/call_mix" "$r" "$set_name"; } ;;
  arm) run() { local r=$1; shift; qemu-arm -L /usr/arm-linux-gnueabihf "$@" "$build/bench/call_mix" "$r" "$set_name"; } ;;
  mcu)
    machine=$(sed -n 's/^AICONV_QEMU_MACHINE:[A-Z]*=//p' "$build/CMakeCache.txt")
    run() {
      local r=$1; shift
      qemu-system-arm -M "$machine" -nographic -monitor none \
          -semihosting-config "enable=on,target=native,arg=call_mix,arg=$set_name" \
          -serial none "$@" -kernel "$build/bench/call_mix_$r.elf"
    } ;;
esac

count() {
  if [[ $target == native ]]; then
    local out
    out=$(mktemp)
    valgrind --tool=callgrind --callgrind-out-file="$out" "$build/bench/call_mix" "$1" "$set_name" >/dev/null 2>&1
    callgrind_annotate "$out" | awk '/PROGRAM TOTALS/ {gsub(",", "", $1); print $1}'
    rm -f "$out"
  else
    run "$1" -singlestep -d exec,nochain -D /dev/stderr 2>&1 >/dev/null | grep -c '^Trace'
  fi
}

calls_per_round=$(run 1 2>&1 | sed -n 's/^queries in the mix: //p')
base=$(count 1)
more=$(count "$rounds")
calls=$(((rounds - 1) * calls_per_round))
echo "queries in the mix: $calls_per_round"
echo "instructions: $base for 1 round, $more for $rounds rounds"
echo "$label ($set_name): $(( (more - base) / calls ))"
