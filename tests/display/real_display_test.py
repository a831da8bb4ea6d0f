#!/usr/bin/env python3
"""Kestrel Sim on a real X server, driven from outside as a user would.

    real_display_test.py KESTREL KESTREL_REPLAY ARTIFACT_DIR

Starts its own Xvfb and the real `kestrel` on it with Qt's xcb platform, types
0.3 into the "Bias (V)" box with xdotool, clicks "Start", takes a screenshot
one and two seconds later, clicks "Close" and requires status 0.

The program's random source is never reseeded and only Timer1 draws from it,
so after k ticks the window shows the dots `kestrel-replay` dumps after the
same typing, "Start" and k ticks. Each screenshot must show every dot of some
tick k where the replay puts it, to the pixel, and no other: the first k no
more than the time since the click allows, the second at least 10 later.
ARTIFACT_DIR keeps the screenshots and the output of kestrel and Xvfb.
"""

import json
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time
from pathlib import Path

from x_session import (BIAS_BOX, CLIENT_SIZE, CLOSE_BUTTON, START_BUTTON, Failure, click, px, run, start,
                       start_xvfb, started, stop, window_geometry)

DIAGRAM_BOTTOM = 4200  # twips: the band diagram lies above the first control
LETTERS = (915, 1635, 1500, 3420)  # twips: left, top, right, bottom of the band labels
DIAGRAM_LINES = ("Line1", "Line9", "Line4", "Line2", "Line10", "Line5", "Line3", "Line8")
MARKERS = ("Line18", "Line19")  # red and blue, painted over the dots
BIAS = "0.3"
TICK = 0.050  # Timer1's interval in seconds
BLACK, WHITE = b"\0\0\0", b"\xff\xff\xff"


def screenshot(env, png: Path, window) -> bytes:
    """The window's pixels as RGB bytes, row by row."""
    x, y, width, height = window
    run(["import", "-silent", "-window", "root", png], env, "the screenshot")
    return run(["convert", png, "-crop", f"{width}x{height}+{x}+{y}", "-depth", "8", "rgb:-"], env, "converting")


def around(dump: dict, names) -> set:
    """The pixels at most one away from the named lines of a dump."""
    near = set()
    for x1, y1, x2, y2 in ([px(v) for v in dump[name][:4]] for name in names):
        steps = 2 * max(abs(x2 - x1), abs(y2 - y1), 1)
        for i in range(steps + 1):
            x, y = round(x1 + (x2 - x1) * i / steps), round(y1 + (y2 - y1) * i / steps)
            near.update((x + dx, y + dy) for dx in (-1, 0, 1) for dy in (-1, 0, 1))
    return near


def wrong_pixels(rgb: bytes, width: int, dump: dict, strays: list) -> int:
    """The pixels that differ from the dots of this dump: the middle of a dot
    no later dot covers without its colour (electrons black, holes white,
    painted after the electrons), or a white or stray black pixel off every dot."""
    size, bottom, markers = px(dump["DotSize"]), px(DIAGRAM_BOTTOM), around(dump, MARKERS)
    top_dot = {}
    for kind in ("Shape1", "Shape2"):
        for n, (left, top) in enumerate(dump[kind]):
            top_dot.update(((px(left) + dx, px(top) + dy), (kind, n)) for dx in range(size) for dy in range(size))
    wrong = sum(pixel not in top_dot and pixel not in markers for pixel in strays)
    for kind, colour in (("Shape1", BLACK), ("Shape2", WHITE)):
        for n, (left, top) in enumerate(dump[kind]):
            x, y = px(left) + size // 2, px(top) + size // 2
            wrong += (top_dot[(x, y)] == (kind, n) and (x, y) not in markers and 0 <= x < width and 0 <= y < bottom
                      and rgb[3 * (y * width + x):3 * (y * width + x) + 3] != colour)
    return wrong


def shown_tick(rgb: bytes, width: int, dumps: list, name: str) -> int:
    """The first tick whose dots the screenshot shows exactly."""
    lines, (left, top, right, low) = around(dumps[0], DIAGRAM_LINES), [px(v) for v in LETTERS]

    def pixel(x, y):
        return rgb[3 * (y * width + x):3 * (y * width + x) + 3]

    strays = [(x, y) for y in range(px(DIAGRAM_BOTTOM)) for x in range(width)
              if not (left <= x < right and top <= y < low)
              and (pixel(x, y) == WHITE or (pixel(x, y) == BLACK and (x, y) not in lines))]
    wrong = [wrong_pixels(rgb, width, dump, strays) for dump in dumps]
    if 0 not in wrong:
        nearest = wrong.index(min(wrong))
        raise Failure(f"{name}: no tick of the replay shows these dots; tick {nearest} has {wrong[nearest]} wrong")
    return wrong.index(0)


