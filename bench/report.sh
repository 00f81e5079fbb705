# shellcheck shell=bash
# The table and bench/results.md, for bench/run (sourced by it): medians over the repetitions
# of what measure.sh appended, incremental against naive.

median() {
  printf '%s\n' "$@" | awk '/^[0-9.]+$/' | sort -g | awk '
    { a[NR] = $1 }
    END { if (NR == 0) print "n/a"; else if (NR % 2) print a[(NR + 1) / 2];
          else printf "%.4g\n", (a[NR / 2] + a[NR / 2 + 1]) / 2 }'
}

field() {  # <key> <column 2..7>: median over the repetitions
  # shellcheck disable=SC2046
  median $(awk -v k="$1" -v c="$2" '$1 == k { print $c }' "$WORK/results")
}

frame_us() {  # <bench> <width> <height>: median of every repetition of every round
  # shellcheck disable=SC2046
  median $(cat "$WORK/$1".*.csv | awk -F, -v n="\"Frame/$2/$3\"" '$1 == n { print $3 }')
}

firsts() {  # <key>: median of the first-frame-only starts, with their range
  local values
  values=$(awk -v k="$1" '$1 == k { print $2 }' "$WORK/firsts")
  # shellcheck disable=SC2086
  echo "$(median $values) ($(echo "$values" | awk '/^[0-9.]+$/' | sort -g | sed -n '1p;$p' | paste -sd-))"
}

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (a + 0 > 0 && b + 0 > 0) printf "%.3g", a / b; else print "n/a" }'; }
pct_of() { awk -v a="$1" -v b="$2" 'BEGIN { if (a + 0 > 0 && b + 0 > 0) printf "%.2f %%", a / b * 100; else print "n/a" }'; }

gap() {  # <key> <column 2..3>: median over the watched shows
  # shellcheck disable=SC2046
  median $(awk -v k="$1" -v c="$2" '$1 == k { print $c }' "$WORK/gaps")
}

# One figure of one kind of run, incremental against naive; with "ratio", their ratio too.
pair_row() {  # <label> <key> <column> <screen> [ratio]
  local a b r=""
  a=$(field "$2.inc" "$3") b=$(field "$2.naive" "$3")
  [ -z "${5:-}" ] || r=$(ratio "$a" "$b")
  echo "| $1 | $4 | $a | $b |${r:+ $r} |"
}

# Program and X server CPU and the tick rate of one kind of run, incremental against naive.
cpu_rows() {  # <name> <key> <screen>
  pair_row "$1: program CPU, % of a core" "$2" 2 "$3" ratio
  pair_row "$1: X server CPU, % of a core" "$2" 3 "$3" ratio
  pair_row "$1: ticks per second" "$2" 5 "$3"
}

# The Wayland rows of one kind of run, incremental against naive: program and compositor CPU,
# commits per second and peak memory, or one row saying why the program did not run there.
wl_rows() {  # <name> <key> <screen> [compositor, default sway]
  local why
  why=$(awk -v k="$2.inc" '$1 == k { $1 = ""; print substr($0, 2); exit }' "$WORK/refused")
  # A program that ran in some repetitions and not in others gets its figures and the log
  # says why the others failed.
  if [ -n "$why" ] && [ "$(field "$2.inc" 2)" = n/a ]; then
    echo "| $1 | $3 | not available ($why) | | |"
    return
  fi
  pair_row "$1: program CPU, % of a core" "$2" 2 "$3" ratio
  pair_row "$1: compositor (${4:-sway}) CPU, % of a core" "$2" 3 "$3" ratio
  pair_row "$1: commits per second" "$2" 5 "$3"
  pair_row "$1: peak memory, MB (VmHWM)" "$2" 6 "$3"
}

