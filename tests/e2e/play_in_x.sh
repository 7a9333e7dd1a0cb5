#!/usr/bin/env bash
# Plays the built game in a real X window: Xvfb with matchbox as window manager, real key
# presses sent through XTEST by xdotool, screenshots taken with ImageMagick's import.
# Usage: play_in_x.sh <data folder> <game> <screen_check> <source folder>.
# Exit 77 when Xvfb is missing.
set -u
data=$1
game=$2
check=$3
sources=$4

command -v Xvfb >/dev/null || { echo "Xvfb is not installed: skipped"; exit 77; }
for tool in matchbox-window-manager xdotool import; do
  command -v "$tool" >/dev/null || { echo "$tool is missing (scripts/deps.sh --test)"; exit 1; }
done

work=$(mktemp -d)
xvfb_pid=""
wm_pid=""
game_pid=""
cleanup() {
  for pid in $game_pid $wm_pid $xvfb_pid; do
    kill "$pid" 2>/dev/null && { sleep 0.2; kill -9 "$pid" 2>/dev/null; }
  done
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAILED: $*"
  echo "--- game output:"; cat "$work/game.log" 2>/dev/null
  exit 1
}

# Xvfb picks a free display itself and writes its number to descriptor 3.
Xvfb -displayfd 3 -screen 0 1600x1200x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(cat "$work/display")"
echo "X display $DISPLAY"

matchbox-window-manager -use_titlebar no >"$work/wm.log" 2>&1 &
wm_pid=$!

cd "$data" || fail "no data folder $data"
# In a sanitizer build, the X and D-Bus libraries under SDL leave allocations behind that
# are not the game's; leaks are judged below by whether the game's own code made them.
LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}exitcode=0" "$game" >"$work/game.log" 2>&1 &
game_pid=$!

window=$(timeout 60 xdotool search --sync --name "Brambleleap 2005" | head -1)
[ -n "$window" ] || fail "the game's window did not appear"
timeout 10 xdotool windowactivate --sync "$window" >/dev/null 2>&1
timeout 10 xdotool windowfocus --sync "$window" >/dev/null 2>&1

shot="$work/shot.ppm"
# Polls the screen until screen_check accepts it, for at most $1 seconds.
wait_for_screen() {
  local deadline=$((SECONDS + $1))
  shift
  while [ "$SECONDS" -lt "$deadline" ]; do
    import -window root -depth 8 "ppm:$shot" 2>/dev/null &&
      "$check" "$@" "$shot" "${extra[@]}" >"$work/check.log" && return 0
    sleep 0.2
  done
  cat "$work/check.log"
  return 1
}

extra=()
wait_for_screen 60 menu || fail "the menu was not shown pixel for pixel"
cat "$work/check.log"

xdotool key Return
sleep 0.5
xdotool keydown Right
sleep 1
xdotool keyup Right
extra=(60)
wait_for_screen 30 moved || fail "the character did not move right on the level"
cat "$work/check.log"
xdotool key Next
sleep 0.5

xdotool key Escape
extra=()
wait_for_screen 30 menu || fail "Escape did not go back to the menu"
xdotool key Escape

for _ in $(seq 200); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$game_pid" 2>/dev/null && fail "the game did not end after Escape on the menu"
wait "$game_pid"
code=$?
game_pid=""
[ "$code" -eq 0 ] || fail "the game ended with exit code $code"
if grep -q "ERROR: AddressSanitizer\|runtime error" "$work/game.log"; then
  fail "sanitizer report"
fi
# A leak counts when a frame of its allocation stack lies in the game's own sources.
if awk -v src="$sources" '/^(Direct|Indirect) leak/ { inside = 1; next }
     /^$/ { inside = 0 } inside && index($0, src) { found = 1 } END { exit !found }' \
     "$work/game.log"; then
  fail "the game's own code leaked memory"
fi
grep -q "LeakSanitizer" "$work/game.log" && echo "(leaks inside system libraries only, not the game's)"
echo "passed"
