#!/usr/bin/env bash
# The installed game started through its launcher in a real X window: its menu must be seen
# pixel for pixel, and Escape must end it with exit code 0.
# Usage: play_installed.sh <working folder> <launcher> <screen_check> <source folder>
set -u
data=$1
game=$2
check=$3
sources=$4
source "$(dirname "$0")/../e2e/x_session.sh"

start_x 1280x960 no
start_game
extra=()
wait_for_screen 60 menu || fail "the menu was not shown pixel for pixel"
cat "$work/check.log"
xdotool key Escape
finish_game "after Escape on the menu"
echo "the installed game showed its menu and ended with exit code 0"
