#!/usr/bin/env bash
# The Windows program must run on a bare system: it imports nothing of SDL and none of the
# compiler's runtime DLLs, which are linked in, and XInput only at run time (a system without
# it plays on without controllers). Over the project's DirectDraw it imports no ddraw.dll,
# and its clock and key state are the presenter's, not the system's GetTickCount and
# GetAsyncKeyState (bound when the program is linked); the system-DirectDraw build takes the
# display through ddraw.dll and the system's clock and keys.
# Usage: windows_imports.sh <brambleleap.exe> <objdump> own|system.
set -u
exe=$1
objdump=${2:-x86_64-w64-mingw32-objdump}
ddraw=${3:-own}
command -v "$objdump" >/dev/null || { echo "FAILED: $objdump is missing"; exit 1; }
table=$("$objdump" -p "$exe")
imports=$(awk '/DLL Name:/ { print tolower($3) }' <<<"$table" | sort -u)
[ -n "$imports" ] || { echo "FAILED: no import table read from $exe"; exit 1; }
echo "imports:" $imports
status=0
if [ "$ddraw" = system ]; then
  grep -qx 'ddraw.dll' <<<"$imports" || { echo "FAILED: ddraw.dll is not imported"; status=1; }
else
  grep -qx 'ddraw.dll' <<<"$imports" && { echo "FAILED: the system's ddraw.dll is imported"; status=1; }
fi
# The functions each build imports by name: the last word of a line of the import table.
functions=$(awk '{ print $NF }' <<<"$table" | sort -u)
for name in GetTickCount GetAsyncKeyState; do
  if [ "$ddraw" = system ]; then
    grep -qx "$name" <<<"$functions" || { echo "FAILED: the system's $name is not imported"; status=1; }
  else
    grep -qx "$name" <<<"$functions" && { echo "FAILED: the system's $name is imported"; status=1; }
  fi
done
# The sound goes through the system's DirectSound.
grep -qx 'dsound.dll' <<<"$imports" || { echo "FAILED: dsound.dll is not imported"; status=1; }
if unwanted=$(grep -E 'sdl|libstdc|libgcc|winpthread|pthread|xinput' <<<"$imports"); then
  echo "FAILED: imports" $unwanted
  status=1
fi
[ "$status" -eq 0 ] && echo "passed"
exit $status
