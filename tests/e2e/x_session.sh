# Shared by the end-to-end scripts: an X server (Xvfb) of a given size with matchbox as its
# window manager, the game started in it, and polling screenshots through screen_check.
# Source it with $data, $game, $check and $sources set; it sets $work, $window and $game_pid.

command -v Xvfb >/dev/null || { echo "Xvfb is not installed: skipped"; exit 77; }
for tool in matchbox-window-manager xdotool import; do
  command -v "$tool" >/dev/null || { echo "$tool is missing (scripts/deps.sh --test)"; exit 1; }
done

work=$(mktemp -d)
xvfb_pid=""
wm_pid=""
game_pid=""
window=""
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

# start_x <width>x<height> <matchbox title bar: yes|no>
start_x() {
  # Xvfb picks a free display itself and writes its number to descriptor 3.
  Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
  xvfb_pid=$!
  for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
  [ -s "$work/display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
  export DISPLAY=":$(cat "$work/display")"
  echo "X display $DISPLAY, $1"
  matchbox-window-manager -use_titlebar "$2" >"$work/wm.log" 2>&1 &
  wm_pid=$!
}

# Starts the game in the data folder and waits for its window to take the focus.
start_game() {
  cd "$data" || fail "no data folder $data"
  # In a sanitizer build, the X and D-Bus libraries under SDL leave allocations behind that
  # are not the game's; leaks are judged below by whether the game's own code made them.
  LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}exitcode=0" "$game" >"$work/game.log" 2>&1 &
  game_pid=$!
  window=$(timeout 60 xdotool search --sync --name "Brambleleap 2005" | head -1)
  [ -n "$window" ] || fail "the game's window did not appear"
  timeout 10 xdotool windowactivate --sync "$window" >/dev/null 2>&1
  timeout 10 xdotool windowfocus --sync "$window" >/dev/null 2>&1
}

# The same for a program under Wine, whose launcher may end before any window appears:
# waits up to 60 s for the window of $game_pid, failing at once if it ends first. The X
# game's own wait above is left as it is: found this early, its window now and then misses
# the full-screen state it asks for.
await_game_window() {
  window=""
  for _ in $(seq 300); do
    window=$(xdotool search --name "${title:-Brambleleap 2005}" 2>/dev/null | head -1)
    [ -n "$window" ] && break
    kill -0 "$game_pid" 2>/dev/null || fail "the program ended before its window appeared"
    sleep 0.2
  done
  [ -n "$window" ] || fail "the game's window did not appear"
  timeout 10 xdotool windowactivate --sync "$window" >/dev/null 2>&1
  timeout 10 xdotool windowfocus --sync "$window" >/dev/null 2>&1
}

# Minimised for $1 seconds, then restored; sets $minimised_cpu to the processor's use meanwhile.
# Matchbox iconifies the window (its frame unmapped, WM_STATE Iconic); under Wine it is
# minimised as a window with a minimise box is. The window itself is unmapped as an iconified
# window is, so that mapping it again has matchbox restore it.
minimise_for() {
  timeout 10 xdotool windowminimize --sync "$window" || fail "the window could not be minimised"
  xdotool windowunmap --sync "$window"
  xprop -id "$window" WM_STATE | grep -q Iconic ||
    fail "the window manager did not iconify the window"
  minimised_cpu=$(cpu_percent "$1")
  xdotool windowmap --sync "$window"
  timeout 10 xdotool windowactivate --sync "$window" >/dev/null 2>&1
  timeout 10 xdotool windowfocus --sync "$window" >/dev/null 2>&1
}

shot="$work/shot.ppm"
shot_of="root"
# Polls the screen (or with shot_of=window, the game window's inside) until screen_check
# accepts it, for at most $1 seconds; the rest are screen_check's mode, then $extra.
wait_for_screen() {
  local deadline=$((SECONDS + $1))
  shift
  local target=root
  [ "$shot_of" = window ] && target=$window
  while [ "$SECONDS" -lt "$deadline" ]; do
    import -window "$target" -depth 8 "ppm:$shot" 2>/dev/null &&
      "$check" "$@" "$shot" "${extra[@]}" >"$work/check.log" && return 0
    sleep 0.2
  done
  cat "$work/check.log"
  return 1
}

# From the menu: Enter starts the level, Right held for a second walks the character, which
# must then be seen alone and moved right.
start_and_walk_right() {
  xdotool key Return
  sleep 0.5
  xdotool keydown Right
  sleep 1
  xdotool keyup Right
  extra=(60)
  wait_for_screen 30 moved || fail "the character did not move right on the level"
  cat "$work/check.log"
}

# The processor time the game used over $1 seconds, in per cent of one core (two decimals).
cpu_percent() {
  local hz before after
  hz=$(getconf CLK_TCK)
  # utime and stime, the 14th and 15th fields; the name in brackets may hold spaces.
  before=$(sed 's/.*) //' "/proc/$game_pid/stat" | awk '{ print $12 + $13 }')
  sleep "$1"
  after=$(sed 's/.*) //' "/proc/$game_pid/stat" | awk '{ print $12 + $13 }')
  awk -v b="$before" -v a="$after" -v hz="$hz" -v s="$1" \
    'BEGIN { printf "%.2f", (a - b) * 100 / (hz * s) }'
}

# Waits up to 20 s for $window, named $1, to show anything but black (its brightest channel).
wait_for_drawing() {
  for _ in $(seq 100); do
    import -window "$window" -depth 8 "ppm:$shot" 2>/dev/null &&
      [ "$(convert "$shot" -format "%[fx:int(255*maxima)]" info: 2>/dev/null)" -gt 0 ] 2>/dev/null &&
      { echo "$1 drew"; return 0; }
    sleep 0.2
  done
  fail "the window $1 stayed black"
}

# Waits for the game to end and checks its exit code and the sanitizer's findings.
finish_game() {
  for _ in $(seq 200); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$game_pid" 2>/dev/null && fail "the game did not end: $1"
  wait "$game_pid"
  local code=$?
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
  return 0
}
