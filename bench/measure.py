#!/usr/bin/env python3
"""Measures the built program as a user runs it, and the core's benchmarks.

    bench/measure.py BUILD_DIR [--results DIR] [--machine NAME]

Starts `kestrel` on a private Xvfb display with the normal xcb platform and
its frame log on (KESTREL_FRAME_LOG), then measures:

  - start-up: from launching the program to its first repaint on the screen
    (median and worst of seven launches after one that warms the file cache);
  - CPU use while idle before "Start", and while animating after it;
  - the tick rate achieved over 30 s of animation;
  - every frame's work: the events run since the previous repaint plus the
    repaint itself;
  - resident memory after 60 s of animation;

and runs the Google Benchmark programs of the core and the window. Writes
RESULTS/<machine>.csv and prints a Markdown table for the README. Needs Xvfb
and xdotool (scripts/setup installs them). Takes about two minutes; run it on
an otherwise idle machine.
"""

import argparse
import json
import os
import platform
import re
import signal
import statistics
import subprocess
import sys
import tempfile
import time
from pathlib import Path

# The window's places, Xvfb and clicks, as the real-display test uses them.
sys.path.insert(0, str(Path(__file__).resolve().parent.parent / "tests" / "display"))
from x_session import CLOSE_BUTTON, START_BUTTON, click, start_xvfb, started, stop, window_geometry  # noqa: E402

STARTUPS = 7
IDLE_SECONDS = 20
SETTLE_SECONDS = 5
RATE_SECONDS = 30
MEMORY_AFTER_SECONDS = 60
CLOCK_TICKS = os.sysconf("SC_CLK_TCK")


class Measure:
    def __init__(self, key, label, value, unit, target, within):
        self.key, self.label, self.value, self.unit = key, label, value, unit
        self.target, self.within = target, within


class Program:
    """One launch of kestrel with its frame log."""

    def __init__(self, exe, display, log_path):
        self.log_path = Path(log_path)
        self.log_path.unlink(missing_ok=True)
        env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb", KESTREL_FRAME_LOG=str(log_path))
        env.setdefault("XDG_RUNTIME_DIR", tempfile.mkdtemp(prefix="kestrel-bench-"))
        self.launched_ns = time.monotonic_ns()
        self.process = subprocess.Popen([exe], env=env, stderr=subprocess.DEVNULL)
        self.env = env

    def log_lines(self):
        if not self.log_path.exists():
            return []
        return [line.split() for line in self.log_path.read_text().splitlines() if line.strip()]

    def wait_first_paint(self, timeout=10.0):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            for fields in self.log_lines():
                if fields[0] == "first-paint":
                    return (int(fields[1]) - self.launched_ns) / 1e6
            time.sleep(0.002)
        raise SystemExit("measure: the window never painted")

    def cpu_seconds(self):
        fields = Path(f"/proc/{self.process.pid}/stat").read_text().rsplit(")", 1)[1].split()
        return (int(fields[11]) + int(fields[12])) / CLOCK_TICKS  # utime + stime

    def memory_kib(self, field):
        status = Path(f"/proc/{self.process.pid}/status").read_text()
        return int(re.search(rf"^{field}:\s+(\d+) kB", status, re.M).group(1))

    def click(self, box, what):
        click(self.env, window_geometry(self.env, timeout=10), box, what)

    def stop(self):
        if self.process.poll() is None:
            self.process.send_signal(signal.SIGTERM)
            self.process.wait(timeout=10)


def cpu_percent(program, seconds):
    before_cpu, before = program.cpu_seconds(), time.monotonic()
    time.sleep(seconds)
    return 100 * (program.cpu_seconds() - before_cpu) / (time.monotonic() - before)


def frame_times_ms(lines, since_ns):
    """Each repaint that follows a tick, with the events run since the
    previous repaint, in ms."""
    frames, pending, ticked = [], 0, False
    for fields in lines:
        if fields[0] == "first-paint" or int(fields[1]) < since_ns:
            continue
        if fields[0] == "paint":
            if ticked:
                frames.append((pending + int(fields[2])) / 1e6)
            pending, ticked = 0, False
        else:
            pending += int(fields[2])
            ticked = ticked or fields[0] == "Timer1"
    return frames


