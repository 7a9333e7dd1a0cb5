#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only those that are missing.
set -euo pipefail
packages=(build-essential cmake pkg-config libsdl2-dev libsdl2-gfx-dev libfreetype-dev
          fonts-dejavu-core libgtest-dev libgmock-dev libbenchmark-dev)
# --test: what the test command needs besides; --windows: the cross build of the Windows
# program and Wine with an X screen to play it in (a 64-bit program needs no i386 packages);
# --web: the browser build and the headless Chromium its test plays it in.
for flag in "$@"; do
  case "$flag" in
    --test)
      packages+=(python3 liballegro4-dev xvfb matchbox-window-manager xdotool imagemagick x11-utils
                 clang libclang-rt-14-dev
                 lintian desktop-file-utils appstream dpkg-dev fakeroot pmccabe) ;;
    --windows)
      packages+=(g++-mingw-w64-x86-64 wine wine64 xvfb matchbox-window-manager xdotool imagemagick
                 x11-utils) ;;
    --web)
      # Debian's emscripten brings its system libraries prebuilt: nothing is fetched at build
      # time.
      packages+=(python3 emscripten chromium) ;;
    *) echo "usage: deps.sh [--test] [--windows] [--web]" >&2; exit 2 ;;
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
