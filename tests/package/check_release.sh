#!/usr/bin/env bash
# Checks a release folder that scripts/release.sh made, as its users would meet it: the
# checksums; the repository's licence data (reuse lint); lintian and rpmlint without errors;
# no version but the project's in any download; the game's RPM unpacked into a throwaway root
# and played from an unrelated folder; the Windows installer, installed, played and
# uninstalled under Wine; the source tarball configured and built on its own, outside any git
# checkout. Nothing is installed on the machine.
# Usage: check_release.sh <release folder> <screen_check>
set -u
dist=$(readlink -f "$1")
screen_check=$(readlink -f "$2")
checkout=$(readlink -f "$(dirname "$0")/../..")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
say() { echo "--- $*"; }
die() { echo "FAILED: $*"; exit 1; }
version=$(sed -n 's/^project(brambleleap VERSION \([0-9.]*\).*/\1/p' "$checkout/CMakeLists.txt")
[ -n "$version" ] || die "no version in CMakeLists.txt"

say "checksums"
(cd "$dist" && sha256sum -c SHA256SUMS) || die "sha256sum -c"
[ "$(wc -l <"$dist/SHA256SUMS")" -eq "$(($(ls "$dist" | wc -l) - 1))" ] ||
  die "SHA256SUMS does not cover every file"

say "licence data"
(cd "$checkout" && reuse lint >"$work/reuse.log" 2>&1) || { cat "$work/reuse.log"; die "reuse lint"; }
tail -1 "$work/reuse.log"
grep -rIl -i "all rights reserved" "$checkout" --exclude-dir=build --exclude-dir=.git \
  --exclude-dir=dist --exclude=check_release.sh && die "a file says all rights are reserved"

say "lintian and rpmlint"
# Errors fail; the warnings are shown (the defaults of the publisher's addresses cause some).
lintian --tag-display-limit 0 "$dist"/*.deb >"$work/lintian.log" 2>&1
cat "$work/lintian.log"
grep -q "^E:" "$work/lintian.log" && die "lintian reports errors"
rpmlint -c "$checkout/packaging/rpmlint.toml" "$dist"/*.rpm >"$work/rpmlint.log" 2>&1
grep -E ": [EW]: |checked" "$work/rpmlint.log"
grep -q ": E: " "$work/rpmlint.log" && die "rpmlint reports errors"

say "versions"
python3 "$checkout/tests/package/check_versions.py" "$dist" "$version" || die "a version other than $version"

say "licence notices of what the Windows program and the browser build link in"
for notice in windows-x64.zip:licenses/gcc-mingw-w64-base.txt \
              windows-x64.zip:licenses/mingw-w64-common.txt web.zip:licenses/emscripten.txt; do
  python3 -m zipfile -l "$dist/brambleleap-$version-${notice%%:*}" | grep -q " *${notice#*:} " ||
    die "brambleleap-$version-${notice%%:*} holds no ${notice#*:}"
done

say "the game's RPM, unpacked, started from an unrelated folder"
root="$work/root"
mkdir -p "$root" "$work/elsewhere"
(cd "$root" && rpm2cpio "$dist/brambleleap-$version-1.x86_64.rpm" | cpio -idm --quiet) ||
  die "unpacking the RPM"
data="$root/usr/share/games/brambleleap"
printf '#!/bin/sh\ncd "%s" && exec "%s" "$@"\n' "$data" "$screen_check" >"$work/check_installed.sh"
chmod +x "$work/check_installed.sh"
bash "$checkout/tests/package/play_installed.sh" "$work/elsewhere" "$root/usr/games/brambleleap" \
  "$work/check_installed.sh" "$checkout" || die "the game from the RPM"

say "the Windows installer under Wine"
bash "$checkout/tests/package/check_installer.sh" "$dist/brambleleap-$version-windows-x64-setup.exe" \
  "$screen_check" "$version" || die "the Windows installer"

say "the source tarball, built on its own"
tar -xzf "$dist/brambleleap-$version.tar.gz" -C "$work" || die "unpacking the tarball"
source="$work/brambleleap-$version"
[ -e "$source/.git" ] && die "the tarball holds git's data"
# GIT_DIR pointing nowhere: a build that asked git anything would fail here.
GIT_DIR=/nonexistent GIT_CEILING_DIRECTORIES="$work" \
  cmake -S "$source" -B "$work/tarball-build" -DCMAKE_BUILD_TYPE=Release \
  -DBRAMBLELEAP_BENCH=OFF >"$work/tarball.log" 2>&1 &&
  GIT_DIR=/nonexistent cmake --build "$work/tarball-build" -j"$(nproc)" \
    --target brambleleap engine >>"$work/tarball.log" 2>&1 ||
  { tail -30 "$work/tarball.log"; die "the tarball does not build"; }
for file in bin/brambleleap bin/PALDATA2.PAL bin/menubackground1.bmp; do
  [ -s "$work/tarball-build/$file" ] || die "the tarball's build made no $file"
done
echo "passed"
