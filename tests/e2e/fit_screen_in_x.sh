#!/usr/bin/env bash
# The game on a screen of a given size with a window manager (matchbox, which fills the
# screen with every plain window whatever size it asks for): full screen, Alt+Enter to a window and back again, each time the menu pixel for pixel
# at the expected scale and centred, then a click on "Quit" where it is seen, which must end
# the game with exit code 0.
# Usage: fit_screen_in_x.sh <data folder> <game> <screen_check> <source folder> <W>x<H>.
# Exit 77 when Xvfb is missing.
set -u
data=$1
game=$2
check=$3
sources=$4
size=$5
source "$(dirname "$0")/x_session.sh"
command -v xprop >/dev/null || { echo "xprop is missing (scripts/deps.sh --test)"; exit 1; }

screen_w=${size%x*}
screen_h=${size#*x}
start_x "$size" yes
start_game
shot_of=window

# Sets win_w and win_h to the size of the inside of the game's window, and full to 1 when
# the window is in the full-screen state.
window_size() {
  eval "$(xdotool getwindowgeometry --shell "$window" | grep -E '^(WIDTH|HEIGHT)=')"
  win_w=$WIDTH
  win_h=$HEIGHT
  full=0
  xprop -id "$window" _NET_WM_STATE | grep -q _NET_WM_STATE_FULLSCREEN && full=1
}

# The largest whole scale of 640 x 480 within w x h, at least 1.
scale_within() {
  local s=$(($1 / 640))
  [ $(($2 / 480)) -lt "$s" ] && s=$(($2 / 480))
  [ "$s" -lt 1 ] && s=1
  echo "$s"
}

# Waits until the window is full screen (full) or a plain window (windowed), then checks
# the menu at the scale that the window's inside allows.
expect_menu() {
  local want=0 deadline=$((SECONDS + 30))
  [ "$1" = full ] && want=1
  while [ "$SECONDS" -lt "$deadline" ]; do
    window_size
    [ "$full" -eq "$want" ] && break
    sleep 0.2
  done
  echo "$1: the window's inside is ${win_w}x${win_h}"
  [ "$full" -eq "$want" ] || fail "the window did not become $1"
  if [ "$1" = full ]; then
    [ "$win_w" -eq "$screen_w" ] && [ "$win_h" -eq "$screen_h" ] || fail "not the whole screen"
  fi
  scale=$(scale_within "$win_w" "$win_h")
  extra=("$scale")
  wait_for_screen 30 menu || fail "$1: the menu was not shown at scale $scale, centred"
  cat "$work/check.log"
}

expect_menu full
xdotool key alt+Return
expect_menu windowed
xdotool key alt+Return
expect_menu full

# The middle of the "Quit" entry (247 to 296 across, 346 to 364 down) as the screen shows it.
left=$(((win_w - 640 * scale) / 2))
top=$(((win_h - 480 * scale) / 2))
x=$((left + 271 * scale + scale / 2))
y=$((top + 355 * scale + scale / 2))
xdotool mousemove --window "$window" "$x" "$y" click 1
finish_game "after a click on Quit at ($x, $y)"
echo "passed"
