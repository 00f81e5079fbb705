# The watch on mutter, through GNOME's idle monitor: two idle seconds start the show; while the
# user stays away it is not started again; input, then two idle seconds, start it again; mutter
# going away ends the watch with exit code 1, in one line. (mutter has no layer shell, so
# today the show refuses there, and the watch logs each one it started.)
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/../watch/watch_lib.sh"

start_mutter
start_watch 2

step "two idle seconds, then the show"
show_between 1.5 5

step "no second show while the user stays away"
no_show_for 3

step "input, then two idle seconds: the show again"
gnome_key 30
mark
show_between 1.5 5

step "mutter's end ends the watch with exit code 1"
stop_mutter
wait_exit "$WATCH" 3
[ "$RC" = 1 ] || fail "the watch ended with $RC, not 1"
# (The show, a process of its own, may still be writing its own lines to the same file.)
grep -qx "corvanta: GNOME's idle monitor has gone" "$WATCH_ERR" ||
  fail "the watch did not say why it ended: $(cat "$WATCH_ERR")"
echo "gnome.watch_idle: passed"
