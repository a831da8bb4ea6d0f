#!/usr/bin/env python3
"""Checks a built Debian package: what it installs and what it depends on.

usage: check_package.py PACKAGE.deb
"""

import subprocess
import sys

EXPECTED_FILES = [
    "./usr/bin/kestrel",
    "./usr/share/applications/org.kestrelsim.KestrelSim.desktop",
    "./usr/share/metainfo/org.kestrelsim.KestrelSim.metainfo.xml",
    "./usr/share/icons/hicolor/scalable/apps/org.kestrelsim.KestrelSim.svg",
] + [f"./usr/share/icons/hicolor/{n}x{n}/apps/org.kestrelsim.KestrelSim.png" for n in (16, 32, 48, 64, 128, 256)]

# Found in the program by dpkg-shlibdeps, and the platform plugins it loads.
EXPECTED_DEPENDS = ["libqt6widgets6", "libqt6gui6", "libqt6core6", "libstdc++6", "libc6", "qt6-qpa-plugins"]


def main():
    deb = sys.argv[1]
    contents = subprocess.run(["dpkg-deb", "-c", deb], capture_output=True, text=True, check=True).stdout
    files = {line.split()[-1] for line in contents.splitlines() if not line.startswith("d")}
    fields = subprocess.run(["dpkg-deb", "-f", deb, "Package", "Version", "Depends"], capture_output=True,
                            text=True, check=True).stdout
    print(fields, end="")
    print(contents, end="")
    failures = [f"missing {path}" for path in EXPECTED_FILES if path not in files]
    failures += [f"unexpected {path}" for path in sorted(files - set(EXPECTED_FILES))]
    depends = fields.split("Depends:", 1)[1]
    names = {part.strip().split()[0] for part in depends.replace("|", ",").split(",")}
    failures += [f"no dependency on {name}" for name in EXPECTED_DEPENDS if name not in names]
    if "Version: 1.00" not in fields:
        failures.append("version is not 1.00")
    for failure in failures:
        print("FAIL:", failure, file=sys.stderr)
    print("package checks:", "failed" if failures else "passed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