def drive(kestrel: Path, artifacts: Path, scratch: Path) -> list:
    """What a user does: bias, Start, watch, Close. Returns the screenshots, as (seconds after the click,
    pixels), and the window's width."""
    env = {k: v for k, v in os.environ.items() if k not in ("QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS",
                                                            "QT_FONT_DPI")}  # would undo 15 twips a pixel
    env.update(DISPLAY=start_xvfb(artifacts / "xvfb-output.txt"), QT_QPA_PLATFORM="xcb",
               XDG_RUNTIME_DIR=str(scratch))
    program = start([kestrel], env, artifacts / "kestrel-output.txt", cwd=scratch)
    window = window_geometry(env, timeout=30)
    if window[2:] != tuple(px(v) for v in CLIENT_SIZE):
        raise Failure(f"the window is {window[2]}x{window[3]} pixels, not 15 twips a pixel: is the screen scaled?")
    time.sleep(1)  # for the first paint
    click(env, window, BIAS_BOX, "the bias box")
    run(["xdotool", "key", "--clearmodifiers", "ctrl+a", "type", "--delay", "60", BIAS], env, "typing the bias")
    time.sleep(0.3)
    clicked = time.monotonic()
    click(env, window, START_BUTTON, '"Start"')
    shots = []
    for at in (1, 2):
        time.sleep(max(0.0, clicked + at - time.monotonic()))
        picture = screenshot(env, artifacts / f"display-{at}s-after-start.png", window)
        shots.append((time.monotonic() - clicked, picture))
    click(env, window, CLOSE_BUTTON, '"Close"')
    try:
        if (status := program.wait(timeout=5)) != 0:
            raise Failure(f'kestrel ended with status {status} after "Close", see kestrel-output.txt')
    except subprocess.TimeoutExpired:
        raise Failure('kestrel still runs 5 s after the click on "Close"') from None
    return shots, window[2]


def replay_dumps(replay: Path, ticks: int) -> list:
    """The replay tool's dumps after the same typing and "Start": the k-th after k ticks."""
    script = f"type Text4 {BIAS}\nclick Command1\ndump\n" + "tick Timer1\ndump\n" * ticks
    done = subprocess.run([replay], input=script, capture_output=True, text=True, timeout=60)
    dumps = [json.loads(line) for line in done.stdout.splitlines()]
    if done.returncode != 0 or len(dumps) != ticks + 1 or "error" in dumps[-1]:
        raise Failure(f"kestrel-replay ended with status {done.returncode}: {done.stderr}{done.stdout[-300:]}")
    return dumps


def main() -> int:
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    kestrel, replay, artifacts = (Path(arg).resolve() for arg in sys.argv[1:])
    artifacts.mkdir(parents=True, exist_ok=True)
    scratch = Path(tempfile.mkdtemp(prefix="kestrel-display-"))  # private: Qt's runtime directory too
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("stopped by SIGTERM"))  # still stop what was started
    try:
        if missing := [tool for tool in ("Xvfb", "xdotool", "import", "convert") if not shutil.which(tool)]:
            raise Failure(f"missing {', '.join(missing)} (scripts/setup installs them)")
        shots, width = drive(kestrel, artifacts, scratch)
        dumps = replay_dumps(replay, int(shots[-1][0] / TICK) + 2)
        (first_at, first_rgb), (second_at, second_rgb) = shots
        first = shown_tick(first_rgb, width, dumps, "the first screenshot")
        second = shown_tick(second_rgb, width, dumps, "the second screenshot")
        print(f"screenshots {first_at:.2f} and {second_at:.2f} s after Start show ticks {first} and {second}")
        if not 0 < first <= first_at / TICK + 1 or second - first < 10:
            raise Failure("the window did not animate at about 20 ticks a second")
    except Failure as error:
        print(f"FAILED: {error}")
        return 1
    finally:
        for process in reversed(started):
            stop(process)
        shutil.rmtree(scratch, ignore_errors=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
