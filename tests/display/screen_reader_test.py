#!/usr/bin/python3
"""Kestrel Sim as a screen reader finds it, over the desktop's accessibility bus.

    screen_reader_test.py KESTREL ARTIFACT_DIR

Runs in a D-Bus session of its own (dbus-run-session). Starts Xvfb, the
accessibility bus (at-spi-bus-launcher) and the real `kestrel` on it with Qt's
xcb platform and its bridge to the bus on, as designed (--lang design), with
bias 0.3 V, "Start" and speed 4, so that a readout comes every 2.5 s. Like a
screen reader it registers for property changes, then walks the tree the
bridge serves and requires: the window named by its caption; the diagram, a
canvas, named and described with the bias, the lowered barrier and the
carriers; the notice as showing static text; the bias box showing and a Tab
stop, the temperature box (below the window) neither; and, at a readout, a
description change on the diagram that ends with the new readout.

ARTIFACT_DIR receives screen-reader-report.txt and the output of kestrel, Xvfb
and the bus. Every process started is ended in all cases. Needs Debian's
python3 with python3-dbus and python3-gi, at-spi2-core, dbus and Xvfb
(scripts/setup installs them).
"""

import os
import re
import signal
import shutil
import sys
import tempfile
import time
from pathlib import Path

import dbus
import dbus.mainloop.glib
from gi.repository import GLib

from x_session import Failure, start, start_xvfb, started, stop

BUS_LAUNCHER = Path("/usr/libexec/at-spi-bus-launcher")
ACCESSIBLE = "org.a11y.atspi.Accessible"
EVENT_OBJECT = "org.a11y.atspi.Event.Object"
# AT-SPI's state bits.
FOCUSABLE, SHOWING, VISIBLE = 11, 25, 30

CAPTION = "Kestrel Sim\u3000Ver.\u03b2"
DIAGRAM = "Band diagram of the p-n junction"
STARTED = "Bias 0.3 V, forward: the barrier is lowered. Electrons: "
NOTICE = "the current value is not correct."
READOUT = re.compile(r"Current \(mA\): -?\d+\.$")  # the description's end
WAIT_SECONDS = 20

report: list[str] = []


