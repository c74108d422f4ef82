"""The start that a memory restart makes: "solvane reload normal N" goes on
with an interrupted run of affirmations and leaves the running instance alone.

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


if __name__ == "__main__":
    signal.signal(signal.SIGTERM, _exit_on_sigterm)
    unittest.main(verbosity=2)
