#!/usr/bin/env python3
"""Measures Solvane against the Qt floor: a bare Qt program with the same rhythm.

    bench/floor.py [--duration S] [--passes N] [--starts N] [--display MS] [--pause S] [--solvane PATH]

Builds Solvane's Release build (build/solvane) when it is missing, and always
the bare program bench/floor/floor.cpp (into build-bench/, Release). Then, on
one virtual desktop (Xvfb, a private session bus, openbox and the tray host
trayer; the harness of tests/x11) with throw-away home and XDG folders, it runs
side by side for --duration seconds each (default 70):
  - Solvane, configured for the given display time and pause (default 500 ms
    and 5 s);
  - "floor": the bare program, a tray icon and an 800x200 frameless, top-most,
    non-activating, translucent window with a line of large text, shown and
    hidden with the same display time and pause;
  - "floor+gap": the same program keeping, in addition, Solvane's event
    processing around each showing and its gap after each display (91 sleeps of
    1 ms, each followed by three rounds of event processing). The difference to
    "floor" is the gap's own cost. (Without it the bare program's pause is longer
    by the gap's usual 100 ms instead, so that all three keep the same rhythm.)
Their starts are a third of a cycle apart, so their showings do not meet; with
several passes (each on a new desktop) the order of the starts rotates.

Printed for each program:
  - start -> tray icon: from launch to the icon embedded and viewable in the
    tray (polled every 10 ms over the X connection);
  - first affirmation: from launch to the first window asked to show and to its
    first paint (from the programs' showing traces: Solvane writes one when
    SOLVANE_TRACE_SHOWINGS names a file, the bare program when given --trace);
  - resident memory and private dirty memory 60 s after start
    (/proc/PID/smaps_rollup, read every second), and the largest resident size
    after that (flat over many showings when it stays at the 60 s figure);
  - CPU time per minute from 10 s after start to the end, and CPU time and
    context switches per showing: from 0.1 s before a showing starts to 0.6 s
    after its window went (in the pauses on either side; pausing itself costs
    next to nothing), the median over the showings after the first two. A
    showing is left out when another program's showing fell within that time
    (each showing on the display costs the others a little: about 0.3 ms and 20
    context switches for an idle bare Qt program here). CPU is
    the sum of /proc/PID/task/*/schedstat (nanoseconds on a CPU), context
    switches the voluntary and involuntary ones of /proc/PID/task/*/status,
    sampled every 50 ms; a thread keeps the figures of its last sample when
    it ends. The process's own CPU clock (which counts ended threads in full)
    is printed beside it, so CPU of short-lived threads between samples shows.
Then, on a desktop of their own, Solvane and the bare program are started
alone, in turn, --starts times each (default 20), and their start -> tray icon
is taken when the X server reports the change in the tray host's windows that
shows the icon: beside the others and polled every 10 ms, that figure is too
coarse to compare a few milliseconds, and polling every millisecond instead
costs the X server CPU time that the tray host needs for the docking (on two
cores it delayed the icon of a program still busy starting by about 1 ms).
The difference of their medians is printed with its 95 % bootstrap interval:
how far these starts can tell the two programs apart.
Then the ratios of Solvane to the floor, and the goals read off the run (start
-> tray icon from the starts alone when there were any).
The machine's load average is printed with each pass: on a shared or busy
machine the figures are noisy; say so when you quote them.
"""

import argparse
import bisect
import ctypes
import ctypes.util
import os
import random
import select
import shutil
import statistics
import struct
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
REPO = os.path.dirname(HERE)
sys.path.insert(0, os.path.join(REPO, "tests", "x11"))

from desktop import VirtualDesktop  # noqa: E402

SOLVANE, FLOOR, FLOOR_GAP = "Solvane", "floor", "floor+gap"
NAMES = (SOLVANE, FLOOR, FLOOR_GAP)

SAMPLE_EVERY = 0.05  # s, CPU time and context switches
MEMORY_EVERY = 1.0  # s, smaps_rollup
TRAY_POLL_EVERY = 0.01  # s, while a program has no tray icon yet
TRAY_WAIT = 20.0  # s; no icon by then counts as none
AFTER_START = 0.3  # s between one program's end and the next start
MEMORY_AT = 60.0  # s after start
CPU_FROM = 10.0  # s after start; CPU per minute leaves the start-up out
BEFORE_SHOWING = 0.1  # s before a showing starts ...
AFTER_SHOWING = 0.6  # s ... to this long after its window went (the gap of ~0.1 s is over by then)
# Another program's showing wakes every program on the display (X events that reach all
# clients, such as the window manager's updates of the root window's properties): a
# showing is not counted when another one falls between its two samples, from its start
# to this long after its hide.
OTHERS_AFTER = 0.1  # s
WARM_UP = 2  # first showings, not counted per showing (fonts and caches load)
FIRST_SHOWING_MS = 900  # the bare program's first showing, as Solvane's