class Node:
    """One accessible object as the bus serves it."""

    def __init__(self, bus, owner: str, path: str):
        self.owner, self.path = owner, path
        remote = bus.get_object(owner, path, introspect=False)
        properties = dbus.Interface(remote, "org.freedesktop.DBus.Properties")
        accessible = dbus.Interface(remote, ACCESSIBLE)
        self.name = str(properties.Get(ACCESSIBLE, "Name"))
        self.description = str(properties.Get(ACCESSIBLE, "Description"))
        self.role = str(accessible.GetRoleName())
        self.states = [int(word) for word in accessible.GetState()]
        self.children = [(str(owner), str(path)) for owner, path in accessible.GetChildren()]

    def has(self, state: int) -> bool:
        return bool(self.states[state // 32] >> (state % 32) & 1)

    def __str__(self) -> str:
        shown = "showing" if self.has(SHOWING) else "not showing"
        tab = ", focusable" if self.has(FOCUSABLE) else ""
        return f"{self.role} {self.name!r} ({shown}{tab})"


def wait_for(what: str, found, seconds: float = WAIT_SECONDS):
    """Runs the bus's events until found() gives something."""
    context, deadline = GLib.MainContext.default(), time.monotonic() + seconds
    while time.monotonic() < deadline:
        while context.pending():
            context.iteration(False)
        if result := found():
            return result
        time.sleep(0.05)
    raise Failure(f"{what}: not within {seconds} s")


def tree(bus, owner: str, path: str) -> list[Node]:
    node = Node(bus, owner, path)
    return [node] + [n for child in node.children for n in tree(bus, *child)]


def accessibility_bus(env) -> dbus.bus.BusConnection:
    """The accessibility bus, once the launcher has started it, with property changes registered."""
    launcher = dbus.SessionBus()

    def address():
        if not launcher.name_has_owner("org.a11y.Bus"):  # asking would start another
            return None
        try:
            remote = launcher.get_object("org.a11y.Bus", "/org/a11y/bus", introspect=False)
            return str(remote.GetAddress(dbus_interface="org.a11y.Bus"))
        except dbus.DBusException:
            return None

    bus = dbus.bus.BusConnection(wait_for("the accessibility bus", address))
    registry = bus.get_object("org.a11y.atspi.Registry", "/org/a11y/atspi/registry", introspect=False)
    # As the bridges name the events: Qt's reads the D-Bus interface's form.
    for event in ("object:property-change", "Object:PropertyChange"):
        registry.RegisterEvent(event, dbus.Array([], signature="s"), "", dbus_interface="org.a11y.atspi.Registry")
    return bus


def drive(kestrel: Path, artifacts: Path, scratch: Path) -> list[str]:
    display = start_xvfb(artifacts / "screen-reader-xvfb.txt")
    env = dict(os.environ, DISPLAY=display, XDG_RUNTIME_DIR=str(scratch), QT_QPA_PLATFORM="xcb",
               QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    start([BUS_LAUNCHER, "--launch-immediately"], env, artifacts / "screen-reader-bus.txt")
    bus = accessibility_bus(env)
    changes: list[str] = []  # the paths of the objects whose description changed
    bus.add_signal_receiver(
        lambda kind, *_values, path=None: changes.append(str(path)) if kind == "accessible-description" else None,
        signal_name="PropertyChange", dbus_interface=EVENT_OBJECT, path_keyword="path")

    program = start([kestrel, "--lang", "design", "--bias", "0.3", "--start", "--speed", "4"], env,
                    artifacts / "screen-reader-kestrel.txt", cwd=scratch)
    root = bus.get_object("org.a11y.atspi.Registry", "/org/a11y/atspi/accessible/root", introspect=False)

    def application():
        if program.poll() is not None:
            raise Failure(f"kestrel ended with status {program.returncode}")
        apps = root.GetChildren(dbus_interface=ACCESSIBLE)
        return (str(apps[0][0]), str(apps[0][1])) if apps else None

    app = wait_for("kestrel on the accessibility bus", application)

    def diagram_started():
        nodes = tree(bus, *app)
        canvas = next((n for n in nodes if n.role == "canvas"), None)
        return nodes if canvas and canvas.description.startswith(STARTED) else None

    nodes = wait_for(f"a diagram described {STARTED!r}...", diagram_started)
    report.extend(str(node) for node in nodes)
    problems = []

    def one(what: str, test) -> Node | None:
        matching = [node for node in nodes if test(node)]
        if len(matching) != 1:
            problems.append(f"{len(matching)} {what}, expected one")
            return None
        return matching[0]

    # The title says the run's speed before the caption.
    one(f"frames named ...{CAPTION!r}", lambda n: n.role == "frame" and n.name.endswith(CAPTION))
    canvas = one(f"canvases named {DIAGRAM!r}", lambda n: n.role == "canvas" and n.name == DIAGRAM)
    notice = one("notices", lambda n: n.role == "label" and n.name.endswith(NOTICE))
    bias = one("bias boxes", lambda n: n.role == "text" and n.name == "Bias (V)")
    temperature = one("temperature boxes", lambda n: n.role == "text" and n.name == "\u6e29\u5ea6(K)")
    if notice and not notice.has(SHOWING):
        problems.append("the notice is not showing")
    if bias and not (bias.has(SHOWING) and bias.has(VISIBLE) and bias.has(FOCUSABLE)):
        problems.append(f"the bias box should be showing and a Tab stop: {bias}")
    if temperature and (temperature.has(SHOWING) or temperature.has(FOCUSABLE)):
        problems.append(f"the temperature box lies below the window, yet: {temperature}")
    if canvas:
        report.append(f"the diagram's description: {canvas.description!r}")

        # Once running, only a readout changes the description; a screen
        # reader told of the change reads it anew.
        seen = len(changes)

        def readout_told():
            if canvas.path not in changes[seen:]:
                return None
            return Node(bus, canvas.owner, canvas.path).description

        try:
            told = wait_for("a readout told as a change of the diagram's description", readout_told)
            report.append(f"told at a readout: {told!r}")
            if not (told.startswith(STARTED) and READOUT.search(told)):
                problems.append(f"the description told at a readout is {told!r}")
        except Failure as error:
            problems.append(str(error))
    if program.poll() is not None:
        problems.append(f"kestrel ended with status {program.returncode}")
    return problems


def main() -> int:
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    kestrel, artifacts = (Path(arg).resolve() for arg in sys.argv[1:])
    artifacts.mkdir(parents=True, exist_ok=True)

    def stopped(signum, _frame):
        raise SystemExit(f"stopped by {signal.Signals(signum).name}")

    signal.signal(signal.SIGTERM, stopped)
    signal.signal(signal.SIGHUP, stopped)
    dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
    scratch = Path(tempfile.mkdtemp(prefix="kestrel-screen-reader-"))
    began, problems = time.monotonic(), []
    try:
        if missing := [str(tool) for tool in ("Xvfb", BUS_LAUNCHER, kestrel) if not shutil.which(tool)]:
            raise Failure(f"missing {', '.join(missing)} (scripts/setup installs the tools)")
        problems = drive(kestrel, artifacts, scratch)
    except (Failure, dbus.DBusException) as error:
        problems.append(str(error))
    except BaseException as error:  # a signal, or a fault of this script
        problems.append(str(error) if isinstance(error, SystemExit) else f"the test script failed: {error!r}")
        raise
    finally:
        for process in reversed(started):
            stop(process)
        shutil.rmtree(scratch, ignore_errors=True)
        verdict = "FAILED" if problems else "PASSED"
        lines = [f"Kestrel Sim screen-reader test: {verdict} in {time.monotonic() - began:.1f} s", *report]
        lines += [f"PROBLEM: {problem}" for problem in problems]
        (artifacts / "screen-reader-report.txt").write_text("\n".join(lines) + "\n")
        print("\n".join(lines))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
