"""Runs the Windows program (solvane.exe) under Wine on a virtual X desktop and
checks what a person would see: the affirmation window appears about 0.9 s after
the start without taking the focus, the tray icon docks in the tray host, the
newest start wins and "solvane.exe shutdown" ends every instance; in Wine's own
desktop window (whose taskbar has a tray that passes clicks on) a left click on
the icon stops the cycle and Exit stores the settings in the registry.

Environment: SOLVANE_EXE (the program), SOLVANE_WINEPREFIX (the private prefix
of the build folder), SOLVANE_SHOT_DIR (where the screenshots go). Each class
shares one desktop; each test starts without settings.
"""

import os
import subprocess
import sys
import time
import unittest

from wine_desktop import (MACHINE_KEY, RUN_KEY, SETTINGS_KEY, WineDesktop, program, scaled)
from desktop import ROOT_COLOUR, end_process, wait_until
from x11_tests import HINT_TITLE, is_contour, is_text

# The first affirmation comes about 0.9 s after start; Wine starts a program in
# about half a second more on an idle machine.
FIRST_AFFIRMATION_DEADLINE = 6.0
# The values the program stores at Exit.
STORED_VALUE_COUNT = 29


class WineTestCase(unittest.TestCase):
    desktop_options = {}

    @classmethod
    def setUpClass(cls):
        cls.exe = program()
        cls.desktop = WineDesktop(**cls.desktop_options).__enter__()

    @classmethod
    def tearDownClass(cls):
        cls.desktop.close()

    def setUp(self):
        self.programs = []
        self.desktop.forget_program_settings()
        self.addCleanup(self.end_programs)

    def end_programs(self):
        if any(process.poll() is None for process in self.programs):
            self.desktop.wine([self.exe, "shutdown"], check=False)
        for process in self.programs:
            end_process(process)
            log = self.desktop.log_of(process)
            if log.strip():
                # ctest shows this only when the test fails.
                print(f"--- output of wine (pid {process.pid}) ---\n{log}", file=sys.stderr)

    def start_solvane(self, *words):
        process = self.desktop.spawn("solvane", ["wine", self.exe, *words])
        self.programs.append(process)
        return process

    def save_picture(self, shot, name):
        folder = os.environ.get("SOLVANE_SHOT_DIR")
        if folder:
            os.makedirs(folder, exist_ok=True)
            path = os.path.join(folder, name)
            shot.save_png(path)
            print(f"screenshot: {path}")

    def hint_windows(self):
        return self.desktop.search_windows(name=HINT_TITLE)

    def wait_for_hint(self, process, timeout):
        def found():
            if process.poll() is not None:
                raise AssertionError(f"solvane.exe ended with code {process.returncode} "
                                     "before its affirmation appeared")
            windows = self.hint_windows()
            return windows[0] if windows else None

        return wait_until(found, timeout, "the affirmation window to appear")

    def wait_for_exit(self, process, timeout, what):
        wait_until(lambda: process.poll() is not None, timeout, f"{what} to end")
        return process.returncode

    # --- Wine's own desktop window, whose taskbar has a tray that passes clicks on ---

    DESKTOP_NAME = "solvane"
    DESKTOP_SIZE = (1024, 700)

    def start_in_wine_desktop(self, windows_path):
        """Starts the program at windows_path in Wine's desktop window; returns the
        window's geometry on screen."""
        width, height = self.DESKTOP_SIZE
        process = self.desktop.spawn("explorer", ["wine", "explorer", f"/desktop={self.DESKTOP_NAME},{width}x{height}",
                                                  windows_path])
        self.programs.append(process)
        window = wait_until(lambda: self.wine_desktop_windows(), scaled(30), "Wine's desktop window")[0]
        return wait_until(lambda: (g := self.desktop.geometry(window)) and g.viewable and g,
                          scaled(5), "Wine's desktop window on screen")

    def wine_desktop_windows(self):
        return self.desktop.search_windows(name=f"{self.DESKTOP_NAME} - Wine desktop")

    def wait_for_wine_desktop_to_close(self):
        wait_until(lambda: not self.wine_desktop_windows(), scaled(10),
                   "Wine's desktop window to close once the program has ended")

    def text_pixels(self, area):
        """The black text pixels in the middle band of Wine's desktop window, where
        the affirmation shows."""
        band = area.height // 4
        return sum(1 for _x, _y, rgb in self.desktop.screenshot().pixels(
            area.left, area.top + band, area.width, 2 * band) if is_text(rgb))

    @staticmethod
    def tray_icon_point(area):
        """The tray's icons sit at the right end of the taskbar at the bottom."""
        return area.left + area.width - 11, area.top + area.height - 10

    def open_tray_menu(self, area, picture_name):
        """Right-clicks the tray icon and photographs the menu that opens."""
        self.desktop.click(*self.tray_icon_point(area), 3)
        time.sleep(scaled(1))
        self.save_picture(self.desktop.screenshot().crop(area.left + area.width - 260, area.top + area.height - 260,
                                                         260, 260), picture_name)

    def wait_for_stored_settings(self):
        """The settings that Exit stores, once they are all there."""
        values = wait_until(lambda: (v := self.desktop.registry_values(SETTINGS_KEY)) and len(v) >= STORED_VALUE_COUNT
                            and v, scaled(10), "Exit to store the settings")
        self.assertEqual(len(values), STORED_VALUE_COUNT, sorted(values))
        return values