GOAL_RSS_MIB = 30.0
GOAL_CPU_FACTOR = 1.5
GOAL_FIRST_MS, GOAL_FIRST_SPREAD_MS = 900, 50


# --- building ---------------------------------------------------------------

def build(args):
    env = dict(os.environ)
    if "CMAKE_CXX_COMPILER_LAUNCHER" not in env and shutil.which("ccache"):
        env["CMAKE_CXX_COMPILER_LAUNCHER"] = "ccache"
        env.setdefault("CCACHE_BASEDIR", os.path.dirname(REPO))
    steps = []
    if not os.access(args.solvane, os.X_OK):
        if args.solvane != os.path.join(REPO, "build", "solvane"):
            sys.exit(f"No program at {args.solvane}.")
        steps += [["cmake", "-S", REPO, "-B", os.path.join(REPO, "build"), "-DCMAKE_BUILD_TYPE=Release",
                   "-DSOLVANE_BUILD_TESTS=OFF"],
                  ["cmake", "--build", os.path.join(REPO, "build"), "-j2", "--target", "solvane"]]
    floor_build = os.path.join(REPO, "build-bench")
    steps += [["cmake", "-S", os.path.join(HERE, "floor"), "-B", floor_build, "-DCMAKE_BUILD_TYPE=Release"],
              ["cmake", "--build", floor_build, "-j2"]]
    for step in steps:
        result = subprocess.run(step, env=env, capture_output=True, text=True)
        if result.returncode != 0:
            sys.exit(f"{' '.join(step)} failed:\n{result.stdout}{result.stderr}")
    return os.path.join(floor_build, "solvane-floor")


# --- the tray icon, seen over the X connection --------------------------------

class _WindowAttributes(ctypes.Structure):
    _fields_ = [("x", ctypes.c_int), ("y", ctypes.c_int), ("width", ctypes.c_int),
                ("height", ctypes.c_int), ("border_width", ctypes.c_int), ("depth", ctypes.c_int),
                ("visual", ctypes.c_void_p), ("root", ctypes.c_ulong), ("class_", ctypes.c_int),
                ("bit_gravity", ctypes.c_int), ("win_gravity", ctypes.c_int),
                ("backing_store", ctypes.c_int), ("backing_planes", ctypes.c_ulong),
                ("backing_pixel", ctypes.c_ulong), ("save_under", ctypes.c_int),
                ("colormap", ctypes.c_ulong), ("map_installed", ctypes.c_int),
                ("map_state", ctypes.c_int), ("all_event_masks", ctypes.c_long),
                ("your_event_mask", ctypes.c_long), ("do_not_propagate_mask", ctypes.c_long),
                ("override_redirect", ctypes.c_int), ("screen", ctypes.c_void_p)]


_ErrorHandler = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)


