#!/usr/bin/env python3
"""Checks a built Debian package: what it installs and what it depends on.

usage: check_package.py PACKAGE.deb
"""

import gzip
import subprocess
import sys
import tempfile
from pathlib import Path

APP_ID = "org.kestrelsim.KestrelSim"
VERSION = "1.00"
EXPECTED_FILES = [
    "./usr/bin/kestrel",
    "./usr/bin/kestrel-replay",
    f"./usr/share/applications/{APP_ID}.desktop",
    f"./usr/share/metainfo/{APP_ID}.metainfo.xml",
    f"./usr/share/icons/hicolor/scalable/apps/{APP_ID}.svg",
    "./usr/share/doc/kestrel/copyright",
    "./usr/share/doc/kestrel/changelog.gz",
    "./usr/share/man/man1/kestrel.1.gz",
    "./usr/share/man/man1/kestrel-replay.1.gz",
] + [f"./usr/share/icons/hicolor/{n}x{n}/apps/{APP_ID}.png" for n in (16, 32, 48, 64, 128, 256)]

# Found in the programs by dpkg-shlibdeps, named by the stem of their package:
# a release may add a suffix (Debian 13 has libqt6core6t64 for libqt6core6).
SHARED_LIBRARY_STEMS = ["libqt6widgets6", "libqt6gui6", "libqt6core6", "libstdc++6", "libc6"]
# Loaded by Qt at run time, so no tool finds it in the program.
PLATFORM_PLUGINS = "qt6-qpa-plugins"


def dpkg_deb(*arguments):
    return subprocess.run(["dpkg-deb", *arguments], capture_output=True, text=True, check=True).stdout


def main():
    deb = sys.argv[1]
    contents = dpkg_deb("-c", deb)
    fields = dpkg_deb("-f", deb, "Package", "Version", "Depends")
    print(fields, end="")
    print(contents, end="")
    files = {line.split()[-1] for line in contents.splitlines() if not line.startswith("d")}
    failures = [f"missing {path}" for path in EXPECTED_FILES if path not in files]
    failures += [f"unexpected {path}" for path in sorted(files - set(EXPECTED_FILES))]

    depends = fields.split("Depends:", 1)[1]
    names = {part.strip().split()[0] for part in depends.replace("|", ",").split(",")}
    failures += [f"no dependency on {stem}" for stem in SHARED_LIBRARY_STEMS
                 if not any(name.startswith(stem) for name in names)]
    if PLATFORM_PLUGINS not in names:
        failures.append(f"no dependency on {PLATFORM_PLUGINS}")
    if f"Version: {VERSION}\n" not in fields:
        failures.append(f"version is not {VERSION}")

    with tempfile.TemporaryDirectory() as root:
        dpkg_deb("-x", deb, root)
        changelog = Path(root, "usr/share/doc/kestrel/changelog.gz")
        if changelog.is_file() and not gzip.decompress(changelog.read_bytes()).startswith(
                f"kestrel ({VERSION})".encode()):
            failures.append(f"the changelog's latest entry is not version {VERSION}")

    for failure in failures:
        print("FAIL:", failure, file=sys.stderr)
    print("package checks:", "failed" if failures else "passed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
