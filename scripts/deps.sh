#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only those that are missing.
set -euo pipefail
# ImageMagick makes the game's icons for its package (brambleleap_add_game).
packages=(build-essential cmake pkg-config libsdl2-dev libsdl2-gfx-dev libfreetype-dev libstb-dev
          libfontconfig-dev fonts-dejavu-core libgtest-dev libgmock-dev libbenchmark-dev
          imagemagick)
# --test: what the test command needs besides; --windows: the cross build of the Windows
# program, its installer's compiler, and Wine with an X screen to play it in (a 64-bit program
# needs no i386 packages);
# --web: the browser build and the headless Chromium its test plays it in; --release: what
# scripts/release.sh needs besides those (RPM's builder, git for the source tarball).
for flag in "$@"; do
  case "$flag" in
    --test)
      packages+=(python3 liballegro4-dev libsdl2-image-dev vorbis-tools xvfb matchbox-window-manager xdotool imagemagick x11-utils
                 clang libclang-rt-14-dev
                 lintian desktop-file-utils appstream dpkg-dev fakeroot pmccabe
                 rpmlint rpm2cpio cpio reuse) ;;
    --windows)
      packages+=(g++-mingw-w64-x86-64 wine wine64 xvfb matchbox-window-manager xdotool imagemagick
                 x11-utils nsis) ;;
    --web)
      # Debian's emscripten brings its system libraries prebuilt: nothing is fetched at build
      # time.
      packages+=(python3 emscripten chromium) ;;
    --release)
      packages+=(git rpm dpkg-dev fakeroot) ;;
    *) echo "usage: deps.sh [--test] [--windows] [--web] [--release]" >&2; exit 2 ;;
  esac
done
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${missing[@]}"
fi
