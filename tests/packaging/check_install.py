#!/usr/bin/env python3
"""Installs the build into a temporary prefix and checks what a desktop needs.

usage: check_install.py BUILD_DIR APP_ID VERSION

Checks that the programs, the desktop entry, the metainfo, the icons, the
manual pages and the package documents land where the freedesktop and Debian
conventions put them; that desktop-file-validate and appstreamcli accept the
entry and the metainfo; that every icon image has its size and colour depth;
that the compressed files carry no name or time stamp; and that the names and
version agree.
"""

import configparser
import struct
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path

PNG_SIZES = (16, 32, 48, 64, 128, 256)
# The Windows icon's images: (width, height, bits per pixel, palette colours).
ICO_IMAGES = [(32, 32, 1, 2), (32, 32, 4, 16), (16, 16, 4, 16)]

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def png_header(path):
    data = path.read_bytes()
    check(data[:8] == b"\x89PNG\r\n\x1a\n", f"{path.name}: not a PNG")
    width, height, depth, colour_type = struct.unpack(">IIBB", data[16:26])
    return width, height, depth, colour_type


def ico_images(path):
    data = path.read_bytes()
    reserved, kind, count = struct.unpack("<HHH", data[:6])
    check((reserved, kind) == (0, 1), f"{path.name}: not an icon file")
    images = []
    for n in range(count):
        w, h, colours, _, planes, bits, size, offset = struct.unpack("<BBBBHHII", data[6 + 16 * n:22 + 16 * n])
        header_bits, used = struct.unpack("<H", data[offset + 14:offset + 16])[0], struct.unpack(
            "<I", data[offset + 32:offset + 36])[0]
        check(header_bits == bits, f"{path.name} image {n}: directory says {bits} bits, bitmap {header_bits}")
        images.append((w or 256, h or 256, bits, used or (1 << bits)))
    return images


def gzip_stamp(path):
    """The header's flags and modification time: both 0 for a reproducible file."""
    flags, mtime = struct.unpack("<BI", path.read_bytes()[3:8])
    return flags, mtime


def run(command):
    result = subprocess.run(command, capture_output=True, text=True)
    check(result.returncode == 0, f"{' '.join(map(str, command))} failed:\n{result.stdout}{result.stderr}")
    return result


def main():
    build, app_id, version = Path(sys.argv[1]), sys.argv[2], sys.argv[3]
    source = Path(__file__).resolve().parents[2]
    with tempfile.TemporaryDirectory() as prefix_name:
        prefix = Path(prefix_name)
        run(["cmake", "--install", str(build), "--prefix", str(prefix)])
        share = prefix / "share"
        desktop = share / "applications" / f"{app_id}.desktop"
        metainfo = share / "metainfo" / f"{app_id}.metainfo.xml"
        icons = [share / "icons/hicolor" / f"{n}x{n}" / "apps" / f"{app_id}.png" for n in PNG_SIZES]
        svg = share / "icons/hicolor/scalable/apps" / f"{app_id}.svg"
        compressed = [share / "man/man1/kestrel.1.gz", share / "man/man1/kestrel-replay.1.gz",
                      share / "doc/kestrel/changelog.gz"]
        installed = [prefix / "bin/kestrel", prefix / "bin/kestrel-replay", desktop, metainfo, svg, *icons,
                     *compressed, share / "doc/kestrel/copyright"]
        for path in installed:
            check(path.is_file(), f"not installed: {path.relative_to(prefix)}")
        if failures:
            return

        run(["desktop-file-validate", str(desktop)])
        run(["appstreamcli", "validate", "--no-net", str(metainfo)])

        entry = configparser.ConfigParser(interpolation=None)
        entry.optionxform = str
        entry.read(desktop, encoding="utf-8")
        group = entry["Desktop Entry"]
        check(group["Name"] == "Kestrel Sim", f"desktop Name is {group['Name']}")
        check(group["Icon"] == app_id, f"desktop Icon is {group['Icon']}")
        check((prefix / "bin" / group["Exec"].split()[0]).is_file(), f"desktop Exec {group['Exec']} not installed")
        check(group["Categories"] == "Education;Science;Physics;", f"desktop Categories {group['Categories']}")

        component = ET.parse(metainfo).getroot()
        check(component.findtext("id") == app_id, "metainfo id differs from the application id")
        check(component.find("releases/release").get("version") == version, "metainfo release is not the version")
        check(component.findtext("launchable") == f"{app_id}.desktop", "metainfo launchable is not the entry")

        for size, path in zip(PNG_SIZES, icons):
            check(png_header(path) == (size, size, 8, 6), f"{path.name} at {size}: {png_header(path)}")
        check(ET.parse(svg).getroot().get("viewBox") is not None, "the scalable icon has no viewBox")
        for path in compressed:
            check(gzip_stamp(path) == (0, 0), f"{path.name}: gzip header has a name or time stamp")

    check(ico_images(source / "packaging/icons/kestrel.ico") == ICO_IMAGES,
          f"kestrel.ico holds {ico_images(source / 'packaging/icons/kestrel.ico')}")


if __name__ == "__main__":
    main()
    for failure in failures:
        print("FAIL:", failure, file=sys.stderr)
    print("install checks:", "failed" if failures else "passed")
    sys.exit(1 if failures else 0)
