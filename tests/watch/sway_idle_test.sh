# The watch on sway 1.7 (org_kde_kwin_idle): two idle seconds bring the show, a key ends it,
# the next two idle seconds bring it again; a second watch refuses; the compositor's end ends
# the watch with exit code 1.
source "$(dirname "$0")/../wayland/show_lib.sh"
source "$(dirname "$0")/watch_lib.sh"

start_sway
start_watch 2

step "a second watch refuses in one line"
rc=0
as_user "$BIN" --watch-idle 2 >"$WORK/second.out" 2>"$WORK/second.err" || rc=$?
[ "$rc" = 1 ] || fail "the second watch ended with $rc, not 1"
[ "$(wc -l <"$WORK/second.err")" = 1 ] || fail "the second watch said: $(cat "$WORK/second.err")"

step "no show before two idle seconds, then the race"
show_between 1.5 5
race_on HEADLESS-1

step "a key ends the show; the watch goes on"
key a
mark
show_ends_within 2
running "$WATCH" || fail "the watch ended with the show: $(cat "$WATCH_ERR")"

step "the next two idle seconds bring it again"
show_between 1.5 5
race_on HEADLESS-1
key a
show_ends_within 2

step "the compositor's end ends the watch with exit code 1, in one line"
stop_sway
PID=$WATCH ERR=$WATCH_ERR
wait_exit "$WATCH" 3
[ "$RC" = 1 ] || fail "the watch ended with $RC, not 1"
[ "$(wc -l <"$WATCH_ERR")" = 1 ] || fail "the watch said: $(cat "$WATCH_ERR")"
echo "watch.sway_idle: passed"
