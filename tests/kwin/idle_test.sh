# swayidle on KWin's idle protocol starts the show after two idle seconds, as it would from
# Plasma's autostart; a key ends it.
source "$(dirname "$0")/kwin.sh"
command -v swayidle >/dev/null || fail "swayidle is missing: run scripts/install-deps"

scenario_swayidle() {
  start_kwin
  slow_settings
  shows() { pgrep -u "$WL_USER" -f -x "$BIN /S" || true; }
  (WL_EXEC=exec as_user swayidle -w timeout 2 "$BIN /S") >"$WORK/swayidle.log" 2>&1 &
  keep_pid $!
  sleep 1
  [ -z "$(shows)" ] || fail "the show started before the machine was idle for 2 s"
  for _ in $(seq 100); do [ -n "$(shows)" ] && break; sleep 0.05; done
  [ -n "$(shows)" ] || { cat "$WORK/swayidle.log" >&2; fail "swayidle did not start the show"; }
  race_on Virtual-0
  step "a key ends it"
  key a
  for _ in $(seq 100); do [ -z "$(shows)" ] && break; sleep 0.02; done
  [ -z "$(shows)" ] || fail "the show still runs 2 s after a key"
}

run_scenario "$@"
