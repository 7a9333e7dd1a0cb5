#!/usr/bin/env bash
# The hosts call nothing above them by name: no symbol that an object of host/ needs is
# defined by an object of dsound/, ddraw/, win32/ or gdi/ (what those layers want from a host
# they register with it instead). Reads the platform library's objects in a build folder.
# Usage: check_host_calls.sh <folder of platform.dir>
set -u
dir=$1
[ -d "$dir/host" ] || { echo "no host objects in $dir"; exit 1; }
above=$(find "$dir/dsound" "$dir/ddraw" "$dir/win32" "$dir/gdi" -name '*.o' 2>/dev/null |
          xargs -r nm --defined-only -P | awk '$2 ~ /^[TDBRVW]$/ { print $1 }' | sort -u)
needed=$(find "$dir/host" -name '*.o' | xargs -r nm --undefined-only -P | awk '{ print $1 }' |
           sort -u)
calls=$(comm -12 <(echo "$above") <(echo "$needed"))
if [ -n "$calls" ]; then
  echo "host/ calls up by name:"
  echo "$calls" | c++filt
  exit 1
fi
echo "host/ calls nothing in dsound/, ddraw/, win32/ or gdi/ by name"
