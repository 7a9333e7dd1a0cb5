#!/usr/bin/env python3
"""Checks the include graph of the project's own sources.

A module is a header and the source file of the same name (engine/image/sprite.h and
engine/image/sprite.cpp); a file without a partner is a module of its own. The check fails on:
  - a circle of modules that include each other, directly or through others;
  - an include against the layers: shell -> game -> engine -> platform -> formats, where code
    above the platform sees only its published headers (win32.h, ddraw.h, gdi.h, dsound.h),
    the file formats see nothing of the project but themselves, and the game never sees the shell;
  - an include inside the platform that runs from a lower folder up to a higher one, or
    sideways between two folders of one level (two targets), by the platform's own layers:
    host/ (the target record and the shared pieces), host/audio/ (the audio outputs),
    host/<target>/, winapi/, ddraw/, then gdi/
    and dsound/, then the platform's own top files; each published header belongs to its
    folder (win32.h to winapi/, pads.h to host/), and a folder with no level is reported;
  - SDL included by the program's code anywhere but platform/ (tests of the SDL backend and
    the benchmarks, which measure SDL itself, may include it);
  - a quoted include that names no file of the project.

Usage: check_includes.py [repository root]   (default: two folders above this script)
"""

import os
import re
import sys

SOURCE_SUFFIXES = (".h", ".hpp", ".cpp", ".c")
SKIPPED_FOLDERS = {".git", "build", "third_party", "vendor"}
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')
PUBLISHED = {"platform/win32.h", "platform/ddraw.h", "platform/gdi.h", "platform/dsound.h",
             "platform/pads.h"}

# What each layer may include, by the top folder of the included file. "published" stands
# for the platform's three published headers alone.
ALLOWED = {
    "formats": {"formats"},
    "platform": {"platform", "formats"},
    "engine": {"engine", "published", "formats"},
    "game": {"game", "engine", "published"},
    "shell": {"shell", "game", "engine", "published"},
    "art": {"art", "formats"},
    "showcase": {"showcase", "engine", "published"},
}
# The platform's folders from the bottom up; folders of one level must not include each other.
PLATFORM_LEVELS = {
    "host": 0,
    "host/audio": 1,  # the audio outputs, which any host may take
    "host/sdl": 2,
    "host/web": 2,
    "host/headless": 2,
    "host/windows": 2,
    "host/win32": 2.5,  # the old path of the system headers, forwarding to host/windows/
    "winapi": 3,
    "ddraw": 4,
    "gdi": 5,
    "dsound": 5,
    "": 6,  # the platform's top files: the build's choice of target, the reset for tests
}
# The published headers, each a part of its folder.
PUBLISHED_FOLDER = {
    "platform/win32.h": "winapi",
    "platform/ddraw.h": "ddraw",
    "platform/gdi.h": "gdi",
    "platform/dsound.h": "dsound",
    "platform/pads.h": "host",
}
# Folders whose files may include SDL's headers.
SDL_ALLOWED = ("platform/", "tests/", "bench/")


def source_files(root):
    for folder, subfolders, files in os.walk(root):
        subfolders[:] = sorted(d for d in subfolders if d not in SKIPPED_FOLDERS)
        for name in sorted(files):
            if name.endswith(SOURCE_SUFFIXES):
                yield os.path.relpath(os.path.join(folder, name), root).replace(os.sep, "/")


def resolve(root, files, including, name):
    """The project file a quoted include names: from the root (the project's style), beside
    the including file, from the tests' own include folder, or else the one file of the
    project whose path ends in the name (a target's own include folder)."""
    here = os.path.dirname(including)
    for base in ("", here, "tests"):
        candidate = os.path.normpath(os.path.join(base, name)).replace(os.sep, "/")
        if os.path.isfile(os.path.join(root, candidate)):
            return candidate
    matches = [path for path in files if path.endswith("/" + name)]
    return matches[0] if len(matches) == 1 else None


def module_of(path):
    return os.path.splitext(path)[0]


def layer_of(path):
    return path.split("/", 1)[0]


