# The show on KWin at fractional scales, which KWin tells its clients: drawn in the output's own
# pixels as at scale 1. Ball 1 is 31 to 32 of them across and one of its own pictures unchanged,
# no edge resampled; the winner's caption is as sharp as at scale 1: no more of its pixels
# half-way between its colour and the black, for its width (a resampled one blurs its edges).
# at_1 leaves that measure for the others (a fixture of theirs).
source "$(dirname "$0")/kwin.sh"
SHEET=$(dirname "$0")/../../assets/sheet.bmp
REFERENCE=$SHOTS/../scale.at_1/caption-edge

# How many pixels of the ball cut-out differ from the closest of ball 1's ten pictures.
off_the_sheet() {
  local frame cell best=size differ
  for frame in $(seq 0 9); do
    cell=$WORK/cell.png
    convert "$SHEET" -crop "32x32+$((frame * 32))+0" +repage -fuzz 12% -trim +repage "$cell"
    [ "$(picture_size "$cell")" = "$(picture_size "$1")" ] || continue
    differ=$(compare -metric AE -fuzz 8% "$cell" "$1" null: 2>&1 || true)
    [ "$best" = size ] || [ "$differ" -lt "$best" ] && best=$differ
  done
  echo "$best"
}

# Pixels of the caption cut-out neither black nor its colour, per hundred of its columns.
caption_edge() {
  local w lit full
  w=$(identify -format %w "$1")
  lit=$(non_black "$1" "$(picture_size "$1")+0+0")
  full=$(count_colour "$1" 255,255,128 25)
  echo $(((lit - full) * 100 / w))
}

# The race at SCALE, fast, until its first caption; checks ball 1, sets EDGE to the caption's.
race_at() {
  local w h off
  start_kwin 1 "$1"
  read -r w h <<<"$(output_size Virtual-0)"
  pointer_to 640 360
  printf '[Settings]\nBALL_SPEED=0\n' >"$INI"
  give "$INI"
  start /S
  race_on Virtual-0
  [ "$(picture_size "$SHOTS/race-Virtual-0.png")" = "${w}x$h" ] ||
    fail "the shot is $(picture_size "$SHOTS/race-Virtual-0.png")"
  ball_is Virtual-0 32 31
  convert "$SHOTS/race-Virtual-0.png" -crop "${w}x$((2 * h / 11 - h / 11))+0+$((h / 11))" +repage \
    -fuzz 12% -trim +repage "$SHOTS/ball.png"
  off=$(off_the_sheet "$SHOTS/ball.png")
  echo "ball 1: $off pixels off its closest picture"
  [ "$off" != size ] && [ "$off" -le 8 ] || fail "ball 1 is not one of its pictures: $off pixels off"
  caption_on Virtual-0 100
  convert "$SHOTS/caption.png" -crop "$((w / 2))x$((h / 8))+$((w / 4))+$((h / 2 - h / 16))" +repage \
    -fuzz 12% -trim +repage "$SHOTS/caption-cut.png"
  EDGE=$(caption_edge "$SHOTS/caption-cut.png")
  echo "caption $(picture_size "$SHOTS/caption-cut.png"): $EDGE edge pixels per 100 columns"
  kill -TERM "$PID"
  ended_with 0
}

at_scale() {
  [ -s "$REFERENCE" ] || fail "no caption measure of scale 1: run wayland.kwin.scale.at_1"
  race_at "$1"
  [ "$EDGE" -le $(($(cat "$REFERENCE") * 5 / 4)) ] ||
    fail "the caption at $1 is blurred: $EDGE edge pixels per 100 columns, $(cat "$REFERENCE") at 1"
}

scenario_at_1() {
  rm -f "$REFERENCE"
  race_at 1
  echo "$EDGE" >"$REFERENCE"
}
scenario_at_1_25() { at_scale 1.25; }
scenario_at_1_5() { at_scale 1.5; }
scenario_at_2() { at_scale 2; }

run_scenario "$@"
