# shellcheck shell=bash
# Shared by the Wayland end-to-end scripts: a headless sway of their own, and helpers to add
# and change outputs, make pointer and key input, take screenshots and read their pixels.
# Every script sources this first; everything it starts is ended when the script ends.
#
# sway refuses to run as root, so as root everything runs as the user corvanta-wl, which is
# made when missing. That user reads only what lies in a folder anyone may enter ($WORK, mode
# 755): the program is copied there ($BIN), with the user's home ($WL_HOME, its settings file
# $INI) and a private runtime folder (mode 0700) holding the compositor's sockets.
#
#   WL_OUTPUTS=N   how many outputs sway starts with (default 1; each 1280 x 720 at scale 1,
#                  HEADLESS-1, HEADLESS-2, ... side by side)
#   WL_NESTED=1    outputs that can be unplugged, named WL-1, WL-2, ... (see start_sway)
#   start_sway     starts it; sourcing this file does not, so a script may set things first
#   as_user CMD    runs CMD as that user against this sway: WAYLAND_DISPLAY and SWAYSOCK set,
#                  DISPLAY unset; no runuser or su process stays between (see as_user)
#   start ARGS     starts $BIN ARGS in the background as the user; sets PID (the program's
#                  own: signals sent to it reach the program), OUT, ERR
# and below: stop_sway; outputs, output_info, output_mode, add_output, unplug_output;
# pointer_to, pointer_by, click, key; shot, picture_size, pixel, count_colour (EMPTY is the
# colour of an output nobody covers); window (sets VIEW); wait_exit, running, silent.
set -euo pipefail

: "${CORVANTA:?path of the program}" "${SHOTS:?folder for screenshots}"
source "$(dirname "${BASH_SOURCE[0]}")/../process_checks.sh"

for tool in sway swaymsg grim wtype jq convert setpriv; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing: run scripts/install-deps" >&2; exit 1; }
done

