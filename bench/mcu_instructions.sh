#!/usr/bin/env bash
# Prints the instructions one AIConverterText call costs on average over the
# query mix on a Cortex-M core, counted without the device: qemu-system-arm
# translates one guest instruction per block (-singlestep) and logs every
# block it executes. The programs for one round and for 101 rounds are
# counted; the difference cancels start-up and exit.
#   bench/mcu_instructions.sh [BUILD_DIR]    (default build/cortex-m3; also build/cortex-m0)
set -euo pipefail
build=${1:-build/cortex-m3}
machine=$(sed -n 's/^AICONV_QEMU_MACHINE:[A-Z]*=//p' "$build/CMakeCache.txt")
cpu=$(sed -n 's/^AICONV_CPU:[A-Z]*=//p' "$build/CMakeCache.txt")
program() { echo "$build/tests/firmware/call_mix_$1.elf"; }
qemu=(qemu-system-arm -M "$machine" -nographic -semihosting-config enable=on,target=native -monitor none -serial none)
calls_per_round=$("${qemu[@]}" -kernel "$(program 1)" 2>&1 | sed -n 's/^queries in the mix: //p')

count() {
  "${qemu[@]}" -singlestep -d exec,nochain -D /dev/stderr -kernel "$(program "$1")" 2>&1 >/dev/null |
    grep -c '^Trace'
}

base=$(count 1)
more=$(count 101)
calls=$((100 * calls_per_round))
echo "queries in the mix: $calls_per_round"
echo "$cpu instructions: $base for 1 round, $more for 101 rounds"
echo "$cpu instructions per AIConverterText call: $(( (more - base) / calls ))"
