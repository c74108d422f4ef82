"""Runs the real solvane binary on a virtual X desktop and checks what a
person would see: when and where the affirmation window appears, that it
leaves the keyboard focus alone, that a click ends the display, and that a
new start or "solvane shutdown" ends a running instance.

Environment: SOLVANE_BINARY (the program), SOLVANE_SHOT_DIR (where the
screenshot of the first affirmation goes), SOLVANE_TEST_TIME_FACTOR
(stretches deadlines for slow builds). Each test here gets its own desktop;
SharedDesktopTestCase, for the other test files, gives a class one desktop.
"""

import os
import signal
import subprocess
import sys
import time
import unittest

from desktop import (end_process, ROOT_COLOUR, SCREEN_HEIGHT, SCREEN_WIDTH, VirtualDesktop, scaled,
                     wait_until)

HINT_TITLE = "TfrmHint"
# The first affirmation comes about 0.9 s after start; allow for a loaded machine.
FIRST_AFFIRMATION_DEADLINE = 3.0
DEFAULT_DISPLAY_SECONDS = 2.7


def program():
    path = os.environ.get("SOLVANE_BINARY", "")
    if not os.access(path, os.X_OK):
        raise AssertionError(f"no solvane binary at {path!r} (set SOLVANE_BINARY)")
    return path


def is_text(rgb):
    return max(rgb) < 48


def is_contour(rgb):
    return min(rgb) > 208


def darkest_stroke_point(shot, geometry):
    """A point well inside a dark glyph stroke of the window: the black pixel
    with the most black neighbours. Clicking there hits the text itself."""
    best, best_score = None, -1
    for x, y, rgb in shot.pixels(geometry.left, geometry.top, geometry.width, geometry.height):
        if not is_text(rgb):
            continue
        score = sum(
            1
            for dx in (-1, 0, 1)
            for dy in (-1, 0, 1)
            if 0 <= x + dx < shot.width and 0 <= y + dy < shot.height
            and is_text(shot.pixel(x + dx, y + dy)))
        if score > best_score:
            best, best_score = (x, y), score
    return best


class SolvaneTestCase(unittest.TestCase):
    """Gives each test a fresh desktop and helpers around the program."""

    def setUp(self):
        self.binary = program()
        self.programs = []
        self.desktop = VirtualDesktop().__enter__()
        self.addCleanup(self._close_desktop)

    def _close_desktop(self):
        self.print_program_output()
        self.desktop.close()

    def print_program_output(self):
        # ctest shows this output only when the test fails.
        for process in self.programs:
            log = self.desktop.log_of(process)
            if log.strip():
                print(f"--- output of solvane (pid {process.pid}) ---\n{log}", file=sys.stderr)

    def start_solvane(self, *words, env=None):
        process = self.desktop.spawn("solvane", [self.binary, *words],
                                     env=dict(self.desktop.env, **(env or {})))
        self.programs.append(process)
        return process

    def save_picture(self, shot, name):
        """Saves a screenshot (or part of one) under `name` in the shot folder."""
        folder = os.environ.get("SOLVANE_SHOT_DIR")
        if folder:
            path = os.path.join(folder, name)
            shot.save_png(path)
            print(f"screenshot: {path}")

    def wait_for_hint(self, process, timeout):
        """The id of `process`'s affirmation window once it is on screen."""

        def found():
            if process.poll() is not None:
                raise AssertionError(f"solvane ended with code {process.returncode} "
                                     "before its affirmation appeared")
            windows = self.desktop.search_windows(name=HINT_TITLE, pid=process.pid)
            return windows[0] if windows else None

        return wait_until(found, timeout, "the affirmation window to appear")

    def tray_icon(self, process):
        """Geometry of `process`'s tray icon once it is embedded and on screen."""
        root = self.desktop.root_window()
        for window in self.desktop.search_windows(pid=process.pid, classname="solvane"):
            geometry = self.desktop.geometry(window)
            # The host embeds the icon in a window of its own; the program's
            # tool tips and menus are top-level windows of the same class, and
            # its dialogs sit in the window manager's frames.
            if (geometry and geometry.viewable and 16 <= geometry.width <= 64 and geometry.height <= 64
                    and self.desktop.parent_window(window) != root):
                return geometry
        return None

    def wait_for_unmap(self, window, timeout):
        wait_until(lambda: not self.desktop.is_viewable(window), timeout,
                   "the affirmation window to disappear")

    def wait_for_exit(self, process, timeout, what):
        try:
            return process.wait(timeout=timeout)
        except subprocess.TimeoutExpired as error:
            raise AssertionError(f"{what} did not end within {timeout:.1f} s") from error

    def assert_focus_unchanged(self, focus, active, when):
        self.assertEqual(self.desktop.focused_window(), focus, f"keyboard focus moved {when}")
        self.assertEqual(self.desktop.active_window(), active, f"active window changed {when}")

    def painted_screenshot(self, window):
        """A screenshot taken once the window shows its text (a window is
        mapped a moment before it is painted), with the window's geometry."""

        def painted():
            geometry = self.desktop.geometry(window)
            if geometry is None or not geometry.viewable:
                raise AssertionError("the affirmation window went away before it was painted")
            shot = self.desktop.screenshot()
            text = sum(1 for _x, _y, rgb in shot.pixels(
                geometry.left, geometry.top, geometry.width, geometry.height) if is_text(rgb))
            return (shot, geometry) if text >= 50 else None

        return wait_until(painted, scaled(2), "black text in the affirmation window",
                          interval=0.05)

    def click_on_text(self, window):
        """Clicks on a glyph of the affirmation, as a person would."""
        shot, geometry = self.painted_screenshot(window)
        point = darkest_stroke_point(shot, geometry)
        self.assertIsNotNone(point, f"no text pixels inside the affirmation window {geometry}")
        self.desktop.click(*point)


