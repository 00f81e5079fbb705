# The watch on sway 1.7: while a client holds a Wayland idle inhibitor there is no show; when
# it lets go, a whole delay passes, then the show. SIGTERM ends the watch and its show.
source "$(dirname "$0")/../wayland/show_lib.sh"
source "$(dirname "$0")/watch_lib.sh"

start_sway
hold_inhibitor
start_watch 2

step "no show while the inhibitor is held"
no_show_for 5

step "the inhibitor goes: a whole delay, then the show"
drop_inhibitor
mark
show_between 1.5 5
race_on HEADLESS-1

step "SIGTERM ends the watch with exit code 0, and its show"
kill -TERM "$WATCH"
wait_exit "$WATCH" 3
[ "$RC" = 0 ] || fail "the watch ended with $RC, not 0: $(cat "$WATCH_ERR")"
show_ends_within 2
[ ! -s "$WATCH_ERR" ] || fail "the watch said: $(cat "$WATCH_ERR")"
echo "watch.sway_inhibitor: passed"
