"""Opens the real settings dialog on a virtual X desktop ("solvane options"),
walks its six pages with the keyboard as a person would, saves a screenshot
of each page and checks what each one shows.

Environment: SOLVANE_BINARY, SOLVANE_SHOT_DIR, SOLVANE_TEST_TIME_FACTOR (see
x11_tests.py).
"""

import os
import sys
import unittest

from desktop import Screenshot, VirtualDesktop, scaled, wait_until

# The pages after the one in front at start (Affirmations), as Ctrl+Tab reaches them.
PAGES_FROM_AFFIRMATIONS = ["affirmations", "font-colour", "display", "about", "thanks", "links"]
PREVIEW_GREEN = (0, 128, 0)


def crop(shot, geometry):
    rows = []
    for y in range(geometry.top, geometry.top + geometry.height):
        start = (y * shot.width + geometry.left) * 3
        rows.append(shot.rgb[start : start + geometry.width * 3])
    return Screenshot(geometry.width, geometry.height, b"".join(rows))


def colourful(rgb):
    """A pixel of a picture rather than of the grey interface."""
    return max(rgb) - min(rgb) > 60


class DialogPagesTest(unittest.TestCase):
    def setUp(self):
        binary = os.environ.get("SOLVANE_BINARY", "")
        if not os.access(binary, os.X_OK):
            raise AssertionError(f"no solvane binary at {binary!r} (set SOLVANE_BINARY)")
        self.shot_dir = os.environ.get("SOLVANE_SHOT_DIR") or os.path.join(os.getcwd(), "x11-shots")
        self.desktop = VirtualDesktop().__enter__()
        self.addCleanup(self.desktop.close)
        # A short display and a long pause keep the affirmation out of the way.
        self.desktop.write_settings({"Anzeige": 50, "AnzeigeIntervall": 600})
        self.process = self.desktop.spawn("solvane", [binary, "options"])
        self.addCleanup(self._stop)

    def _stop(self):
        if self.process.poll() is None:
            self.process.terminate()
            self.process.wait(timeout=scaled(10))
        if self.process.returncode not in (0, 1):
            print(self.desktop.log_of(self.process), file=sys.stderr)

    def dialog(self):
        output = self.desktop.run(["xdotool", "search", "--all", "--onlyvisible", "--pid",
                                   str(self.process.pid), "--name", "^Settings"], check=False)
        windows = [int(line) for line in output.split()]
        return windows[0] if windows else None

    def page_shot(self, window, previous):
        """The dialog's pixels once they differ from the previous page's."""

        def changed():
            geometry = self.desktop.geometry(window)
            shot = crop(self.desktop.screenshot(), geometry)
            return shot if previous is None or shot.rgb != previous.rgb else None

        return wait_until(changed, scaled(5), "the next page to show", interval=0.1)

    def test_every_page_in_turn(self):
        window = wait_until(self.dialog, scaled(5), "the settings dialog")
        wait_until(lambda: self.desktop.focused_window() == window or self.desktop.active_window().endswith(hex(window)),
                   scaled(5), "the settings dialog to take the focus")
        shots = {}
        previous = None
        for page in PAGES_FROM_AFFIRMATIONS:
            if previous is not None:
                self.desktop.run(["xdotool", "key", "--window", str(window), "ctrl+Tab"])
            shot = self.page_shot(window, previous)
            shot.save_png(os.path.join(self.shot_dir, f"dialog-{page}.png"))
            shots[page] = shot
            previous = shot

        def count(page, test):
            shot = shots[page]
            return sum(1 for _x, _y, rgb in shot.pixels(0, 0, shot.width, shot.height) if test(rgb))

        # The preview panel's own green shows behind the sample text.
        self.assertGreater(count("font-colour", lambda rgb: rgb == PREVIEW_GREEN), 5000)
        # The information pages show their pictures; the form pages are plain.
        for page in ("links", "about", "thanks"):
            self.assertGreater(count(page, colourful), 20000, page)
        for page in ("affirmations", "display"):
            self.assertLess(count(page, colourful), 2000, page)


if __name__ == "__main__":
    unittest.main()
