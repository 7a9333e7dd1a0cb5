#!/usr/bin/env python3
"""Runs check_includes.py on a small made-up tree with one fault of each kind, and on the same
tree without them, to show that the check fails on what it should and passes otherwise."""

import os
import subprocess
import sys
import tempfile

CLEAN = {
    "formats/bmp.h": "",
    "platform/win32.h": '#include "formats/bmp.h"\n',
    "platform/host/host.h": "",
    "platform/host/sdl/sdl_host.h": '#include "platform/host/host.h"\n',
    "platform/host/sdl/sdl_host.cpp": '#include <SDL.h>\n#include "platform/host/sdl/sdl_host.h"\n',
    "platform/host/web/web_host.cpp": '#include "platform/host/host.h"\n',
    "platform/winapi/winapi_window.cpp": '#include "platform/win32.h"\n#include "platform/host/host.h"\n',
    "engine/sprite.h": '#include "platform/win32.h"\n',
    "engine/sprite.cpp": '#include "engine/sprite.h"\n#include "engine/draw.h"\n',
    "engine/draw.h": "",
    "engine/draw.cpp": '#include "engine/draw.h"\n',
    "game/setup.h": '#include "engine/sprite.h"\n',
    "game/setup.cpp": '#include "game/setup.h"\n',
    "shell/win_main.cpp": '#include "game/setup.h"\n',
}

FAULTS = {
    "game/setup.cpp": '#include "game/setup.h"\n#include "shell/win_main.cpp"\n',
    "engine/draw.cpp": '#include "engine/draw.h"\n#include "engine/sprite.h"\n',
    "engine/sprite.h": '#include "platform/win32.h"\n#include "platform/host/host.h"\n',
    # Inside the platform: up from the host to win32, sideways from one target to another,
    # and a folder without a level.
    "platform/host/host.h": '#include "platform/win32.h"\n',
    "platform/host/web/web_host.cpp": '#include "platform/host/sdl/sdl_host.h"\n',
    "platform/extra/extra.cpp": '#include "platform/host/host.h"\n',
    "formats/bmp.h": '#include "platform/win32.h"\n',
    "game/extra.cpp": "#include <SDL.h>\n",
    "shell/missing.cpp": '#include "shell/nowhere.h"\n',
}

EXPECTED = [
    "game/ must not include shell/win_main.cpp",
    "modules include each other in a circle: engine/draw, engine/sprite",
    "engine/ must not include platform/host/host.h",
    "platform/host/ must not include platform/win32.h (up the platform's layers)",
    "platform/host/web/ must not include platform/host/sdl/sdl_host.h (sideways the",
    "platform/extra/ has no level among the platform's layers",
    "formats/ must not include platform/win32.h",
    "includes SDL (SDL.h) outside platform/",
    '"shell/nowhere.h" names no file of the project',
    # The wrong-way includes above close circles of their own.
    "modules include each other in a circle: formats/bmp, platform/win32",
    "modules include each other in a circle: game/setup, shell/win_main",
]


def run(files):
    with tempfile.TemporaryDirectory() as root:
        for path, text in files.items():
            os.makedirs(os.path.dirname(os.path.join(root, path)), exist_ok=True)
            with open(os.path.join(root, path), "w") as out:
                out.write(text)
        script = os.path.join(os.path.dirname(os.path.abspath(__file__)), "check_includes.py")
        done = subprocess.run([sys.executable, script, root], capture_output=True, text=True)
        return done.returncode, done.stdout


def main():
    failures = []
    code, output = run(CLEAN)
    if code != 0:
        failures.append("the clean tree failed:\n" + output)
    code, output = run({**CLEAN, **FAULTS})
    if code == 0:
        failures.append("the faulty tree passed")
    for expected in EXPECTED:
        if expected not in output:
            failures.append("not reported: " + expected)
    reported = [line for line in output.splitlines()[:-1] if not line.startswith(" ")]
    if len(reported) != len(EXPECTED):
        failures.append("reported more than the planted faults:\n" + output)
    print("\n".join(failures) or "the check finds every planted fault and nothing else")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
