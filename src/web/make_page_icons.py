#!/usr/bin/env python3
"""Draws the page's icons, for its manifest and the browser's tab, with the
desktop icon's own drawing (packaging/icons/make_icons.py), at the sizes a
browser asks of an installable page.

  make_page_icons.py OUTPUT_DIR      writes OUTPUT_DIR/kestrel-192.png and kestrel-512.png
"""

import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "packaging" / "icons"))
import make_icons  # noqa: E402  (found through the path above)

# Pixels a side: samples a pixel's side. Both sample the drawing at least as
# finely as the desktop's largest image; the large one needs fewer per pixel.
SAMPLES_BY_SIZE = {192: 4, 512: 2}


def main():
    out = Path(sys.argv[1])
    out.mkdir(parents=True, exist_ok=True)
    for size, samples in SAMPLES_BY_SIZE.items():
        png = make_icons.png_bytes(make_icons.antialiased(size, samples))
        (out / f"{make_icons.ICON_NAME}-{size}.png").write_bytes(png)


if __name__ == "__main__":
    main()
