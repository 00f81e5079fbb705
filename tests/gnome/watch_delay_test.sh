# The watch's delay on mutter: without one, a minute before GNOME blanks the screen, or half
# its idle delay when that is under two minutes (idle-delay 4 s: the show after 2 s); a delay
# given is kept to (4 s).
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/session.sh"
source "$(dirname "$0")/../watch/watch_lib.sh"

gsetting org/gnome/desktop/session idle-delay 'uint32 4'
start_mutter

step "no delay given: half GNOME's idle delay of 4 s"
start_watch
show_between 1.5 3.8

step "SIGTERM ends the watch with exit code 0"
kill -TERM "$WATCH"
wait_exit "$WATCH" 3
[ "$RC" = 0 ] || fail "the watch ended with $RC, not 0: $(cat "$WATCH_ERR")"

step "a delay of 4 s"
gnome_key 30
start_watch 4
show_between 3.5 7
echo "gnome.watch_delay: passed"