class TrayWatch:
    """Finds a process's tray icon: a window of that process (by _NET_WM_PID)
    inside the tray host's window, viewable and at least 16 pixels wide. Talks
    to the X server directly: starting xdotool every 10 ms would cost the
    programs being measured more CPU than a few requests do."""

    IS_VIEWABLE = 2
    CARDINAL = 6
    SUBSTRUCTURE_NOTIFY = 1 << 19
    CREATE_NOTIFY, REPARENT_NOTIFY = 16, 21
    EVENT_BYTES = 24 * 8  # sizeof(XEvent)
    EVENT_WINDOW_OFFSET = 40  # of "window" in XCreateWindowEvent and XReparentEvent
    LIVENESS_EVERY = 0.01  # s

    def __init__(self, display, hosts):
        x = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
        ulong, ulong_p = ctypes.c_ulong, ctypes.POINTER(ctypes.c_ulong)
        x.XOpenDisplay.restype = ctypes.c_void_p
        x.XOpenDisplay.argtypes = [ctypes.c_char_p]
        x.XCloseDisplay.argtypes = [ctypes.c_void_p]
        x.XInternAtom.restype = ulong
        x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
        x.XQueryTree.argtypes = [ctypes.c_void_p, ulong, ulong_p, ulong_p,
                                 ctypes.POINTER(ulong_p), ctypes.POINTER(ctypes.c_uint)]
        x.XGetWindowProperty.argtypes = [
            ctypes.c_void_p, ulong, ulong, ctypes.c_long, ctypes.c_long, ctypes.c_int, ulong,
            ulong_p, ctypes.POINTER(ctypes.c_int), ulong_p, ulong_p,
            ctypes.POINTER(ctypes.POINTER(ctypes.c_ubyte))]
        x.XGetWindowAttributes.argtypes = [ctypes.c_void_p, ulong, ctypes.POINTER(_WindowAttributes)]
        x.XFree.argtypes = [ctypes.c_void_p]
        x.XSelectInput.argtypes = [ctypes.c_void_p, ulong, ctypes.c_long]
        x.XConnectionNumber.argtypes = [ctypes.c_void_p]
        x.XPending.argtypes = [ctypes.c_void_p]
        x.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.c_void_p]
        x.XSetErrorHandler.restype = ctypes.c_void_p
        x.XSetErrorHandler.argtypes = [_ErrorHandler]
        # Windows come and go between two requests; Xlib's default handler would exit.
        self._ignore_errors = _ErrorHandler(lambda _display, _event: 0)
        x.XSetErrorHandler(self._ignore_errors)
        self._x = x
        self._display = x.XOpenDisplay(display.encode())
        if not self._display:
            raise RuntimeError(f"cannot open display {display}")
        self._pid_atom = x.XInternAtom(self._display, b"_NET_WM_PID", 0)
        self._hosts = hosts
        self._watching = False

    def close(self):
        if self._display:
            self._x.XCloseDisplay(self._display)
            self._display = None

    def _children(self, window):
        root, parent = ctypes.c_ulong(), ctypes.c_ulong()
        children, count = ctypes.POINTER(ctypes.c_ulong)(), ctypes.c_uint()
        if not self._x.XQueryTree(self._display, window, ctypes.byref(root), ctypes.byref(parent),
                                  ctypes.byref(children), ctypes.byref(count)):
            return []
        result = [children[i] for i in range(count.value)]
        if children:
            self._x.XFree(children)
        return result

    def _pid(self, window):
        kind, form = ctypes.c_ulong(), ctypes.c_int()
        items, after = ctypes.c_ulong(), ctypes.c_ulong()
        data = ctypes.POINTER(ctypes.c_ubyte)()
        if self._x.XGetWindowProperty(self._display, window, self._pid_atom, 0, 1, 0, self.CARDINAL,
                                      ctypes.byref(kind), ctypes.byref(form), ctypes.byref(items),
                                      ctypes.byref(after), ctypes.byref(data)) != 0:
            return None
        try:
            if form.value != 32 or items.value < 1:
                return None
            return ctypes.cast(data, ctypes.POINTER(ctypes.c_ulong))[0]
        finally:
            if data:
                self._x.XFree(data)

    def _watch(self, window):
        """Asks the X server to report the windows created, mapped, moved, resized and
        reparented in this window, and watches the windows already in it the same way."""
        pending = [window]
        while pending:
            window = pending.pop()
            self._x.XSelectInput(self._display, window, self.SUBSTRUCTURE_NOTIFY)
            pending += self._children(window)

    def wait_for_icon_of(self, pid, still_running, give_up_ns):
        """Waits for the process's icon and returns True when it shows; False when the
        process ended or the time ran out. It sleeps until the X server reports a change
        in a tray host's windows, instead of asking every millisecond: the questions cost
        the X server and this script CPU time beside the program being started, which on
        a machine with few cores delays the tray host's docking of the icon."""
        if not self._watching:
            for host in self._hosts:
                self._watch(host)
            self._watching = True
        event = ctypes.create_string_buffer(self.EVENT_BYTES)
        connection = self._x.XConnectionNumber(self._display)
        while True:
            # Windows that enter a host are watched before the host is looked at, so a
            # change made after the look is reported.
            while self._x.XPending(self._display):
                self._x.XNextEvent(self._display, event)
                kind = struct.unpack_from("i", event.raw)[0]
                if kind in (self.CREATE_NOTIFY, self.REPARENT_NOTIFY):
                    self._watch(struct.unpack_from("L", event.raw, self.EVENT_WINDOW_OFFSET)[0])
            if self.shows_icon_of(pid):
                return True
            left = give_up_ns - time.monotonic_ns()
            if left <= 0 or not still_running():
                return False
            if not self._x.XPending(self._display):
                # Woken now and then to see whether the process still runs.
                select.select([connection], [], [], min(left / 1e9, self.LIVENESS_EVERY))

    def shows_icon_of(self, pid):
        pending = list(self._hosts)
        while pending:
            window = pending.pop()
            children = self._children(window)
            pending += children
            if window in self._hosts or self._pid(window) != pid:
                continue
            attributes = _WindowAttributes()
            if (self._x.XGetWindowAttributes(self._display, window, ctypes.byref(attributes))
                    and attributes.map_state == self.IS_VIEWABLE and attributes.width >= 16):
                return True
        return False


