# The idle daemon starts the show: "swayidle -w timeout 2 'corvanta /S'" runs it after two idle
# seconds, and a key ends it.
source "$(dirname "$0")/sway.sh"
command -v swayidle >/dev/null || fail "swayidle is missing: run scripts/install-deps"

scenario_swayidle() {
  start_sway
  shows() { pgrep -u "$WL_USER" -f -x "$BIN /S" || true; }
  (WL_EXEC=exec as_user swayidle -w timeout 2 "$BIN /S") >"$WORK/swayidle.log" 2>&1 &
  keep_pid $!
  sleep 1
  [ -z "$(shows)" ] || fail "the show started before the machine was idle for 2 s"
  for _ in $(seq 80); do [ -n "$(shows)" ] && break; sleep 0.05; done
  [ -n "$(shows)" ] || { cat "$WORK/swayidle.log" >&2; fail "swayidle did not start the show"; }
  race_on HEADLESS-1
  step "a key ends it"
  key a
  for _ in $(seq 100); do [ -z "$(shows)" ] && break; sleep 0.02; done
  [ -z "$(shows)" ] || fail "the show still runs 2 s after a key"
}

run_scenario "$@"
