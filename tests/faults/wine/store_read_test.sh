#!/usr/bin/env bash
# A registry entry the show cannot make sense of, under Wine: random bytes, a megabyte of
# digits, an empty text, blanks inside, a number of another type, random binary data, a key
# where the value should be. Each time the show starts at medium speed and the entry stays
# exactly as it was. Medium is recognised by the first race's finishing positions, which on
# one screen depend on the speed alone (the random source starts from a fixed state).
# Usage: store_read_test.sh <scratch> <screenshots>
WORK="$1" SHOTS="$2"
source "$(dirname "$0")/lib.sh"
start_x
with_key_lock

SUBKEY='HKEY_CURRENT_USER\Software\Corvanta Screen Saver\Settings'
# Writes a .reg file whose Settings key holds the line $1 (e.g. "BALL_SPEED"=...), imports it.
store_line() {
  store_clear
  printf 'REGEDIT4\r\n\r\n[%s]\r\n%s\r\n' "$SUBKEY" "$1" >"$WORK/entry.reg"
  store_import "$WORK/entry.reg"
}
stored_value() { wine reg query "$KEY" /v BALL_SPEED 2>/dev/null | tr -d '\r' | awk '$1 == "BALL_SPEED" { print $2 ":" $3 }'; }
hex_of() { od -An -tx1 -v "$1" | tr -s ' \n' ',' | sed 's/^,//; s/,$//'; }

store_line '"BALL_SPEED"="1"'
first_hold medium
medium=$HOLD
store_line '"BALL_SPEED"="0"'
first_hold fast
echo "medium: $medium"
echo "fast:   $HOLD"
[ -n "$medium" ] && [ "$HOLD" != "$medium" ] || fail "fast and medium finish the first race alike"

# Runs the show against the entry as it is now.
medium_from() {
  local before
  # An entry that failed to import would pass vacuously: a missing one means medium too.
  wine reg query "$KEY" /v BALL_SPEED >/dev/null 2>&1 || wine reg query "$KEY\\BALL_SPEED" \
    >/dev/null 2>&1 || fail "$1: the entry did not get into the registry"
  before=$(store_print)
  first_hold "$1"
  [ "$HOLD" = "$medium" ] && pass "$1: the show races at medium" ||
    fail "$1: the first race finished at '$HOLD', not as at medium"
  [ "$(store_print)" = "$before" ] && pass "$1: the entry is unchanged" || fail "$1: the entry changed"
}

head -c 4096 /dev/urandom >"$SHOTS/random.bin"
store_line "\"BALL_SPEED\"=hex(1):$(hex_of "$SHOTS/random.bin")"
medium_from random-bytes

{
  printf 'REGEDIT4\r\n\r\n[%s]\r\n"BALL_SPEED"="' "$SUBKEY"
  head -c 1048576 /dev/zero | tr '\0' 9
  printf '"\r\n'
} >"$WORK/digits.reg"
store_clear
store_import "$WORK/digits.reg"
medium_from digits

store_line '"BALL_SPEED"=""'
medium_from empty
store_line '"BALL_SPEED"="2 0"'
medium_from blanks
store_line '"BALL_SPEED"="Sl ow"'
medium_from words
store_line '"BALL_SPEED"=dword:00000000'
medium_from dword
store_line "\"BALL_SPEED\"=hex:$(head -c 64 /dev/urandom >"$WORK/b.bin"; hex_of "$WORK/b.bin")"
medium_from binary

store_clear
printf 'REGEDIT4\r\n\r\n[%s\\BALL_SPEED]\r\n@="0"\r\n' "$SUBKEY" >"$WORK/entry.reg"
store_import "$WORK/entry.reg"
medium_from key-in-its-place

# The key's access list grants nothing: the value is there, but reading it is refused.
store_line '"BALL_SPEED"="0"'
key_lock hide || fail "could not make the key unreadable"
wine reg query "$KEY" /v BALL_SPEED >/dev/null 2>&1 && fail "the hidden key can still be read"
first_hold unreadable-key
[ "$HOLD" = "$medium" ] && pass "unreadable-key: the show races at medium" ||
  fail "unreadable-key: the first race finished at '$HOLD', not as at medium"
key_lock unlock || fail "could not open the key again"
[ "$(stored_value)" = "REG_SZ:0" ] && pass "unreadable-key: the entry is unchanged" ||
  fail "unreadable-key: the entry is '$(stored_value)'"

store_clear
finish