def platform_folder(path):
    """The platform folder a file of platform/ belongs to: "" for its top files."""
    if path in PUBLISHED_FOLDER:
        return PUBLISHED_FOLDER[path]
    return os.path.dirname(path)[len("platform/"):] if "/" in path[len("platform/"):] else ""


def platform_problem(path, target):
    """Why an include from one platform file to another runs against the platform's layers;
    None when it does not."""
    here, there = platform_folder(path), platform_folder(target)
    if here == there:
        return None
    for folder in (here, there):
        if folder not in PLATFORM_LEVELS:
            return f"platform/{folder}/ has no level among the platform's layers"
    if PLATFORM_LEVELS[there] < PLATFORM_LEVELS[here]:
        return None
    way = "up" if PLATFORM_LEVELS[there] > PLATFORM_LEVELS[here] else "sideways"
    return f"platform/{here or '.'}/ must not include {target} ({way} the platform's layers)"


def find_circles(edges):
    """Strongly connected components with more than one module (Tarjan, iterative)."""
    index, low, on_stack, stack, circles = {}, {}, set(), [], []
    counter = 0
    for start in sorted(edges):
        if start in index:
            continue
        work = [(start, iter(sorted(edges[start])))]
        index[start] = low[start] = counter
        counter += 1
        stack.append(start)
        on_stack.add(start)
        while work:
            node, targets = work[-1]
            advanced = False
            for target in targets:
                if target not in index:
                    index[target] = low[target] = counter
                    counter += 1
                    stack.append(target)
                    on_stack.add(target)
                    work.append((target, iter(sorted(edges.get(target, ())))))
                    advanced = True
                    break
                if target in on_stack:
                    low[node] = min(low[node], index[target])
            if advanced:
                continue
            work.pop()
            if work:
                low[work[-1][0]] = min(low[work[-1][0]], low[node])
            if low[node] == index[node]:
                component = []
                while True:
                    member = stack.pop()
                    on_stack.discard(member)
                    component.append(member)
                    if member == node:
                        break
                if len(component) > 1:
                    circles.append(sorted(component))
    return circles


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    root = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", ".."))
    problems = []
    edges = {}
    why = {}  # (module, module) -> the first include that made the edge
    files = list(source_files(root))
    for path in files:
        module = module_of(path)
        edges.setdefault(module, set())
        with open(os.path.join(root, path), encoding="utf-8", errors="replace") as source:
            lines = source.readlines()
        for number, line in enumerate(lines, 1):
            match = INCLUDE.match(line)
            if not match:
                continue
            quoted, name = match.group(1) == '"', match.group(2)
            where = f"{path}:{number}"
            if os.path.basename(name).startswith("SDL") and not path.startswith(SDL_ALLOWED):
                problems.append(f"{where}: includes SDL ({name}) outside platform/")
            if not quoted:
                continue
            target = resolve(root, files, path, name)
            if target is None:
                problems.append(f"{where}: \"{name}\" names no file of the project")
                continue
            allowed = ALLOWED.get(layer_of(path))
            kind = "published" if target in PUBLISHED else layer_of(target)
            if allowed is not None and kind not in allowed and layer_of(target) not in allowed:
                problems.append(f"{where}: {layer_of(path)}/ must not include {target}")
            if layer_of(path) == "platform" and layer_of(target) == "platform":
                wrong_way = platform_problem(path, target)
                if wrong_way:
                    problems.append(f"{where}: {wrong_way}")
            other = module_of(target)
            if other != module:
                edges[module].add(other)
                why.setdefault((module, other), where)
    for circle in find_circles(edges):
        members = set(circle)
        links = [f"{why[(a, b)]} -> {b}" for a in circle for b in sorted(edges[a]) if b in members]
        text = ("modules include each other in a circle: " + ", ".join(circle) + "\n    " +
                "\n    ".join(links))
        problems.append(text)
    for problem in problems:
        print(problem)
    print(f"{len(edges)} modules checked, {len(problems)} problem(s)")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
