#!/usr/bin/env bash
# Makes the two Debian packages from a finished build and tries them as their users would:
# lintian, the desktop entry and the metainfo validated; both unpacked into a throwaway root,
# the game started through its launcher from an unrelated folder in a real X window and seen
# on its menu; the guide, the examples and the headers the guide includes found in the engine's
# package, and the catch example built from there, packaged and linted, and for Windows
# installed and played under Wine and uninstalled; the spinner example built against the
# unpacked engine with find_package and against this checkout with add_subdirectory, and each
# seen drawing. Nothing is installed on the machine.
# Usage: check_packages.sh <build folder> <screen_check>
set -u
build=$(readlink -f "$1")
screen_check=$(readlink -f "$2")
checkout=$(readlink -f "$(dirname "$0")/../..")
here="$checkout/tests/e2e"

packages=$(mktemp -d)
trap 'rm -rf "$packages"' EXIT
say() { echo "--- $*"; }
die() { echo "FAILED: $*"; exit 1; }

say "packages"
# Laid out for /usr, so that the libraries and pkg-config file go to Debian's multiarch folder;
# this changes no compiled file of the build.
cmake -DCMAKE_INSTALL_PREFIX=/usr "$build" >/dev/null || die "configuring for /usr"
(cd "$build" && cpack -G DEB -B "$packages" >"$packages/cpack.log" 2>&1) ||
  { cat "$packages/cpack.log"; die "cpack"; }
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
arch=$(dpkg --print-architecture)
game_deb="$packages/brambleleap_${version}_${arch}.deb"
engine_deb="$packages/libbrambleleap-engine-dev_${version}_${arch}.deb"
for deb in "$game_deb" "$engine_deb"; do
  [ -f "$deb" ] || die "no $(basename "$deb") among: $(ls "$packages")"
done
dpkg-deb -f "$game_deb" Depends | grep -q "libsdl2" || die "the game does not depend on SDL2"
dpkg-deb -f "$game_deb" Section | grep -qx games || die "the game's section is not games"
dpkg-deb -f "$engine_deb" Section | grep -qx libdevel || die "the engine's section is not libdevel"

say "lintian"
# Errors fail; the warnings left are shown, and each is explained in the packaging's notes.
lintian --tag-display-limit 0 "$game_deb" "$engine_deb" >"$packages/lintian.log" 2>&1
cat "$packages/lintian.log"
grep -q "^E:" "$packages/lintian.log" && die "lintian reports errors"

