#!/usr/bin/env bash
# Builds every download of a release into dist/ (or --out): the game's and the engine's Debian
# and RPM packages, the Windows zip and installer, the browser bundle and the source tarball
# from `git archive`, with SHA256SUMS over them. Checks each file, then lists them with sizes.
# Build folders already made may be reused (--native, --windows, --web); the native one is
# configured for /usr and built in Release unless it was configured before.
#   scripts/release.sh [--native DIR] [--windows DIR] [--web DIR] [--out DIR]
set -euo pipefail
checkout=$(cd "$(dirname "$0")/.." && pwd)
native=build/release
windows=build/release-windows
web=build/web
out=dist
while [ $# -gt 0 ]; do
  case "$1" in
    --native | --windows | --web | --out)
      [ $# -ge 2 ] || { echo "release.sh: $1 needs a folder" >&2; exit 2; }
      declare "${1#--}=$2"
      shift 2 ;;
    *) echo "usage: release.sh [--native DIR] [--windows DIR] [--web DIR] [--out DIR]" >&2; exit 2 ;;
  esac
done
cd "$checkout"
die() { echo "release.sh: $*" >&2; exit 1; }
say() { echo "=== $*"; }
"$checkout/scripts/deps.sh" --release --windows --web
jobs=$(nproc)

git -C "$checkout" rev-parse --verify -q HEAD >/dev/null || die "not a git checkout with a commit"
[ -z "$(git -C "$checkout" status --porcelain --untracked-files=no)" ] ||
  echo "release.sh: warning: the checkout has uncommitted changes, which the source tarball leaves out"
