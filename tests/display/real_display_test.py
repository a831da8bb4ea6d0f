#!/usr/bin/env python3
"""Kestrel Sim on a real X server, driven from outside as a user would.

    real_display_test.py KESTREL KESTREL_REPLAY ARTIFACT_DIR

Starts its own Xvfb and the real `kestrel` on it with Qt's xcb platform (as
designed, whatever the desktop's language: --lang design), types
0.3 into the "Bias (V)" box with xdotool, clicks "Start", takes a screenshot
one and two seconds later, clicks "Close" and requires status 0 within 5 s.

The program's random source is never reseeded and only Timer1 draws from it,
so after k ticks the window shows the dots `kestrel-replay` dumps after the
same typing, the same "Start" and k times `tick Timer1 1`. Each screenshot
must show the diagram of some k exactly, the first k in 10..40, the second
about 20 later, neither ahead of the time since the click (50 ms a tick).
Those dots must lie on the crystal on their side of the band edges, which
must be drawn where the typed bias puts them, and most must have moved.

ARTIFACT_DIR receives the screenshots, display-report.txt and the output of
kestrel and Xvfb. Every process the test starts is ended in all cases, SIGTERM
included. scripts/setup installs the tools: Xvfb, xdotool, ImageMagick.
"""

import json
import math
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time
from collections import Counter
from pathlib import Path

from x_session import (BIAS_BOX, CLIENT_SIZE, CLOSE_BUTTON, START_BUTTON, Failure, click, ended, px, run, start,
                       start_xvfb, started, stop, window_geometry)

# More places the test needs, in twips, as src/ui/form_layout.h lays out the window.
DIAGRAM_BOTTOM = 4200  # the band diagram lies above the first control (Label3, Text2, Text3)
LETTERS = (915, 1635, 585, 1785)  # the band labels Label2(0..5), and 3 pixels around them

BIAS = "0.3"
TICK = 0.050  # Timer1's interval in seconds
SHOT_TIMES = (1.0, 2.0)  # seconds after the click on "Start"
FIRST_TICKS, GAP_TICKS = (10, 40), (10, 35)  # the gap: about 20 ticks a second
CLOSE_SECONDS = 5
SCALING = ("QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_FONT_DPI")  # would undo 15 twips a pixel
BAND_EDGES = ("Line1", "Line9", "Line4", "Line2", "Line10", "Line5")  # conduction, then valence
DIAGRAM_LINES = BAND_EDGES + ("Line3", "Line8")  # and the Fermi levels
MARKERS = ("Line18", "Line19")  # red and blue, painted over the dots
BLACK, WHITE, GREY, COLOUR = "#", "o", ".", "+"  # pixel classes
NAMES = {BLACK: "black", WHITE: "white", GREY: "grey", COLOUR: "coloured"}

report: list[str] = []


class Shot:
    """A screenshot of the window: a pixel class (BLACK, WHITE, GREY, COLOUR) per pixel."""

    def __init__(self, env, png: Path, window):
        x, y, self.width, self.height = window
        run(["import", "-silent", "-window", "root", f"png:{png}"], env, "the screenshot")
        raw = run(["convert", png, "-crop", f"{self.width}x{self.height}+{x}+{y}", "+repage", "-depth", "8",
                   "rgb:-"], env, "the conversion of the screenshot")
        if len(raw) != self.width * self.height * 3:
            raise Failure(f"{png.name}: the window ({self.width}x{self.height} at {x},{y}) is not on the screen")
        lookup = {b"\0\0\0": BLACK, b"\xff\xff\xff": WHITE}
        self.classes = "".join(
            lookup.setdefault(raw[i:i + 3], GREY if raw[i] == raw[i + 1] == raw[i + 2] else COLOUR)
            for i in range(0, len(raw), 3))
        self.path = png

    def at(self, x: int, y: int) -> str:
        return self.classes[y * self.width + x] if 0 <= x < self.width and 0 <= y < self.height else GREY

    def drawn(self, points) -> float:
        """The share of the points with a black pixel at most a pixel away."""
        return sum(any(self.at(x + dx, y + dy) == BLACK for dx in (-1, 0, 1) for dy in (-1, 0, 1))
                   for x, y in points) / len(points)