class FirstAffirmationTest(WineTestCase):
    """A first start: the default affirmation appears about a second later,
    centred, black antialiased text with a white contour and nothing else drawn,
    without taking the focus; the tray icon docks in the tray host."""

    def test_first_affirmation(self):
        # A window of another program holds the keyboard focus before the start.
        holder = self.desktop.spawn("xmessage", ["xmessage", "-geometry", "+30+60", "I hold the keyboard focus."])
        self.programs.append(holder)
        holder_window = wait_until(lambda: self.desktop.search_windows(name="xmessage"), scaled(10),
                                   "the xmessage window")[0]
        self.desktop.run(["xdotool", "windowactivate", "--sync", str(holder_window)])
        root_window = self.desktop.root_window()
        focus_before = wait_until(lambda: self.desktop.focused_window() not in (0, 1, root_window)
                                  and self.desktop.focused_window(), scaled(5), "xmessage to take the focus")
        started = time.monotonic()
        process = self.start_solvane()
        window = self.wait_for_hint(process, scaled(FIRST_AFFIRMATION_DEADLINE))
        appeared = time.monotonic() - started
        print(f"the affirmation window appeared {appeared:.2f} s after the start")
        self.assertGreater(appeared, 0.8, "the affirmation came before the start-up tick")

        geometry = wait_until(lambda: (g := self.desktop.geometry(window)) and g.viewable and g,
                              scaled(2), "the affirmation window on screen")
        time.sleep(0.3)  # its first paint
        shot = self.desktop.screenshot()
        self.save_picture(shot, "wine-first-affirmation.png")
        self.save_picture(shot.crop(geometry.left - 10, geometry.top - 10, geometry.width + 20,
                                    geometry.height + 20), "wine-first-affirmation-window.png")

        self.assertEqual(self.desktop.focused_window(), focus_before,
                         "the affirmation window took the keyboard focus")
        self.assertIn(hex(holder_window), self.desktop.active_window(), "xmessage is no longer the active window")
        centre_x, centre_y = geometry.centre
        self.assertLessEqual(abs(centre_x - self.desktop.width / 2), 2, f"not centred: {geometry}")
        self.assertLessEqual(abs(centre_y - self.desktop.height / 2), 2, f"not centred: {geometry}")
        self.assertGreater(geometry.width, 4 * geometry.height, f"not a single line: {geometry}")

        inside = [rgb for _x, _y, rgb in shot.pixels(geometry.left, geometry.top, geometry.width,
                                                       geometry.height)]
        text = sum(1 for rgb in inside if is_text(rgb))
        contour = sum(1 for rgb in inside if is_contour(rgb))
        desktop = sum(1 for rgb in inside if rgb == ROOT_COLOUR)
        # Antialiased: the glyphs' edges blend into the desktop behind them.
        blended = sum(1 for rgb in inside
                      if rgb != ROOT_COLOUR and not is_text(rgb) and not is_contour(rgb))
        self.assertGreater(text, 200, "too few black text pixels in the affirmation")
        self.assertGreater(contour, 200, "too few white contour pixels around the text")
        self.assertGreater(blended, 50, "no antialiased edges")
        self.assertGreater(desktop, len(inside) // 3, "the background around the glyphs is not transparent")
        margin = [rgb for _x, _y, rgb in shot.pixels(geometry.left - 20, geometry.top + geometry.height + 2,
                                                     geometry.width + 40, 20)]
        self.assertTrue(margin and all(rgb == ROOT_COLOUR for rgb in margin),
                        "something was drawn below the affirmation window")

        # The tray icon: Wine's desktop process docks a small window for it in the tray
        # host at the top right. (Wine leaves that slot empty on this display; the
        # icon's picture is checked in Wine's own desktop window, by TrayTest.)
        def docked_icon():
            for candidate in self.desktop.search_windows(classname="explorer.exe"):
                g = self.desktop.geometry(candidate)
                if (g and 16 <= g.width <= 64 and g.height <= 64 and g.top < 30
                        and g.left > self.desktop.width - 200
                        and self.desktop.parent_window(candidate) != self.desktop.root_window()):
                    return g
            return None

        wait_until(docked_icon, scaled(5), "the tray icon in the tray host")
        self.assertIsNone(process.poll(), "solvane.exe ended")


class InstancesTest(WineTestCase):
    """The newest start wins; "solvane.exe shutdown" ends every instance."""

    def test_second_start_ends_the_first(self):
        first = self.start_solvane()
        self.wait_for_hint(first, scaled(FIRST_AFFIRMATION_DEADLINE))
        second = self.start_solvane()
        self.assertEqual(self.wait_for_exit(first, scaled(10), "the first instance"), 0)
        self.wait_for_hint(second, scaled(FIRST_AFFIRMATION_DEADLINE))
        self.assertIsNone(second.poll(), "the second instance ended too")
        # The first instance saved nothing: it was ended, not closed.
        self.assertEqual(self.desktop.registry_values(SETTINGS_KEY), {})

    def test_shutdown_ends_every_instance(self):
        running = self.start_solvane("hide")
        self.wait_for_hint(running, scaled(FIRST_AFFIRMATION_DEADLINE))
        started = time.monotonic()
        self.desktop.wine([self.exe, "shutdown"])
        self.assertEqual(self.wait_for_exit(running, scaled(5), "the running instance"), 0)
        print(f"shutdown took {time.monotonic() - started:.2f} s")
        self.assertEqual(self.hint_windows(), [], "an affirmation window is left on screen")


class TrayTest(WineTestCase):
    """In Wine's own desktop window, whose taskbar has a tray that hands clicks
    to the program (the tray host of the X display does not pass them on): a left
    click stops the cycle and the next starts it; Exit from the tray menu stores
    the settings and the log-on entry in the registry."""

    def test_left_click_stops_and_starts_and_exit_stores_the_settings(self):
        # A long display and the shortest pause: a stopped cycle is one whose next
        # affirmation does not come after the pause.
        self.desktop.write_settings({"Anzeige": 20000, "AnzeigeIntervall": 5})
        windows_path = self.desktop.windows_path(self.exe)
        area = self.start_in_wine_desktop(windows_path)
        wait_until(lambda: self.text_pixels(area) > 200, scaled(FIRST_AFFIRMATION_DEADLINE),
                   "the first affirmation in Wine's desktop")
        icon_x, icon_y = self.tray_icon_point(area)
        emblem = self.desktop.screenshot().pixels(icon_x - 8, icon_y - 8, 16, 16)
        self.assertGreater(sum(1 for _x, _y, rgb in emblem if is_text(rgb)), 10,
                           "the tray icon shows no emblem")

        self.desktop.click(icon_x, icon_y, 1)
        wait_until(lambda: self.text_pixels(area) == 0, scaled(2), "the stop to end the display")
        stopped = time.monotonic()
        while time.monotonic() - stopped < 5 + 2:
            self.assertEqual(self.text_pixels(area), 0, "an affirmation came while the cycle was stopped")
            time.sleep(0.25)

        self.desktop.click(icon_x, icon_y, 1)
        wait_until(lambda: self.text_pixels(area) > 200, scaled(3), "the start to show an affirmation at once")

        # Right click: the tray menu; its last item, Exit, is one step up from none.
        self.open_tray_menu(area, "wine-tray-menu.png")
        self.desktop.key("Up")
        self.desktop.key("Return")
        values = self.wait_for_stored_settings()
        self.assertEqual(values["Anzeige"], ("REG_DWORD", "0x4e20"))
        self.assertEqual(values["FontName"][0], "REG_SZ")
        run = self.desktop.registry_values(RUN_KEY)
        self.assertEqual(run.get("Solvane"), ("REG_SZ", f'"{windows_path}" start'))
        self.wait_for_wine_desktop_to_close()


class DialogTest(WineTestCase):
    """"solvane.exe options" opens the settings dialog with an affirmation; its six
    pages turn with Ctrl+Tab and each shows its controls; OK stores the edited text
    with every other setting in the registry; Cancel brings the stored text back, and
    the next affirmation shows that one."""

    DIALOG_TITLE = "Settings"
    # The buttons' centres in the dialog's client area at 96 dots per inch.
    OK_BUTTON = (373, 380)
    CANCEL_BUTTON = (465, 380)
    LONG_TEXT = "A much longer affirmation, which Cancel takes back again before it ever shows."

    def open_dialog(self):
        process = self.start_solvane("options")
        window = wait_until(lambda: self.desktop.search_windows(name=self.DIALOG_TITLE), scaled(10),
                            "the settings dialog")[0]
        geometry = wait_until(lambda: (g := self.desktop.geometry(window)) and g.viewable and g, scaled(5),
                              "the settings dialog on screen")
        time.sleep(scaled(0.5))  # its first paint
        return process, window, geometry

    def replace_affirmation(self, text, focus_on_tabs=False):
        # The Affirmations page's field is its first control: Tab from the page tabs
        # enters it and selects its whole text. The dialog opens with the focus in it.
        if not focus_on_tabs:
            self.desktop.key("shift+Tab")
        self.desktop.key("Tab")
        self.desktop.run(["xdotool", "type", "--delay", "20", text])

    def press(self, geometry, button):
        self.desktop.click(geometry.left + button[0], geometry.top + button[1])

    def test_pages_ok_and_cancel(self):
        self.desktop.write_settings({"AnzeigeIntervall": 5, "Anzeige": 1000})
        process, window, geometry = self.open_dialog()
        self.wait_for_hint(process, scaled(3))

        pages = []
        for number in range(1, 7):
            shot = self.desktop.screenshot().crop(geometry.left, geometry.top, geometry.width, geometry.height)
            self.save_picture(shot, f"wine-dialog-page-{number}.png")
            pixels = [rgb for _x, _y, rgb in shot.pixels(0, 0, shot.width, shot.height)]
            black = sum(1 for rgb in pixels if rgb == (0, 0, 0))
            # A page whose ground is not painted shows black (or the page before it).
            self.assertLess(black, len(pixels) // 20, f"page {number} is largely black")
            pages.append(hash(tuple(pixels)))
            self.desktop.key("ctrl+Tab")
            time.sleep(scaled(0.4))
        self.assertEqual(len(set(pages)), 6, "Ctrl+Tab did not show six different pages")

        # Back on the first page, the Affirmations page, with the focus on the tabs.
        self.replace_affirmation("Rock on.", focus_on_tabs=True)
        self.press(geometry, self.OK_BUTTON)
        wait_until(lambda: not self.desktop.is_viewable(window), scaled(3), "OK to close the dialog")
        values = self.desktop.registry_values(SETTINGS_KEY)
        self.assertEqual(len(values), STORED_VALUE_COUNT, sorted(values))
        self.assertEqual(values["EinzelAffirmation"], ("REG_SZ", "Rock on."))

        # A new start ends this instance; its dialog takes an edit and Cancel.
        process, window, geometry = self.open_dialog()
        self.replace_affirmation(self.LONG_TEXT)
        self.press(geometry, self.CANCEL_BUTTON)
        wait_until(lambda: not self.desktop.is_viewable(window), scaled(3), "Cancel to close the dialog")
        self.assertEqual(self.desktop.registry_values(SETTINGS_KEY)["EinzelAffirmation"], ("REG_SZ", "Rock on."))
        # The next affirmation, after the 5 s pause, is the short stored text.
        wait_until(lambda: not self.hint_windows(), scaled(3), "the affirmation of the start to end")
        hint = self.wait_for_hint(process, scaled(5 + 4))
        shown = wait_until(lambda: (g := self.desktop.geometry(hint)) and g.viewable and g, scaled(2),
                           "the next affirmation on screen")
        self.assertLess(shown.width, 400, f"the next affirmation is not the stored short text: {shown}")
