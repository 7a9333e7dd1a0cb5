#!/usr/bin/env bash
# The Windows installer as a player meets it, under Wine in a throwaway prefix: run silently
# (/S), it puts the program and its data into Program Files, a Start-menu shortcut and an
# uninstaller registered with the version, publisher and icon; the installed program, started
# there in a 640 x 480 X screen, shows the menu pixel for pixel and ends with 0 on Escape; its
# version resource names the project's version; the uninstaller, silent too, takes away every
# file, the shortcut and the registration. Another game's installer is given its title, name
# and data files, and its window (named as the title) need only show other than black.
# Usage: check_installer.sh <setup.exe> <screen_check> <version> [<title> <name> <data file>...]
set -u
setup=$(realpath "$1") || exit 1
check=$(realpath "$2") || exit 1
version=$3
title=${4:-Brambleleap 2005} name=${5:-brambleleap} data_files=("${@:6}")
[ $# -gt 3 ] || data_files=(PALDATA2.PAL menubackground1.bmp tune.wav)
sources=$(cd "$(dirname "$0")/../.." && pwd)
data=/
game=none
source "$sources/tests/e2e/x_session.sh"
command -v wine >/dev/null || fail "wine is missing (scripts/deps.sh --windows)"

export WINEPREFIX="$work/prefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
trap 'wineserver -k 2>/dev/null; timeout 30 wineserver -w 2>/dev/null; [ -n "${KEEP:-}" ] || cleanup' EXIT
started=$SECONDS
start_x 640x480 no
wine reg add 'HKCU\Software\Wine\Direct3D' /v renderer /d gdi /f >"$work/prefix.log" 2>&1 ||
  fail "the Wine prefix could not be made: $(cat "$work/prefix.log")"
drive="$WINEPREFIX/drive_c"
folder="$drive/Program Files/$title"
menu_folder="$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/$title"
key="HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$name"
# The files of the folders an install writes to, before it: what the uninstaller must come
# back to.
snapshot() { (cd "$drive" && find "Program Files" ProgramData -type f 2>/dev/null | sort); }
snapshot >"$work/before.txt"

echo "--- installing silently"
wine "$setup" /S >"$work/setup.log" 2>&1 || fail "the installer ended with $?: $(cat "$work/setup.log")"
timeout 120 wineserver -w
for file in "$name.exe" Uninstall.exe "${data_files[@]}"; do
  [ -f "$folder/$file" ] || fail "no $file in Program Files: $(ls "$folder" 2>&1)"
done
[ -f "$menu_folder/$title.lnk" ] || fail "no Start-menu shortcut: $(ls "$menu_folder" 2>&1)"
wine reg query "$key" >"$work/key.txt" 2>&1 || fail "no uninstall registration"
tr -d '\r' <"$work/key.txt" >"$work/key.log"
for expected in "DisplayVersion.*REG_SZ *$version\$" "Publisher.*REG_SZ *The Brambleleap developers\$" \
                "DisplayIcon.*REG_SZ *C:.Program Files.$title.$name.exe\$" \
                'UninstallString.*Uninstall.exe'; do
  grep -q "$expected" "$work/key.log" || fail "the registration lacks $expected: $(cat "$work/key.log")"
done
python3 "$sources/tests/package/check_versions.py" --program "$folder/$name.exe" "$version" ||
  fail "the installed program's version resource"

echo "--- the installed program, started in its folder as the shortcut starts it"
cd "$folder" || fail "no $folder"
wine "$name.exe" >"$work/game.log" 2>&1 &
game_pid=$!
await_game_window
extra=()
if [ $# -gt 3 ]; then wait_for_drawing "$title"; else
  wait_for_screen 60 menu || fail "the installed program's menu was not shown pixel for pixel"
  cat "$work/check.log"
fi
xdotool key Escape
finish_game "after Escape on the menu"
cd "$work" || exit 1
timeout 60 wineserver -w

echo "--- uninstalling silently"
wine "$folder/Uninstall.exe" /S >"$work/uninstall.log" 2>&1 || fail "the uninstaller ended with $?"
# The uninstaller runs on from a copy of itself in the temporary folder: wait for it.
timeout 120 wineserver -w
[ -e "$folder" ] && fail "the install folder is left: $(cd "$folder" && find . | head)"
[ -e "$menu_folder" ] && fail "the Start-menu folder is left"
wine reg query "$key" >/dev/null 2>&1 && fail "the uninstall registration is left"
snapshot | diff "$work/before.txt" - >"$work/left.txt" || fail "files left behind: $(cat "$work/left.txt")"
echo "passed in $((SECONDS - started)) s"