# --- what a process costs ----------------------------------------------------

class Meter:
    """CPU time and context switches of all threads of a process, and its memory."""

    def __init__(self, pid):
        self.pid = pid
        self._cpu = {}  # thread id -> ns on a CPU, as last read
        self._switches = {}  # thread id -> context switches, as last read
        # The process-wide CPU clock of another process (clock_getcpuclockid).
        self._clock = ((~pid) << 3) | 2

    def sample(self):
        """(monotonic ns, CPU ns, context switches, process CPU clock ns or None, threads seen)."""
        tasks = f"/proc/{self.pid}/task"
        for tid in os.listdir(tasks):
            try:
                with open(f"{tasks}/{tid}/schedstat", encoding="ascii") as text:
                    cpu = int(text.read().split()[0])
                with open(f"{tasks}/{tid}/status", encoding="utf-8") as text:
                    switches = sum(int(line.split()[1]) for line in text
                                   if line.startswith(("voluntary_ctxt_switches", "nonvoluntary_ctxt_switches")))
            except (FileNotFoundError, ProcessLookupError):
                continue  # the thread ended meanwhile: it keeps its last figures
            self._cpu[tid] = cpu
            self._switches[tid] = switches
        try:
            clock = time.clock_gettime_ns(self._clock)
        except OSError:
            clock = None
        return (time.monotonic_ns(), sum(self._cpu.values()), sum(self._switches.values()), clock,
                len(self._cpu))

    def memory(self):
        """(monotonic ns, resident KiB, private dirty KiB)."""
        values = {}
        with open(f"/proc/{self.pid}/smaps_rollup", encoding="ascii") as text:
            for line in text:
                key, _, rest = line.partition(":")
                if key in ("Rss", "Private_Dirty"):
                    values[key] = int(rest.split()[0])
        return time.monotonic_ns(), values["Rss"], values["Private_Dirty"]


class Program:
    def __init__(self, name, argv, env, trace):
        self.name = name
        self.argv = argv
        self.env = env
        self.trace = trace
        self.process = None
        self.meter = None
        self.launched = None  # monotonic ns
        self.tray = None  # monotonic ns when the icon was first seen
        self.samples = []
        self.memory = []
        self.ended = False

    def elapsed(self, now):
        return (now - self.launched) / 1e9


def read_trace(path):
    """The showings of a trace: [start, show, painted, hide, gap over] in monotonic ns (None
    where missing; only the bare program with --gap says when its gap is over)."""
    if not os.path.exists(path):
        return []
    result, current = [], None
    with open(path, encoding="ascii") as trace:
        for line in trace:
            words = line.split()
            if len(words) != 2:
                continue
            word, ns = words[0], int(words[1])
            if word == "start":
                current = [ns, None, None, None, None]
                result.append(current)
            elif current is None:
                continue
            elif word == "show" and current[1] is None:
                current[1] = ns
            elif word == "painted" and current[1] is not None and current[2] is None:
                current[2] = ns
            elif word == "hide" and current[1] is not None and current[3] is None:
                current[3] = ns
            elif word == "gap" and current[3] is not None and current[4] is None:
                current[4] = ns
    return result


# --- one pass ----------------------------------------------------------------

def load_average():
    with open("/proc/loadavg", encoding="ascii") as text:
        return " ".join(text.read().split()[:3])


