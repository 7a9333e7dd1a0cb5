#!/usr/bin/env bash
# The link-level check on a made-up tree: a host that calls the sound side by name, and
# DirectDraw calling it up, are each found; the same tree without them passes.
# Usage: check_host_calls_selftest.sh <C++ compiler>
set -u
cxx=$1
here=$(cd "$(dirname "$0")" && pwd)
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
mkdir -p "$tree"/{host/sdl,ddraw,dsound}
compile() { printf '%s\n' "$2" | "$cxx" -x c++ -c - -o "$tree/$1"; }
compile dsound/mixer.o 'void sound_pass() {}'
compile host/sdl/host.o 'void sdl_pump() {}'
compile ddraw/show.o 'void sdl_pump(); void show() { sdl_pump(); }'
bash "$here/check_host_calls.sh" "$tree" >/dev/null || { echo "a clean tree fails"; exit 1; }
for caller in host/sdl ddraw; do
  compile "$caller/up.o" 'void sound_pass(); void call_up() { sound_pass(); }'
  out=$(bash "$here/check_host_calls.sh" "$tree") && { echo "$caller/ calling up passes"; exit 1; }
  grep -q "^$caller/ calls dsound/" <<<"$out" || { echo "not named: $out"; exit 1; }
  rm "$tree/$caller/up.o"
done
echo "the check finds every planted call up and nothing else"