class SharedDesktopTestCase(SolvaneTestCase):
    """Like SolvaneTestCase, but the tests of a class share one desktop, which
    saves its start-up. Each test begins without the program's files, with the
    mouse in the bottom left corner, and ends every program it started."""

    desktop_size = (SCREEN_WIDTH, SCREEN_HEIGHT)

    @classmethod
    def setUpClass(cls):
        cls.shared_desktop = VirtualDesktop(*cls.desktop_size).__enter__()
        try:
            cls.prepare_desktop(cls.shared_desktop)
        except BaseException:
            cls.shared_desktop.close()
            raise

    @classmethod
    def prepare_desktop(cls, desktop):
        """Sets up the shared desktop further before the first test."""

    @classmethod
    def tearDownClass(cls):
        cls.shared_desktop.close()

    def setUp(self):
        self.binary = program()
        self.programs = []
        self.desktop = self.shared_desktop
        self.desktop.forget_program_files()
        self.desktop.move_mouse(0, self.desktop.height - 1)
        self.addCleanup(self._end_programs)

    def _end_programs(self):
        self.print_program_output()
        for process in self.programs:
            end_process(process)


class FirstAffirmationTest(SolvaneTestCase):
    """A first start without any settings: the default affirmation appears
    about a second later, centred, as black text with a white contour on a
    transparent background, and goes away after its display time."""

    def test_first_affirmation(self):
        started = time.monotonic()
        process = self.start_solvane()
        window = self.wait_for_hint(process, scaled(FIRST_AFFIRMATION_DEADLINE))
        appeared = time.monotonic() - started
        shot, geometry = self.painted_screenshot(window)
        print(f"affirmation window {geometry} appeared {appeared:.2f} s after start")

        shot_dir = os.environ.get("SOLVANE_SHOT_DIR")
        if shot_dir:
            path = os.path.join(shot_dir, "first-affirmation.png")
            shot.save_png(path)
            print(f"screenshot: {path}")

        self.assertTrue(self.desktop.is_viewable(window),
                        "the affirmation was gone before the screenshot")
        centre_x, centre_y = geometry.centre
        self.assertLessEqual(abs(centre_x - SCREEN_WIDTH / 2), 2, f"not centred: {geometry}")
        self.assertLessEqual(abs(centre_y - SCREEN_HEIGHT / 2), 2, f"not centred: {geometry}")
        # One line of text in the default 27-point font, with 5 pixels around it.
        self.assertGreater(geometry.width, 4 * geometry.height, f"not a single line: {geometry}")
        self.assertLess(geometry.width, SCREEN_WIDTH, f"wider than the screen: {geometry}")

        state = self.desktop.property_text(window, "_NET_WM_STATE")
        self.assertIn("_NET_WM_STATE_ABOVE", state, "the affirmation window is not top-most")
        # Tools find the window by its title: exactly "TfrmHint", in both title properties.
        self.assertEqual(self.desktop.property_text(window, "WM_NAME").strip(),
                         'WM_NAME(STRING) = "TfrmHint"')
        self.assertEqual(self.desktop.property_text(window, "_NET_WM_NAME").strip(),
                         '_NET_WM_NAME(UTF8_STRING) = "TfrmHint"')
        extents = self.desktop.property_text(window, "_NET_FRAME_EXTENTS")
        if "=" in extents:
            self.assertEqual(extents.split("=")[1].split(), ["0,", "0,", "0,", "0"],
                             "the window manager drew a frame around the affirmation")

        inside = [rgb for _x, _y, rgb in shot.pixels(
            geometry.left, geometry.top, geometry.width, geometry.height)]
        text = sum(1 for rgb in inside if is_text(rgb))
        contour = sum(1 for rgb in inside if is_contour(rgb))
        desktop = sum(1 for rgb in inside if rgb == ROOT_COLOUR)
        self.assertGreater(text, 200, "too few black text pixels in the affirmation")
        self.assertGreater(contour, 200, "too few white contour pixels around the text")
        # Transparent background: between the glyphs the desktop shows through.
        self.assertGreater(desktop, len(inside) // 3,
                           "the background around the glyphs is not transparent")
        # Nothing is drawn outside the window.
        margin = [rgb for _x, _y, rgb in shot.pixels(
            geometry.left - 20, geometry.top + geometry.height + 2, geometry.width + 40, 20)]
        self.assertTrue(margin and all(rgb == ROOT_COLOUR for rgb in margin),
                        "something was drawn below the affirmation window")

        # The tray icon sits in the tray host at the top right and shows its emblem.
        icon = wait_until(lambda: self.tray_icon(process), scaled(3), "the tray icon")
        self.assertLess(icon.top, 30, f"the tray icon is not in the tray: {icon}")
        self.assertGreater(icon.left, SCREEN_WIDTH - 100, f"the tray icon is not in the tray: {icon}")
        emblem = sum(1 for _x, _y, rgb in self.desktop.screenshot().pixels(
            icon.left, icon.top, icon.width, icon.height) if is_text(rgb))
        self.assertGreater(emblem, 10, "the tray icon shows nothing")

        # The default display time is 2.7 s, then an 18 s pause begins.
        self.wait_for_unmap(window, scaled(DEFAULT_DISPLAY_SECONDS + 4))
        shown = time.monotonic() - started - appeared
        self.assertGreater(shown, DEFAULT_DISPLAY_SECONDS - 0.8,
                           f"the affirmation stayed only {shown:.2f} s")
        self.assertIsNone(process.poll(), "solvane ended after its first affirmation")