def run_pass(order, args, solvane, floor):
    with VirtualDesktop() as desktop:
        desktop.write_settings({"Anzeige": args.display, "AnzeigeIntervall": args.pause})
        rhythm = ["--display-ms", str(args.display), "--pause-s", str(args.pause),
                  "--first-ms", str(FIRST_SHOWING_MS)]
        traces = {name: os.path.join(desktop.dir, f"{name}.trace") for name in NAMES}
        every = {
            SOLVANE: Program(SOLVANE, [solvane], dict(desktop.env, SOLVANE_TRACE_SHOWINGS=traces[SOLVANE]),
                             traces[SOLVANE]),
            FLOOR: Program(FLOOR, [floor, *rhythm, "--trace", traces[FLOOR]], desktop.env, traces[FLOOR]),
            FLOOR_GAP: Program(FLOOR_GAP, [floor, *rhythm, "--gap", "--trace", traces[FLOOR_GAP]],
                               desktop.env, traces[FLOOR_GAP]),
        }
        programs = {name: every[name] for name in order}
        # The tray host's windows (its panel has the class "trayer" and the instance "panel").
        hosts = [int(w) for w in desktop.run(["xdotool", "search", "--all", "--class", "^trayer$"]).split()]
        tray = TrayWatch(desktop.env["DISPLAY"], hosts)
        cycle = args.display / 1000 + args.pause
        began = time.monotonic_ns()
        due = {name: began + int(i * cycle / len(order) * 1e9) for i, name in enumerate(order)}
        load_before = load_average()
        next_sample, next_memory = {}, {}
        try:
            while not all(p.ended for p in programs.values()):
                now = time.monotonic_ns()
                for name, program in programs.items():
                    if program.process is None and now >= due[name]:
                        program.launched = time.monotonic_ns()
                        program.process = desktop.spawn(name, program.argv, env=program.env)
                        program.meter = Meter(program.process.pid)
                        next_sample[name] = next_memory[name] = program.launched
                    if program.process is None or program.ended:
                        continue
                    if program.process.poll() is not None:
                        raise RuntimeError(f"{name} ended with code {program.process.returncode}:\n"
                                           f"{desktop.log_of(program.process)}")
                    if program.tray is None and program.elapsed(now) < TRAY_WAIT and \
                            tray.shows_icon_of(program.process.pid):
                        program.tray = time.monotonic_ns()
                    last = program.elapsed(now) >= args.duration
                    if now >= next_sample[name] or last:
                        program.samples.append(program.meter.sample())
                        next_sample[name] += int(SAMPLE_EVERY * 1e9)
                    if now >= next_memory[name] or last:
                        program.memory.append(program.meter.memory())
                        next_memory[name] += int(MEMORY_EVERY * 1e9)
                    if last:
                        program.process.terminate()
                        program.process.wait(timeout=10)
                        program.ended = True
                waiting_for_tray = any(p.process is not None and not p.ended and p.tray is None
                                       and p.elapsed(time.monotonic_ns()) < TRAY_WAIT
                                       for p in programs.values())
                time.sleep(TRAY_POLL_EVERY if waiting_for_tray else SAMPLE_EVERY / 4)
        finally:
            tray.close()
        for program in programs.values():
            program.showings = read_trace(program.trace)
        return programs, load_before, load_average()


def measure_starts(args, solvane, floor):
    """Start -> tray icon in ms of Solvane and of the bare program, each started alone
    and ended before the next start, in turn, args.starts times each."""
    times = {SOLVANE: [], FLOOR: []}
    rhythm = ["--display-ms", str(args.display), "--pause-s", str(args.pause)]
    argv = {SOLVANE: [solvane], FLOOR: [floor, *rhythm]}
    with VirtualDesktop() as desktop:
        desktop.write_settings({"Anzeige": args.display, "AnzeigeIntervall": args.pause})
        hosts = [int(w) for w in desktop.run(["xdotool", "search", "--all", "--class", "^trayer$"]).split()]
        tray = TrayWatch(desktop.env["DISPLAY"], hosts)
        try:
            for turn in range(args.starts):
                for name in (SOLVANE, FLOOR) if turn % 2 == 0 else (FLOOR, SOLVANE):
                    launched = time.monotonic_ns()
                    process = desktop.spawn(name, argv[name])
                    if tray.wait_for_icon_of(process.pid, lambda: process.poll() is None,
                                             launched + int(TRAY_WAIT * 1e9)):
                        times[name].append((time.monotonic_ns() - launched) / 1e6)
                    elif process.poll() is not None:
                        raise RuntimeError(f"{name} ended with code {process.returncode}:\n"
                                           f"{desktop.log_of(process)}")
                    process.terminate()
                    process.wait(timeout=10)
                    time.sleep(AFTER_START)
        finally:
            tray.close()
    return times


