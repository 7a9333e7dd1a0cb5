#!/usr/bin/env bash
# Plays the Windows program under Wine in a 640 x 480 X screen (Xvfb with matchbox), where
# its exclusive 640 x 480 x 8 mode fills the screen: the menu pixel for pixel, Down moves the
# highlight, Enter starts, Right held moves the character, Escape twice ends with exit code 0.
# Usage: play_in_wine.sh <folder of brambleleap.exe and its data> <screen_check>.
# Exit 77 when Xvfb is missing.
set -u
data=$(cd "$1" && pwd) || exit 1
game="$data/brambleleap.exe"
check=$(realpath "$2") || exit 1
sources=$(cd "$(dirname "$0")/../.." && pwd)
source "$(dirname "$0")/x_session.sh"
command -v wine >/dev/null || fail "wine is missing (scripts/deps.sh --windows)"
[ -f "$game" ] || fail "no $game"

# A prefix of its own, thrown away at the end; no Mono or Gecko installers on creation.
export WINEPREFIX="$work/prefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
stop_wine() {
  wineserver -k 2>/dev/null
  timeout 30 wineserver -w 2>/dev/null
  cleanup
}
trap stop_wine EXIT

started=$SECONDS
# DirectDraw's 8-bit mode needs a screen of that very size.
start_x 640x480 no
# Wine's GDI renderer gives the same picture as OpenGL's without a software rasteriser.
wine reg add 'HKCU\Software\Wine\Direct3D' /v renderer /d gdi /f >"$work/prefix.log" 2>&1 ||
  fail "the Wine prefix could not be made: $(cat "$work/prefix.log")"
echo "Wine prefix ready in $((SECONDS - started)) s"

cd "$data" || fail "no data folder $data"
wine brambleleap.exe >"$work/game.log" 2>&1 &
game_pid=$!
# The window's name is the game's title; poll until Wine has mapped it.
for _ in $(seq 300); do
  window=$(xdotool search --name "Brambleleap 2005" 2>/dev/null | head -1)
  [ -n "$window" ] && break
  kill -0 "$game_pid" 2>/dev/null || fail "the program ended before its window appeared"
  sleep 0.2
done
[ -n "$window" ] || fail "the game's window did not appear"
timeout 10 xdotool windowactivate --sync "$window" >/dev/null 2>&1
timeout 10 xdotool windowfocus --sync "$window" >/dev/null 2>&1

extra=()
wait_for_screen 60 menu || fail "the menu was not shown pixel for pixel"
cat "$work/check.log"

xdotool key Down
wait_for_screen 30 menu2 || fail "Down did not move the highlight to the second entry"
cat "$work/check.log"
xdotool key Up
wait_for_screen 30 menu || fail "Up did not move the highlight back"

start_and_walk_right

xdotool key Escape
extra=()
wait_for_screen 30 menu || fail "Escape did not go back to the menu"
xdotool key Escape
finish_game "after Escape on the menu"
echo "passed in $((SECONDS - started)) s"