WORK=$(mktemp -d)
chmod 755 "$WORK"
PIDS=()
SWAY_PIDS=()
SWAY_LOG=""
cleanup() {
  local pid
  for pid in "${PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${PIDS[@]}"; do wait "$pid" 2>/dev/null || true; done
  [ ${#SWAY_PIDS[@]} = 0 ] || stop_sway
  rm -rf "$WORK"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  [ -z "$SWAY_LOG" ] || [ ! -s "$SWAY_LOG" ] || tail -n 20 "$SWAY_LOG" >&2
  exit 1
}

step() { echo "-- $*"; }

# --- the user and its folders ---------------------------------------------------------------
if [ "$(id -u)" = 0 ]; then
  WL_USER=corvanta-wl
  # Two scripts at once may both find the user missing; one of them makes it.
  id "$WL_USER" >/dev/null 2>&1 || useradd -M -s /usr/sbin/nologin "$WL_USER" 2>/dev/null ||
    id "$WL_USER" >/dev/null 2>&1 || fail "cannot make the user $WL_USER"
  AS=(setpriv --reuid="$WL_USER" --regid="$WL_USER" --init-groups --reset-env --)
else
  WL_USER=$(id -un)
  AS=()
fi

BIN=$WORK/bin/corvanta
install -D -m 755 "$CORVANTA" "$BIN"
WL_HOME=$WORK/home
WL_RUN=$WORK/run
mkdir -p "$WL_HOME/.config" "$WL_RUN"
chmod 700 "$WL_RUN"
INI="$WL_HOME/.config/Corvanta Screen Saver.ini"
# A sanitizer build reads its suppressions as that user too.
WL_LSAN=${LSAN_OPTIONS:-}
if [[ $WL_LSAN =~ suppressions=([^:]+) ]]; then
  install -m 644 "${BASH_REMATCH[1]}" "$WORK/lsan.supp"
  WL_LSAN=${WL_LSAN/${BASH_REMATCH[1]}/$WORK/lsan.supp}
fi

# The compositor's configuration: no bar, no background program. What no client covers shows
# sway's own clear colour, EMPTY, which no picture of ours has: an uncovered output shows.
EMPTY=63,63,63
cat >"$WORK/sway.config" <<'CONF'
xwayland disable
swaybg_command -
default_border none
focus_follows_mouse no
CONF
chmod 644 "$WORK/sway.config"
[ "$(id -u)" != 0 ] || chown -R "$WL_USER" "$WL_HOME" "$WL_RUN"

rm -rf "$SHOTS"
mkdir -p "$SHOTS"

WAYLAND_DISPLAY=""
SWAYSOCK=""

# Runs its arguments as the user, in a clean environment of this session's. With WL_EXEC=exec
# in a subshell, the command takes the subshell's place: ( WL_EXEC=exec as_user CMD ) & makes
# $! the command's own process id.
as_user() {
  ${WL_EXEC:-} "${AS[@]}" env -i PATH=/usr/local/bin:/usr/bin:/bin HOME="$WL_HOME" USER="$WL_USER" \
    XDG_CONFIG_HOME="$WL_HOME/.config" XDG_RUNTIME_DIR="$WL_RUN" \
    ${WAYLAND_DISPLAY:+WAYLAND_DISPLAY="$WAYLAND_DISPLAY"} ${SWAYSOCK:+SWAYSOCK="$SWAYSOCK"} \
    ${WL_LSAN:+LSAN_OPTIONS="$WL_LSAN"} ${WL_ENV[@]+"${WL_ENV[@]}"} "$@"
}
WL_ENV=()  # more VAR=value for as_user, e.g. WL_ENV=(QT_DEBUG_PLUGINS=1)

# --- the compositor ---------------------------------------------------------------------------

# Starts a sway as the user, with runtime folder $1, log $2 and the environment after them;
# waits until it answers, and sets WAYLAND_DISPLAY and SWAYSOCK to its sockets.
launch_sway() {
  local WL_RUN=$1 log=$2 sock
  shift 2
  WAYLAND_DISPLAY="" SWAYSOCK=""
  (
    cd "$WORK"
    exec "${AS[@]}" env -i PATH=/usr/local/bin:/usr/bin:/bin HOME="$WL_HOME" USER="$WL_USER" \
      XDG_RUNTIME_DIR="$WL_RUN" WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 "$@" \
      sway -c "$WORK/sway.config"
  ) >"$log" 2>&1 &
  SWAY_PIDS+=($!)
  SWAY_LOG=$log
  for _ in $(seq 200); do
    kill -0 "${SWAY_PIDS[-1]}" 2>/dev/null || fail "sway ended at start"
    sock=$(find "$WL_RUN" -maxdepth 1 -name 'sway-ipc.*.sock' -print -quit)
    WAYLAND_DISPLAY=$(find "$WL_RUN" -maxdepth 1 -name 'wayland-*' ! -name '*.lock' -printf '%f\n' -quit)
    if [ -n "$sock" ] && [ -n "$WAYLAND_DISPLAY" ] &&
      SWAYSOCK=$sock as_user swaymsg -t get_outputs >/dev/null 2>&1; then
      SWAYSOCK=$sock
      return 0
    fi
    sleep 0.05
  done
  fail "sway did not answer within 10 s"
}

# Ends the compositor (the inner one first, when nested) and waits for it: to see what clients
# do when it goes, or to start another.
stop_sway() {
  local i
  for ((i = ${#SWAY_PIDS[@]} - 1; i >= 0; i--)); do
    kill "${SWAY_PIDS[i]}" 2>/dev/null || true
    wait "${SWAY_PIDS[i]}" 2>/dev/null || true
  done
  SWAY_PIDS=() SWAY_LOG="" WAYLAND_DISPLAY="" SWAYSOCK="" OUTER_SWAYSOCK=""
  find "$WL_RUN" -mindepth 1 -maxdepth 1 -exec rm -rf {} +
  rm -rf "$WORK/outer-run"
  sed -i '/^for_window \[app_id="wlroots"\]/d' "$WORK/sway.config"
}

# sway 1.7 cannot take an output away from clients: "swaymsg output NAME disable" answers
# success and leaves it active, on the headless backend and the nested one alike. With
# WL_NESTED=1 the sway the tests talk to runs on the wayland backend inside an outer headless
# sway instead: its outputs are windows of the outer one, named WL-1, WL-2, ..., and closing
# such a window unplugs that output (unplug_output). Everything else works alike.
start_sway() {
  if [ -z "${WL_NESTED:-}" ]; then
    launch_sway "$WL_RUN" "$WORK/sway.log" WLR_BACKENDS=headless \
      WLR_HEADLESS_OUTPUTS="${WL_OUTPUTS:-1}"
    return
  fi
  local outer=$WORK/outer-run
  mkdir -p "$outer"
  chmod 700 "$outer"
  [ "$(id -u)" != 0 ] || chown "$WL_USER" "$outer"
  # The inner outputs take the size they ask for, not a tile's.
  echo 'for_window [app_id="wlroots"] floating enable' >>"$WORK/sway.config"
  launch_sway "$outer" "$WORK/outer.log" WLR_BACKENDS=headless WLR_HEADLESS_OUTPUTS=1
  OUTER_SWAYSOCK=$SWAYSOCK
  ln -s "$outer/$WAYLAND_DISPLAY" "$WL_RUN/outer-wayland"
  launch_sway "$WL_RUN" "$WORK/sway.log" WLR_BACKENDS=wayland WAYLAND_DISPLAY=outer-wayland \
    WLR_WL_OUTPUTS="${WL_OUTPUTS:-1}"
}

swaymsg_ok() {
  local reply
  reply=$(as_user swaymsg -- "$@" 2>&1) || fail "swaymsg $*: $reply"
}

# The names of the active outputs in sway's order, on one line: "HEADLESS-1 HEADLESS-2".
outputs() { as_user swaymsg -r -t get_outputs | jq -r '[.[] | select(.active) | .name] | join(" ")'; }

# One output's value of a jq path, e.g. output_info HEADLESS-2 .rect.width
output_info() {
  as_user swaymsg -r -t get_outputs | jq -r --arg n "$1" ".[] | select(.name == \$n) | $2"
}

# Sets an output's mode WxH, and optionally its scale and position:
#   output_mode NAME WxH [SCALE [X Y]]
output_mode() {
  swaymsg_ok output "$1" mode "$2"
  [ -z "${3:-}" ] || swaymsg_ok output "$1" scale "$3"
  [ -z "${4:-}" ] || swaymsg_ok output "$1" pos "$4" "$5"
}

# Adds an output, set as output_mode does; sets OUTPUT to its name.
add_output() {
  local before name
  before=$(as_user swaymsg -r -t get_outputs | jq -r '.[].name')
  swaymsg_ok create_output
  for _ in $(seq 100); do
    name=$(as_user swaymsg -r -t get_outputs | jq -r '.[].name' | grep -vxF "$before" || true)
    [ -n "$name" ] && break
    sleep 0.02
  done
  [ -n "$name" ] || fail "create_output made no output"
  OUTPUT=$name
  [ -z "${1:-}" ] || output_mode "$OUTPUT" "$@"
}

# Unplugs an output of the nested sway (WL_NESTED=1): it is gone, as a cable pulled.
unplug_output() {
  [ -n "${OUTER_SWAYSOCK:-}" ] || fail "unplug_output needs WL_NESTED=1"
  local reply
  reply=$(WL_RUN=$WORK/outer-run SWAYSOCK=$OUTER_SWAYSOCK as_user swaymsg "[title=\"wlroots - $1\"] kill" 2>&1) ||
    fail "unplugging $1: $reply"
  for _ in $(seq 100); do
    as_user swaymsg -r -t get_outputs | jq -e --arg n "$1" 'any(.[]; .name == $n)' >/dev/null || return 0
    sleep 0.02
  done
  fail "output $1 is still there"
}

# --- input ------------------------------------------------------------------------------------
# The pointer to layout position X Y, or moved by DX DY.
pointer_to() { swaymsg_ok seat seat0 cursor set "$1" "$2"; }
pointer_by() { swaymsg_ok seat seat0 cursor move "$1" "$2"; }
# A click of button1 (or the one named), press and release.
click() {
  swaymsg_ok seat seat0 cursor press "${1:-button1}"
  swaymsg_ok seat seat0 cursor release "${1:-button1}"
}
# Keys by their names (Escape, Return, Up, Tab, a, ...) to the focused surface, in order. One
# wtype for them all, after a pause: each wtype is a new virtual keyboard, and a client loses
# keys sent while it takes in the new keyboard's keymap (Qt lost the first of three).
key() {
  local args=(-s 150) k
  for k in "$@"; do args+=(-k "$k" -s 40); done
  as_user wtype "${args[@]}" || fail "wtype $* failed"
}

# --- screenshots ------------------------------------------------------------------------------
# shot NAME OUTPUT: the output's picture, in its own pixels, as $SHOTS/NAME.png.
shot() { as_user grim -o "$2" - >"$SHOTS/$1.png" || fail "grim -o $2 failed"; }
# The size of a picture, "WxH".
picture_size() { identify -format '%wx%h' "$1"; }
# The colour of one pixel, "r,g,b" in 0..255: pixel FILE X Y
pixel() {
  convert "$1" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:
}
# How many pixels have the colour "r,g,b", or one within a distance of FUZZ (0..255, default
# 0) from it; an optional WxH+X+Y crops first: count_colour FILE r,g,b [FUZZ [GEOMETRY]]
count_colour() {
  local crop=() total differ
  [ -z "${4:-}" ] || crop=(-crop "$4" +repage)
  convert "$1" "${crop[@]}" -alpha off "$WORK/count-a.png"
  convert "$WORK/count-a.png" -fill "rgb($2)" -colorize 100 "$WORK/count-b.png"
  differ=$(compare -precision 12 -metric AE -fuzz "$(awk "BEGIN { print ${3:-0} * 100 / 255 }")%" \
    "$WORK/count-a.png" "$WORK/count-b.png" null: 2>&1) || true
  total=$(identify -format '%w*%h' "$WORK/count-a.png")
  [[ $differ =~ ^[0-9]+$ ]] || fail "count_colour: compare said $differ"
  echo $((total - differ))
}

# --- the program ------------------------------------------------------------------------------
start() {
  local n=${#PIDS[@]}
  (WL_EXEC=exec as_user "$BIN" "$@") >"$WORK/out.$n" 2>"$WORK/err.$n" &
  PID=$!
  PIDS+=("$PID")
  OUT=$WORK/out.$n ERR=$WORK/err.$n
}

# Waits up to 10 s for a window (an xdg-shell view) whose app_id or title is $1; sets VIEW to
# its node as JSON (.app_id, .name, .rect, .focused, ...).
window() {
  for _ in $(seq 200); do
    VIEW=$(as_user swaymsg -r -t get_tree | jq -c --arg w "$1" \
      '[recurse(.nodes[]?, .floating_nodes[]?) | select(.pid? and (.app_id == $w or .name == $w))] | first // empty')
    [ -n "$VIEW" ] && return 0
    sleep 0.05
  done
  fail "no window \"$1\" appeared"
}
