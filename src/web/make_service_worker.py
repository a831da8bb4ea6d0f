#!/usr/bin/env python3
"""Writes the page's service worker from its template: the page's files it
keeps, and their version, a hash of their names and bytes, so that a page
served with any other file brings a worker of another version.

  make_service_worker.py TEMPLATE OUTPUT FILE...
"""

import hashlib
import json
import sys
from pathlib import Path

VERSION_DIGITS = 16


def main():
    template, output, *files = map(Path, sys.argv[1:])
    digest = hashlib.sha256()
    for file in files:
        digest.update(file.name.encode() + b"\0" + file.read_bytes())
    text = template.read_text(encoding="utf-8")
    text = text.replace("@VERSION@", digest.hexdigest()[:VERSION_DIGITS])
    text = text.replace("@FILES@", json.dumps([file.name for file in files]))
    output.write_text(text, encoding="utf-8")


if __name__ == "__main__":
    main()
