# Shared by the display-mode scripts, on top of lib.sh.
: "${DISPLAY_CHECK:?}"

# Retries a screenshot check for up to $1 tries: the race moves between a screenshot's blits,
# and a race's start or hold lasts only so long. $2 names the shot; the rest is the check, in
# which {} stands for the shot's path. Leaves the last check's output in $WORK/check.txt.
until_ok() {
  local tries=$1 name=$2 i arg
  shift 2
  for i in $(seq "$tries"); do
    local cmd=()
    for arg in "$@"; do cmd+=("${arg//\{\}/$SHOTS/$name.png}"); done
    "$SHOT_CMD" "$name"
    if "${cmd[@]}" >"$WORK/check.txt" 2>&1; then cat "$WORK/check.txt"; return 0; fi
    sleep 0.1
  done
  cat "$WORK/check.txt" >&2
  fail "$name: the check never passed in $tries screenshots"
}

# A screenshot of one window only (its own area of the screen, with its children).
shot_of() { import -window "$SHOT_WINDOW" "$SHOTS/$1.png"; }
SHOT_CMD=shot

# Waits until window $1 has a child of the size $2 (WxH); the program embedded itself there.
embedded_in() {
  for _ in $(seq 200); do
    xwininfo -children -id "$1" 2>/dev/null | grep -q " $2+0+0 " && return 0
    sleep 0.025
  done
  xwininfo -children -id "$1" >&2 || true
  fail "nothing of $2 embedded itself in window $1"
}

# Puts text on the CLIPBOARD from a client of its own that keeps serving it until the end.
clip_set() {
  printf '%s' "$1" >"$WORK/clip.in"
  xclip -selection clipboard -i -quiet "$WORK/clip.in" >/dev/null 2>&1 &
  PIDS+=($!)
  for _ in $(seq 100); do [ "$(clip_get)" = "$1" ] && return 0; sleep 0.02; done
  fail "could not put text on the clipboard"
}
clip_get() { timeout 5 xclip -selection clipboard -o 2>/dev/null || true; }