def print_starts(times):
    print("Start -> tray icon, each program started alone (ms):")
    for name, values in times.items():
        if not values:
            print(f"  {name:10} no tray icon")
            continue
        quartiles = statistics.quantiles(values, n=4) if len(values) >= 2 else [values[0]] * 3
        print(f"  {name:10} median {quartiles[1]:5.1f}, quartiles {quartiles[0]:.1f} to {quartiles[2]:.1f}, "
              f"{len(values)} starts")
    if len(times[SOLVANE]) >= 2 and len(times[FLOOR]) >= 2:
        difference = statistics.median(times[SOLVANE]) - statistics.median(times[FLOOR])
        low, high = median_difference_interval(times[SOLVANE], times[FLOOR])
        print(f"  Solvane - floor: median {difference:+.1f}, 95 % bootstrap interval {low:+.1f} to {high:+.1f}")


def median_difference_interval(a, b, resamples=4000, seed=1):
    """The 95 % bootstrap interval of median(a) - median(b): both samples drawn again with
    replacement, `resamples` times, with a fixed seed so that a run prints the same."""
    rng = random.Random(seed)
    differences = sorted(statistics.median(rng.choices(a, k=len(a))) - statistics.median(rng.choices(b, k=len(b)))
                         for _ in range(resamples))
    return differences[int(0.025 * resamples)], differences[int(0.975 * resamples) - 1]


# --- figures -----------------------------------------------------------------

def figures(program, others):
    """The figures of one program in one pass, as a dict (a value is None when not measured).
    `others` are the showings of the programs beside it."""
    launched = program.launched
    result = {"tray_ms": (program.tray - launched) / 1e6 if program.tray else None}
    shown = [s for s in program.showings if s[1] is not None]
    result["first_show_ms"] = (shown[0][1] - launched) / 1e6 if shown else None
    result["first_painted_ms"] = (shown[0][2] - launched) / 1e6 if shown and shown[0][2] else None

    at = launched + int(MEMORY_AT * 1e9)
    later = [m for m in program.memory if m[0] >= at]
    reading = later[0] if later else program.memory[-1]
    result["memory_at_s"] = (reading[0] - launched) / 1e9
    result["rss_mib"], result["private_dirty_mib"] = reading[1] / 1024, reading[2] / 1024
    result["rss_max_after_mib"] = max(m[1] for m in later) / 1024 if later else None
    result["rss_end_mib"] = program.memory[-1][1] / 1024

    samples = program.samples
    from_samples = [s for s in samples if s[0] >= launched + int(CPU_FROM * 1e9)]
    if len(from_samples) >= 2:
        first, last = from_samples[0], from_samples[-1]
        minutes = (last[0] - first[0]) / 60e9
        result["cpu_per_minute_ms"] = (last[1] - first[1]) / 1e6 / minutes
        result["clock_per_minute_ms"] = ((last[3] - first[3]) / 1e6 / minutes
                                         if first[3] is not None and last[3] is not None else None)
    else:
        result["cpu_per_minute_ms"] = result["clock_per_minute_ms"] = None
    result["threads_seen"] = samples[-1][4] if samples else 0

    per_showing = []  # (CPU ms, context switches, process clock ms or None)
    done = [s for s in program.showings if s[1] is not None and s[3] is not None]
    times = [s[0] for s in samples]
    for i in range(WARM_UP, len(done)):
        start, hide = done[i][0], done[i][3]
        low = done[i - 1][3] + int(AFTER_SHOWING * 1e9) if i > 0 else launched
        high = done[i + 1][0] - int(BEFORE_SHOWING * 1e9) if i + 1 < len(done) else times[-1]
        before = bisect.bisect_right(times, start - int(BEFORE_SHOWING * 1e9)) - 1
        after = bisect.bisect_left(times, hide + int(AFTER_SHOWING * 1e9))
        if before < 0 or times[before] < low or after >= len(times) or times[after] > high:
            continue  # the showing's ends were not both sampled in a pause
        b, a = samples[before], samples[after]
        if done[i][4] is not None and done[i][4] > a[0]:
            continue  # the gap was not over by the sample after the showing
        if any(o[0] <= a[0] and o[3] + int(OTHERS_AFTER * 1e9) >= b[0] for o in others):
            continue
        clock = (a[3] - b[3]) / 1e6 if a[3] is not None and b[3] is not None else None
        per_showing.append(((a[1] - b[1]) / 1e6, a[2] - b[2], clock))
    result["per_showing"] = per_showing
    gaps = [(s[4] - s[3]) / 1e6 for s in done if s[4] is not None]
    result["gap_ms"] = statistics.median(gaps) if gaps else None
    result["showings"] = len(done)
    return result


