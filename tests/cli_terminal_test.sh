#!/bin/sh
# aiconvert at a terminal, driven through tmux as a person types: a query,
# recalled with Up and edited with Left and a digit, unit names completed
# with Tab, Ctrl-C abandoning a line, Ctrl-D ending. Checks the screen.
#   cli_terminal_test.sh AICONVERT
set -eu
tool=$1
work=$(mktemp -d)
socket="$work/tmux"
trap 'tmux -S "$socket" kill-server 2>/dev/null || true; rm -rf "$work"' EXIT

tmux -S "$socket" new-session -d -x 100 -y 30 \
    "env XDG_STATE_HOME=$work/state LC_ALL=C.UTF-8 $tool; echo status \$?; sleep 30"

screen() { tmux -S "$socket" capture-pane -p; }
keys() { tmux -S "$socket" send-keys "$@"; }
# Waits until the screen shows the text (at most about 10 s).
wait_for() {
  for _ in $(seq 100); do
    if screen | grep -qF -- "$1"; then return 0; fi
    sleep 0.1
  done
  echo "the screen never showed: $1"; screen; exit 1
}

wait_for '>'
keys '10 km to mi' Enter
wait_for '10 km -> 6.213712 mi'
# Up recalls it; End, then Left nine times puts the cursor after "10".
keys Up
wait_for '> 10 km to mi'
keys End Left Left Left Left Left Left Left Left Left 0 Enter
wait_for '100 km -> 62.137119 mi'
# Tab completes the second word of a two-word unit, and a name to the
# longest prefix its candidates share (pound, pounds).
keys '1 fl o' Tab
wait_for '> 1 fl oz'
keys 'to ml' Enter
wait_for '1 fl oz -> 29.57353 ml'
keys '5 kg to pou' Tab
wait_for '> 5 kg to pound'
keys Enter
wait_for '5 kg -> 11.023113 pound'
# Ctrl-C abandons a line: no answer for it, a fresh prompt.
keys '7 m to' C-c
wait_for '7 m to^C'
keys '2 h to min' Enter
wait_for '2 h -> 120 min'
keys C-d
wait_for 'status 0'

if screen | grep -q 'ERROR'; then
  echo "an error line appeared:"; screen; exit 1
fi
# The history was kept for the next run.
grep -q '100\\040km\\040to\\040mi' "$work/state/aiconvert/history" || {
  echo "no history file with the queries"; exit 1; }
echo "terminal session as expected"
