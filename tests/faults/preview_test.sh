# "/P" with nothing usable to embed in, and hosts that go away: the program ends within a
# second, exit code 0, silently, leaves nothing running, and the cursor shows.
source "$(dirname "$0")/lib.sh"

host 152 112 100 100
# An X window id fits in 29 bits; these add 2^32 or 2^31 to a real one, so a reader that
# wrapped to 32 bits would find the host's window.
wrapped=$((HOST_ID + 4294967296))
negative=$((HOST_ID - 4294967296))
step "no number, 0, huge, negative, or no such window: ends at once, embedding nothing"
for args in "/p" "/P " "/p 0" "/p -0" "/p 2147483647" "/p 2147483648" "/p $wrapped" \
  "/p 99999999999999999999999999" "/p 1e308" "/p 1e309" "/p -1" "/p -2147483648" \
  "/p $negative" "/p -$HOST_ID" "/p 98765432" "/p 1.5e3x" "/p $HOST_ID x"; do
  watch_maps 1.2
  # shellcheck disable=SC2086
  start_alone $args
  ends_cleanly "\"$args\"" 1
  maps_seen
  [ "$MAPS" = 0 ] || fail "\"$args\" showed a window"
  xwininfo -children -id "$HOST_ID" | grep -q "0 children" || fail "\"$args\" embedded in the host"
  [ "$(cursor)" = visible ] || fail "\"$args\": the cursor is hidden"
done
host_do destroy

step "the host's process killed outright: the preview ends within a second"
for round in 1 2 3; do
  host 152 112 100 100
  host_pid=${PIDS[-1]}
  start_alone /p "$HOST_ID"
  embedded
  kill -9 "$host_pid"
  ends_cleanly "round $round, host killed" 1
  [ "$(cursor)" = visible ] || fail "the cursor is hidden after the host was killed"
done

step "the host's window destroyed: the preview ends within a second, the cursor shows"
host 152 112 100 100
start_alone /p "$HOST_ID"
embedded
xdotool mousemove 150 150   # over the preview, which sets no cursor of its own
host_do destroy
ends_cleanly "host destroyed" 1
[ "$(cursor)" = visible ] || fail "the cursor is hidden after the host went"
echo "faults.preview: passed"
