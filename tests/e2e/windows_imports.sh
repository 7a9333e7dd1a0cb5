#!/usr/bin/env bash
# The Windows program must run on a bare system: it takes the display through ddraw.dll,
# and imports nothing of SDL and none of the compiler's runtime DLLs, which are linked in.
# Usage: windows_imports.sh <brambleleap.exe> [<objdump>].
set -u
exe=$1
objdump=${2:-x86_64-w64-mingw32-objdump}
command -v "$objdump" >/dev/null || { echo "FAILED: $objdump is missing"; exit 1; }
imports=$("$objdump" -p "$exe" | awk '/DLL Name:/ { print tolower($3) }' | sort -u)
[ -n "$imports" ] || { echo "FAILED: no import table read from $exe"; exit 1; }
echo "imports:" $imports
status=0
grep -qx 'ddraw.dll' <<<"$imports" || { echo "FAILED: ddraw.dll is not imported"; status=1; }
# The sound goes through the system's DirectSound.
grep -qx 'dsound.dll' <<<"$imports" || { echo "FAILED: dsound.dll is not imported"; status=1; }
if unwanted=$(grep -E 'sdl|libstdc|libgcc|winpthread|pthread' <<<"$imports"); then
  echo "FAILED: imports" $unwanted
  status=1
fi
[ "$status" -eq 0 ] && echo "passed"
exit $status