class FocusTest(SolvaneTestCase):
    """The affirmation never takes the keyboard focus: not when it appears,
    not while it shows, not when it is clicked."""

    def test_focus_stays_with_the_focused_window(self):
        self.desktop.write_settings({"Anzeige": 20000})
        holder = self.desktop.spawn("xmessage", ["xmessage", "-geometry", "+30+60",
                                                 "I hold the keyboard focus."])
        holder_window = wait_until(lambda: self.desktop.search_windows(name="xmessage"),
                                   scaled(10), "the xmessage window")[0]
        self.desktop.run(["xdotool", "windowactivate", "--sync", str(holder_window)])
        root_window = self.desktop.root_window()
        focus = wait_until(lambda: self.desktop.focused_window() not in (0, 1, root_window)
                           and self.desktop.focused_window(), scaled(5),
                           "xmessage to take the focus")
        active = self.desktop.active_window()
        self.assertIn(hex(holder_window), active, "xmessage is not the active window")

        process = self.start_solvane()
        window = self.wait_for_hint(process, scaled(FIRST_AFFIRMATION_DEADLINE))
        self.assert_focus_unchanged(focus, active, "when the affirmation appeared")
        # The window manager may react a moment after the map; look again.
        deadline = time.monotonic() + 0.5
        while time.monotonic() < deadline:
            self.assert_focus_unchanged(focus, active, "while the affirmation showed")
            time.sleep(0.05)

        self.click_on_text(window)
        self.wait_for_unmap(window, scaled(2))
        self.assert_focus_unchanged(focus, active, "after the affirmation was clicked")
        self.assertIsNone(holder.poll(), "xmessage ended")


