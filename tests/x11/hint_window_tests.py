"""What the affirmation window costs on a real X display: a showing like the
last one sends X no new shape, a compositing manager that comes or goes changes
the shape at the next showing, and a pasted book of an affirmation shows cut to
the monitor in bounded memory, without the memory watchdog restarting the
program, and "solvane shutdown" still ends it at once.

The program writes each step of a showing to the file named by
SOLVANE_TRACE_SHOWINGS: "start", "show", "painted", "hide", and "shape" when it
sends the window's shape to X.

Environment as for x11_tests.py; screenshots go to SOLVANE_SHOT_DIR.
"""

import ctypes
import ctypes.util
import os
import signal
import time
import unittest

from desktop import ROOT_COLOUR, SCREEN_HEIGHT, SCREEN_WIDTH, scaled, wait_until
from x11_tests import FIRST_AFFIRMATION_DEADLINE, HINT_TITLE, SharedDesktopTestCase, _exit_on_sigterm

# Under AddressSanitizer freed memory is held in quarantine, so a megabyte text grows the
# process past the memory watchdog's threshold and it restarts: resident memory tells
# nothing there.
SANITIZED = os.environ.get("SOLVANE_SANITIZED") == "ON"

SENTENCE = "I know what I love to do and I do it. "
MEGABYTE_TEXT = (SENTENCE * ((1 << 20) // len(SENTENCE) + 1))[: 1 << 20]
# Far above what the program needs (about 40 MiB), far below what the whole text
# laid out and drawn took (hundreds).
RESIDENT_LIMIT_MIB = 150


def trace_words(path):
    if not os.path.exists(path):
        return []
    with open(path, encoding="ascii") as trace:
        return [line.split()[0] for line in trace if line.strip()]


def resident_mib(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1]) / 1024
    raise AssertionError(f"no VmRSS for process {pid}")


def processes_with_environment(entry):
    """Ids of the processes whose environment holds `entry` ("NAME=value")."""
    marker = entry.encode() + b"\0"
    found = []
    for name in os.listdir("/proc"):
        if not name.isdigit():
            continue
        try:
            with open(f"/proc/{name}/environ", "rb") as environ:
                if marker in environ.read():
                    found.append(int(name))
        except OSError:
            pass
    return found


class TracedTestCase(SharedDesktopTestCase):
    def start_traced(self, settings):
        """Starts solvane with `settings` and a trace of its showings (in
        self.trace) and returns its process. Every instance it starts itself
        (a restart) is ended when the test ends."""
        self.desktop.write_settings(settings)
        self.trace = os.path.join(self.desktop.dir, f"{self.id()}.trace")
        marker = f"SOLVANE_TRACE_SHOWINGS={self.trace}"
        self.addCleanup(self._end_restarted, marker)
        return self.start_solvane(env={"SOLVANE_TRACE_SHOWINGS": self.trace})

    def _end_restarted(self, marker):
        for pid in processes_with_environment(marker):
            if all(pid != process.pid for process in self.programs):
                os.kill(pid, signal.SIGKILL)

    def count(self, word):
        return trace_words(self.trace).count(word)


class ShapeTest(TracedTestCase):
    """Openbox is no compositing manager: the transparent window is shaped to
    its glyphs, and X keeps the shape while the window is hidden."""

    def test_an_unchanged_showing_sends_no_new_shape(self):
        process = self.start_traced({
            "Anzeige": 300, "MultipleAffirmationen": 1, "MultipleAffirmationenAnzahl": "5",
        })
        self.wait_for_hint(process, scaled(FIRST_AFFIRMATION_DEADLINE))
        wait_until(lambda: self.count("hide") >= 4, scaled(10), "four showings of the run")
        print(f"{self.count('painted')} showings, {self.count('shape')} shapes sent")
        self.assertEqual(self.count("shape"), 1, "the same text in the same font was shaped again")


class SelectionOwner:
    """Owns an X selection from a connection of its own, as a compositing manager
    owns _NET_WM_CM_S<screen>; closing the connection gives it up."""

    def __init__(self, display, name):
        x = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
        x.XOpenDisplay.restype = ctypes.c_void_p
        x.XOpenDisplay.argtypes = [ctypes.c_char_p]
        x.XDefaultRootWindow.restype = ctypes.c_ulong
        x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        x.XCreateSimpleWindow.restype = ctypes.c_ulong
        x.XCreateSimpleWindow.argtypes = [ctypes.c_void_p, ctypes.c_ulong] + [ctypes.c_int] * 2 + \
            [ctypes.c_uint] * 3 + [ctypes.c_ulong] * 2
        x.XInternAtom.restype = ctypes.c_ulong
        x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
        x.XSetSelectionOwner.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_ulong]
        x.XGetSelectionOwner.restype = ctypes.c_ulong
        x.XGetSelectionOwner.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
        x.XCloseDisplay.argtypes = [ctypes.c_void_p]
        self.x = x
        self.connection = x.XOpenDisplay(display.encode())
        if not self.connection:
            raise AssertionError(f"cannot open display {display}")
        window = x.XCreateSimpleWindow(self.connection, x.XDefaultRootWindow(self.connection), 0, 0, 1, 1, 0, 0, 0)
        selection = x.XInternAtom(self.connection, name.encode(), 0)
        x.XSetSelectionOwner(self.connection, selection, window, 0)
        if x.XGetSelectionOwner(self.connection, selection) != window:
            raise AssertionError(f"could not take the selection {name}")

    def close(self):
        if self.connection:
            self.x.XCloseDisplay(self.connection)
            self.connection = None


