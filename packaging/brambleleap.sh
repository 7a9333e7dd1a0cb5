#!/bin/sh
# Starts the game, or the showcase when called by that name, in the folder of its pictures and
# palette, which it reads by bare name. Both folders are found from where this script lies,
# so the package works unpacked under any root and from any working folder.
here=$(dirname "$(readlink -f "$0")")
data="$here/@LAUNCHER_TO_DATA@"
case "$(basename "$0")" in
  *showcase) program="$here/@LAUNCHER_TO_PROGRAMS@/showcase" ;;
  *) program="$here/@LAUNCHER_TO_PROGRAMS@/brambleleap" ;;
esac
cd "$data" || { echo "$0: no data folder $data" >&2; exit 1; }
exec "$program" "$@"
