# Helpers shared by the CI scripts: package installs that survive a bad
# package index, the legs of a run with their times, and the summary.

# Fetches the package lists, a few tries with a pause between them. A list
# that still fails (a mirror caught mid-sync, an architecture's index served
# with the wrong size) is only a warning: apt keeps the lists it did get, and
# an install fails later, with apt's own message, only if it needs what is
# missing.
apt_update() {
  local try log
  AICONV_APT_INDEX_FAILURE=''
  log=$(mktemp)
  for try in 1 2 3; do
    if apt-get update -q >"$log" 2>&1; then
      rm -f "$log"
      export AICONV_APT_UPDATED=1
      return 0
    fi
    ((try < 3)) && sleep 5
  done
  AICONV_APT_INDEX_FAILURE=$(grep -E '^(E|W):' "$log" | head -1)
  echo "warning: apt-get update failed 3 times; going on with the lists it got: $AICONV_APT_INDEX_FAILURE" >&2
  rm -f "$log"
  export AICONV_APT_UPDATED=1
}

# Installs the named Debian packages that are not installed yet; fails, with
# apt's message, when one of them cannot be installed.
apt_install() {
  local missing=() pkg
  for pkg in "$@"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
  done
  ((${#missing[@]})) || return 0
  [[ -n "${AICONV_APT_UPDATED:-}" ]] || apt_update
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
    -o DPkg::Lock::Timeout=600 "${missing[@]}"
}

# Whether this machine executes 32-bit x86 programs itself. Some kernels are
# built without that support, so ask by running a tiny static program; one
# that runs only through a qemu binfmt handler does not count, since 32-bit
# Wine does not work that way. When the answer is no, I386_REASON says why.
i386_runs() {
  local dir rc handler
  apt_install gcc-i686-linux-gnu libc6-dev-i386-cross || {
    I386_REASON="the i686 compiler for the probe did not install"; return 1; }
  dir=$(mktemp -d)
  printf 'int main(void) { return 42; }\n' >"$dir/probe.c"
  if ! i686-linux-gnu-gcc -static -o "$dir/probe" "$dir/probe.c"; then
    rm -rf "$dir"
    I386_REASON="the 32-bit probe did not compile"; return 1
  fi
  rc=0
  "$dir/probe" 2>"$dir/err" || rc=$?
  rm -rf "$dir"
  if ((rc != 42)); then
    I386_REASON="this machine does not execute 32-bit x86 programs (a static probe exited $rc)"
    return 1
  fi
  for handler in /proc/sys/fs/binfmt_misc/*; do
    if [[ -f $handler ]] && grep -qx enabled "$handler" 2>/dev/null &&
       grep -q '^interpreter .*qemu-i386' "$handler" 2>/dev/null; then
      I386_REASON="32-bit x86 programs run here only through qemu's binfmt handler"
      return 1
    fi
  done
  return 0
}

# The legs of a run and their results, kept in one file so that a script
# called by another (.ci/cross from .ci/run) adds to the caller's summary.
if [[ -z "${AICONV_SUMMARY:-}" ]]; then
  AICONV_SUMMARY=$(mktemp "${TMPDIR:-/tmp}/aiconv-summary.XXXXXX")
  AICONV_SUMMARY_OWNER=1
  export AICONV_SUMMARY
fi
AICONV_SUMMARY_START=$(wc -l <"$AICONV_SUMMARY")

# leg_note TEXT: inside a leg, says what it could not do ("not run: ...").
leg_note() {
  echo "== note: $*"
  printf '%s; ' "$*" >>"$AICONV_SUMMARY.note"
}

# run_leg NAME COMMAND...: runs one leg in a subshell with -e, shows its start
# and end with the time, and records the result. A failed leg does not stop
# the run: the summary names it and the run fails at the end.
run_leg() {
  local name=$1 start=$SECONDS rc result note
  shift
  rm -f "$AICONV_SUMMARY.note"
  echo "== $name: started at $(date +%T)"
  set +e
  ( set -e; "$@" )
  rc=$?
  set -e
  if ((rc == 0)); then result=passed; else result="FAILED (exit $rc)"; fi
  note=$(cat "$AICONV_SUMMARY.note" 2>/dev/null || true)
  rm -f "$AICONV_SUMMARY.note"
  echo "== $name: $result after $((SECONDS - start)) s"
  printf '%s\t%s\t%s\t%s\n' "$name" "$result" "$((SECONDS - start))" "${note%; }" >>"$AICONV_SUMMARY"
}

# skip_leg NAME REASON: a leg that could not run at all.
skip_leg() {
  echo "== $1: not run: $2"
  printf '%s\t%s\t%s\t%s\n' "$1" "not run" 0 "$2" >>"$AICONV_SUMMARY"
}

# Fails when any leg of this script failed. The script that made the summary
# also prints the table of every leg.
finish_run() {
  local failed
  failed=$(tail -n +$((AICONV_SUMMARY_START + 1)) "$AICONV_SUMMARY" | grep -c $'\tFAILED' || true)
  if [[ -n "${AICONV_SUMMARY_OWNER:-}" ]]; then
    echo
    echo "== summary ($((SECONDS / 60)) min $((SECONDS % 60)) s in all)"
    awk -F'\t' 'BEGIN { printf "%-22s %-16s %7s  %s\n", "leg", "result", "time", "note" }
                { printf "%-22s %-16s %5d s  %s\n", $1, $2, $3, $4 }' "$AICONV_SUMMARY"
    rm -f "$AICONV_SUMMARY"
    if ((failed)); then echo "== $failed leg(s) failed"; else echo "== every leg that ran passed"; fi
  fi
  ((failed == 0))
}
