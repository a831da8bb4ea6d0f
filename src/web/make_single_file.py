#!/usr/bin/env python3
"""Writes the page as one HTML file that runs wherever it is opened, from a
disk, a USB stick or an e-mail: index.html with the module's loader (linked
with its WebAssembly inside) in place of kestrel.js, the icons as data, and
no manifest, since a file cannot be installed.

  make_single_file.py INDEX_HTML SINGLE_FILE_JS OUTPUT
                      (the icons are read from beside INDEX_HTML)
"""

import base64
import re
import sys
from pathlib import Path

LOADER = '<script src="kestrel.js" defer></script>\n'
MANIFEST = re.compile(r'<link rel="manifest"[^>]*>\n')
ICON = re.compile(r'href="([\w-]+\.png)"')
BODY_END = "</body>"


def replaced_once(text, old, new):
    if text.count(old) != 1:
        sys.exit(f"make_single_file.py: index.html no longer has one {old!r}")
    return text.replace(old, new)


def main():
    index, loader, output = map(Path, sys.argv[1:])
    script = loader.read_text(encoding="utf-8")
    if "</script" in script.lower():
        sys.exit(f"make_single_file.py: {loader.name} would end its inline <script> early")
    html = index.read_text(encoding="utf-8")
    html = MANIFEST.sub("", html)

    def icon_data(found):
        png = (index.parent / found[1]).read_bytes()
        return f'href="data:image/png;base64,{base64.b64encode(png).decode()}"'

    html = ICON.sub(icon_data, html)
    # At the end of the body, an inline script runs where the deferred one did.
    html = replaced_once(html, LOADER, "")
    html = replaced_once(html, BODY_END, f"<script>\n{script}</script>\n{BODY_END}")
    output.write_text(html, encoding="utf-8")


if __name__ == "__main__":
    main()
