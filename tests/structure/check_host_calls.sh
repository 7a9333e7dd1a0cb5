#!/usr/bin/env bash
# No folder of the platform calls a higher one by name: the symbols that a folder's objects
# need are not defined by the objects of a folder above it or beside it on its level (what a
# lower layer must call it registers instead). The levels from the bottom up: host/, the
# audio outputs (host/audio/), each host (host/<name>/), winapi/, ddraw/, then gdi/ and
# dsound/. The platform's top files (the build's table of hosts, the reset for tests) are
# above them all and may call anything.
# Reads the platform library's objects in a build folder.
# Usage: check_host_calls.sh <folder of platform.dir>
set -u
dir=$1
[ -d "$dir/host" ] || { echo "no host objects in $dir"; exit 1; }

level_of() {
  case $1 in
    host) echo 0 ;;
    host/audio) echo 1 ;;
    host/*) echo 2 ;;
    winapi) echo 3 ;;
    ddraw) echo 4 ;;
    gdi | dsound) echo 5 ;;
    *) echo 9 ;;
  esac
}

defined_in() {
  find "$dir/$1" -maxdepth 1 -name '*.o' | xargs -r nm --defined-only -P |
    awk '$2 ~ /^[TDBRVW]$/ { print $1 }' | sort -u
}

needed_in() {
  find "$dir/$1" -maxdepth 1 -name '*.o' | xargs -r nm --undefined-only -P | awk '{ print $1 }' |
    sort -u
}

folders=$(cd "$dir" && find host winapi ddraw gdi dsound -type d 2>/dev/null | sort)
# Each folder's symbols read once.
lists=$(mktemp -d)
trap 'rm -rf "$lists"' EXIT
for folder in $folders; do
  key=${folder//\//_}
  defined_in "$folder" >"$lists/$key.defined"
  needed_in "$folder" >"$lists/$key.needed"
done
status=0
for low in $folders; do
  for high in $folders; do
    [ "$low" = "$high" ] && continue
    [ "$(level_of "$high")" -ge "$(level_of "$low")" ] || continue
    calls=$(comm -12 "$lists/${high//\//_}.defined" "$lists/${low//\//_}.needed")
    [ -z "$calls" ] && continue
    echo "$low/ calls $high/ by name:"
    echo "$calls" | c++filt | sed 's/^/  /'
    status=1
  done
done
[ "$status" = 0 ] && echo "no folder of the platform calls one above or beside it by name"
exit "$status"