def line_points(dump: dict, name: str) -> list[tuple[int, int]]:
    """Pixels along a line of the dump, two a pixel of its length."""
    x1, y1, x2, y2 = (px(v) for v in dump[name][:4])
    steps = 2 * max(abs(x2 - x1), abs(y2 - y1), 1)
    return [(round(x1 + (x2 - x1) * i / steps), round(y1 + (y2 - y1) * i / steps)) for i in range(steps + 1)]


def near_lines(dump: dict, width: int) -> set[int]:
    """The indices of the pixels at most a pixel from the diagram's lines: black there may be a line's."""
    return {(y + dy) * width + x + dx for name in DIAGRAM_LINES for x, y in line_points(dump, name)
            for dx in (-1, 0, 1) for dy in (-1, 0, 1)}


def dot_places(dump: dict, kind: str) -> list[tuple[int, int]]:
    """The top left pixels of the dots: Shape1 the electrons, Shape2 the holes."""
    return [(px(left), px(top)) for left, top in dump[kind]]


def diagram_places(dump: dict, width: int) -> set:
    """Where dots show on the diagram; parked ones wait outside the window."""
    return {(kind, x, y) for kind in ("Shape1", "Shape2") for x, y in dot_places(dump, kind)
            if 0 <= x < width and 0 <= y < px(DIAGRAM_BOTTOM)}


