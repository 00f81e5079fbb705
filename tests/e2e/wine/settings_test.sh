#!/usr/bin/env bash
# The settings dialog under Wine: its layout, the stored choice shown, OK storing the choice,
# and Cancel, Escape, Enter and the close box storing nothing.
# Usage: settings_test.sh <scratch> <screenshots>
WORK="$1" SHOTS="$2"
: "${VERSION:?the version the dialog must show}"
source "$(dirname "$0")/common.sh"
start_x

KEY='HKCU\Software\Corvanta Screen Saver\Settings'
stored() { wine reg query "$KEY" /v BALL_SPEED 2>/dev/null | tr -d '\r' | awk '$1 == "BALL_SPEED" { print $2 ":" $3 }'; }
set_stored() { wine reg add "$KEY" /v BALL_SPEED /t REG_SZ /d "$1" /f >>"$WORK/wine.log" 2>&1; }
clear_stored() { wine reg delete 'HKCU\Software\Corvanta Screen Saver' /f >>"$WORK/wine.log" 2>&1 || true; }

# Opens the dialog and lists its windows into $WORK/probe.txt.
open_dialog() {
  start_scr /C
  DIALOG=$LAST_PID
  wait_window "Corvanta Settings" 20 || { fail "no settings dialog"; return 1; }
  probe "Corvanta Settings" || { fail "dialog not found by title"; return 1; }
}
# Centre of the control with the given text, in screen pixels.
centre_of() {
  local dx dy
  IFS=, read -r dx dy _ _ < <(awk -F'|' 'NR == 1 { print $4 }' "$WORK/probe.txt")
  awk -F'|' -v t="$1" -v dx="$dx" -v dy="$dy" '$6 == t { split($4, r, ","); print dx + r[1] + int(r[3] / 2), dy + r[2] + int(r[4] / 2); exit }' "$WORK/probe.txt"
}
selected() { awk -F'|' '$1 == "ComboBox" { print $5 ":" $6 }' "$WORK/probe.txt"; }
ended_storing() {  # <what> <expected stored value>
  if wait_exit "$DIALOG" 10 && [ "$EXIT_CODE" = 0 ]; then
    [ "$(stored)" = "$2" ] && pass "$1" || fail "$1: the store holds '$(stored)', expected '$2'"
  else
    fail "$1: the dialog did not close"
  fi
}

# --- Layout and the stored choice -------------------------------------------------------------
clear_stored
open_dialog
shot settings_empty_store
[ "$(selected)" = "1:Medium" ] && pass "an empty store shows Medium" || fail "an empty store shows '$(selected)'"
grep -q "|Version ${VERSION//./\\.}\$" "$WORK/probe.txt" && pass "the version label reads Version $VERSION" \
  || fail "no 'Version $VERSION' label"
# The designed places at 15 twips to the pixel, the frame's contents offset by the frame.
for want in "Button|1|13,7,455,192|" "Static|1|28,39,81,25|Ball Speed:" "Button|1|266,32,60,27|Cancel" \
  "Button|1|364,32,60,27|OK" "Static|1|79,210,217,28|" "Static|1|337,210,141,26|Version $VERSION"; do
  IFS='|' read -r cls vis rect text <<<"$want"
  awk -F'|' -v c="$cls" -v v="$vis" -v r="$rect" -v t="$text" \
    '$1 == c && $3 == v && $4 == r && (t == "" || $6 == t) { found = 1 } END { exit !found }' \
    "$WORK/probe.txt" || fail "no $cls at $rect ${text:+($text)}"
done
head -n1 "$WORK/probe.txt" | grep -q '|Corvanta Settings$' || fail "dialog title"
grep -q '^ComboBox|[0-9]*|1|113,35,89,' "$WORK/probe.txt" || fail "the list is not at 113,35 with width 89"
pass "dialog layout checked against the design"
# Escape and Enter do nothing; the dialog stays open and nothing is stored.
xdotool key Escape
sleep 0.5
xdotool key Return
sleep 0.5
if kill -0 "$DIALOG" 2>/dev/null && [ -z "$(stored)" ]; then
  pass "Escape and Enter neither close the dialog nor store anything"
else
  fail "Escape or Enter closed the dialog or stored '$(stored)'"
fi
shot settings_after_keys
# Choose Slow with the keyboard (the list has the focus), then click OK.
xdotool key End
sleep 0.3
probe "Corvanta Settings"
[ "$(selected)" = "2:Slow" ] || fail "End did not select Slow: '$(selected)'"
shot settings_slow
read -r x y < <(centre_of OK)
xdotool mousemove "$x" "$y" click 1
ended_storing "Slow + OK stores 2 as text" "REG_SZ:2"

# --- Cancel and the close box store nothing -------------------------------------------------
# Stores $1, which the dialog shows as Fast, opens it and chooses Slow with the keyboard.
open_choosing_slow() {
  set_stored "$1"
  open_dialog
  [ "$(selected)" = "0:Fast" ] && pass "a stored $1 shows Fast" || fail "a stored $1 shows '$(selected)'"
  xdotool key End
}

open_choosing_slow 0
read -r x y < <(centre_of Cancel)
xdotool mousemove "$x" "$y" click 1
ended_storing "Cancel stores nothing" "REG_SZ:0"

open_choosing_slow 7
shot settings_close_box
# The close box sits at the right end of the title bar Wine draws, just above the client
# area's top-right corner.
IFS=, read -r cx cy cw _ < <(awk -F'|' 'NR == 1 { print $4 }' "$WORK/probe.txt")
xdotool mousemove $((cx + cw - 10)) $((cy - 10)) click 1
ended_storing "the close box stores nothing" "REG_SZ:7"

finish
