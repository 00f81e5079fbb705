#!/usr/bin/env bash
# "/P" with nothing usable to embed in, under Wine: no number, 0, huge, negative, handles that
# would name the host only if cut to 32 bits, no such window. Each ends within a second of what
# Wine itself takes to start and end a program ("/A" beeps and ends), exit code 0, embeds
# nothing, leaves nothing running and leaves the cursor visible. (A host that destroys its
# window or dies is the Wine end-to-end preview test's.)
# Usage: preview_test.sh <scratch> <screenshots>
WORK="$1" SHOTS="$2"
source "$(dirname "$0")/lib.sh"
start_x

# How long a run of "/A" takes, the fastest of three: Wine's own cost of a program.
base=999999
for _ in 1 2 3; do
  t0=$(now_ms)
  start_scr /A
  wait_exit "$LAST_PID" 20 || fail "/A did not end"
  t=$(($(now_ms) - t0))
  [ "$t" -lt "$base" ] && base=$t
done
echo "Wine starts and ends a program in $base ms"

rm -f "$WORK/host.txt"
wine "$TOOLS/preview_host.exe" "$(winpath "$WORK/host.txt")" >>"$WORK/wine.log" 2>&1 &
STARTED+=("$!")
for _ in $(seq 200); do grep -q '^host ' "$WORK/host.txt" 2>/dev/null && break; sleep 0.05; done
host=$(awk '$1 == "host" { print $2 }' "$WORK/host.txt")
[ -n "$host" ] || { fail "the preview host did not start"; finish; }

for args in "/p" "/p 0" "/p -0" "/p 2147483647" "/p 2147483648" "/p $((host + 4294967296))" \
  "/p 99999999999999999999999999" "/p 1e309" "/p -1" "/p -2147483648" "/p -$host" \
  "/p $((host - 4294967296))" "/p 98765432" "/p $host x"; do
  t0=$(now_ms)
  # shellcheck disable=SC2086
  start_scr $args
  if wait_exit "$LAST_PID" 10; then
    t=$(($(now_ms) - t0))
    [ "$EXIT_CODE" = 0 ] || fail "'$args': exit code $EXIT_CODE"
    [ "$t" -le $((base + 1000)) ] && pass "'$args' ends in $t ms, exit code 0" ||
      fail "'$args' took $t ms, more than a second beyond Wine's $base ms"
  else
    fail "'$args' still runs after 10 s"
  fi
  nothing_left "'$args'"
  grep -q '^child ' "$WORK/host.txt" && fail "'$args' embedded itself in the host"
  [ "$(cursor)" = visible ] || fail "'$args': the cursor is hidden"
done
kill -9 "${STARTED[-1]}" 2>/dev/null || true

# After a real preview whose host goes away, the cursor shows too (how fast it ends is the
# end-to-end preview test's).
rm -f "$WORK/host.txt"
wine "$TOOLS/preview_host.exe" "$(winpath "$WORK/host.txt")" --destroy >>"$WORK/wine.log" 2>&1 &
STARTED+=("$!")
for _ in $(seq 200); do grep -q '^host ' "$WORK/host.txt" 2>/dev/null && break; sleep 0.05; done
start_scr /p "$(awk '$1 == "host" { print $2 }' "$WORK/host.txt")"
# Away from the host's window, whose class sets no cursor of its own (Wine then shows none).
xdotool mousemove 600 600
wait_exit "$LAST_PID" 20 && [ "$EXIT_CODE" = 0 ] || fail "the preview did not end with its host"
grep -q '^child ' "$WORK/host.txt" || fail "the preview never embedded itself"
[ "$(cursor)" = visible ] && pass "the cursor shows after the preview's host went" ||
  fail "the cursor is hidden after the preview's host went"
nothing_left "preview after its host"

finish
