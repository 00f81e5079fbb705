# OK in the settings dialog when the store cannot take the choice: a read-only folder, a
# read-only file, a file the program may not read, a folder in the file's place. The old entry
# stays as it was, no message appears, and the program ends normally. Then the program killed
# at random moments of a save: the file always holds the old entry or the new, never a mix.
source "$(dirname "$0")/lib.sh"
unprivileged_home
CONF=$XDG_CONFIG_HOME

mine() { [ -z "$AS" ] || chown nobody:nogroup "$@"; }
fingerprint() { if [ -d "$INI" ]; then echo "dir $(ls -A "$INI" | wc -l)"; else sha256sum <"$INI"; fi; }

# Opens the dialog, moves the choice one up (Slow to Medium), presses OK with the keyboard;
# with "watch", counts the windows shown after OK (see maps_seen).
ok_with_new_choice() {
  start_alone /C
  local dlg
  dlg=$(window "Corvanta Settings")
  xdotool windowfocus --sync "$dlg"
  sleep 0.2
  xdotool key Up
  [ "${1:-}" != watch ] || watch_maps 1.5
  xdotool key Tab Tab space
}

# The store as prepared is refused; OK must leave it as it was.
refused() {
  local what=$1 before
  before=$(fingerprint)
  ok_with_new_choice watch
  ends_cleanly "$what" 2
  maps_seen
  [ "$MAPS" = 0 ] || fail "$what: a window appeared after OK"
  [ "$(fingerprint)" = "$before" ] || fail "$what: the store changed"
  [ -z "$(ls -A "$CONF" | grep -v '^Corvanta Screen Saver.ini$')" ] ||
    fail "$what: left files behind: $(ls -A "$CONF")"
  echo "$what: kept, silent, ended normally"
}

printf '[Settings]\nBALL_SPEED=2\n' >"$INI"
mine "$INI"
step "the dialog can store when nothing stands in its way"
ok_with_new_choice
ends_cleanly "writable store" 2
grep -qx "BALL_SPEED=1" "$INI" || fail "a writable store did not take the choice: $(cat "$INI")"

step "a read-only folder"
printf '[Settings]\nBALL_SPEED=2\n' >"$INI"
mine "$INI"
chmod 555 "$CONF"
as_user "touch '$CONF/probe'" 2>/dev/null && fail "the program's user can write a folder of mode 555"
refused "read-only folder"
chmod 755 "$CONF"

step "a read-only file in a writable folder"
chmod 444 "$INI"
refused "read-only file"

step "a file the program may not read: it must not overwrite what it could not see"
printf '[Other]\nKEEP=this\n[Settings]\nBALL_SPEED=2\n' >"$INI"
mine "$INI"
chmod 200 "$INI"
refused "unreadable file"

step "a folder in the file's place"
rm -f "$INI"
mkdir "$INI"
mine "$INI"
refused "folder in place of the file"
rmdir "$INI"

step "killed at random moments of a save: the old entry or the new, never a mix"
# A large file keeps the save busy for a while; the delay between OK and the kill climbs after
# a kill that came too early and falls after one that came too late, so the kills gather
# around the moment the file changes hands.
{
  echo "[Other]"
  for i in $(seq 50000); do echo "KEY$i=some text that the store must carry over unchanged"; done
  printf '[Settings]\nBALL_SPEED=2\n'
} >"$WORK/old.ini"
sed 's/^BALL_SPEED=2$/BALL_SPEED=1/' "$WORK/old.ini" >"$WORK/new.ini"
old=$(sha256sum <"$WORK/old.ini") new=$(sha256sum <"$WORK/new.ini")
olds=0 news=0 cut=0 left=0 delay=30
for round in $(seq 24); do
  cp "$WORK/old.ini" "$INI"
  mine "$INI"
  ok_with_new_choice
  sleep "$(printf '%d.%03d' $((delay / 1000)) $((delay % 1000)))"
  # The new copy is open under another name in the folder (or unnamed, "(deleted)").
  writing=$(find "/proc/$PID/fd" -lname "$CONF/*" -printf '%l\n' 2>/dev/null |
    grep -cv "/Corvanta Screen Saver.ini$" || true)
  kill -9 "$PID" 2>/dev/null || true
  wait "$PID" 2>/dev/null || true
  now=$(sha256sum <"$INI")
  if [ "$now" = "$old" ]; then olds=$((olds + 1)) delay=$((delay * 3 / 2 + 5));
  elif [ "$now" = "$new" ]; then news=$((news + 1)) delay=$((delay * 4 / 5));
  else cp "$INI" "$SHOTS/corrupt-$round.ini"; fail "round $round: the store is neither old nor new"; fi
  [ "$writing" = 0 ] || cut=$((cut + 1))
  # A save cut short may leave its unfinished copy beside the file; never in the file.
  stale=$(find "$CONF" -mindepth 1 -maxdepth 1 ! -name 'Corvanta Screen Saver.ini' | wc -l)
  left=$((left + stale))
  find "$CONF" -mindepth 1 -maxdepth 1 ! -name 'Corvanta Screen Saver.ini' -delete
done
echo "after 24 kills: $olds old, $news new; killed $cut times while writing the new copy; $left unfinished copies left behind"
[ "$olds" -gt 0 ] && [ "$news" -gt 0 ] || echo "note: the kills all landed on one side of the save"
echo "faults.store_write: passed"
