#!/usr/bin/env bash
# The idle watch's cost while it waits, on one desktop of its own: bench/measure_watch.sh
# sway|mutter PROGRAM WATCH_PROGRAM [SECONDS] (the Linux program and corvanta-idle-watch,
# which goes beside it). Starts the compositor with the test libraries (as their
# unprivileged user), then the watch at the desktop's own delay (on mutter, GNOME's default
# Screen Blank of 5 minutes, followed as it would change: the show after 4; elsewhere 240 s),
# lets it settle for 2 s, and measures it over SECONDS (default 60): prints one line
#   "<desktop> cpu_pct P wakeups_per_s W rss_kb R threads T"
# CPU is utime + stime of all its threads from /proc as a percentage of one core; wake-ups are
# the context switches of all its threads (each time one was woken and ran), per second; memory
# is VmRSS at the end.
set -euo pipefail
desktop=$1
export CORVANTA=$2 SHOTS=${TMPDIR:-/tmp}/corvanta-bench-watch
watch_program=$3
seconds=${4:-60}
here=$(cd "$(dirname "$0")/.." && pwd)
case $desktop in
  sway) source "$here/tests/wayland/sway.sh"; start_sway ;;
  mutter) source "$here/tests/gnome/mutter.sh"; start_mutter ;;
  *) echo "usage: measure_watch.sh sway|mutter PROGRAM WATCH_PROGRAM [SECONDS]" >&2; exit 2 ;;
esac
install -m 755 "$watch_program" "$WORK/bin/corvanta-idle-watch"
start --watch-idle
sleep 2
running "$PID" || fail "the watch ended: $(cat "$ERR")"

ticks() {  # utime + stime of every thread, in clock ticks
  cat /proc/"$1"/task/*/stat | awk '{ sub(/^.*\) /, ""); t += $12 + $13 } END { print t }'
}
switches() {  # voluntary and involuntary context switches of every thread
  cat /proc/"$1"/task/*/status | awk '/ctxt_switches/ { n += $2 } END { print n }'
}
t0=$(ticks "$PID") s0=$(switches "$PID") start_ns=$(date +%s%N)
sleep "$seconds"
t1=$(ticks "$PID") s1=$(switches "$PID") end_ns=$(date +%s%N)
rss=$(awk '/VmRSS/ { print $2 }' /proc/"$PID"/status)
threads=$(ls /proc/"$PID"/task | wc -l)
awk -v d="$desktop" -v t=$((t1 - t0)) -v s=$((s1 - s0)) -v ns=$((end_ns - start_ns)) \
  -v hz="$(getconf CLK_TCK)" -v rss="$rss" -v th="$threads" 'BEGIN {
  secs = ns / 1e9
  printf "%s cpu_pct %.3f wakeups_per_s %.3f rss_kb %d threads %d\n", d, t / hz / secs * 100, s / secs, rss, th }'