def learn_dot(shots: list[Shot], dumps: list[dict]) -> dict:
    """The dot as the screen shows it: (dx, dy) -> BLACK or WHITE for its opaque pixels.

    Holes are painted last, so where the tick a screenshot shows has a hole
    that no other dot meets and no line comes near, the screen has the bare
    dot. Looking there for every tick, the right ones agree; the others show
    scraps that differ. Electrons are the same circle filled black.
    """
    size = px(dumps[0]["DotSize"])
    mid, tally = size // 2, Counter()
    for shot in shots:
        lines = near_lines(dumps[0], shot.width)
        for dump in dumps:
            holes = dot_places(dump, "Shape2")
            cover = Counter((x + dx, y + dy) for x, y in dot_places(dump, "Shape1") + holes
                            for dx in range(size) for dy in range(size))
            for x, y in holes:
                cells = [(x + dx, y + dy) for dy in range(size) for dx in range(size)]
                if y + size <= px(DIAGRAM_BOTTOM) and all(cover[c] == 1 and c[1] * shot.width + c[0] not in lines
                                                          for c in cells):
                    tally["".join(shot.at(*c) for c in cells)] += 1
    looks = [(n, look) for look, n in tally.items() if look[mid * size + mid] == WHITE]
    count, look = max(looks, default=(0, GREY * size * size))
    art = " / ".join(look[row:row + size] for row in range(0, size * size, size))
    if count < 5 or look[mid * size] != BLACK:
        raise Failure(f"the screen shows no {size}x{size} hole dots (black ring, white inside): the commonest "
                      f"white-centred look where a tick has a lone hole, {count} times, is {art}")
    report.append(f"dot ({count} lone holes agree): {art}")
    return {(i % size, i // size): c for i, c in enumerate(look) if c in (BLACK, WHITE)}


def match(shot: Shot, dumps: list[dict], dot: dict) -> tuple[int | None, str]:
    """The first tick whose diagram the screenshot shows exactly, or None and the nearest tick."""
    width, bottom, lines = shot.width, px(DIAGRAM_BOTTOM), near_lines(dumps[0], shot.width)  # lines stay put
    left, top, right, low = (px(v) for v in (LETTERS[0], LETTERS[1], LETTERS[0] + LETTERS[2],
                                             LETTERS[1] + LETTERS[3]))
    # Only a dot explains a white pixel, or a black one away from the lines and letters.
    suspects = [y * width + x for y in range(bottom) for x in range(width)
                if not (left <= x < right and top <= y < low)
                and (shot.at(x, y) == WHITE or (shot.at(x, y) == BLACK and y * width + x not in lines))]

    def mismatch(dump: dict) -> tuple[int, str]:  # the pixels wrong after this tick, and the first
        expected = {}
        for kind, inside in (("Shape1", BLACK), ("Shape2", WHITE)):  # the window's order: holes last
            for x, y in dot_places(dump, kind):
                for (dx, dy), c in dot.items():
                    if 0 <= x + dx < width and 0 <= y + dy < bottom:
                        expected[(y + dy) * width + x + dx] = inside if c == WHITE else BLACK
        markers = set()  # over the dots; shown or not, as a flash may end between ticks
        for name in MARKERS:
            x1, y1, x2, y2 = (px(v) for v in dump[name][:4])
            markers.update(y * width + x for x in range(min(x1, x2) - 1, max(x1, x2) + 2)
                           for y in range(min(y1, y2) - 1, max(y1, y2) + 2))
        wrong = [(i, f"should be {NAMES[c]} but is {NAMES[shot.classes[i]]}")
                 for i, c in expected.items() if i not in markers and shot.classes[i] != c]
        wrong += [(i, f"is {NAMES[shot.classes[i]]} where no dot is")
                  for i in suspects if i not in expected and i not in markers]
        first = min(wrong, default=(0, ""))
        return len(wrong), f"pixel ({first[0] % width}, {first[0] // width}) {first[1]}"

    results = [mismatch(dump) for dump in dumps]
    if exact := [k for k, (count, _) in enumerate(results) if count == 0]:
        return exact[0], ""
    k = min(range(len(results)), key=lambda k: results[k][0])
    return None, (f"no tick 0..{len(dumps) - 1} of the replay shows these dots; the nearest, tick {k}, has "
                  f"{results[k][0]} pixels wrong, first {results[k][1]}")


def geometry_problems(dump: dict, width: int) -> list[str]:
    """Dots on the diagram off the crystal or on the wrong side of their band edge.

    A move keeps a dot at its band edge where the move began and then steps
    it sideways (a random step and the drift, Temperature / 5 twips each), so
    near the sloped part a dot may end up past the edge where it now is, by
    the slope times up to two steps: the edge is taken at its most lenient
    within two steps. One pixel more covers the rounding.
    """
    size, reach = px(dump["DotSize"]), math.ceil(2 * dump["Temperature"] / 5 / 15)

    def edges(x: int, n_side: str, p_side: str) -> list[float]:  # flat, sloped across the junction, flat
        left, right = dump["JunctionLeft"], dump["JunctionRight"]
        shares = (min(max(((x + d) * 15 - left) / (right - left), 0.0), 1.0) for d in range(-reach, reach + 1))
        return [(dump[n_side] + (dump[p_side] - dump[n_side]) * share) / 15 for share in shares]

    problems = []
    for kind, x, y in sorted(diagram_places(dump, width)):
        name = "electron" if kind == "Shape1" else "hole"
        if not dump["XMin"] / 15 - 1 <= x <= dump["XMax"] / 15 + 1:
            problems.append(f"{name} at ({x}, {y}) is off the crystal")
        elif kind == "Shape1" and y + size > max(edges(x, "EcYn", "EcYp")) + 1:
            problems.append(f"electron at ({x}, {y}) reaches below the conduction band edge")
        elif kind == "Shape2" and y < min(edges(x, "EvYn", "EvYp")) - 1:
            problems.append(f"hole at ({x}, {y}) lies above the valence band edge")
    return problems


def drive(kestrel: Path, artifacts: Path, scratch: Path) -> tuple[tuple, list[Shot], list[str]]:
    """What a user does: bias, Start, watch, Close. The window, the screenshots and what went wrong."""
    display = start_xvfb(artifacts / "xvfb-output.txt")
    env = {k: v for k, v in os.environ.items() if k not in SCALING + ("XAUTHORITY",)}
    env.update(DISPLAY=display, QT_QPA_PLATFORM="xcb", XDG_RUNTIME_DIR=str(scratch))
    # The designed window, whatever the desktop's language.
    program = start([kestrel, "--lang", "design"], env, artifacts / "kestrel-output.txt", cwd=scratch)

    def output() -> str:
        return (artifacts / "kestrel-output.txt").read_text(errors="replace")[-2000:]

    def alive(when: str) -> None:
        if program.poll() is not None:
            raise Failure(f"kestrel ended {when} with {ended(program.returncode)}; its output:\n{output()}")

    for _ in range(15):  # 30 s for the window to show
        alive("before its window showed")
        try:
            window = window_geometry(env, timeout=2)
            break
        except Failure:
            pass
    else:
        raise Failure("kestrel showed no window within 30 s")
    report.append(f"display {display}, window at ({window[0]}, {window[1]}), {window[2]}x{window[3]} pixels")
    if window[2:] != tuple(px(v) for v in CLIENT_SIZE):
        raise Failure(f"the window is {window[2]}x{window[3]} pixels, expected "
                      f"{px(CLIENT_SIZE[0])}x{px(CLIENT_SIZE[1])} (15 twips a pixel): is the screen scaled?")
    deadline = time.monotonic() + 20
    while BLACK not in Shot(env, scratch / "painted.png", window).classes[:px(DIAGRAM_BOTTOM) * window[2]]:
        alive("before it painted its band diagram")
        if time.monotonic() > deadline:
            raise Failure("the window showed no band diagram within 20 s")
        time.sleep(0.2)

    click(env, window, BIAS_BOX, "the bias box")
    run(["xdotool", "key", "--clearmodifiers", "ctrl+a"], env, "selecting the bias box's text")
    run(["xdotool", "type", "--delay", "60", BIAS], env, "typing the bias")
    time.sleep(0.3)
    alive("while the bias was typed")
    clicked = time.monotonic()  # the press comes later, Timer1's first tick 50 ms after it
    click(env, window, START_BUTTON, '"Start"')
    shots = []
    for number, at in enumerate(SHOT_TIMES, 1):
        time.sleep(max(0.0, clicked + at - time.monotonic()))
        began = time.monotonic() - clicked
        shots.append(Shot(env, artifacts / f"display-{number}-{at:g}s-after-start.png", window))
        shots[-1].seconds = (began, time.monotonic() - clicked)
    alive("while the screenshots were taken")

    click(env, window, CLOSE_BUTTON, '"Close"')
    try:
        status = program.wait(timeout=CLOSE_SECONDS)
    except subprocess.TimeoutExpired:
        return window, shots, [f'kestrel still runs {CLOSE_SECONDS} s after the click on "Close"']
    report.append(f'"Close": kestrel ended with {ended(status)}')
    if status != 0:
        return window, shots, [f'kestrel ended with {ended(status)} after "Close", expected status 0; '
                               f"its output:\n{output()}"]
    return window, shots, []


def replay_dumps(replay: Path, ticks: int) -> list[dict]:
    """The replay tool's dumps after the same typing and Start: list[k] after k ticks of Timer1."""
    script = f"type Text4 {BIAS}\nclick Command1\ndump\n" + "tick Timer1 1\ndump\n" * ticks
    done = subprocess.run([str(replay)], input=script, capture_output=True, text=True, timeout=60)
    dumps = [json.loads(line) for line in done.stdout.splitlines()]
    errors = [str(dump) for dump in dumps if "error" in dump] + [done.stderr.strip()]
    if done.returncode != 0 or len(dumps) != ticks + 1 or errors[0]:
        raise Failure(f"kestrel-replay ended with status {done.returncode} after {len(dumps)} of {ticks + 1} "
                      f"dumps: {errors[0]}")
    return dumps


def check(shots: list[Shot], dumps: list[dict], width: int) -> list[str]:
    """What is wrong with what the screenshots show."""
    problems, found = [], []
    dot = learn_dot(shots, dumps)
    # The window cannot be ahead of the time since the click (one tick more for the timer's grain).
    most = [int(shot.seconds[1] / TICK) + 1 for shot in shots]
    for shot, at_most in zip(shots, most):
        if undrawn := [name for name in BAND_EDGES if shot.drawn(line_points(dumps[0], name)) < 0.9]:
            problems.append(f"{shot.path.name}: band edges {', '.join(undrawn)} are not drawn where bias {BIAS} "
                            "puts them: did the typing reach the bias box?")
        tick, nearest = match(shot, dumps, dot)
        report.append(f"{shot.path.name}: taken {shot.seconds[0]:.2f}..{shot.seconds[1]:.2f} s after Start, "
                      + (f"tick {tick} exactly" if tick is not None else nearest))
        if tick is None:
            problems.append(f"{shot.path.name}: {nearest}")
        elif tick > at_most:
            problems.append(f"{shot.path.name} shows tick {tick}, but only {shot.seconds[1]:.2f} s "
                            f"({at_most} ticks at most) had passed since the click on Start")
        found.append(tick)
    if None in found:
        return problems

    first, second = found  # a slow screenshot stretches the upper bounds as far as the time allows
    first_most = max(FIRST_TICKS[1], most[0])
    if not FIRST_TICKS[0] <= first <= first_most:
        problems.append(f"the first screenshot shows tick {first}, expected {FIRST_TICKS[0]}..{first_most}")
    gap_most = max(GAP_TICKS[1], int((shots[1].seconds[1] - shots[0].seconds[0]) / TICK) + 1)
    if not GAP_TICKS[0] <= second - first <= gap_most:
        problems.append(f"the second screenshot shows tick {second}, {second - first} after the first; "
                        f"expected {GAP_TICKS[0]}..{gap_most} (about 20 a second)")
    before, after = (diagram_places(dumps[tick], width) for tick in found)
    moved = len(before - after) / max(len(before), 1)
    report.append(f"{moved:.0%} of the {len(before)} dot places of the first screenshot are empty in the second")
    if moved < 0.5:
        problems.append(f"the dots hardly moved: only {moved:.0%} of the first screenshot's dot places are "
                        "empty in the second")
    for shot, tick in zip(shots, found):  # the dots the screenshot shows pixel for pixel
        if off := geometry_problems(dumps[tick], width):
            problems.append(f"{shot.path.name}: {len(off)} dots off their bands, e.g. " + "; ".join(off[:5]))
    return problems


def main() -> int:
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    kestrel, replay, artifacts = (Path(arg).resolve() for arg in sys.argv[1:])
    artifacts.mkdir(parents=True, exist_ok=True)
    for old in artifacts.glob("display-*"):
        old.unlink()

    def stopped(signum, _frame):
        raise SystemExit(f"stopped by {signal.Signals(signum).name}")

    signal.signal(signal.SIGTERM, stopped)
    signal.signal(signal.SIGHUP, stopped)
    scratch = Path(tempfile.mkdtemp(prefix="kestrel-display-"))  # private: Qt's runtime directory too
    began, problems = time.monotonic(), []
    try:
        needed = ("Xvfb", "xdotool", "import", "convert", kestrel, replay)
        if missing := [str(tool) for tool in needed if not shutil.which(tool)]:
            raise Failure(f"missing {', '.join(missing)} (scripts/setup installs the tools)")
        window, shots, problems = drive(kestrel, artifacts, scratch)
        ticks = int(shots[-1].seconds[1] / TICK) + 20  # and more, to tell early from wrong
        problems += check(shots, replay_dumps(replay, ticks), window[2])
    except Failure as error:
        problems.append(str(error))
    except BaseException as error:  # a signal, or a fault of this script
        problems.append(str(error) if isinstance(error, SystemExit) else f"the test script failed: {error!r}")
        raise
    finally:
        for process in reversed(started):
            stop(process)
        shutil.rmtree(scratch, ignore_errors=True)
        verdict = "FAILED" if problems else "PASSED"
        lines = [f"Kestrel Sim real-display test: {verdict} in {time.monotonic() - began:.1f} s", *report]
        lines += [f"PROBLEM: {problem}" for problem in problems]
        (artifacts / "display-report.txt").write_text("\n".join(lines) + "\n")
        print("\n".join(lines))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
