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
wait_for_drawing "$name"
timeout 10 xdotool windowactivate --sync "$window" >/dev/null 2>&1
xdotool key Escape
finish_game "after Escape"
echo "$name ended with exit code 0"
