#!/usr/bin/env python3
"""The guide check on a made-up tree: a correct guide passes, and each kind of fault (a call
left out, a changed signature, a row under the wrong heading, a stale quoted source) fails."""

import sys
import tempfile
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
import check_guide  # noqa: E402

HEADER = """// A made-up module.
#pragma once
#include <cstdint>

struct Thing {
    std::int32_t field(std::int32_t);
};
// Makes a thing.
std::int32_t make_thing(Thing* thing,
                        std::int32_t size);
typedef void (*Callback)(int);
void forget_things();
"""

GOOD = """# Guide
### Things (`thing.h`)
| Call | What it does |
|---|---|
| `std::int32_t make_thing(Thing* thing, std::int32_t size)` | Makes a thing. |
| `void forget_things()` | Forgets them. |

<!-- source: example.cpp -->
```cpp
int main() {}
```
"""

FAULTS = {
    "a call left out": lambda g: g.replace("| `void forget_things()` | Forgets them. |\n", ""),
    "a changed signature": lambda g: g.replace("std::int32_t size)", "int size)"),
    "a row under the wrong heading": lambda g: g.replace("(`thing.h`)", "(`other.h`)"),
    "a stale quoted source": lambda g: g.replace("int main() {}", "int main() { return 1; }"),
}


def run(guide):
    with tempfile.TemporaryDirectory() as folder:
        root = Path(folder)
        (root / "engine" / "things").mkdir(parents=True)
        (root / "docs").mkdir()
        (root / "engine" / "engine.h").write_text('#include "engine/things/thing.h"\n')
        (root / "engine" / "things" / "thing.h").write_text(HEADER)
        (root / "example.cpp").write_text("int main() {}\n")
        (root / "docs" / "engine.md").write_text(guide)
        return check_guide.check(root)


def main():
    failures = []
    problems, count = run(GOOD)
    if problems or count != 2:
        failures.append(f"the correct guide: {count} calls, problems {problems}")
    for name, fault in FAULTS.items():
        problems, _ = run(fault(GOOD))
        if not problems:
            failures.append(f"{name} went unnoticed")
    for failure in failures:
        print(failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
