#!/usr/bin/env python3
"""Fails when a download of a release claims a version other than the project's.

Looks into every file of a release folder: the packages' own version fields, the names of the
files, the manual page's heading, Debian's and RPM's changelogs, the version resource of each
Windows program, and any "version 1.2.3" written in a text file of any package or archive.
Only the XML declaration, CMake's minimum version and the licence texts in a licenses/
folder are other versions by right.

Usage: check_versions.py <release folder> <version>
       check_versions.py --program <file.exe> <version>   only the program's version resource
"""

import gzip
import os
import re
import struct
import subprocess
import sys
import tarfile
import tempfile
import zipfile

# "Version 1.2", "version: 1.2.3", 'version="1.2.3"', "VERSION \"1.2.3\""; not "versions".
CLAIM = re.compile(rb'(?i)\bversion\b["\'=:\s]{0,3}v?(\d+(?:\.\d+)+)\b')
# Versions that are not the project's: the XML format's, and CMake's that the files need.
OTHERS_BY_RIGHT = re.compile(
    rb'(?i)<\?xml version=|cmake_minimum_required\s*\(\s*VERSION|cmake_policy\s*\(\s*VERSION'
    rb'|CMAKE_VERSION\s+VERSION_LESS')
FILE_NAME_VERSION = re.compile(r'(\d+\.\d+\.\d+)')

problems = []


def claim(where, found, version):
    if found != version:
        problems.append(f"{where}: version {found}, not {version}")


def scan_text(where, data, version):
    for line in data.splitlines():
        if OTHERS_BY_RIGHT.search(line):
            continue
        for match in CLAIM.finditer(line):
            claim(where, match.group(1).decode(), version)
    # The manual page's heading and the changelogs' entries.
    for match in re.finditer(rb'^\.TH \S+ \d+ \S+ "[^"]* (\d[\d.]*)"', data, re.M):
        claim(where + " (.TH)", match.group(1).decode(), version)
    for match in re.finditer(rb'^brambleleap \(([^)-]+)', data, re.M):
        claim(where + " (changelog)", match.group(1).decode(), version)


def utf16_value_after(data, key):
    """The string value after a key of a version resource's string table, or None."""
    at = data.find((key + "\0").encode("utf-16-le"))
    if at < 0:
        return None
    at += len(key) * 2 + 2
    while data[at:at + 2] == b"\0\0":
        at += 2
    end = at
    while end + 1 < len(data) and data[end:end + 2] != b"\0\0":
        end += 2
    return data[at:end].decode("utf-16-le", "replace")


def windows_version(data):
    """The file version of a Windows program's resource as numbers, with its strings."""
    signature = data.find(struct.pack("<I", 0xFEEF04BD))
    if signature < 0 or data.find("VS_VERSION_INFO".encode("utf-16-le")) < 0:
        return None
    ms, ls, pms, pls = struct.unpack_from("<IIII", data, signature + 8)
    numbers = [f"{ms >> 16}.{ms & 0xffff}.{ls >> 16}", f"{pms >> 16}.{pms & 0xffff}.{pls >> 16}"]
    strings = [utf16_value_after(data, key) for key in ("FileVersion", "ProductVersion")]
    return numbers, strings


def scan_file(where, data, version):
    if "/licenses/" in where:
        return  # the licences of what is linked in: their versions are their own
    if data[:2] == b"MZ":
        found = windows_version(data)
        if where.endswith("brambleleap.exe") and found is None:
            problems.append(f"{where}: no version resource")
        if found:
            for value in found[0] + found[1]:
                claim(where + " (version resource)", value or "none", version)
        return
    if b"\0" in data[:4096]:
        return  # pictures, sounds, archives of objects: nothing written in words
    scan_text(where, data, version)


def scan_tree(where, root, version):
    for folder, _, files in os.walk(root):
        for name in files:
            path = os.path.join(folder, name)
            if os.path.islink(path) or not os.path.isfile(path):
                continue
            with open(path, "rb") as f:
                data = f.read()
            if name.endswith(".gz"):
                try:
                    data = gzip.decompress(data)
                except OSError:
                    problems.append(f"{where}/{os.path.relpath(path, root)}: not sound gzip")
                    continue
            scan_file(f"{where}/{os.path.relpath(path, root)}", data, version)


def run(*command):
    return subprocess.run(command, check=True, capture_output=True).stdout


def main():
    if len(sys.argv) == 4 and sys.argv[1] == "--program":
        with open(sys.argv[2], "rb") as f:
            found = windows_version(f.read())
        if found is None:
            problems.append(f"{sys.argv[2]}: no version resource")
        else:
            for value in found[0] + found[1]:
                claim(sys.argv[2], value or "none", sys.argv[3])
        for problem in problems:
            print("FAILED:", problem)
        if not problems:
            print(f"{sys.argv[2]}: version resource {found[1][0]}")
        return 1 if problems else 0
    if len(sys.argv) != 3:
        print("\n".join(__doc__.strip().splitlines()[-2:]), file=sys.stderr)
        return 2
    folder, version = sys.argv[1], sys.argv[2]
    names = sorted(os.listdir(folder))
    if not names:
        problems.append(f"{folder} is empty")
    for name in names:
        path = os.path.join(folder, name)
        for found in FILE_NAME_VERSION.findall(name):
            claim(name + " (file name)", found, version)
        with tempfile.TemporaryDirectory() as unpacked:
            if name.endswith(".deb"):
                claim(name + " (Version)", run("dpkg-deb", "-f", path, "Version").decode().strip(),
                      version)
                run("dpkg-deb", "-x", path, unpacked)
                scan_tree(name, unpacked, version)
            elif name.endswith(".rpm"):
                claim(name + " (Version)", run("rpm", "-qp", "--qf", "%{VERSION}", path).decode(),
                      version)
                scan_text(name + " (changelog)", run("rpm", "-qp", "--changelog", path), version)
                cpio = run("rpm2cpio", path)
                subprocess.run(["cpio", "-idm", "--quiet"], input=cpio, cwd=unpacked, check=True)
                scan_tree(name, unpacked, version)
            elif name.endswith(".zip"):
                with zipfile.ZipFile(path) as archive:
                    archive.extractall(unpacked)
                scan_tree(name, unpacked, version)
            elif name.endswith(".tar.gz"):
                with tarfile.open(path) as archive:
                    tops = {member.name.split("/")[0] for member in archive.getmembers()}
                if tops != {f"brambleleap-{version}"}:
                    problems.append(f"{name}: top folders {sorted(tops)}")
            elif name.endswith(".exe"):
                with open(path, "rb") as f:
                    scan_file(name, f.read(), version)
    for problem in problems:
        print("FAILED:", problem)
    if not problems:
        print(f"every version in {len(names)} files of {folder} is {version}")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
