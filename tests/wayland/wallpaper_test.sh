# The display mode over a wallpaper program, as sway's default configuration runs one (swaybg,
# on the background layer): the race, on the bottom layer, covers the wallpaper, and a docked
# bar is over it whether it started first or after (the race takes the space the bar leaves).
source "$(dirname "$0")/sway.sh"

WALLPAPER=32,96,160
BAR=200,40,120

# Sway with swaybg drawing a plain wallpaper, and the bar's lines given when there are any;
# waits until the wallpaper shows.
sway_with_wallpaper() {
  sed -i 's/^swaybg_command -$/swaybg_command swaybg/' "$WORK/sway.config"
  printf 'output * bg #%02x%02x%02x solid_color\n' ${WALLPAPER//,/ } >>"$WORK/sway.config"
  printf '%s\n' "$@" >>"$WORK/sway.config"
  start_sway
  for _ in $(seq 50); do
    shot wallpaper HEADLESS-1
    [ "$(count_colour "$SHOTS/wallpaper.png" "$WALLPAPER" 0 1280x600+0+120)" -gt 700000 ] && return
    sleep 0.1
  done
  fail "swaybg's wallpaper never showed"
}

scenario_swaybg() {
  sway_with_wallpaper
  slow_settings
  step "the race over swaybg's wallpaper: all nine lanes, no wallpaper left"
  start --root
  race_on HEADLESS-1
  [ "$(count_colour "$SHOTS/race-HEADLESS-1.png" "$WALLPAPER" 8)" = 0 ] ||
    fail "the wallpaper shows through the race"
  kill -TERM "$PID"
  ended_with 0
  step "the program gone, the wallpaper is back"
  for _ in $(seq 20); do
    shot after HEADLESS-1
    [ "$(count_colour "$SHOTS/after.png" "$WALLPAPER" 0)" = $((1280 * 720)) ] && return
    sleep 0.1
  done
  fail "the wallpaper did not come back"
}

scenario_bar_over() {
  sway_with_wallpaper 'bar {' '  position top' '  status_command echo bar' '  colors {' \
    "    background #$(printf '%02x%02x%02x' ${BAR//,/ })" '  }' '}'
  slow_settings
  start --root
  step "the docked bar stays over the race, which fills the rest"
  local lanes bar wallpaper
  for _ in $(seq 25); do
    shot race HEADLESS-1
    lanes=$(lanes_of "$SHOTS/race.png" 720 1280)
    bar=$(count_colour "$SHOTS/race.png" "$BAR" 8 1280x10+0+0)
    wallpaper=$(count_colour "$SHOTS/race.png" "$WALLPAPER" 8)
    # A ball in the middle lane, alone in it, and the bar's colour along the top.
    [[ " $lanes" =~ " 5:"[1-9][0-9][0-9]" " ]] && [ "$bar" -gt 6000 ] && [ "$wallpaper" = 0 ] && break
    sleep 0.2
  done
  echo "lanes $lanes; $bar pixels of the bar's colour in its top 10 rows"
  [ "$wallpaper" = 0 ] || fail "$wallpaper pixels of the wallpaper show"
  [ "$bar" -gt 6000 ] || fail "the bar is not over the race"
  [[ " $lanes" =~ " 5:"[1-9][0-9][0-9]" " ]] || fail "no race under the bar"
  step "the bar started again after the race (sway's reload) is over it too"
  swaymsg_ok reload
  for _ in $(seq 25); do
    shot reloaded HEADLESS-1
    bar=$(count_colour "$SHOTS/reloaded.png" "$BAR" 8 1280x10+0+0)
    [ "$bar" -gt 6000 ] && break
    sleep 0.2
  done
  [ "$bar" -gt 6000 ] || fail "the bar restarted went under the race"
  kill -TERM "$PID"
  ended_with 0
}

run_scenario "$@"