def measure_program(exe, workdir):
    display = start_xvfb(workdir / "xvfb-output.txt")
    try:
        # The first launch only warms the file cache; the next ones count.
        startups = []
        for n in range(-1, STARTUPS):
            program = Program(exe, display, workdir / f"startup-{n}.log")
            try:
                startup = program.wait_first_paint()
                if n >= 0:
                    startups.append(startup)
            finally:
                program.stop()

        program = Program(exe, display, workdir / "run.log")
        try:
            program.wait_first_paint()
            time.sleep(2)
            idle = cpu_percent(program, IDLE_SECONDS)
            program.click(START_BUTTON, '"Start"')
            clicked = time.monotonic()
            time.sleep(SETTLE_SECONDS)
            window_start_ns = time.monotonic_ns()
            animating = cpu_percent(program, RATE_SECONDS)
            window_end_ns = time.monotonic_ns()
            time.sleep(max(0.0, MEMORY_AFTER_SECONDS - (time.monotonic() - clicked)))
            resident = program.memory_kib("VmRSS") / 1024
            lines = program.log_lines()
            program.click(CLOSE_BUTTON, '"Close"')
            status = program.process.wait(timeout=10)
        finally:
            program.stop()
    finally:
        for process in started:
            stop(process)

    ticks = sum(1 for f in lines if f[0] == "Timer1" and window_start_ns <= int(f[1]) < window_end_ns)
    rate = ticks / ((window_end_ns - window_start_ns) / 1e9)
    frames = frame_times_ms(lines, window_start_ns - SETTLE_SECONDS * 10**9)
    worst_frame = max(frames)
    print("slowest frames (ms):", ", ".join(f"{f:.2f}" for f in sorted(frames)[-5:]))
    return [
        Measure("first_paint_median_ms", "Start-up to first paint, median of 7", statistics.median(startups),
                "ms", "≤ 100", statistics.median(startups) <= 100),
        Measure("first_paint_worst_ms", "Start-up to first paint, worst of 7", max(startups), "ms", "≤ 100",
                max(startups) <= 100),
        Measure("idle_cpu_percent", f"CPU before \"Start\" ({IDLE_SECONDS} s)", idle, "% of a core", "< 0.5",
                idle < 0.5),
        Measure("animating_cpu_percent", f"CPU while animating ({RATE_SECONDS} s)", animating, "% of a core",
                "< 5", animating < 5),
        Measure("tick_rate_per_s", f"Tick rate over {RATE_SECONDS} s", rate, "per s", "20 ± 0.5",
                abs(rate - 20) <= 0.5),
        Measure("frame_worst_ms", f"Worst frame, tick + paint ({len(frames)} frames)", worst_frame, "ms", "≤ 2",
                worst_frame <= 2),
        Measure("frame_p99_ms", "Frame tick + paint, 99th percentile",
                statistics.quantiles(frames, n=100)[98], "ms", "≤ 2",
                statistics.quantiles(frames, n=100)[98] <= 2),
        Measure("resident_mib", f"Resident memory after {MEMORY_AFTER_SECONDS} s", resident, "MiB", "≤ 40",
                resident <= 40),
        Measure("close_status", "Exit status after \"Close\"", status, "", "0", status == 0),
    ]


def run_benchmark(exe):
    result = subprocess.run([exe, "--benchmark_format=json", "--benchmark_repetitions=5",
                             "--benchmark_report_aggregates_only=true"],
                            check=True, capture_output=True, text=True)
    runs = json.loads(result.stdout)["benchmarks"]
    to_us = {"ns": 1e-3, "us": 1.0, "ms": 1e3, "s": 1e6}
    return {run["run_name"]: run["real_time"] * to_us[run["time_unit"]]
            for run in runs if run.get("aggregate_name") == "median"}


def measure_benchmarks(build):
    step = run_benchmark(build / "bench" / "kestrel_step_bench")["BM_Timer1Tick"]
    window = run_benchmark(build / "bench" / "kestrel_window_bench")["BM_TickAndRepaint"]
    return [
        Measure("core_tick_us", "Core: one tick, median of 5 (Google Benchmark)", step, "µs", "", True),
        Measure("window_tick_paint_ms", "Window: tick + full repaint offscreen, median of 5", window / 1e3,
                "ms", "≤ 2", window / 1e3 <= 2),
    ]


def machine_name():
    cpu = "unknown CPU"
    for line in Path("/proc/cpuinfo").read_text().splitlines():
        if line.startswith("model name"):
            cpu = line.split(":", 1)[1].strip()
            break
    return f"{cpu}, {os.cpu_count()} cores, {platform.system()} {platform.release()}"


def slug(name):
    return re.sub(r"[^a-z0-9]+", "-", name.split(",")[0].lower()).strip("-") + f"-{os.cpu_count()}core"


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("build", type=Path)
    parser.add_argument("--results", type=Path, default=Path(__file__).resolve().parent / "results")
    parser.add_argument("--machine", help="file name for the results (default: from the CPU)")
    args = parser.parse_args()

    exe = args.build / "src" / "app" / "kestrel"
    machine = machine_name()
    with tempfile.TemporaryDirectory(prefix="kestrel-bench-") as work:
        measures = measure_program(str(exe), Path(work)) + measure_benchmarks(args.build)

    args.results.mkdir(parents=True, exist_ok=True)
    out = args.results / f"{args.machine or slug(machine)}.csv"
    with out.open("w") as csv:
        csv.write("# " + machine + "\n")
        csv.write("measure,value,unit,target,within_target\n")
        for m in measures:
            csv.write(f"{m.key},{m.value:.3f},{m.unit},{m.target},{'yes' if m.within else 'NO'}\n")

    print(f"Machine: {machine}\n")
    print("| Measure | Value | Target |\n|---|---|---|")
    for m in measures:
        number = f"{m.value:.0f}" if m.unit == "" else f"{m.value:.2f}"
        value = f"{number} {m.unit}".strip()
        print(f"| {m.label} | {value} | {m.target or '—'} {'' if m.within else '**missed**'} |")
    print(f"\nWritten to {out}")
    return 0 if all(m.within for m in measures) else 1


if __name__ == "__main__":
    sys.exit(main())