def median_of(values):
    values = [v for v in values if v is not None]
    return statistics.median(values) if values else None


def number(value, digits=1, unit=""):
    return "-" if value is None else f"{value:.{digits}f}{unit}"


def print_table(rows, columns):
    width = max(len(label) for label, _cells in rows)
    print(f"  {'':{width}}  " + "  ".join(f"{c:>12}" for c in columns))
    for label, cells in rows:
        print(f"  {label:{width}}  " + "  ".join(f"{c:>12}" for c in cells))


def summary(results):
    """Medians over passes (per-showing figures: over all counted showings)."""
    merged = {}
    for name in NAMES:
        passes = [r[name] for r in results]
        showing = [s for f in passes for s in f["per_showing"]]
        merged[name] = {
            key: median_of(f[key] for f in passes)
            for key in ("tray_ms", "first_show_ms", "first_painted_ms", "rss_mib", "private_dirty_mib",
                        "rss_max_after_mib", "rss_end_mib", "cpu_per_minute_ms", "clock_per_minute_ms",
                        "memory_at_s", "gap_ms")
        }
        merged[name]["showings"] = sum(f["showings"] for f in passes)
        merged[name]["counted"] = len(showing)
        merged[name]["threads_seen"] = max(f["threads_seen"] for f in passes)
        merged[name]["cpu_showing_ms"] = median_of(s[0] for s in showing)
        merged[name]["cpu_showing_mean_ms"] = statistics.fmean(s[0] for s in showing) if showing else None
        merged[name]["clock_showing_ms"] = median_of(s[2] for s in showing)
        merged[name]["switches_showing"] = median_of(s[1] for s in showing)
    return merged


def rows_of(merged):
    m = [merged[name] for name in NAMES]

    def row(label, key, digits=1):
        return label, [number(f[key], digits) for f in m]

    return [
        row("start -> tray icon, ms", "tray_ms", 0),
        row("start -> first showing, ms", "first_show_ms", 0),
        row("start -> first painted, ms", "first_painted_ms", 0),
        ("memory read at, s", [number(f["memory_at_s"], 0) for f in m]),
        row("resident memory, MiB", "rss_mib", 1),
        row("private dirty, MiB", "private_dirty_mib", 1),
        row("resident, largest later, MiB", "rss_max_after_mib", 1),
        row("resident at the end, MiB", "rss_end_mib", 1),
        row("CPU per minute, ms", "cpu_per_minute_ms", 2),
        row("  process clock, ms", "clock_per_minute_ms", 2),
        row("CPU per showing, ms", "cpu_showing_ms", 2),
        row("  mean, ms", "cpu_showing_mean_ms", 2),
        row("  process clock, ms", "clock_showing_ms", 2),
        row("switches per showing", "switches_showing", 0),
        row("gap after a display, ms", "gap_ms", 0),
        ("showings (counted)", [f"{f['showings']} ({f['counted']})" for f in m]),
        ("threads seen", [str(f["threads_seen"]) for f in m]),
    ]


def ratio(a, b):
    return None if a is None or b is None or b == 0 else a / b


