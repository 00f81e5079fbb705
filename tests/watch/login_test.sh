# The watch on at login by one command and off by another, on sway: the XDG autostart entry in
# the user's folder, which a desktop starts as written, and the watch running now.
source "$(dirname "$0")/../wayland/sway.sh"
source "$(dirname "$0")/watch_lib.sh"

ENTRY=$WL_HOME/.config/autostart/corvanta-watch-idle.desktop
watches() { pgrep -u "$WL_USER" -f -x "$BIN --watch-idle 2" || true; }
login_switch() {
  as_user "$BIN" --watch-idle 2 "$1" >"$WORK/switch.out" 2>"$WORK/switch.err" ||
    fail "$1 failed: $(cat "$WORK/switch.err")"
  [ "$(wc -l <"$WORK/switch.out")" = 1 ] && [ ! -s "$WORK/switch.err" ] ||
    fail "$1 said: $(cat "$WORK/switch.out" "$WORK/switch.err")"
}

# On: a valid entry naming the program, and a watch at once, once however often it is asked;
# the entry as a desktop launches it starts a working watch; off: no entry and no watch.
scenario_on_and_off() {
  start_sway
  WATCH_ERR=$WORK/switch.err
  mark
  step "on: the entry, and a watch that shows the race after two idle seconds"
  login_switch --enable-at-login
  desktop-file-validate "$ENTRY" || fail "the entry does not validate"
  grep -qxF "Exec=$BIN --watch-idle 2" "$ENTRY" || fail "the entry's Exec: $(grep Exec "$ENTRY")"
  show_between 1.5 5
  race_on HEADLESS-1
  key a
  show_ends_within 2
  step "on again: one watch, in place of the first"
  local first
  first=$(watches)
  login_switch --enable-at-login
  sleep 0.5
  [ "$(watches | wc -l)" = 1 ] || fail "watches running: $(watches | tr '\n' ' ')"
  [ "$(watches)" != "$first" ] || fail "the first watch still runs"

  step "the entry launched as a desktop does at login starts a watch that works"
  kill "$(watches)"
  for _ in $(seq 50); do [ -z "$(watches)" ] && break; sleep 0.05; done
  as_user gio launch "$ENTRY" || fail "gio launch failed"
  mark
  show_between 1.5 5
  key a
  show_ends_within 2

  step "off: no entry, no watch, no show"
  login_switch --disable-at-login
  [ ! -e "$ENTRY" ] || fail "the entry is still there"
  for _ in $(seq 50); do [ -z "$(watches)" ] && break; sleep 0.05; done
  [ -z "$(watches)" ] || fail "the watch still runs"
  no_show_for 3
  step "off again: nothing to do, said in one line"
  login_switch --disable-at-login
}

run_scenario "$@"
