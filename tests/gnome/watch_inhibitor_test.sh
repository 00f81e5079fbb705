# GNOME's session inhibitors on mutter: while an application holds idle off through the
# session manager there is no show; when it lets go, a whole delay passes, however long the
# user has been away, then the show. Other kinds of inhibitor change nothing, and a session
# manager that goes away takes its inhibitors with it.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/session.sh"
source "$(dirname "$0")/../watch/watch_lib.sh"

start_mutter
start_session_manager
inhibit
start_watch 2

step "no show while idle is inhibited"
no_show_for 5

step "the inhibitor goes after 5 idle seconds: two more, then the show"
uninhibit "$COOKIE"
mark
show_between 1.5 5

step "an inhibitor taken while the watch waits holds the show off; one of logging out does not"
gnome_key 30
inhibit 8
idle_cookie=$COOKIE
inhibit 1
no_show_for 4
uninhibit "$idle_cookie"
mark
show_between 1.5 5

step "the session manager goes: its inhibitors with it"
gnome_key 30
inhibit 8
no_show_for 3
kill "$SESSION_MANAGER"
mark
show_between 1.5 5
echo "gnome.watch_inhibitor: passed"
