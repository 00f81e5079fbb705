# The display mode under the real X screen-saver daemon, configured as a user would: the race
# on activation, one process for as long as the daemon shows it, gone on deactivation.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/display_lib.sh"

for tool in xscreensaver xscreensaver-command; do
  command -v "$tool" >/dev/null || fail "$tool is missing: run scripts/install-deps"
done

# The daemon refuses to run display modes for root: as root, it runs as a user of its own.
SAVER_USER=corvanta-e2e
if [ "$(id -u)" = 0 ]; then
  id "$SAVER_USER" >/dev/null 2>&1 || useradd -m "$SAVER_USER"
  AS=(runuser -u "$SAVER_USER" --)
else
  SAVER_USER=$(id -un)
  AS=()
fi

# Everything the daemon's user reads lies in a folder anyone may enter, the program included:
# the build tree may sit under a home no one else can read.
BASE=$(mktemp -d)
chmod 755 "$BASE"
trap 'cleanup; rm -rf "$BASE"' EXIT
BIN=$BASE/corvanta
install -m 755 "$CORVANTA" "$BIN"
SAVER_HOME=$BASE/home
mkdir -p "$SAVER_HOME/.config"
# Slow, from the store the settings dialog writes: the start of a race lasts long enough to see.
printf '[Settings]\nBALL_SPEED=2\n' >"$SAVER_HOME/.config/Corvanta Screen Saver.ini"
cat >"$SAVER_HOME/.xscreensaver" <<CONF
mode: one
selected: 0
lock: False
splash: False
fade: False
unfade: False
dpmsEnabled: False
programs: $BIN --root
CONF
chown -R "$SAVER_USER" "$SAVER_HOME"
# A sanitizer build reads its suppressions as that user too.
saver_lsan=${LSAN_OPTIONS:-}
if [[ $saver_lsan =~ suppressions=([^:]+) ]]; then
  install -m 644 "${BASH_REMATCH[1]}" "$BASE/lsan.supp"
  saver_lsan=${saver_lsan/${BASH_REMATCH[1]}/$BASE/lsan.supp}
fi
as_saver() {
  "${AS[@]}" env -u XDG_RUNTIME_DIR DISPLAY="$DISPLAY" HOME="$SAVER_HOME" \
    LSAN_OPTIONS="$saver_lsan" "$@"
}

# The display mode's process, if any: the daemon starts it through a shell.
ours() { pgrep -u "$SAVER_USER" -f -x "$BIN --root" || true; }

step "the daemon starts and the user's clipboard holds text"
as_saver xscreensaver --no-splash --verbose >"$WORK/daemon.log" 2>&1 &
PIDS+=($!)
for _ in $(seq 100); do as_saver xscreensaver-command -time >/dev/null 2>&1 && break; sleep 0.1; done
as_saver xscreensaver-command -time >/dev/null 2>&1 || { cat "$WORK/daemon.log" >&2; fail "no daemon"; }
clip_set "copied before the screen saver"

step "activation: nine balls in their lanes on black, and a winner"
as_saver xscreensaver-command -activate >/dev/null
for _ in $(seq 100); do [ -n "$(ours)" ] && break; sleep 0.05; done
first=$(ours)
[ -n "$first" ] || { cat "$WORK/daemon.log" >&2; fail "the daemon did not start the display mode"; }
until_ok 100 activated "$FRAME_CHECK" start {}
until_ok 100 winner "$FRAME_CHECK" hold {}

step "the same process races on for 5 s"
sleep 5
[ "$(ours)" = "$first" ] || fail "the display mode was restarted: $first, now $(ours)"
grep -q "exited abnormally" "$WORK/daemon.log" && fail "the daemon reports an abnormal exit"
[ "$(grep -c "forked \"$BIN --root\"" "$WORK/daemon.log")" = 1 ] || fail "started more than once"

step "deactivation ends it within 3 s; the clipboard is as it was"
as_saver xscreensaver-command -deactivate >/dev/null
for _ in $(seq 60); do [ -z "$(ours)" ] && break; sleep 0.05; done
[ -z "$(ours)" ] || fail "the display mode still runs 3 s after deactivation"
grep -q "exited abnormally" "$WORK/daemon.log" && fail "the daemon reports an abnormal exit"
[ "$(clip_get)" = "copied before the screen saver" ] || fail "the clipboard now holds: $(clip_get)"

step "the daemon's settings dialog previews the race in its small window"
as_saver xscreensaver-settings >"$WORK/settings.log" 2>&1 &
settings=$!
PIDS+=("$settings")
preview=""
for _ in $(seq 200); do
  preview=$(pgrep -u "$SAVER_USER" -a -f "^$BIN --root --window-id " | awk '{ print $NF }') || true
  [ -n "$preview" ] && break
  sleep 0.05
done
[ -n "$preview" ] || { cat "$WORK/settings.log" >&2; fail "the settings dialog started no preview"; }
echo "the settings dialog runs it in window $preview"
SHOT_CMD=shot_of SHOT_WINDOW=$preview until_ok 100 settings-preview "$DISPLAY_CHECK" scaled {}
shot settings
kill "$settings"
as_saver xscreensaver-command -exit >/dev/null
echo "display_daemon: passed"
