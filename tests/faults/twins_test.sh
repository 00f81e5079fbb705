# Two shows started in the same instant: exactly one runs, the other ends silently without a
# window; a start that is refused leaves the cursor visible.
source "$(dirname "$0")/lib.sh"

# Both programs wait at a gate that opens for both at once.
cat >"$WORK/gate" <<'EOF'
while [ ! -e "$GO" ]; do :; done
exec "$@"
EOF
export GO=$WORK/go

step "two shows started at once: exactly one runs"
for round in 1 2 3 4 5; do
  rm -f "$GO"
  AS="bash $WORK/gate"
  start_alone /S
  a=$PID aout=$OUT aerr=$ERR
  start_alone /S
  b=$PID
  AS=""
  watch_maps 1.5
  touch "$GO"
  window "Screen Saver" >/dev/null
  for _ in $(seq 50); do running "$a" && running "$b" || break; sleep 0.02; done
  if running "$a"; then survivor=$a loser=$b; else survivor=$b loser=$a OUT=$aout ERR=$aerr; fi
  running "$survivor" || fail "round $round: neither show runs"
  PID=$loser
  ends_cleanly "round $round, the refused show" 1
  maps_seen
  [ "$MAPS" = 1 ] || fail "round $round: $MAPS windows were shown, not one"
  shows=$(xdotool search --onlyvisible --name '^Screen Saver$' | wc -l)
  [ "$shows" = 1 ] || fail "round $round: $shows shows on the screen"
  running "$survivor" || fail "round $round: the refusal ended the running show"
  [ "$(cursor)" = hidden ] || fail "round $round: the refused show brought the cursor back"
  xdotool key space
  PID=$survivor
  ends_cleanly "round $round, the show" 1
  [ "$(cursor)" = visible ] || fail "round $round: the cursor is hidden after the show"
done

step "a show refused while the settings dialog is open leaves the cursor visible"
start_alone /C
dialog=$PID
window "Corvanta Settings" >/dev/null
start_alone /S
ends_cleanly "the refused show" 1
[ "$(cursor)" = visible ] || fail "the cursor is hidden after a refused start"
running "$dialog" || fail "the refused show closed the dialog"
"$X_HOST" close "$(window "Corvanta Settings")"
PID=$dialog
ends_cleanly "the dialog" 2
[ "$(cursor)" = visible ] || fail "the cursor is hidden after the dialog"
echo "faults.twins: passed"
