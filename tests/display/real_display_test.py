#!/usr/bin/env python3
"""real_display_test.py KESTREL KESTREL_REPLAY ARTIFACT_DIR

Starts the real `kestrel` on its own Xvfb with Qt's xcb platform, types bias 0.3 and clicks "Start" with
xdotool, takes a screenshot one and two seconds later, clicks "Close" and requires status 0. The random
source is never reseeded, so each screenshot must show every dot where `kestrel-replay` puts it after some
number of ticks, to the pixel, and no other: the first no more ticks than the time since the click allows,
the second at least 10 more. ARTIFACT_DIR keeps the screenshots and the output of kestrel and Xvfb.
"""

import json
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time
from collections import Counter
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


def diagram(env, png: Path, window) -> dict:
    """A screenshot of the band diagram: (x, y) -> RGB bytes."""
    x, y, width, height = window
    run(["import", "-silent", "-window", "root", png], env, "the screenshot")
    raw = run(["convert", png, "-crop", f"{width}x{height}+{x}+{y}", "-depth", "8", "rgb:-"], env, "converting it")
    return {(i // 3 % width, i // 3 // width): raw[i:i + 3] for i in range(0, 3 * width * px(DIAGRAM_BOTTOM), 3)}


def wait_for_first_paint(env, png: Path, window, seconds: float = 30) -> None:
    """Until a screenshot shows the form painted: one light colour over most of the diagram (the form's
    background) and the bands in black on it."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        colours = Counter(diagram(env, png, window).values())
        (background, count), = colours.most_common(1)
        if count > 0.9 * sum(colours.values()) and min(background) > 200 and BLACK in colours:
            return
    raise Failure(f"the window showed no painted form within {seconds} s")


def near(dump: dict, names) -> set:
    """The pixels at most one away from the named lines."""
    points = set()
    for x1, y1, x2, y2 in ([px(v) for v in dump[name][:4]] for name in names):
        steps = 2 * max(abs(x2 - x1), abs(y2 - y1), 1)
        points.update((round(x1 + (x2 - x1) * i / steps) + dx, round(y1 + (y2 - y1) * i / steps) + dy)
                      for i in range(steps + 1) for dx in (-1, 0, 1) for dy in (-1, 0, 1))
    return points


def shown_tick(shot: dict, dumps: list, name: str) -> int:
    """The first tick whose dots the screenshot shows: each dot no later dot covers with its colour in the
    middle (electrons black, holes white and painted last), and no white or stray black pixel off them."""
    left, top, right, bottom = (px(v) for v in LETTERS)
    lines = near(dumps[0], DIAGRAM_LINES)
    strays = [p for p, rgb in shot.items() if not (left <= p[0] < right and top <= p[1] < bottom)
              and (rgb == WHITE or (rgb == BLACK and p not in lines))]
    wrong = []
    for dump in dumps:
        size, markers, last = px(dump["DotSize"]), near(dump, MARKERS), {}
        dots = [(kind, n, px(x), px(y)) for kind in ("Shape1", "Shape2") for n, (x, y) in enumerate(dump[kind])]
        for kind, n, x, y in dots:
            last.update(((x + dx, y + dy), (kind, n)) for dx in range(size) for dy in range(size))
        middles = [((x + size // 2, y + size // 2), (kind, n), BLACK if kind == "Shape1" else WHITE)
                   for kind, n, x, y in dots]
        wrong.append(sum(p not in last and p not in markers for p in strays)
                     + sum(p in shot and p not in markers and last[p] == dot and shot[p] != rgb
                           for p, dot, rgb in middles))
    if 0 not in wrong:
        raise Failure(f"{name}: no tick of the replay shows these dots; tick {wrong.index(min(wrong))} has "
                      f"{min(wrong)} pixels wrong")
    return wrong.index(0)


def main() -> int:
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    kestrel, replay, artifacts = (Path(arg).resolve() for arg in sys.argv[1:])
    artifacts.mkdir(parents=True, exist_ok=True)
    scratch = Path(tempfile.mkdtemp(prefix="kestrel-display-"))  # private: Qt's runtime directory too
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("stopped by SIGTERM"))  # still stop what was started
    try:
        env = {k: v for k, v in os.environ.items() if not k.startswith("QT_SCALE") and k != "QT_FONT_DPI"}
        env.update(DISPLAY=start_xvfb(artifacts / "xvfb-output.txt"), QT_QPA_PLATFORM="xcb",
                   XDG_RUNTIME_DIR=str(scratch))
        program = start([kestrel, "--lang", "design"], env, artifacts / "kestrel-output.txt", cwd=scratch)
        window = window_geometry(env, timeout=30)
        if window[2:] != tuple(px(v) for v in CLIENT_SIZE):
            raise Failure(f"the window is {window[2]}x{window[3]} pixels, not 15 twips a pixel: scaled?")
        wait_for_first_paint(env, artifacts / "display-first-paint.png", window)
        # The X server hands the keys and the click over in the order they were sent, so "Start" comes
        # after the typed bias.
        click(env, window, BIAS_BOX, "the bias box")
        run(["xdotool", "key", "--clearmodifiers", "ctrl+a", "type", "--delay", "60", BIAS], env, "typing")
        clicked = time.monotonic()
        click(env, window, START_BUTTON, '"Start"')
        shots = []
        for at in (1, 2):
            time.sleep(max(0.0, clicked + at - time.monotonic()))
            shot = diagram(env, artifacts / f"display-{at}s-after-start.png", window)
            shots.append((shot, time.monotonic() - clicked))
        click(env, window, CLOSE_BUTTON, '"Close"')
        if (status := program.wait(timeout=5)) != 0:
            raise Failure(f'kestrel ended with status {status} after "Close", see kestrel-output.txt')

        ticks = int(shots[-1][1] / TICK) + 2  # the replay's dumps after 0 to this many ticks
        script = f"type Text4 {BIAS}\nclick Command1\ndump\n" + "tick Timer1\ndump\n" * ticks
        done = subprocess.run([replay], input=script, capture_output=True, text=True, timeout=60, check=True)
        dumps = [json.loads(line) for line in done.stdout.splitlines()]
        (first, first_at), (second, second_at) = ((shown_tick(shot, dumps, f"screenshot {n}"), at)
                                                  for n, (shot, at) in enumerate(shots, 1))
        print(f"screenshots {first_at:.2f} and {second_at:.2f} s after Start show ticks {first} and {second}")
        if not 0 < first <= first_at / TICK + 1 or second - first < 10:
            raise Failure("the window did not animate at about 20 ticks a second")
    except (Failure, OSError, subprocess.SubprocessError) as error:  # OSError: a tool is missing
        print(f"FAILED: {error}")
        return 1
    finally:
        for process in reversed(started):
            stop(process)
        shutil.rmtree(scratch, ignore_errors=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
