"""Kestrel Sim's real window on a private X server, for the real-display test
and bench/measure.py: where the controls are, starting and ending processes,
Xvfb, finding the window and clicking in it with xdotool.
"""

import math
import os
import select
import signal
import struct
import subprocess
from pathlib import Path

# Places in twips (left, top, width, height), as src/ui/form_layout.h lays out
# the window; 15 twips make a pixel.
CLIENT_SIZE = (9075, 6795)  # kClientArea
BIAS_BOX = (2280, 6000, 495, 270)  # Text4, beside "Bias (V)"
START_BUTTON = (5280, 4440, 1215, 495)  # Command1
CLOSE_BUTTON = (5280, 5160, 1215, 495)  # Command2

started: list[subprocess.Popen] = []  # every process start() started, for the caller to stop()


class Failure(Exception):
    """Something went wrong; the message says what."""


def px(twips: float) -> int:
    """ui::toPixels of a value the program holds as a single: lround(twips / 15)."""
    return math.floor(struct.unpack("f", struct.pack("f", twips))[0] / 15 + 0.5)


def run(args, env, what: str, timeout=20) -> bytes:
    """The output of a command that must succeed within the timeout (or subprocess.TimeoutExpired)."""
    done = subprocess.run([str(a) for a in args], env=env, capture_output=True, timeout=timeout)
    if done.returncode != 0:
        raise Failure(f"{what} failed with status {done.returncode}: {done.stderr.decode(errors='replace')}")
    return done.stdout


def start(args, env, log: Path, **options) -> subprocess.Popen:
    """Starts a process as the leader of a new session, so that stop() also ends what it starts."""
    with open(log, "wb") as out:
        process = subprocess.Popen([str(a) for a in args], env=env, stdin=subprocess.DEVNULL, stdout=out,
                                   stderr=subprocess.STDOUT, start_new_session=True, **options)
    started.append(process)
    return process


def stop(process: subprocess.Popen) -> None:
    for sig in (signal.SIGTERM, signal.SIGKILL):
        if process.poll() is not None:
            return
        try:
            os.killpg(process.pid, sig)
            process.wait(timeout=5)
        except (ProcessLookupError, subprocess.TimeoutExpired):
            pass


def start_xvfb(log: Path) -> str:
    """A private X server; it writes its display number to a pipe once it takes clients."""
    read_end, write_end = os.pipe()
    try:
        start(["Xvfb", "-displayfd", write_end, "-screen", "0", "1024x768x24", "-dpi", "96", "-nolisten", "tcp",
               "-noreset"], None, log, pass_fds=(write_end,))
    finally:
        os.close(write_end)
    number = b""
    with os.fdopen(read_end, "rb", buffering=0) as pipe:
        while not number.endswith(b"\n"):
            if not select.select([pipe], [], [], 20)[0] or not (chunk := pipe.read(64)):
                raise Failure(f"Xvfb reported no display within 20 s (see {log.name})")
            number += chunk
    return ":" + number.decode().strip()


def window_geometry(env, timeout: float) -> tuple[int, int, int, int]:
    """Kestrel's visible window: x, y, width and height in pixels."""
    shell = run(["xdotool", "search", "--sync", "--onlyvisible", "--class", "KestrelSim", "getwindowgeometry",
                 "--shell"], env, "the search for kestrel's window", timeout=timeout)
    geometry = dict(line.split("=") for line in shell.decode().split())
    return tuple(int(geometry[key]) for key in ("X", "Y", "WIDTH", "HEIGHT"))


def click(env, window, box, what: str) -> None:
    """A left click at the middle of a box given in twips."""
    x, y = px(box[0] + box[2] / 2), px(box[1] + box[3] / 2)
    run(["xdotool", "mousemove", window[0] + x, window[1] + y, "sleep", "0.1", "click", "1"], env,
        f"the click on {what}")