class CompositorTest(TracedTestCase):
    """Without a compositing manager the transparent window is shaped to its
    glyphs; with one it is not. The program learns of a manager that starts or
    ends while it runs, and the next showing follows."""

    def test_a_compositing_manager_that_comes_and_goes_changes_the_shape(self):
        # A run of showings with only the gap between them.
        process = self.start_traced({
            "Anzeige": 300, "MultipleAffirmationen": 1, "MultipleAffirmationenAnzahl": "9999",
        })
        self.wait_for_hint(process, scaled(FIRST_AFFIRMATION_DEADLINE))
        wait_until(lambda: self.count("hide") >= 2, scaled(5), "two showings")
        self.assertEqual(self.count("shape"), 1, "not shaped to the glyphs without a compositing manager")

        manager = SelectionOwner(self.desktop.env["DISPLAY"], "_NET_WM_CM_S0")
        self.addCleanup(manager.close)
        wait_until(lambda: self.count("shape") >= 2, scaled(5), "the shape taken off for the compositing manager")
        shows = self.count("show")
        wait_until(lambda: self.count("show") >= shows + 2, scaled(5), "two showings with the manager")
        self.assertEqual(self.count("shape"), 2, "the shape changed again while the manager ran")

        manager.close()
        wait_until(lambda: self.count("shape") >= 3, scaled(5), "the window shaped again after the manager ended")


class LongAffirmationTest(TracedTestCase):

    @unittest.skipIf(SANITIZED, "a megabyte text outgrows the memory watchdog under AddressSanitizer")
    def test_a_megabyte_affirmation_shows_cut_to_the_monitor_in_bounded_memory(self):
        # A run of showings with only the gap between them, then the shortest pause.
        process = self.start_traced({
            "EinzelAffirmation": MEGABYTE_TEXT, "Anzeige": 500, "AnzeigeIntervall": 5,
            "MultipleAffirmationen": 1, "MultipleAffirmationenAnzahl": "9999",
        })
        started = time.monotonic()
        window = self.wait_for_hint(process, scaled(FIRST_AFFIRMATION_DEADLINE))
        geometry = self.desktop.geometry(window)
        print(f"the first showing came {time.monotonic() - started:.2f} s after start: {geometry}")
        self.assertGreaterEqual(geometry.left, 0, f"the window begins left of the monitor: {geometry}")
        self.assertLessEqual(geometry.left + geometry.width, SCREEN_WIDTH, f"wider than the monitor: {geometry}")
        self.assertGreaterEqual(geometry.top, 0, f"the window begins above the monitor: {geometry}")
        self.assertLessEqual(geometry.top + geometry.height, SCREEN_HEIGHT, f"taller than the monitor: {geometry}")

        def drawn():
            shot = self.desktop.screenshot()
            row = [rgb for _x, _y, rgb in shot.pixels(0, geometry.top, SCREEN_WIDTH, geometry.height)]
            return (shot, row) if sum(1 for rgb in row if rgb != ROOT_COLOUR) > SCREEN_WIDTH // 4 else None

        shot, _row = wait_until(drawn, scaled(2), "the text across the monitor", interval=0.05)
        self.save_picture(shot.crop(0, geometry.top - 20, SCREEN_WIDTH, geometry.height + 40),
                          "long-affirmation.png")

        # Showing after showing for 20 s: the same program all the time, its memory bounded.
        peak = 0.0
        deadline = time.monotonic() + 20
        while time.monotonic() < deadline:
            self.assertIsNone(process.poll(), f"the program ended (code {process.returncode}): a restart?")
            peak = max(peak, resident_mib(process.pid))
            time.sleep(0.25)
        shown = self.count("painted")
        print(f"{shown} showings in {time.monotonic() - started:.0f} s, resident memory at most {peak:.1f} MiB")
        self.assertLess(peak, RESIDENT_LIMIT_MIB, "resident memory grew beyond the bound")
        self.assertGreaterEqual(shown, 5, "the showings did not go on")
        self.assertEqual(processes_with_environment(f"SOLVANE_TRACE_SHOWINGS={self.trace}"), [process.pid],
                         "the program started another instance of itself")

        asked = time.monotonic()
        shutdown = self.start_solvane("shutdown")
        self.assertEqual(self.wait_for_exit(shutdown, scaled(2), "solvane shutdown"), 0)
        left = max(0.01, scaled(2) - (time.monotonic() - asked))
        self.assertEqual(self.wait_for_exit(process, left, "the running instance"), 0)
        print(f"the program ended {time.monotonic() - asked:.2f} s after the shutdown was asked for")
        self.assertEqual(self.desktop.search_windows(name=HINT_TITLE), [], "an affirmation window is left")


if __name__ == "__main__":
    signal.signal(signal.SIGTERM, _exit_on_sigterm)
    unittest.main(verbosity=2)
