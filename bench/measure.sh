# shellcheck shell=bash
# One measurement of a running program, for bench/run (sourced by it): CPU of the program, of
# the X server and of the wineserver from /proc, then ticks per second from the screen in a
# window of their own, peak memory, and the time from start to the first frame. Appends to
# $WORK/results and $WORK/firsts.
HZ=$(getconf CLK_TCK)

# utime + stime of a process, in clock ticks.
cpu_ticks() {
  local stat
  stat=$(cat "/proc/$1/stat" 2>/dev/null) || { echo 0; return; }
  stat=${stat##*) }
  awk '{ print $12 + $13 }' <<<"$stat"
}

peak_mb() { awk '/^VmHWM:/ { printf "%.1f\n", $2 / 1024 }' "/proc/$1/status" 2>/dev/null || echo n/a; }

now_ns() { date +%s%N; }

# CPU of process $1 between two readings, as a percentage of one core.
percent() {  # <ticks before> <ticks after> <ns before> <ns after>
  awk -v a="$1" -v b="$2" -v t0="$3" -v t1="$4" -v hz="$HZ" \
    'BEGIN { printf "%.2f\n", (b - a) / hz / ((t1 - t0) / 1e9) * 100 }'
}

# Starts a program through x_probe, which times its first frame, and waits for that frame;
# leaves the probe's pid in PROBE, the program's in PROG_PID and the time (or nothing) in FIRST.
start_probed() {  # <command...>
  local ff=$WORK/ff.txt
  # There before the probe writes to it: read at once, under load, a missing file ended the run.
  : >"$ff"
  "$PERF/bench/x_probe" first-frame 30 -- "$@" >"$ff" 2>>"$WORK/probe.log" &
  PROBE=$!
  STARTED+=("$PROBE")
  PROG_PID="" FIRST=""
  for _ in $(seq 700); do
    PROG_PID=$(awk '$1 == "pid" { print $2 }' "$ff")
    FIRST=$(awk '$1 == "first_frame_ms" { print $2 }' "$ff")
    [ -n "$FIRST" ] && break
    sleep 0.05
  done
  [ -n "$PROG_PID" ] && STARTED+=("$PROG_PID")
  [ "$FIRST" != timeout ] || FIRST=""
}

# Ends what start_probed started.
end_probed() {
  [ -n "$PROG_PID" ] && kill "$PROG_PID" 2>/dev/null || true
  wait "$PROBE" 2>/dev/null || true
  # The next run must not meet this one's instance guard.
  for _ in $(seq 100); do kill -0 "$PROG_PID" 2>/dev/null || break; sleep 0.05; done
}

# Runs one program in "/S" on the current X server and measures it; appends one line
#   "<key> program% x% wineserver% ticks_per_s peak_mb first_frame_ms"
# to $WORK/results.
measure() {  # <key> <wineserver pid or -> <command...>
  local key=$1 wsp=$2
  shift 2
  start_probed "$@"
  local pid=$PROG_PID
  if [ -z "$FIRST" ] || ! kill -0 "$pid" 2>/dev/null; then
    log "$key: no first frame"
    echo "$key n/a n/a n/a n/a n/a n/a" >>"$WORK/results"
  else
    sleep "$WARMUP_S"
    local p0 x0 w0=0 t0 p1 x1 w1=0 t1 ticks mem
    p0=$(cpu_ticks "$pid") x0=$(cpu_ticks "$XVFB_PID")
    [ "$wsp" != - ] && w0=$(cpu_ticks "$wsp")
    t0=$(now_ns)
    # Nothing watches the screen while the CPU is counted: the probe's damage reports are
    # work the X server does for the benchmark, not for the program.
    sleep "$WINDOW_S"
    p1=$(cpu_ticks "$pid") x1=$(cpu_ticks "$XVFB_PID")
    [ "$wsp" != - ] && w1=$(cpu_ticks "$wsp")
    t1=$(now_ns)
    ticks=$("$PERF/bench/x_probe" ticks "$TICKS_S")
    mem=$(peak_mb "$pid")
    local ws=n/a
    [ "$wsp" != - ] && ws=$(percent "$w0" "$w1" "$t0" "$t1")
    # A variant that draws without pause leaves no gaps between its frames to count: with
    # less than a second of racing seen, its rate cannot be read from the screen.
    local rate
    rate=$(awk '{ print ($4 >= 1 ? $6 : "n/a") }' <<<"$ticks")
    echo "$key $(percent "$p0" "$p1" "$t0" "$t1") $(percent "$x0" "$x1" "$t0" "$t1") $ws" \
      "$rate $mem $FIRST" >>"$WORK/results"
    log "$key: $(tail -n 1 "$WORK/results" | cut -d' ' -f2-)  ($ticks)"
  fi
  end_probed
}

# Starts a program in "/S" only to time its first frame, then ends it; appends
# "<key> first_frame_ms" to $WORK/firsts. Start-up varies more than the steady show, so it gets
# more samples than the full measurements give.
first_frame() {  # <key> <command...>
  local key=$1
  shift
  start_probed "$@"
  echo "$key ${FIRST:-n/a}" >>"$WORK/firsts"
  end_probed
}

# Watches SECONDS of a show from its first frame, the first winner's caption included, and
# appends "<key> largest_gap_ms ticks_per_s" to $WORK/gaps: a tick that stalls shows as a long
# gap between two frames of a race.
gap_run() {  # <key> <seconds> <command...>
  local key=$1 seconds=$2 ticks
  shift 2
  start_probed "$@"
  if [ -n "$FIRST" ]; then
    ticks=$("$PERF/bench/x_probe" ticks "$seconds")
    echo "$key $(awk '{ print $12, $6 }' <<<"$ticks")" >>"$WORK/gaps"
    log "$key: $ticks"
  else
    log "$key: no first frame"
  fi
  end_probed
}

# DrawRace and the change record without a display, incremental and naive, REPEATS rounds.
frame_cost() {
  local r v
  for r in $(seq "$REPEATS"); do
    for v in frame_bench frame_bench_naive; do
      "$PERF/bench/$v" --benchmark_repetitions=5 --benchmark_min_time=0.2 \
        --benchmark_out="$WORK/$v.$r.csv" --benchmark_out_format=csv >/dev/null 2>&1
    done
  done
}
