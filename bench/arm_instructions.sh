#!/usr/bin/env bash
# Prints the ARM instructions one AIConverter call costs on average over the
# query mix, counted without ARM hardware: qemu-user translates one guest
# instruction per block (-singlestep) and logs every block it executes, so
# the log has one line per executed instruction. Two runs with different
# round counts cancel start-up and exit.
#   bench/arm_instructions.sh [BUILD_DIR]     (default build/linux-armhf-release)
set -euo pipefail
build=${1:-build/linux-armhf-release}
program=$build/bench/call_mix
calls_per_round=$(qemu-arm -L /usr/arm-linux-gnueabihf "$program" --count)

count() {
  qemu-arm -L /usr/arm-linux-gnueabihf -singlestep -d exec,nochain -D /dev/stderr \
      "$program" "$1" 2>&1 >/dev/null | grep -c '^Trace'
}

base=$(count 1)
more=$(count 101)
calls=$((100 * calls_per_round))
echo "queries in the mix: $calls_per_round"
echo "ARM instructions: $base for 1 round, $more for 101 rounds"
echo "ARM instructions per AIConverter call: $(( (more - base) / calls ))"