root="$packages/root"
for deb in "$game_deb" "$engine_deb"; do dpkg-deb -x "$deb" "$root" || die "dpkg-deb -x"; done
say "desktop entry and metainfo"
desktop-file-validate "$root"/usr/share/applications/*.desktop || die "desktop entry"
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml || die "metainfo"
for size in 16 32 48 64 128 256; do
  icon="$root/usr/share/icons/hicolor/${size}x${size}/apps/org.brambleleap.Brambleleap.png"
  [ "$(identify -format %wx%h "$icon" 2>/dev/null)" = "${size}x${size}" ] ||
    die "icon of $size pixels"
done

say "the engine's guide, examples and headers in the development package"
doc="$root/usr/share/doc/libbrambleleap-engine-dev"
for file in engine.md README.md; do [ -f "$doc/$file" ] || die "no $file in $doc"; done
grep -o '([^()]*\.png)' "$doc/engine.md" | tr -d '()' | while read -r picture; do
  [ -f "$doc/$picture" ] || die "the guide's picture $picture is not installed"
done || exit 1
for example in catch spinner paint sprites; do
  for file in CMakeLists.txt "$example.cpp"; do
    cmp -s "$checkout/examples/$example/$file" "$doc/examples/$example/$file" ||
      die "examples/$example/$file is not installed as it is in the checkout"
  done
done
# Every header the guide's code includes is installed: the engine's and the headless test's.
for header in $(sed -n 's/^#include "\(.*\)"$/\1/p' "$doc/engine.md" | sort -u); do
  [ -f "$root/usr/include/brambleleap/$header" ] || die "the guide includes $header, not installed"
done
# Nothing installed includes a file that is not; all the headers together compile here and,
# where the cross compilers are installed, for Windows and the browser.
includes="$root/usr/include/brambleleap"
(cd "$includes" && for header in $(find . -name '*.h'); do
   for included in $(sed -n 's/^#include "\(.*\)"$/\1/p' "$header"); do
     [ -f "$included" ] || die "the installed $header includes $included, not installed"
   done
 done) || exit 1
# The system's own headers for Windows come in through win32.h there.
(cd "$includes" && find . -name '*.h' | sort | sed 's|^\./\(.*\)|#include "\1"|') >"$packages/all_headers.cpp"
for compiler in g++ x86_64-w64-mingw32-g++ em++; do
  command -v $compiler >/dev/null || continue
  grep -v -e "host/win32/" -e "host/windows/" "$packages/all_headers.cpp" >"$packages/headers_$compiler.cpp"
  [ $compiler = x86_64-w64-mingw32-g++ ] && cp "$packages/all_headers.cpp" "$packages/headers_$compiler.cpp"
  $compiler -std=c++20 -fsyntax-only -I"$includes" "$packages/headers_$compiler.cpp" ||
    die "the installed headers do not compile with $compiler"
done
for deb in "$game_deb" "$engine_deb"; do
  dpkg-deb -f "$deb" Depends | grep -q "fonts-dejavu-core" ||
    die "$(basename "$deb") does not depend on a font"
done

say "the installed game, started from an unrelated folder"
# screen_check reads the game's pictures from its working folder: here the installed ones.
checker="$packages/check_installed.sh"
printf '#!/bin/sh\ncd "%s" && exec "%s" "$@"\n' "$root/usr/share/games/brambleleap" \
  "$screen_check" >"$checker"
chmod +x "$checker"
mkdir -p "$packages/elsewhere"
bash "$(dirname "$0")/play_installed.sh" "$packages/elsewhere" "$root/usr/games/brambleleap" \
  "$checker" "$checkout" || die "the installed game"

# The example built, then run in an X window until seen drawing, and ended with Escape.
build_and_run_spinner() {
  local name=$1 source=$2 program=$3
  shift 3
  cmake -S "$source" -B "$packages/$name" -DCMAKE_BUILD_TYPE=Release "$@" \
    >"$packages/$name.log" 2>&1 &&
    cmake --build "$packages/$name" -j2 >>"$packages/$name.log" 2>&1 ||
    { cat "$packages/$name.log"; die "building the spinner ($name)"; }
  bash "$(dirname "$0")/run_spinner.sh" "$packages/$name/$program" "$checkout" || die "the spinner ($name)"
}
say "the spinner against the unpacked engine, with find_package"
build_and_run_spinner installed "$checkout/examples/spinner" spinner -DCMAKE_PREFIX_PATH="$root/usr" \
  -DCMAKE_FIND_ROOT_PATH_MODE_PACKAGE=NEVER
grep -q "$root/usr/lib.*BrambleleapEngine" "$packages/installed/CMakeCache.txt" ||
  die "the spinner did not find the unpacked engine"

say "the catch example, copied from the package's documentation, against the unpacked engine"
cp -r "$doc/examples/catch" "$packages/catch_source"
cmake -S "$packages/catch_source" -B "$packages/catch" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_PREFIX_PATH="$root/usr" -DCMAKE_FIND_ROOT_PATH_MODE_PACKAGE=NEVER \
  -DCMAKE_INSTALL_PREFIX=/usr >"$packages/catch.log" 2>&1 &&
  cmake --build "$packages/catch" -j2 >>"$packages/catch.log" 2>&1 &&
  [ -x "$packages/catch/catch" ] || { cat "$packages/catch.log"; die "building catch"; }
grep -q "$root/usr/lib.*BrambleleapEngine" "$packages/catch/CMakeCache.txt" ||
  die "catch did not find the unpacked engine"

say "catch's own packages, from brambleleap_add_game: linted, unpacked and played"
for generator in DEB RPM; do
  (cd "$packages/catch" && cpack -G $generator -B "$packages/catch_packages") \
    >>"$packages/catch.log" 2>&1 || { cat "$packages/catch.log"; die "cpack -G $generator of catch"; }
done
catch_deb=$(ls "$packages"/catch_packages/catch_*.deb) && catch_rpm=$(ls "$packages"/catch_packages/catch-*.rpm) ||
  die "catch's packages: $(ls "$packages/catch_packages")"
dpkg-deb -f "$catch_deb" Depends | grep -q "fonts-dejavu-core" || die "catch does not depend on a font"
lintian --tag-display-limit 0 "$catch_deb" >"$packages/catch_lintian.log" 2>&1
rpmlint -c "$checkout/packaging/rpmlint.toml" "$catch_rpm" >"$packages/catch_rpmlint.log" 2>&1
cat "$packages/catch_lintian.log" "$packages/catch_rpmlint.log"
grep -q "^E:" "$packages/catch_lintian.log" && die "lintian reports errors in catch's package"
grep -q ": E: " "$packages/catch_rpmlint.log" && die "rpmlint reports errors in catch's package"
dpkg-deb -x "$catch_deb" "$packages/catch_root" || die "dpkg-deb -x catch"
desktop-file-validate "$packages"/catch_root/usr/share/applications/*.desktop || die "catch's desktop entry"
appstreamcli validate --no-net "$packages"/catch_root/usr/share/metainfo/*.xml || die "catch's metainfo"
bash "$(dirname "$0")/run_spinner.sh" "$packages/catch_root/usr/games/catch" "$checkout" Catch ||
  die "catch, started through its unpacked launcher"

say "catch for Windows, against the unpacked engine with its MinGW-w64 toolchain file"
cmake -S "$packages/catch_source" -B "$packages/catch_windows" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$(find "$root" -name mingw-w64.cmake)" >"$packages/catch_windows.log" 2>&1 &&
  grep -q "^BrambleleapEngine_DIR.*=$root/usr/lib" "$packages/catch_windows/CMakeCache.txt" &&
  cmake --build "$packages/catch_windows" -j2 >>"$packages/catch_windows.log" 2>&1 &&
  (cd "$packages/catch_windows" && cpack -B out) >>"$packages/catch_windows.log" 2>&1 ||
  { cat "$packages/catch_windows.log"; die "catch for Windows"; }
unzip -l "$packages/catch_windows/out/catch-1.0.0-windows-x64.zip" | grep -q " catch-1.0.0-windows-x64/licenses/mingw-w64-common.txt$" ||
  die "catch's zip lacks the licence notices"
bash "$(dirname "$0")/check_installer.sh" "$packages/catch_windows/out/catch-1.0.0-windows-x64-setup.exe" \
  "$screen_check" 1.0.0 Catch catch catch.png || die "catch's installer"

say "catch for the browser, against the unpacked engine with emscripten: played in Chromium"
if command -v emcmake >/dev/null; then
  NODE_PATH=${NODE_PATH:-/usr/share/nodejs} emcmake cmake -S "$packages/catch_source" \
    -B "$packages/catch_web" -DCMAKE_BUILD_TYPE=Release \
    -DBrambleleapEngine_DIR="$(dirname "$(find "$root" -name BrambleleapEngineConfig.cmake)")" \
    >"$packages/catch_web.log" 2>&1 &&
    NODE_PATH=${NODE_PATH:-/usr/share/nodejs} cmake --build "$packages/catch_web" -j2 \
    >>"$packages/catch_web.log" 2>&1 || { cat "$packages/catch_web.log"; die "catch for the browser"; }
  BRAMBLELEAP_CATCH_WEB="$packages/catch_web/catch-web.zip" \
    python3 "$checkout/tests/e2e/play_in_browser.py" - "$screen_check" || die "catch in the browser"
else
  echo "emscripten is not installed: skipped (scripts/deps.sh --web)"
fi

say "brambleleap_add_game stops the configure on what is missing or wrong, naming it"
bad="$packages/bad_game"
mkdir -p "$bad"
cp "$packages/catch_source/catch.cpp" "$packages/catch_source/catch.png" "$bad/"
echo "not a picture" >"$bad/notes.png"
ok_args="NAME bad SOURCES catch.cpp TITLE Bad VERSION 1.0 ICON catch.png DATA catch.png"
while IFS='|' read -r message args; do
  printf 'cmake_minimum_required(VERSION 3.21)\nproject(bad CXX)\nfind_package(BrambleleapEngine REQUIRED)\nbrambleleap_add_game(%s)\n' \
    "$args" >"$bad/CMakeLists.txt"
  cmake -S "$bad" -B "$bad/build" -DCMAKE_PREFIX_PATH="$root/usr" \
    -DCMAKE_FIND_ROOT_PATH_MODE_PACKAGE=NEVER >"$bad/log" 2>&1 && die "configured with: $args"
  tr -s ' \n' ' ' <"$bad/log" | grep -qF "$message" || { cat "$bad/log"; die "no \"$message\""; }
  rm -rf "$bad/build"
done <<CASES
TITLE is missing|NAME bad SOURCES catch.cpp VERSION 1.0 ICON catch.png DATA catch.png
ICON notes.png is not a PNG file|${ok_args/catch.png DATA/notes.png DATA}
DATA levels does not exist|$ok_args levels
ICONS 20=catch.png is not <size>=<png>|$ok_args ICONS 20=catch.png
CONTROLS Jump=Spacebar: Spacebar is not a key|$ok_args CONTROLS Left=ArrowLeft Jump=Spacebar
CASES

say "the spinner against the unpacked engine, with pkg-config"
flags=$(PKG_CONFIG_PATH=$(dirname "$(find "$root" -name brambleleap-engine.pc)") \
  pkg-config --cflags --libs brambleleap-engine) || die "pkg-config does not know the engine"
g++ -std=c++20 -o "$packages/spinner_pc" "$checkout/examples/spinner/spinner.cpp" $flags ||
  die "the spinner does not build with pkg-config's flags"

say "the guide's headless test against the unpacked engine, with pkg-config"
# Its own main comes from GoogleTest, so the engine's process entry is left out.
test_flags=$(echo "$flags" | sed 's/-lbrambleleap_platform_main//')
g++ -std=c++20 -o "$packages/guide_test" "$checkout/tests/guide/headless_example_test.cpp" \
  $test_flags -lgtest -lgtest_main -pthread || die "the guide's test does not build"
"$packages/guide_test" >"$packages/guide_test.log" 2>&1 ||
  { cat "$packages/guide_test.log"; die "the guide's test fails against the package"; }

say "the spinner with the checkout added by add_subdirectory"
outer="$packages/outer"
mkdir -p "$outer"
cat >"$outer/CMakeLists.txt" <<CMAKE
cmake_minimum_required(VERSION 3.21)
project(outer CXX)
add_subdirectory("$checkout" brambleleap)
add_subdirectory("$checkout/examples/spinner" spinner)
CMAKE
build_and_run_spinner outer_build "$outer" spinner/spinner
echo "passed"