write_table() {  # to stdout
  local size w h a b p name k
  local other=${BENCH_BASELINE:+at $BENCH_BASELINE}
  other=${other:-naive}
  echo "| measure | screen | incremental | $other | incremental / $other |"
  echo "|---|---|---|---|---|"
  if want frame; then
    for size in "${SIZES[@]}"; do
      w=${size%x*} h=${size#*x}
      a=$(frame_us frame_bench "$w" "$h") b=$(frame_us frame_bench_naive "$w" "$h")
      echo "| frame cost, µs (DrawRace + change record) | $size | $a | $b | $(pct_of "$a" "$b") |"
    done
  fi
  if ! want x && want wayland; then wayland_rows; fi
  for p in linux wine; do
    [ "$p" = wine ] && { [ -z "$WINE_OK" ] || ! want wine; } && continue
    [ "$p" = linux ] && ! want x && continue
    name="Linux program"
    [ "$p" = wine ] && name="corvanta.scr, Wine"
    for size in "${SIZES[@]}"; do
      k=$p.$size
      a=$(field "$k.inc" 2) b=$(field "$k.naive" 2)
      echo "| $name: program CPU, % of a core | $size | $a | $b | $(ratio "$a" "$b") |"
      a=$(field "$k.inc" 3) b=$(field "$k.naive" 3)
      echo "| $name: X server CPU, % of a core | $size | $a | $b | $(ratio "$a" "$b") |"
      if [ "$p" = wine ]; then
        a=$(field "$k.inc" 4) b=$(field "$k.naive" 4)
        echo "| $name: wineserver CPU, % of a core | $size | $a | $b | $(ratio "$a" "$b") |"
      fi
      a=$(field "$k.inc" 5) b=$(field "$k.naive" 5)
      echo "| $name: ticks per second | $size | $a | $b | |"
      a=$(field "$k.inc" 6) b=$(field "$k.naive" 6)
      echo "| $name: peak memory, MB (VmHWM) | $size | $a | $b | |"
      if [ "$p" = linux ]; then
        a=$(firsts "$k.inc") b=$(firsts "$k.naive")
      else
        a=$(field "$k.inc" 7) b=$(field "$k.naive" 7)
      fi
      echo "| $name: start to first frame, ms | $size | $a | $b | |"
      if [ "$p" = linux ] && [ "$size" = "$BIG" ]; then
        echo "| $name: largest gap between two frames of a race, ms, ${GAP_S} s from the start" \
          "| $size | $(gap "$k" 2) (at $(gap "$k" 3) ticks/s) | | |"
        cpu_rows "Linux display mode (--root)" "root.$size" "$size"
        cpu_rows "Linux program, two monitors" "twomon.$size" "2 × $size"
        if want wayland; then wayland_rows; fi
      fi
    done
  done
  if want watch; then watch_rows; fi
  if want wine; then echo "| corvanta.scr size, bytes | | $SCR_BYTES | | |"; fi
}

# The idle watch while it waits, one row a desktop: in the incremental column, as the program
# the user runs; the watch draws nothing, so it has no naive build.
watch_rows() {
  awk -v s="${BENCH_WATCH_SECONDS:-60}" '
    $2 == "failed" { print "| idle watch on " $1 ": not available (" $0 ") | | | | |"; next }
    { printf "| idle watch on %s, waiting %s s: wake-ups a second; CPU, %% of a core; memory, MB (VmRSS) | | %s; %s; %.1f | | |\n",
        $1, s, $5, $3, $7 / 1024 }' "$WORK/watch"
}

wayland_rows() {
  local name="Linux program on Wayland (\"/S\", headless sway)"
  wl_rows "$name" "wl.$BIG" "$BIG"
  # The show's cost on Wayland against X, from this run: figures of two runs do not compare.
  if want x && ! grep -q "^wl.$BIG.inc " "$WORK/refused"; then
    echo "| $name: program CPU, Wayland / X | $BIG | $(ratio "$(field "wl.$BIG.inc" 2)" \
      "$(field "linux.$BIG.inc" 2)") | $(ratio "$(field "wl.$BIG.naive" 2)" \
      "$(field "linux.$BIG.naive" 2)") | |"
  fi
  wl_rows "Linux display mode on Wayland (--root, bottom layer)" "wlroot.$BIG" "2 × $BIG"
  local kwin="Linux program on KDE Plasma's KWin (\"/S\", headless)"
  wl_rows "$kwin" "kwin.$BIG" "$BIG" KWin
  # The show on KWin against the show on sway, from this run.
  if ! grep -q "^kwin.$BIG.inc \|^wl.$BIG.inc " "$WORK/refused"; then
    echo "| $kwin: program CPU, KWin / sway | $BIG | $(ratio "$(field "kwin.$BIG.inc" 2)" \
      "$(field "wl.$BIG.inc" 2)") | $(ratio "$(field "kwin.$BIG.naive" 2)" \
      "$(field "wl.$BIG.naive" 2)") | |"
  fi
}

# Prints the table and writes it with how it was measured to bench/results.md.
write_results() {  # <load average before the run> <seconds since the epoch at its start>
  local load_after elapsed table
  load_after=$(cut -d' ' -f1-3 /proc/loadavg)
  elapsed=$(($(date +%s) - $2))
  SCR_BYTES=n/a
  [ -f "$WIN/corvanta.scr" ] && SCR_BYTES=$(stat -c %s "$WIN/corvanta.scr")
  table=$(write_table)
  # A part of the set, or a comparison with an earlier program, is a check, not a result to keep.
  if [ -n "$ONLY" ] || [ -n "${BENCH_BASELINE:-}" ]; then
    echo "$table"
    echo
    echo "BENCH_ONLY=\"$ONLY\" BENCH_BASELINE=\"${BENCH_BASELINE:-}\": bench/results.md left as it was"
    return
  fi
  {
    echo "# Benchmark results"
    echo
    echo "Written by \`bench/run\` on $(date -u '+%Y-%m-%d %H:%M UTC'); medians of $REPEATS" \
      "interleaved repetitions; program runs measured over ${WINDOW_S} s after ${WARMUP_S} s of" \
      "warm-up; CPU from utime + stime in /proc as a percentage of one core, counted while" \
      "nothing watches the screen; frames counted in the ${TICKS_S} s after."
    echo
    echo "$table"
    echo
    echo "Machine: $(nproc) cores, $(awk -F': ' '/model name/ { print $2; exit }' /proc/cpuinfo);" \
      "load average $1 before and $load_after after the run (other work shares" \
      "the machine); the run took ${elapsed} s after building."
    echo "Ticks per second are frames drawn per second of racing, counted from the X server's" \
      "damage reports to a probe that runs only after the CPU window, since the reports cost the" \
      "server 0.26-0.48 points of a core at 3840x2160 in three runs of each under perf stat." \
      "The two-second holds draw nothing and are left out; n/a where the" \
      "drawing never pauses, so frames cannot be told apart. The Linux program's first frame" \
      "is the median of $((REPEATS * 3)) starts (fastest-slowest in brackets) on a server that" \
      "has already shown one run."
    echo "On Wayland no probe sees the screen: commits per second are the program's own" \
      "wl_surface.commit requests, read from its messages to the compositor with strace in the" \
      "${TICKS_S} s after the CPU window and taken over the racing stretches as on X; the" \
      "display mode's two outputs commit each, so its figure counts both. The compositor's" \
      "CPU is sway's, which composes every output it shows; its headless outputs call back every" \
      "16 ms (62.5 frames a second). KWin's rows: KWin 5.27 on one virtual output, composing" \
      "with OpenGL on Mesa's llvmpipe, in software as sway's pixman does."
    # What no run can measure by itself: the profiles, and this table against earlier runs.
    if [ -f "$ROOT/bench/notes.md" ]; then
      echo
      cat "$ROOT/bench/notes.md"
    fi
  } >"$ROOT/bench/results.md"
  echo "$table"
  echo
  echo "written to bench/results.md"
}
