"""The start that a memory restart makes: "solvane reload normal N" goes on
with an interrupted run of affirmations and leaves the running instance alone;
and "solvane shutdown" ends an instance in the middle of a memory restart.

The program writes each showing to the file named by SOLVANE_TRACE_SHOWINGS
("show", "painted" and "hide" lines with monotonic nanoseconds), which counts
the showings exactly.

Environment as for x11_tests.py; screenshots go to SOLVANE_SHOT_DIR.
"""

import os
import signal
import time
import unittest

from desktop import scaled, wait_until
from x11_tests import FIRST_AFFIRMATION_DEADLINE, HINT_TITLE, SharedDesktopTestCase, _exit_on_sigterm

DISPLAY_MS = 700
PAUSE_SECONDS = 5


def trace_lines(path):
    if not os.path.exists(path):
        return []
    with open(path, encoding="ascii") as trace:
        return [line.split() for line in trace if line.strip()]


def showings(path):
    """[(painted ns, hidden ns or None)] of the showings that reached the screen."""
    result = []
    painted = None
    for word, ns in trace_lines(path):
        if word == "painted":
            painted = int(ns)
            result.append((painted, None))
        elif word == "hide" and painted is not None:
            result[-1] = (painted, int(ns))
            painted = None
    return result


class RestartTest(SharedDesktopTestCase):

    def test_reload_continues_the_run_and_leaves_the_running_instance(self):
        self.desktop.write_settings({
            "MultipleAffirmationen": 1, "MultipleAffirmationenAnzahl": "3",
            "Anzeige": DISPLAY_MS, "AnzeigeIntervall": PAUSE_SECONDS,
        })
        running = self.start_solvane()
        self.wait_for_hint(running, scaled(FIRST_AFFIRMATION_DEADLINE))

        trace = os.path.join(self.desktop.dir, "reload.trace")
        started = time.monotonic()
        restarted = self.start_solvane("reload", "normal", "3", env={"SOLVANE_TRACE_SHOWINGS": trace})
        self.wait_for_hint(restarted, scaled(FIRST_AFFIRMATION_DEADLINE))
        print(f"the restarted instance showed its first affirmation {time.monotonic() - started:.2f} s after start")
        self.assertIsNone(running.poll(), "the reload start ended the running instance")

        # Three were due, one of them shown before the restart: two now, one after the other.
        wait_until(lambda: len(showings(trace)) >= 2 and showings(trace)[1][1] is not None,
                   scaled(2 * (DISPLAY_MS / 1000 + 1) + 1), "two affirmations to be shown and hidden")
        (_first_on, first_off), (second_on, second_off) = showings(trace)[:2]
        gap_ms = (second_on - first_off) / 1e6
        print(f"the second affirmation followed the first after {gap_ms:.0f} ms")
        self.assertLess(gap_ms, scaled(1) * 1000, "the second affirmation did not follow the first at once")
        shown_ms = (second_off - second_on) / 1e6
        self.assertGreater(shown_ms, DISPLAY_MS - 200, "the second affirmation was cut short")

        # Then the pause: within a run the next would follow in about 0.1 s.
        time.sleep(scaled(1))
        self.assertEqual(len(showings(trace)), 2, "a third affirmation came without the pause")
        self.assertEqual(self.desktop.search_windows(name=HINT_TITLE, pid=restarted.pid), [],
                         "the affirmation window stayed on screen")
        self.assertIsNone(restarted.poll(), "the restarted instance ended")
        self.assertIsNotNone(self.tray_icon(restarted), "\"normal\" lost the tray icon")
        self.assertIsNone(running.poll(), "the running instance ended during the restarted run")


def instances_on(desktop, binary):
    """Process ids of the program's instances on this desktop, those that the
    program started itself included: each runs the binary with the desktop's
    folders in its environment."""
    binary = os.path.realpath(binary)
    found = []
    for name in os.listdir("/proc"):
        if not name.isdigit():
            continue
        try:
            if os.path.realpath(f"/proc/{name}/exe") != binary:
                continue
            with open(f"/proc/{name}/environ", "rb") as environ:
                if desktop.dir.encode() not in environ.read():
                    continue
            with open(f"/proc/{name}/stat", encoding="ascii", errors="replace") as stat:
                if stat.read().rsplit(")", 1)[1].split()[0] == "Z":
                    continue
        except OSError:
            continue  # ended in the meantime
        found.append(int(name))
    return sorted(found)


class ShutdownDuringRestartTest(SharedDesktopTestCase):
    """A full-screen affirmation on a large monitor grows the memory by more
    than the watchdog allows, so the program restarts itself after every
    affirmation. "solvane shutdown" given while one process ends and the next
    starts ends them both."""

    desktop_size = (2560, 1600)
    ROUNDS = 3
    DEADLINE = 2.0

    def setUp(self):
        super().setUp()
        self.addCleanup(self._end_restarted_instances)

    def _end_restarted_instances(self):
        # The restarted processes are not children of the test; end them by id, as
        # long as a restart in flight still brings a new one.
        quiet_since = time.monotonic()
        while time.monotonic() - quiet_since < 0.3:
            for pid in instances_on(self.desktop, self.binary):
                quiet_since = time.monotonic()
                try:
                    os.kill(pid, signal.SIGKILL)
                except ProcessLookupError:
                    pass
            time.sleep(0.02)

    def instances(self):
        return instances_on(self.desktop, self.binary)

    def test_shutdown_ends_an_instance_in_the_middle_of_a_restart(self):
        self.desktop.write_settings({"VollBild": 1, "HintergrundTransparent": 0, "Anzeige": 500})
        for round_ in range(self.ROUNDS):
            self.start_solvane()
            # The moment of a restart: the new process runs beside the old one.
            pair = wait_until(lambda: len(self.instances()) >= 2 and self.instances(), scaled(15),
                              "a memory restart")
            asked = time.monotonic()
            shutdown = self.start_solvane("shutdown")
            self.assertEqual(self.wait_for_exit(shutdown, scaled(self.DEADLINE), "solvane shutdown"), 0)
            remaining = scaled(self.DEADLINE) - (time.monotonic() - asked)
            wait_until(lambda: not self.instances(), max(remaining, 0.01),
                       f"the instances {pair} and what they started to end")
            print(f"round {round_ + 1}: shutdown during the restart {pair[0]} -> {pair[-1]} ended "
                  f"everything in {time.monotonic() - asked:.2f} s")


if __name__ == "__main__":
    signal.signal(signal.SIGTERM, _exit_on_sigterm)
    unittest.main(verbosity=2)
