# shellcheck shell=bash
# One measurement of a running program on the headless sway of serve.sh, for bench/run
# (sourced by it after measure.sh, whose helpers it uses): CPU of the program and of the
# compositor from /proc, then commits per second from the program's own messages to the
# compositor in a window of their own, and peak memory. Appends to $WORK/results as measure()
# does, and "<key> <reason>" to $WORK/refused when the program will not run there.

# Does the program's surface show on the output at x: is the cell of ball 1 at the start line
# (an eleventh of the height down) free of sway's own clear colour, which no picture of ours
# has? Polling cannot catch ball 1 itself at the start as x_probe does on X: a grim of a 4K
# output takes long enough for a busy program's balls to have left.
wl_covered() {  # <x> <height>
  local top=$(((${2} * 2 + 11) / 22))
  as_wl grim -g "$1,$top 32x32" -t ppm - 2>/dev/null | tail -c $((32 * 32 * 3)) |
    od -An -tu1 -v -w3 |
    awk '{ n++ } $1 == 63 && $2 == 63 && $3 == 63 { grey = 1 } END { exit !(n == 1024 && !grey) }'
}

# Starts a program as the sway's user and waits until its surface shows on every output;
# leaves its pid in PROG_PID and "yes" in SEEN, or the reason it did not show in REFUSED.
start_wl() {  # <command...>
  local i rc
  (WL_EXEC="exec" as_wl "$@") >"$WORK/wl.out" 2>"$WORK/wl.err" &
  PROG_PID=$!
  STARTED+=("$PROG_PID")
  SEEN="" REFUSED=""
  for _ in $(seq 300); do
    if ! kill -0 "$PROG_PID" 2>/dev/null; then
      rc=0
      wait "$PROG_PID" 2>/dev/null || rc=$?
      REFUSED="exit $rc$(grep -m 1 . "$WORK/wl.err" | sed 's/^/: /')"
      return
    fi
    SEEN=yes
    for ((i = 0; i < WL_OUTPUTS; i++)); do
      "${WL_PROBE:-wl_covered}" $((i * WL_WIDTH)) "$WL_HEIGHT" || { SEEN=""; break; }
    done
    [ -n "$SEEN" ] && return
    sleep 0.1
  done
  REFUSED="nothing of it on screen within 30 s"
}

end_wl() {
  kill "$PROG_PID" 2>/dev/null || true
  # The next run must not meet this one's instance guard; one that will not end is a fault of
  # its own, not a reason to hang the bench.
  for _ in $(seq 100); do kill -0 "$PROG_PID" 2>/dev/null || break; sleep 0.05; done
  kill -9 "$PROG_PID" 2>/dev/null && log "$PROG_PID did not end on SIGTERM within 5 s"
  wait "$PROG_PID" 2>/dev/null || true
}

# Counts the program's surface commits for SECONDS from its messages to the compositor, read
# with strace from the sockets' sendmsg calls: prints
#   "commits C racing_s R commits_per_s T"
# The holds between races commit nothing, so the rate is taken over the racing stretches only,
# as x_probe takes it on X: the gaps under half a second between sendmsg calls that commit.
# A commit is a request of opcode 6 with no arguments (wl_surface.commit); nothing else the
# program sends has that shape.
wl_commits() {  # <pid> <seconds>
  local trace=$WORK/wl.strace
  if ! command -v strace >/dev/null; then
    echo "commits n/a racing_s n/a commits_per_s n/a (no strace)"
    return
  fi
  timeout -s INT "$2" strace -p "$1" -e trace=sendmsg -xx -s 1048576 -ttt -qq -o "$trace" \
    2>/dev/null || true
  awk '
    BEGIN { hex = "0123456789abcdef" }
    function byte(s, i) {
      return (index(hex, substr(s, i, 1)) - 1) * 16 + index(hex, substr(s, i + 1, 1)) - 1
    }
    / sendmsg\(/ {
      data = ""
      line = $0
      while (match(line, /iov_base="[^"]*"/)) {
        data = data substr(line, RSTART + 10, RLENGTH - 11)
        line = substr(line, RSTART + RLENGTH)
      }
      gsub(/\\x/, "", data)
      n = 0
      for (at = 1; at + 15 <= length(data); at += size * 2) {
        size = byte(data, at + 12) + 256 * byte(data, at + 14)
        if (size < 8) break
        if (byte(data, at + 8) + 256 * byte(data, at + 10) == 6 && size == 8) n++
      }
      if (n == 0) next
      commits += n
      if (last != "" && $1 - last < 0.5) { racing += $1 - last; counted += n }
      last = $1
    }
    END { printf "commits %d racing_s %.3f commits_per_s %s\n", commits, racing,
            (racing >= 1 ? sprintf("%.1f", counted / racing) : "n/a") }' "$trace"
}

# Runs one program on the current compositor (sway's or KWin's, COMPOSITOR_PID) and measures
# it; appends one line
#   "<key> program% compositor% n/a commits_per_s peak_mb n/a"
# to $WORK/results, or n/a throughout and the reason to $WORK/refused.
measure_wl() {  # <key> <unused, as measure's wineserver> <command...>
  local key=$1
  shift 2
  start_wl "$@"
  if [ -z "$SEEN" ]; then
    log "$key: not available ($REFUSED)"
    echo "$key n/a n/a n/a n/a n/a n/a" >>"$WORK/results"
    echo "$key $REFUSED" >>"$WORK/refused"
  else
    sleep "$WARMUP_S"
    local p0 s0 t0 p1 s1 t1 commits mem rate
    p0=$(cpu_ticks "$PROG_PID") s0=$(cpu_ticks "$COMPOSITOR_PID") t0=$(now_ns)
    sleep "$WINDOW_S"
    p1=$(cpu_ticks "$PROG_PID") s1=$(cpu_ticks "$COMPOSITOR_PID") t1=$(now_ns)
    commits=$(wl_commits "$PROG_PID" "$TICKS_S")
    mem=$(peak_mb "$PROG_PID")
    rate=$(awk '{ print $6 }' <<<"$commits")
    echo "$key $(percent "$p0" "$p1" "$t0" "$t1") $(percent "$s0" "$s1" "$t0" "$t1") n/a" \
      "$rate $mem n/a" >>"$WORK/results"
    log "$key: $(tail -n 1 "$WORK/results" | cut -d' ' -f2-)  ($commits)"
  fi
  end_wl
}