class ClickEndsDisplayTest(SolvaneTestCase):
    """A click on the affirmation ends the display at once; the cycle then
    goes on as after a full display, with the next affirmation after the
    pause."""

    def test_click_ends_display_and_cycle_goes_on(self):
        self.desktop.write_settings({"Anzeige": 20000, "AnzeigeIntervall": 5})
        process = self.start_solvane()
        window = self.wait_for_hint(process, scaled(FIRST_AFFIRMATION_DEADLINE))

        self.click_on_text(window)
        clicked = time.monotonic()
        self.wait_for_unmap(window, scaled(1.5))
        print(f"the display ended {time.monotonic() - clicked:.2f} s after the click")

        window = self.wait_for_hint(process, scaled(5 + 6))
        pause = time.monotonic() - clicked
        print(f"the next affirmation came {pause:.2f} s after the click")
        self.assertGreater(pause, 4.5, "the pause after a clicked display was cut short")


class InstancesTest(SolvaneTestCase):
    """The newest start wins; "solvane shutdown" ends every instance."""

    def test_second_start_ends_the_first(self):
        first = self.start_solvane()
        self.wait_for_hint(first, scaled(FIRST_AFFIRMATION_DEADLINE))

        second = self.start_solvane()
        code = self.wait_for_exit(first, scaled(5), "the first instance")
        self.assertEqual(code, 0, "the first instance did not end cleanly")
        self.wait_for_hint(second, scaled(FIRST_AFFIRMATION_DEADLINE))
        self.assertIsNone(second.poll(), "the second instance ended too")

    def test_shutdown_ends_a_running_instance(self):
        running = self.start_solvane()
        self.wait_for_hint(running, scaled(FIRST_AFFIRMATION_DEADLINE))

        shutdown = self.start_solvane("shutdown")
        self.assertEqual(self.wait_for_exit(shutdown, scaled(5), "solvane shutdown"), 0)
        self.assertEqual(self.wait_for_exit(running, scaled(5), "the running instance"), 0)
        self.assertEqual(self.desktop.search_windows(name=HINT_TITLE), [],
                         "an affirmation window is left on screen")

    def test_shutdown_without_a_display(self):
        """As from a terminal, an ssh session or a log-out script: no display at all."""
        running = self.start_solvane()
        self.wait_for_hint(running, scaled(FIRST_AFFIRMATION_DEADLINE))
        no_display = {key: value for key, value in self.desktop.env.items()
                      if key not in ("DISPLAY", "WAYLAND_DISPLAY")}

        def solvane_without_display(*words):
            return subprocess.run([self.binary, *words], env=no_display, stdin=subprocess.DEVNULL,
                                  capture_output=True, text=True, timeout=scaled(10))

        # Every word that creates windows needs the display, says so and ends nothing.
        start = solvane_without_display("options")
        self.assertEqual(start.returncode, 2, start.stderr)
        self.assertIn("no X display", start.stderr)
        self.assertIsNone(running.poll(), "a start that could not open the display ended the running instance")
        # A display named but not there is named in the message.
        gone = subprocess.run([self.binary], env=dict(no_display, DISPLAY=":987"), stdin=subprocess.DEVNULL,
                              capture_output=True, text=True, timeout=scaled(10))
        self.assertEqual(gone.returncode, 2, gone.stderr)
        self.assertIn('cannot open the X display ":987"', gone.stderr)
        self.assertIsNone(running.poll(), "a start that could not open the display ended the running instance")

        shutdown = solvane_without_display("shutdown")
        self.assertEqual(shutdown.returncode, 0, shutdown.stderr)
        self.assertEqual(self.wait_for_exit(running, scaled(5), "the running instance"), 0)

    def test_shutdown_without_a_running_instance(self):
        shutdown = self.start_solvane("shutdown")
        self.assertEqual(self.wait_for_exit(shutdown, scaled(5), "solvane shutdown"), 0)
        self.assertEqual(self.desktop.search_windows(name=HINT_TITLE), [])


def _exit_on_sigterm(_signal, _frame):
    # Leave through the normal way, so every desktop is cleaned up.
    raise SystemExit(128 + signal.SIGTERM)


if __name__ == "__main__":
    signal.signal(signal.SIGTERM, _exit_on_sigterm)
    unittest.main(verbosity=2)
