#!/usr/bin/env bash
# Builds the browser build (emscripten, Release) into build/web: brambleleap.html with its
# .js, .wasm and .pack in build/web/bin, the showcase's showcase.html beside it, and the
# bundle build/web/brambleleap-web.zip for a static web server. Installs what is missing
# first.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh --web
# Debian's emscripten runs node scripts that look for their modules here.
export NODE_PATH=${NODE_PATH:-/usr/share/nodejs}
emcmake cmake -S . -B build/web -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/web -j"$(nproc)"
