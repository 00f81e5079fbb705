# A store the show cannot make sense of: random bytes, a megabyte of digits, an empty value, a
# value with blanks inside, a file it may not read, a folder where the file should be. Each
# time the show starts at medium speed, says nothing, and leaves the store as it was.
#
# "Medium speed" is checked by the race itself: the random source starts from a fixed state,
# so the first race on a given screen finishes with the same positions whenever the speed is
# the same, and with others when it is not.
source "$(dirname "$0")/lib.sh"
unprivileged_home

# Puts $1 (a file's contents) in the store, owned by the program's user.
store() {
  rm -rf "$INI"
  cp "$1" "$INI"
  [ -z "$AS" ] || chown nobody:nogroup "$INI"
}
entry() { printf '[Settings]\nBALL_SPEED=%s\n' "$1" >"$WORK/entry"; store "$WORK/entry"; }
fingerprint() { if [ -d "$INI" ]; then echo "dir $(ls -A "$INI" | wc -l)"; else sha256sum <"$INI"; fi; }

step "the first race at each speed"
entry 1
first_hold medium
medium=$HOLD
echo "medium: $medium"
entry 0
first_hold fast
echo "fast:   $HOLD"
[ "$HOLD" != "$medium" ] || fail "fast and medium finish the first race alike: no fingerprint"

# Runs the show with the store as it is now; it must race at medium and keep the store.
medium_from() {
  local before
  before=$(fingerprint)
  first_hold "$1"
  [ "$HOLD" = "$medium" ] || fail "$1: the first race finished at $HOLD, not as at medium"
  [ "$(fingerprint)" = "$before" ] || fail "$1: the store changed"
  echo "$1: medium, store unchanged"
}

step "random bytes, as the whole file and as the value"
head -c 65536 /dev/urandom >"$SHOTS/random.bin"
store "$SHOTS/random.bin"
medium_from random-file
{ printf '[Settings]\nBALL_SPEED='; head -c 4096 /dev/urandom; } >"$SHOTS/random-value.bin"
store "$SHOTS/random-value.bin"
medium_from random-value

step "a megabyte of digits"
{ printf '[Settings]\nBALL_SPEED='; head -c 1048576 /dev/zero | tr '\0' 9; echo; } >"$WORK/digits"
store "$WORK/digits"
medium_from digits

step "an empty value, a value with blanks inside"
entry ""
medium_from empty
entry "2 0"
medium_from blanks
entry "Sl ow"
medium_from words

step "a file the program may not read"
entry 0
chmod 000 "$INI"
as_user "cat '$INI'" >/dev/null 2>&1 && fail "the program's user can read a file of mode 000"
medium_from unreadable

step "a folder where the file should be"
rm -f "$INI"
mkdir "$INI"
[ -z "$AS" ] || chown nobody:nogroup "$INI"
medium_from folder
echo "faults.store_read: passed"
