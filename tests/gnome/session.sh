# shellcheck shell=bash
# The parts of a GNOME session that mutter does not bring, for mutter.sh (which sources this):
#   gsetting PATH KEY VALUE  stores one GSettings value for the user, the only one (the keyfile
#                            backend, which mutter.sh gives every client), e.g. gsetting org/gnome/desktop/session
#                            idle-delay 'uint32 4'
#   start_session_manager    a stand-in for org.gnome.SessionManager (session_manager.py);
#                            sets SESSION_MANAGER (its process id)
#   inhibit [FLAGS]          takes an inhibitor (default 8, idle) as an application does;
#                            sets COOKIE
#   uninhibit COOKIE         lets it go
#   focused_terminal         a weston-terminal that has the focus, with "a" typed into it;
#                            typed prints what it has been given since

gsetting() {
  local file=$WL_HOME/.config/glib-2.0/settings/keyfile
  mkdir -p "$(dirname "$file")"
  # One value at a time: the file is written anew, which its readers see as a change.
  printf '[%s]\n%s=%s\n' "$1" "$2" "$3" >"$file.new"
  mv "$file.new" "$file"
  [ "$(id -u)" != 0 ] || chown -R "$WL_USER" "$WL_HOME/.config"
}

start_session_manager() {
  background session_manager /usr/bin/python3 "$WORK/bin/session_manager.py"
  SESSION_MANAGER=$LAST
  wait_name org.gnome.SessionManager
}

session_call() {
  as_user gdbus call --session -d org.gnome.SessionManager -o /org/gnome/SessionManager \
    -m "org.gnome.SessionManager.$1" "${@:2}" || fail "SessionManager.$1 failed"
}

inhibit() {
  COOKIE=$(session_call Inhibit test-player 0 "a video plays" "${1:-8}" | sed -E 's/.*uint32 ([0-9]+).*/\1/')
}

uninhibit() { session_call Uninhibit "$1" >/dev/null; }

focused_terminal() {
  printf '#!/bin/sh\nstty -icanon -echo\nexec cat >"$HOME/typed"\n' >"$WORK/bin/typer"
  chmod 755 "$WORK/bin/typer"
  background terminal weston-terminal --shell="$WORK/bin/typer"
  for _ in $(seq 20); do
    sleep 0.5
    gnome_input key 30
    [ -z "$(typed)" ] || return 0
  done
  fail "the terminal took no key"
}

typed() { cat "$WL_HOME/typed" 2>/dev/null || true; }
