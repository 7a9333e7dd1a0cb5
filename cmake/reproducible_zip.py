#!/usr/bin/env python3
"""Packs files and folders, named relative to the working folder, into a zip that depends on
their names and contents only: members in name order, each dated at noon of the given day,
with the same permissions and no extra fields (no access or change times).
Usage: reproducible_zip.py <out.zip> <YYYY-MM-DD> <file or folder>..."""
import os
import sys
import zipfile


def members(paths):
    for path in paths:
        if os.path.isdir(path):
            for folder, _, files in os.walk(path):
                for name in files:
                    yield os.path.normpath(os.path.join(folder, name))
        else:
            yield os.path.normpath(path)


def main(argv):
    if len(argv) < 4:
        sys.stderr.write(__doc__ + "\n")
        return 2
    out, date, paths = argv[1], argv[2], argv[3:]
    try:
        year, month, day = (int(part) for part in date.split("-"))
    except ValueError:
        sys.stderr.write(f"reproducible_zip.py: {date!r} is not a date YYYY-MM-DD\n")
        return 2
    with zipfile.ZipFile(out, "w") as archive:
        for name in sorted(set(members(paths))):
            info = zipfile.ZipInfo(name.replace(os.sep, "/"), (year, month, day, 12, 0, 0))
            info.compress_type = zipfile.ZIP_DEFLATED
            executable = os.access(name, os.X_OK)
            info.external_attr = (0o100755 if executable else 0o100644) << 16
            with open(name, "rb") as source:
                archive.writestr(info, source.read(), compresslevel=9)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
