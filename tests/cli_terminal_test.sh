#!/bin/sh
# aiconvert at a terminal, driven through tmux as a person types: a query,
# recalled with Up and edited with Left and a digit, unit names completed
# with Tab, bytes that are no text in the terminal's encoding, Ctrl-C
# abandoning a line, Ctrl-D ending; then a terminal closed under a running
# prompt. Checks the screen and the history file.
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
# A byte that is no UTF-8 reaches the library as '?', as from a pipe: the
# query typed is not silently another one.
keys -l "$(printf '1 k\351m to mi')"
keys Enter
wait_for 'no unit "k?m"'
# Ctrl-C abandons a line: no answer for it, a fresh prompt.
keys '7 m to' C-c
wait_for '7 m to^C'
keys '2 h to min' Enter
wait_for '2 h -> 120 min'
keys C-d
wait_for 'status 1'  # the k?m query was an error

if screen | grep -q '0.621371'; then
  echo "a query other than the one typed was converted:"; screen; exit 1
fi
# The history was kept for the next run.
grep -qx '100 km to mi' "$work/state/aiconvert/history" || {
  echo "no history file with the queries"; exit 1; }

# The terminal closes (SIGHUP) while the prompt waits: the history is saved.
tmux -S "$socket" kill-server 2>/dev/null || true
socket="$work/tmux2"
tmux -S "$socket" new-session -d -x 100 -y 30 \
    "env XDG_STATE_HOME=$work/state LC_ALL=C.UTF-8 $tool; sleep 30"
wait_for '>'
keys '3 h to min' Enter
wait_for '3 h -> 180 min'
pid=$(tmux -S "$socket" list-panes -F '#{pane_pid}')
tool_pid=$(pgrep -P "$pid" | head -1)
kill -HUP "${tool_pid:-$pid}"
for _ in $(seq 50); do
  grep -qx '3 h to min' "$work/state/aiconvert/history" && break
  sleep 0.1
done
grep -qx '3 h to min' "$work/state/aiconvert/history" || {
  echo "SIGHUP lost the history:"; cat "$work/state/aiconvert/history"; exit 1; }
grep -qx '100 km to mi' "$work/state/aiconvert/history" || {
  echo "the earlier session's history was lost"; exit 1; }
echo "terminal session as expected"
