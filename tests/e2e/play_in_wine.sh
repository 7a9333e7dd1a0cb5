#!/usr/bin/env bash
# Plays the Windows program under Wine in X screens (Xvfb with matchbox), one throwaway prefix.
#   play_in_wine.sh <folder> <screen_check> <W>x<H>...   the default program, over the project's
#     DirectDraw, on each screen: the menu pixel for pixel, centred at the largest whole scale;
#     the processor's use (menu and playing, 10 s each) within 10 % of a core and passes of
#     30 ms on average, then Escape twice ends with 0. In a second run: Down moves the
#     highlight; Enter and a held Right move the character; minimised for 3 s, the program
#     knows it and idles, and restored the menu is exact again; Alt+Enter gives a window with
#     the menu still exact, minimised and restored the same way; Alt+Enter goes back; a click
#     on "Quit" where it is seen ends with 0.
#   play_in_wine.sh <folder> <screen_check> system       the program over the system's
#     DirectDraw, whose exclusive 640 x 480 x 8 mode needs a screen of that size.
# <folder> holds brambleleap.exe and its data. Exit 77 when Xvfb is missing.
set -u
data=$(cd "$1" && pwd) || exit 1
game="$data/brambleleap.exe"
check=$(realpath "$2") || exit 1
shift 2
sources=$(cd "$(dirname "$0")/../.." && pwd)
source "$(dirname "$0")/x_session.sh"
command -v wine >/dev/null || fail "wine is missing (scripts/deps.sh --windows)"
command -v xprop >/dev/null || fail "xprop is missing (scripts/deps.sh --test)"
[ -f "$game" ] || fail "no $game"
[ $# -gt 0 ] || fail "no screen sizes given"

# A prefix of its own, thrown away at the end; no Mono or Gecko installers on creation.
export WINEPREFIX="$work/prefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
stop_wine() {
  wineserver -k 2>/dev/null
  timeout 30 wineserver -w 2>/dev/null
}
trap 'stop_wine; cleanup' EXIT
# The program reads the variable as a Windows path; Wine's Z: drive is the root folder.
passes="$work/passes.txt"
export BRAMBLELEAP_PASS_STATS="Z:${passes//\//\\}"
cpu_limit=10

started=$SECONDS
# Ends Wine and the X server of the screen before, so that the next screen starts afresh.
stop_x() {
  stop_wine
  for pid in $wm_pid $xvfb_pid; do kill "$pid" 2>/dev/null; done
  wait $wm_pid $xvfb_pid 2>/dev/null
  wm_pid="" xvfb_pid=""
}

run_program() {
  cd "$data" || fail "no data folder $data"
  wine brambleleap.exe >"$work/game.log" 2>&1 &
  game_pid=$!
  await_game_window
}

# The largest whole scale of 640 x 480 within w x h, at least 1.
scale_within() {
  local s=$(($1 / 640))
  [ $(($2 / 480)) -lt "$s" ] && s=$(($2 / 480))
  [ "$s" -lt 1 ] && s=1
  echo "$s"
}

# Polls the window until the menu shows exact and centred in the window's inside. Under
# matchbox, Wine counts a frame that the window manager does not draw: the inside starts at the
# X window's corner but may end a little above its bottom, so the heights up to 48 rows less
# are tried as the inside.
menu_in_window() {
  local deadline=$((SECONDS + 30)) cut="$work/inside.ppm" h
  while [ "$SECONDS" -lt "$deadline" ]; do
    eval "$(xdotool getwindowgeometry --shell "$window" | grep -E '^(WIDTH|HEIGHT)=')"
    if import -window "$window" -depth 8 "ppm:$shot" 2>/dev/null; then
      for ((h = HEIGHT; h >= HEIGHT - 48 && h > 0; h--)); do
        convert "$shot" -crop "${WIDTH}x$h+0+0" +repage "ppm:$cut" 2>/dev/null &&
          "$check" menu "$cut" "$(scale_within "$WIDTH" "$h")" >"$work/check.log" &&
          { echo "window ${WIDTH}x$HEIGHT, inside ${WIDTH}x$h: $(cat "$work/check.log")"; return 0; }
      done
    fi
    sleep 0.2
  done
  cat "$work/check.log"
  return 1
}

new_prefix() {
  # Wine's GDI renderer gives the same picture as OpenGL's without a software rasteriser.
  wine reg add 'HKCU\Software\Wine\Direct3D' /v renderer /d gdi /f >"$work/prefix.log" 2>&1 ||
    fail "the Wine prefix could not be made: $(cat "$work/prefix.log")"
  echo "Wine prefix ready in $((SECONDS - started)) s"
}

play_system_ddraw() {
  start_x 640x480 no
  new_prefix
  run_program
  extra=()
  wait_for_screen 60 menu || fail "the menu was not shown pixel for pixel"
  cat "$work/check.log"
  xdotool key Down
  wait_for_screen 30 menu2 || fail "Down did not move the highlight to the second entry"
  xdotool key Up
  wait_for_screen 30 menu || fail "Up did not move the highlight back"
  start_and_walk_right
  xdotool key Escape
  extra=()
  wait_for_screen 30 menu || fail "Escape did not go back to the menu"
  xdotool key Escape
  finish_game "after Escape on the menu"
  stop_x
}

play_in_window() {
  local size=$1 screen_w=${1%x*} screen_h=${1#*x}
  start_x "$size" yes
  [ -d "$WINEPREFIX" ] || new_prefix
  shot_of=root
  local scale
  scale=$(scale_within "$screen_w" "$screen_h")

  # The first run measures: the processor's use and the passes' length on the menu and
  # while playing, with no screenshots taken meanwhile; Escape twice ends it.
  rm -f "$passes"
  run_program
  extra=("$scale")
  wait_for_screen 60 menu || fail "$size: the menu was not shown at scale $scale, centred"
  cat "$work/check.log"
  local menu_cpu playing_cpu
  menu_cpu=$(cpu_percent 10)
  xdotool key Return
  sleep 0.5
  xdotool keydown Right
  playing_cpu=$(cpu_percent 10)
  xdotool keyup Right
  xdotool key Escape
  sleep 1
  xdotool key Escape
  finish_game "$size: after Escape on the level and on the menu"
  echo "$size: processor: menu ${menu_cpu} %, playing ${playing_cpu} % of one core (10 s each)"
  cat "$passes" 2>/dev/null || fail "$size: the game wrote no pass lengths"
  # Never shorter than 30 ms on average, and only a little longer: within half a millisecond
  # on a quiet machine; a busy one wakes the program late now and then, hence the 31.
  awk '{ if ($3 > 100 && ($5 < 29.5 || $5 > 31)) bad = 1 } END { exit bad }' "$passes" ||
    fail "$size: the passes do not last 30 ms on average"
  for used in "$menu_cpu" "$playing_cpu"; do
    awk -v u="$used" -v l="$cpu_limit" 'BEGIN { exit !(u <= l) }' ||
      fail "$size: the game took $used % of a core, more than $cpu_limit %"
  done

  # The second run checks the screen: Down moves the highlight, Enter and a held Right move
  # the character, Escape goes back; Alt+Enter to a window and back; then a click on the
  # middle of "Quit" (247 to 296 across, 346 to 364 down) where the screen shows it ends it.
  # Its pass lengths say whether the program saw itself minimised.
  BRAMBLELEAP_PASS_STATS="Z:${work//\//\\}\\passes2.txt" run_program
  extra=("$scale")
  wait_for_screen 60 menu || fail "$size: the menu did not come back in a second run"
  xdotool key Down
  wait_for_screen 30 menu2 || fail "$size: Down did not move the highlight"
  xdotool key Up
  wait_for_screen 30 menu || fail "$size: Up did not move the highlight back"
  start_and_walk_right
  xdotool key Escape
  extra=("$scale")
  wait_for_screen 30 menu || fail "$size: Escape did not go back to the menu"
  # Minimised from full screen, then restored: the menu exact at once.
  minimise_for 3
  local full_cpu=$minimised_cpu
  wait_for_screen 2 menu || fail "$size: the menu was not exact at once after the restore"
  # Alt+Enter: a window with a frame, the menu exact inside it at the scale its inside allows.
  xdotool key alt+Return
  local deadline=$((SECONDS + 30))
  while [ "$SECONDS" -lt "$deadline" ]; do
    xprop -id "$window" _NET_WM_STATE | grep -q _NET_WM_STATE_FULLSCREEN || break
    sleep 0.2
  done
  xprop -id "$window" _NET_WM_STATE | grep -q _NET_WM_STATE_FULLSCREEN &&
    fail "$size: Alt+Enter did not leave full screen"
  menu_in_window || fail "$size: the menu was not exact in the window"
  minimise_for 3
  local windowed_cpu=$minimised_cpu
  menu_in_window || fail "$size: the menu was not exact at once after the restore"
  echo "$size: processor: minimised on the menu ${full_cpu} % from full screen," \
    "${windowed_cpu} % from the window, of one core (3 s each)"
  xdotool key alt+Return
  wait_for_screen 30 menu || fail "$size: Alt+Enter did not go back to full screen"
  local x=$(((screen_w - 640 * scale) / 2 + 271 * scale + scale / 2))
  local y=$(((screen_h - 480 * scale) / 2 + 355 * scale + scale / 2))
  xdotool mousemove "$x" "$y" click 1
  finish_game "$size: after a click on Quit at ($x, $y)"
  # The program writes its lines the Windows way, ending in CR LF.
  tr -d '\r' <"$work/passes2.txt" | grep -qx "out_of_sight 2" ||
    fail "$size: the program did not see itself minimised twice: $(cat "$work/passes2.txt")"
  for used in "$full_cpu" "$windowed_cpu"; do
    awk -v u="$used" -v l="$cpu_limit" 'BEGIN { exit !(u <= l) }' ||
      fail "$size: the game took $used % of a core minimised, more than $cpu_limit %"
  done
  stop_x
  echo "$size: passed"
}

for size in "$@"; do
  if [ "$size" = system ]; then
    play_system_ddraw
  else
    play_in_window "$size"
  fi
done
echo "passed in $((SECONDS - started)) s"
