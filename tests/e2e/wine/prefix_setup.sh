#!/usr/bin/env bash
# Fixture: makes the Wine prefix the other Wine tests share, from nothing, once per build tree.
WORK="$1/setup" SHOTS="$1/setup" WINEPREFIX="$1/prefix"
export WINEPREFIX
source "$(dirname "$0")/common.sh"
start_x

if [ -f "$WINEPREFIX/.corvanta-ready" ]; then
  echo "prefix ready: $WINEPREFIX"
  exit 0
fi
rm -rf "$WINEPREFIX"
timeout 120 wineboot -i >>"$WORK/wine.log" 2>&1
# Without a window manager Wine waits two seconds for one whenever a window it lets a manager
# handle is destroyed. Nothing manages windows here, so Wine draws the frames itself; this is
# also what puts a close box on the settings dialog for the test to click.
timeout 60 wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f \
  >>"$WORK/wine.log" 2>&1
timeout 60 wineserver -w
touch "$WINEPREFIX/.corvanta-ready"
echo "prefix made: $WINEPREFIX"