version=$(sed -n 's/^project(brambleleap VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
[ -n "$version" ] || die "no version in CMakeLists.txt's project()"
# Every archive is dated at noon of the release's day in NEWS.md, so that two runs on the same
# commit make the same files.
release_date=$(sed -n "s/^## $version (\([0-9-]*\))\$/\1/p" NEWS.md | head -1)
[ -n "$release_date" ] || die "NEWS.md has no heading \"## $version (YYYY-MM-DD)\""
SOURCE_DATE_EPOCH=$(date -u -d "$release_date 12:00:00" +%s)
export SOURCE_DATE_EPOCH
mkdir -p "$out"
out=$(cd "$out" && pwd)
# Only what an earlier release left here goes.
rm -f "$out"/brambleleap[-_]* "$out"/libbrambleleap-engine-dev* "$out"/SHA256SUMS
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT

say "Linux: the Debian and RPM packages ($native)"
if [ -f "$native/CMakeCache.txt" ]; then
  cmake -S . -B "$native" -DCMAKE_INSTALL_PREFIX=/usr >/dev/null
else
  # With debugging information: the programs are stripped, the static libraries keep it.
  cmake -S . -B "$native" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRAMBLELEAP_BENCH=OFF \
    -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON \
    -DCMAKE_INSTALL_PREFIX=/usr >/dev/null
fi
cmake --build "$native" -j"$jobs" --target brambleleap showcase package_files engine platform_main
(cd "$native" && cpack -G DEB -B "$stage/deb" >"$stage/deb.log" 2>&1) || { cat "$stage/deb.log"; die "cpack -G DEB"; }
# RPM-based systems keep libraries in lib64, not in Debian's multiarch folder; the folder is
# put back for the next Debian packages afterwards. No compiled file changes.
cmake "$native" -DCMAKE_INSTALL_LIBDIR=lib64 >/dev/null
rpm_ok=0
(cd "$native" && cpack -G RPM -B "$stage/rpm" >"$stage/rpm.log" 2>&1) && rpm_ok=1
cmake "$native" -UCMAKE_INSTALL_LIBDIR >/dev/null
[ $rpm_ok = 1 ] || { cat "$stage/rpm.log"; die "cpack -G RPM"; }
# Packed again, the Debian packages must come out byte for byte the same.
(cd "$native" && cpack -G DEB -B "$stage/deb_again" >"$stage/deb.log" 2>&1) || { cat "$stage/deb.log"; die "cpack -G DEB, again"; }
for deb in "$stage"/deb/*.deb; do
  cmp -s "$deb" "$stage/deb_again/$(basename "$deb")" || die "$(basename "$deb") differs when packed again"
done
cp "$stage"/deb/*.deb "$stage"/rpm/*.rpm "$out/"

say "Windows: the zip and the installer ($windows)"
cmake -S . -B "$windows" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake >/dev/null
cmake --build "$windows" -j"$jobs"
(cd "$windows" && cpack -B "$stage/windows" >"$stage/windows.log" 2>&1) ||
  { cat "$stage/windows.log"; die "cpack of the Windows build"; }
# Packed again with its members in name order and dated alike, as the browser bundle is.
mkdir "$stage/windows_zip"
# The download's folder keeps the name it has always had.
python3 -m zipfile -e "$stage/windows/brambleleap-$version-windows-x64.zip" "$stage/windows_zip" &&
  mv "$stage/windows_zip/brambleleap-$version-windows-x64" "$stage/windows_zip/brambleleap-windows" &&
  (cd "$stage/windows_zip" && python3 "$checkout/cmake/reproducible_zip.py" \
     "$out/brambleleap-$version-windows-x64.zip" "$release_date" brambleleap-windows) ||
  die "repacking the Windows zip"
cp "$stage/windows/brambleleap-$version-windows-x64-setup.exe" "$out/"

say "the browser bundle ($web)"
if [ "$web" = build/web ]; then
  scripts/web_build.sh
else
  [ -f "$web/brambleleap-web.zip" ] || die "no $web/brambleleap-web.zip"
fi
cp "$web/brambleleap-web.zip" "$out/brambleleap-$version-web.zip"

say "the source tarball"
git -C "$checkout" archive --format=tar.gz --prefix="brambleleap-$version/" \
  -o "$out/brambleleap-$version.tar.gz" HEAD

say "checks"
arch=$(dpkg --print-architecture)
expected=("brambleleap_${version}_$arch.deb" "libbrambleleap-engine-dev_${version}_$arch.deb"
          "brambleleap-$version-1.x86_64.rpm" "libbrambleleap-engine-devel-$version-1.x86_64.rpm"
          "brambleleap-$version-windows-x64.zip" "brambleleap-$version-windows-x64-setup.exe"
          "brambleleap-$version-web.zip" "brambleleap-$version.tar.gz")
for file in "${expected[@]}"; do
  path="$out/$file"
  [ -s "$path" ] || die "$file is missing or empty; dist/ holds: $(ls "$out")"
  case "$file" in
    *.deb) [ "$(dpkg-deb -f "$path" Version)" = "$version" ] || die "$file: not version $version" ;;
    *.rpm) [ "$(rpm -qp --qf '%{VERSION}' "$path" 2>/dev/null)" = "$version" ] ||
             die "$file: not version $version" ;;
    *.zip) python3 -m zipfile -t "$path" >/dev/null || die "$file: not a sound zip" ;;
    *.exe) [ "$(head -c 2 "$path")" = MZ ] && grep -q Nullsoft "$path" ||
             die "$file: not an NSIS installer" ;;
    *.tar.gz) tar -tzf "$path" >"$stage/tarball.txt" &&
                grep -qx "brambleleap-$version/CMakeLists.txt" "$stage/tarball.txt" ||
                die "$file: no CMakeLists.txt at its top" ;;
  esac
done
extra=$(ls "$out" | grep -vxF -f <(printf '%s\n' "${expected[@]}") || true)
[ -z "$extra" ] || die "unexpected files in $out: $extra"
(cd "$out" && sha256sum "${expected[@]}" >SHA256SUMS && sha256sum --quiet -c SHA256SUMS) ||
  die "SHA256SUMS"

say "the release $version in $out"
(cd "$out" && for file in "${expected[@]}" SHA256SUMS; do
   printf '%10s  %s\n' "$(du -h --apparent-size "$file" | cut -f1)" "$file"
 done)
