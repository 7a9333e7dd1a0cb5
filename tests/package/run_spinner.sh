#!/usr/bin/env bash
# Runs a program built on the engine (the spinner example, or another whose window is named
# as given) in a real X window from an empty folder: its window must show something other than
# black, and Escape must end it with exit code 0.
# Usage: run_spinner.sh <program> <source folder> [window name]
set -u
program=$1
sources=$2
name=${3:-Spinner}
source "$(dirname "$0")/../e2e/x_session.sh"

start_x 1280x960 no
cd "$work" || fail "no folder $work"
"$program" >"$work/game.log" 2>&1 &
game_pid=$!
window=$(timeout 60 xdotool search --sync --name "$name" | head -1)
[ -n "$window" ] || fail "the window $name did not appear"
drawn=""
for _ in $(seq 100); do
  if import -window "$window" -depth 8 "ppm:$shot" 2>/dev/null; then
    # The brightest channel value of the whole window: 0 when all of it is black.
    brightest=$(convert "$shot" -format "%[fx:int(255*maxima)]" info: 2>/dev/null)
    [ "${brightest:-0}" -gt 0 ] && { drawn=$brightest; break; }
  fi
  sleep 0.2
done
[ -n "$drawn" ] || fail "the window $name stayed black"
echo "$name drew (brightest channel $drawn of 255)"
timeout 10 xdotool windowactivate --sync "$window" >/dev/null 2>&1
xdotool key Escape
finish_game "after Escape"
echo "$name ended with exit code 0"
