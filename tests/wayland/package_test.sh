# The Debian package as a user gets it on a Wayland desktop: installed with dpkg -i (into a root
# of its own, so that this machine's files stay as they are), its program is started by
# swayidle after two idle seconds and runs the show natively on sway; a key ends it. scripts/package
# makes the package; without it this test fails, it does not skip.
: "${DEB:?path of the Debian package}"
[ -f "$DEB" ] || { echo "FAIL: no $DEB: make it with scripts/package deb" >&2; exit 1; }
# lib.sh copies a program for the user; the packaged one, though only the installed one runs.
unpacked=$(mktemp -d)
dpkg-deb -x "$DEB" "$unpacked"
CORVANTA=$unpacked/usr/bin/corvanta
source "$(dirname "$0")/sway.sh"
mv "$unpacked" "$WORK/unpacked"

command -v swayidle >/dev/null || fail "swayidle is missing: run scripts/install-deps"

scenario_installed() {
  step "dpkg -i installs it"
  root=$WORK/root
  mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates"
  touch "$root/var/lib/dpkg/status"
  # This root lists none of the libraries the package depends on; they are this machine's (the
  # package test checks the dependencies themselves).
  force=(--force-depends)
  [ "$(id -u)" = 0 ] || force+=(--force-not-root)
  dpkg --root="$root" "${force[@]}" -i "$DEB" >"$WORK/dpkg.log" 2>&1 ||
    fail "dpkg -i: $(tail -n 5 "$WORK/dpkg.log")"
  dpkg --root="$root" -s corvanta 2>/dev/null | grep -qx "Status: install ok installed" ||
    fail "dpkg does not list corvanta as installed"
  program=$root/usr/bin/corvanta
  [ -x "$program" ] || fail "no $program"

  step "swayidle starts the installed program's show after 2 idle seconds; a key ends it"
  start_sway
  slow_settings
  (WL_EXEC=exec as_user swayidle -w timeout 2 "$program /S") >"$WORK/swayidle.log" 2>&1 &
  keep_pid $!
  show=""
  for _ in $(seq 100); do
    show=$(pgrep -u "$WL_USER" -f -x "$program /S" || true)
    [ -n "$show" ] && break
    sleep 0.05
  done
  [ -n "$show" ] || { cat "$WORK/swayidle.log" >&2; fail "swayidle did not start the installed program"; }
  [ "$(readlink "/proc/$show/exe")" = "$program" ] || fail "the show is not the installed program"
  race_on HEADLESS-1
  key a
  for _ in $(seq 100); do kill -0 "$show" 2>/dev/null || break; sleep 0.02; done
  ! kill -0 "$show" 2>/dev/null || fail "the show still runs 2 s after a key"
}

run_scenario "$@"
