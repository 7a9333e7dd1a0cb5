#!/usr/bin/env python3
"""Checks that docs/engine.md lists every public call of the engine with its exact signature.

The rules, kept simple so that a new module can follow them:

1. The public headers are the ones that engine/engine.h includes. A new module adds its
   header there (for example "engine/sound/sound.h"), and it is checked from then on.
2. A public call is a function declared at the top level of such a header: a statement
   outside any braces that has a "(" and ends in ");" and is not a typedef, a using, a
   static_assert or a preprocessor line. Statements may span lines.
3. The guide lists each call in a table row whose first cell is the declaration in
   backticks, without the ";" and with every run of spaces and line breaks written as one
   space (no space after "(" or before ")"):
       | `std::int32_t display_shutdown()` | Releases every DirectDraw object. |
4. Each such row stands under a "###" heading that names the call's header file in
   backticks, for example "### Sound (`sound.h`)".
5. The check fails when a call is missing from the guide, when a row's signature matches no
   call (a changed or removed declaration), or when a row stands under the wrong heading.
6. A code block that follows a line "<!-- source: path -->" must be that file of the
   repository, exactly: the guide's example test is tests/guide/headless_example_test.cpp,
   which the build compiles and runs as a test.

Run with --print to print the tables that the headers give, each call with the comment line
above its declaration, as a starting point for a new section.
"""

import re
import sys
from pathlib import Path


def public_headers(root):
    umbrella = (root / "engine" / "engine.h").read_text()
    return [root / name for name in re.findall(r'#include "(engine/[^"]+\.h)"', umbrella)]


def normalise(text):
    # Compiler attributes (printf format checks) are no part of how a call is made.
    text = re.sub(r"\s*__attribute__\(\([^()]*(\([^()]*\))?\)\)", "", text)
    text = re.sub(r"\s+", " ", text.strip())
    return text.replace("( ", "(").replace(" )", ")")


def declarations(header):
    """(signature, comment) for each top-level function declaration of the header."""
    found = []
    depth = 0
    statement = ""
    comment = []
    for raw in header.read_text().splitlines():
        line = raw.strip()
        if not statement:
            if line.startswith("//"):
                comment.append(line[2:].strip())
                continue
            if not line or line.startswith("#"):
                comment = []
                continue
        code = line.split("//")[0]
        opened = depth > 0 or "{" in code or "}" in code
        depth += code.count("{") - code.count("}")
        if opened:
            statement, comment = "", []
            continue
        statement += " " + code
        if statement.strip().endswith(";"):
            text = normalise(statement)[:-1].strip()
            skip = text.startswith(("typedef", "using", "static_assert", "struct", "enum", "extern"))
            if "(" in text and not skip and " = " not in text.split("(")[0]:
                found.append((text, " ".join(comment)))
            statement, comment = "", []
    return found


def guide_rows(guide_text):
    """(signature, heading) for each table row whose first cell is a call in backticks."""
    rows = []
    heading = ""
    for line in guide_text.splitlines():
        if line.startswith("### "):
            heading = line
        match = re.match(r"^\|\s*`([^`]+\([^`]*\)[^`]*)`\s*\|", line)
        if match:
            rows.append((normalise(match.group(1)), heading))
    return rows


def check(root):
    problems = []
    calls = {}
    for header in public_headers(root):
        for signature, _ in declarations(header):
            calls[signature] = header.name
    rows = guide_rows((root / "docs" / "engine.md").read_text())
    listed = {}
    for signature, heading in rows:
        listed[signature] = heading
        if signature not in calls:
            problems.append(f"the guide lists `{signature}`, which no public header declares")
        elif f"`{calls[signature]}`" not in heading:
            problems.append(f"`{signature}` stands under '{heading}', not under a heading "
                            f"that names `{calls[signature]}`")
    for signature, header in calls.items():
        if signature not in listed:
            problems.append(f"{header} declares `{signature}`, which the guide does not list")
    problems += quoted_sources(root, (root / "docs" / "engine.md").read_text())
    return problems, len(calls)


def quoted_sources(root, guide_text):
    problems = []
    pattern = r"<!-- source: (\S+) -->\s*```\w*\n(.*?)```"
    for path, block in re.findall(pattern, guide_text, re.S):
        source = root / path
        if not source.is_file():
            problems.append(f"the guide quotes {path}, which does not exist")
        elif source.read_text() != block:
            problems.append(f"the guide's copy of {path} differs from the file")
    return problems


def print_tables(root):
    for header in public_headers(root):
        print(f"\n### (`{header.name}`)\n\n| Call | What it does |\n|---|---|")
        for signature, comment in declarations(header):
            print(f"| `{signature}` | {comment} |")


def main():
    args = [a for a in sys.argv[1:] if not a.startswith("--")]
    root = Path(args[0]) if args else Path(__file__).resolve().parents[2]
    if "--print" in sys.argv:
        print_tables(root)
        return 0
    problems, count = check(root)
    for problem in problems:
        print(problem)
    if not problems:
        print(f"the guide lists all {count} public calls with their signatures")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