def report_goals(merged, starts):
    s, f, g = merged[SOLVANE], merged[FLOOR], merged[FLOOR_GAP]
    print("Ratios, Solvane to floor (to floor+gap):")
    for label, key in (("resident memory", "rss_mib"), ("private dirty", "private_dirty_mib"),
                       ("CPU per minute", "cpu_per_minute_ms"), ("CPU per showing", "cpu_showing_ms"),
                       ("switches per showing", "switches_showing"), ("start -> tray icon", "tray_ms")):
        print(f"  {label:22} {number(ratio(s[key], f[key]), 2, 'x'):>6} ({number(ratio(s[key], g[key]), 2, 'x')})")

    def goal(text, value, holds):
        """holds: whether the goal is met, or None when a figure is missing."""
        verdict = "-" if holds is None else ("met" if holds else "NOT met")
        print(f"  {text}: {value}, {verdict}")

    def compare(value, limit, test):
        return None if value is None or limit is None else test(value, limit)

    def le(value, limit):
        return value <= limit

    print("Goals:")
    too_short = "" if (s["memory_at_s"] or 0) >= MEMORY_AT else " (read at the end: the run was too short)"
    goal(f"resident memory <= {GOAL_RSS_MIB:.0f} MiB at {MEMORY_AT:.0f} s{too_short}",
         f"{number(s['rss_mib'])} MiB", compare(s["rss_mib"], GOAL_RSS_MIB, le))
    gap_cpu = (None if g["cpu_showing_ms"] is None or f["cpu_showing_ms"] is None
               else g["cpu_showing_ms"] - f["cpu_showing_ms"])
    limit = None if gap_cpu is None else GOAL_CPU_FACTOR * f["cpu_showing_ms"] + gap_cpu
    goal(f"CPU per showing <= {GOAL_CPU_FACTOR}x floor's {number(f['cpu_showing_ms'], 2)} ms + the gap's "
         f"{number(gap_cpu, 2)} ms = {number(limit, 2)} ms",
         f"{number(s['cpu_showing_ms'], 2)} ms", compare(s["cpu_showing_ms"], limit, le))
    goal(f"context switches per showing <= floor+gap's {number(g['switches_showing'], 0)}",
         number(s["switches_showing"], 0), compare(s["switches_showing"], g["switches_showing"], le))
    if starts and starts[SOLVANE] and starts[FLOOR]:
        alone = {name: statistics.median(values) for name, values in starts.items()}
        goal(f"start -> tray icon, started alone, no slower than the floor's {alone[FLOOR]:.1f} ms",
             f"{alone[SOLVANE]:.1f} ms", alone[SOLVANE] <= alone[FLOOR])
    else:
        goal(f"start -> tray icon no slower than the floor's {number(f['tray_ms'], 0)} ms",
             f"{number(s['tray_ms'], 0)} ms", compare(s["tray_ms"], f["tray_ms"], le))
    goal(f"first affirmation painted {GOAL_FIRST_MS} +- {GOAL_FIRST_SPREAD_MS} ms after start",
         f"{number(s['first_painted_ms'], 0)} ms",
         compare(s["first_painted_ms"], GOAL_FIRST_MS, lambda v, aim: abs(v - aim) <= GOAL_FIRST_SPREAD_MS))


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--duration", type=float, default=70, help="seconds each program runs (default 70)")
    parser.add_argument("--passes", type=int, default=1, help="passes, each on a new desktop (default 1)")
    parser.add_argument("--starts", type=int, default=20,
                        help="starts of each program alone, for start -> tray icon (default 20; 0: none)")
    parser.add_argument("--display", type=int, default=500, help="display time in ms (default 500)")
    parser.add_argument("--pause", type=int, default=5, help="pause in s (default 5)")
    parser.add_argument("--solvane", default=os.path.join(REPO, "build", "solvane"),
                        help="the program (default build/solvane, built as Release when missing)")
    args = parser.parse_args()
    if args.duration < 20 or args.passes < 1 or args.starts < 0 or not 50 <= args.display <= 59999 or not 5 <= args.pause <= 5999:
        sys.exit("Run at least 20 s and one pass, with a display time of 50 to 59999 ms and a pause of 5 to 5999 s.")

    floor = build(args)
    print(f"Solvane against the Qt floor: {args.solvane}, {os.cpu_count()} cores, display {args.display} ms, "
          f"pause {args.pause} s, {args.duration:.0f} s per program, {args.passes} pass(es)")
    results = []
    for number_of_pass in range(args.passes):
        shift = number_of_pass % len(NAMES)
        order = NAMES[shift:] + NAMES[:shift]
        programs, load_before, load_after = run_pass(order, args, args.solvane, floor)
        results.append({
            name: figures(programs[name], [s for other in NAMES if other != name for s in programs[other].showings
                                           if s[3] is not None])
            for name in NAMES})
        print(f"Pass {number_of_pass + 1}: started {', '.join(order)}; "
              f"load average {load_before} before, {load_after} after")
        if args.passes > 1:
            print_table(rows_of(summary(results[-1:])), NAMES)
    merged = summary(results)
    if args.passes > 1:
        print(f"All {args.passes} passes (medians; per showing: over all counted showings):")
    print_table(rows_of(merged), NAMES)
    starts = measure_starts(args, args.solvane, floor) if args.starts else None
    if starts:
        print_starts(starts)
    report_goals(merged, starts)


if __name__ == "__main__":
    main()
