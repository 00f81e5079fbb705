# shellcheck shell=bash
# How a run of the program ended, for the shell scripts of every display system. Sourced after
# a fail function; start sets PID, OUT and ERR.

# Waits up to $2 seconds for $1 to end; sets RC to its exit code, or fails.
wait_exit() {
  local pid=$1 limit=$2 tries
  tries=$(awk "BEGIN { print int($limit * 50) }")
  for _ in $(seq "$tries"); do kill -0 "$pid" 2>/dev/null || break; sleep 0.02; done
  kill -0 "$pid" 2>/dev/null && fail "the program was still running after ${limit} s"
  RC=0
  wait "$pid" || RC=$?
}

running() { kill -0 "$1" 2>/dev/null; }

# The program said nothing on either stream.
silent() {
  [ -s "$OUT" ] && fail "it wrote to stdout: $(head -c 300 "$OUT")"
  [ -s "$ERR" ] && fail "it wrote to stderr: $(head -c 300 "$ERR")"
  return 0
}
