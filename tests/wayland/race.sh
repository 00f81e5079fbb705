# shellcheck shell=bash
# What the program shows and how it ends, on any compositor: the harness sourced before gives
#   shot NAME OUTPUT   the output's picture, in its own pixels, as $SHOTS/NAME.png
#   output_size OUTPUT "W H", its size in its own pixels
# and this file adds
#   race_on NAME       waits up to 5 s until output NAME shows balls in lanes 1 to 9 and none
#                      elsewhere; the last shot is $SHOTS/race-NAME.png
#   all_black NAME     the output's shot ($SHOTS/black-NAME.png) is black everywhere
#   ball_is NAME MAX [MIN]  ball 1 of race-NAME.png is MIN (default MAX - 4) to MAX pixels across
#   moving NAME        the race on NAME moves on: a shot differs from one before, within 8 s
#   caption_on NAME [TRIES]  the winner's caption shows at the middle of NAME ($SHOTS/caption.png)
#   ended_with RC      the program ended within 2 s with exit code RC, and dumped no core
#   swayidle_starts_show NAME  swayidle starts the show after 2 idle s, on NAME; a key ends it
#   wallpaper OUTPUT   a grey background of EMPTY (swaybg, on the background layer), which no
#                      picture of ours has, where the compositor's own is black (KWin, phoc)

race_on() {
  local name=$1 w h lanes ok n count
  read -r w h <<<"$(output_size "$name")"
  for _ in $(seq 25); do
    shot "race-$name" "$name"
    lanes=$(lanes_of "$SHOTS/race-$name.png" "$h" "$w")
    ok=1
    for lane in $lanes; do
      n=${lane%%:*} count=${lane#*:}
      if [ "$n" = 0 ] || [ "$n" = 10 ]; then
        [ "$count" = 0 ] || ok=0
      else
        [ "$count" -ge 100 ] || ok=0  # the black 8 shows little but its number and shine
      fi
    done
    [ "$ok" = 1 ] && { echo "$name: $lanes"; return 0; }
    sleep 0.2
  done
  fail "no race on $name: lanes $lanes"
}

all_black() {
  local w h
  read -r w h <<<"$(output_size "$1")"
  shot "black-$1" "$1"
  [ "$(count_colour "$SHOTS/black-$1.png" 0,0,0)" = $((w * h)) ]
}

ball_is() {
  local size w h min=${3:-$(($2 - 4))}
  read -r w h <<<"$(output_size "$1")"
  size=$(ball_size "$SHOTS/race-$1.png" "$h" "$w")
  echo "$1: ball 1 covers $size pixels"
  [ "${size%x*}" -ge "$min" ] && [ "${size%x*}" -le "$2" ] &&
    [ "${size#*x}" -ge "$min" ] && [ "${size#*x}" -le "$2" ] ||
    fail "ball 1 on $1 covers $size pixels, not $min to $2 across"
}

moving() {
  shot "move-a-$1" "$1"
  for _ in $(seq 16); do
    sleep 0.5
    shot "move-b-$1" "$1"
    [ "$(compare -metric AE "$SHOTS/move-a-$1.png" "$SHOTS/move-b-$1.png" null: 2>&1 || true)" = 0 ] ||
      return 0
  done
  fail "the race on $1 stands still"
}

# Label1's colours: light yellow on black, in its box from the middle of the screen.
caption_on() {
  local w h box
  read -r w h <<<"$(output_size "$1")"
  box=130x25+$((w / 2))+$((h / 2))
  for _ in $(seq "${2:-60}"); do
    shot caption "$1"
    [ "$(count_colour "$SHOTS/caption.png" 255,255,128 40 "$box")" -ge 100 ] && return 0
    sleep 0.2
  done
  fail "no caption on $1"
}

ended_with() {
  wait_exit "$PID" 2
  [ "$RC" = "$1" ] || fail "exit code $RC, not $1: $(head -c 300 "$ERR")"
  ! grep -qi "core dumped\|sanitizer" "$ERR" || fail "it crashed: $(head -c 300 "$ERR")"
}

EMPTY=63,63,63
wallpaper() {
  command -v swaybg >/dev/null || fail "swaybg is missing: run scripts/install-deps"
  (WL_EXEC=exec as_user swaybg -c '#3f3f3f') >"$WORK/swaybg.log" 2>&1 &
  keep_pid $!
  for _ in $(seq 50); do
    shot wallpaper "$1"
    [ "$(pixel "$SHOTS/wallpaper.png" 0 0)" = "$EMPTY" ] && return 0
    sleep 0.1
  done
  fail "no wallpaper on $1"
}

# swayidle, as a desktop's autostart would run it, starts the show after two idle seconds and
# not before; the race shows on output $1, and a key ends it.
swayidle_starts_show() {
  command -v swayidle >/dev/null || fail "swayidle is missing: run scripts/install-deps"
  slow_settings
  shows() { pgrep -u "$WL_USER" -f -x "$BIN /S" || true; }
  (WL_EXEC=exec as_user swayidle -w timeout 2 "$BIN /S") >"$WORK/swayidle.log" 2>&1 &
  keep_pid $!
  sleep 1
  [ -z "$(shows)" ] || fail "the show started before the machine was idle for 2 s"
  for _ in $(seq 100); do [ -n "$(shows)" ] && break; sleep 0.05; done
  [ -n "$(shows)" ] || { cat "$WORK/swayidle.log" >&2; fail "swayidle did not start the show"; }
  race_on "$1"
  step "a key ends it"
  key a
  for _ in $(seq 100); do [ -z "$(shows)" ] && break; sleep 0.02; done
  [ -z "$(shows)" ] || fail "the show still runs 2 s after a key"
}
