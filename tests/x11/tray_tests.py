"""The tray icon in a real tray host (trayer, over XEmbed): its tool tip, a
left click that stops and starts the cycle, the menu of a right click, Exit
from that menu, the word "hide" at start, and the German texts.

The tray host does not tell what a tool tip or a menu item says, so the texts
are compared by their size on screen, and the screenshots of the shot folder
show them as a person sees them.

Environment as for x11_tests.py; screenshots go to SOLVANE_SHOT_DIR.
"""

import os
import signal
import time
import unittest

from desktop import scaled, wait_until
from x11_tests import (FIRST_AFFIRMATION_DEADLINE, HINT_TITLE, SharedDesktopTestCase, _exit_on_sigterm,
                       is_text)

TOOLTIP = "_NET_WM_WINDOW_TYPE_TOOLTIP"
# The start-up tick comes 0.9 s after the program's windows are made.
STARTUP_TICK_SECONDS = 0.9


def is_red(rgb):
    red, green, blue = rgb
    return red > 160 and green < 90 and blue < 90


class TrayTestCase(SharedDesktopTestCase):

    def wait_for_icon(self, process):
        return wait_until(lambda: self.tray_icon(process), scaled(3), "the tray icon")

    def icon_pixels(self, icon):
        shot = self.desktop.screenshot()
        return shot, list(shot.pixels(icon.left, icon.top, icon.width, icon.height))

    def visible_windows(self, process, wanted):
        """[(id, geometry)] of the program's visible windows that `wanted(id)` accepts."""
        found = []
        for window in self.desktop.search_windows(pid=process.pid):
            geometry = self.desktop.geometry(window)
            if geometry and geometry.viewable and wanted(window):
                found.append((window, geometry))
        return found

    def is_tool_tip(self, window):
        return TOOLTIP in self.desktop.window_types(window)

    def tool_tip(self, process, icon, name):
        """Hovers over the icon; returns the geometry and the picture of the
        tool tip that appears, and saves the picture with some surroundings."""
        self.desktop.move_mouse(icon.left - 200, icon.top + 200)
        wait_until(lambda: not self.visible_windows(process, self.is_tool_tip), scaled(3),
                   "an earlier tool tip to go")
        # Into the icon and a little within it, as a hand moves: after a click
        # Qt waits for a motion inside before it shows a tip again.
        self.desktop.move_mouse(icon.left + icon.width // 2 - 1, icon.top + icon.height // 2 - 1)
        self.desktop.move_mouse(icon.left + icon.width // 2, icon.top + icon.height // 2)
        _window, tip = wait_until(lambda: self.visible_windows(process, self.is_tool_tip),
                                  scaled(4), "the tool tip")[0]
        # The tip is painted a moment after it is mapped.
        shot = wait_until(lambda: self._painted(tip), scaled(2), "the tool tip's text")
        self.save_picture(shot.crop(tip.left - 20, tip.top - 20, tip.width + 40, tip.height + 40), name)
        self.desktop.move_mouse(icon.left - 200, icon.top + 200)
        return tip, shot.crop(tip.left, tip.top, tip.width, tip.height)

    def _painted(self, geometry):
        shot = self.desktop.screenshot()
        text = sum(1 for _x, _y, rgb in shot.pixels(geometry.left, geometry.top, geometry.width,
                                                     geometry.height) if is_text(rgb))
        return shot if text > 30 else None

    def open_menu(self, process, icon):
        """Right-clicks the icon; returns the id and geometry of the menu that opens."""
        before = {window for window, _geometry in self.visible_windows(process, lambda _w: True)}
        self.desktop.click(icon.left + icon.width // 2, icon.top + icon.height // 2, button=3)
        window, menu = wait_until(
            lambda: self.visible_windows(process, lambda w: w not in before and not self.is_tool_tip(w)),
            scaled(3), "the tray menu")[0]
        wait_until(lambda: self._painted(menu), scaled(2), "the menu's items")
        return window, menu


class TrayTest(TrayTestCase):

    def test_tool_tip_follows_the_state(self):
        self.desktop.write_settings({"Anzeige": 300})
        process = self.start_solvane()
        icon = self.wait_for_icon(process)
        running, running_picture = self.tool_tip(process, icon, "tray-tool-tip-running.png")
        # "Left-Click: Stop / Right-Click: Menu": one line, some thirty characters.
        self.assertLess(running.height, 40, f"the tool tip is not one line: {running}")
        self.assertGreater(running.width, 120, f"the tool tip is too short: {running}")
        self.assertLess(running.width, 400, f"the tool tip is too long: {running}")

        self.desktop.click(icon.left + icon.width // 2, icon.top + icon.height // 2)
        self.desktop.move_mouse(icon.left - 200, icon.top + 200)
        stopped, stopped_picture = self.tool_tip(process, icon, "tray-tool-tip-stopped.png")
        self.assertNotEqual(stopped_picture.rgb, running_picture.rgb, "the tool tip did not change when stopped")
        # "Left-Click: Start / Right-Click: Menu" is a little wider than "...Stop...".
        self.assertGreater(stopped.width, running.width)
        self.assertLess(stopped.width, running.width + 20)

    def test_left_click_stops_and_starts(self):
        self.desktop.write_settings({"Anzeige": 20000})
        process = self.start_solvane()
        window = self.wait_for_hint(process, scaled(FIRST_AFFIRMATION_DEADLINE))
        icon = self.wait_for_icon(process)
        shot, pixels = self.icon_pixels(icon)
        self.save_picture(shot.crop(icon.left - 40, 0, icon.width + 40, icon.height + 8), "tray-icon-running.png")
        self.assertFalse(any(is_red(rgb) for _x, _y, rgb in pixels), "red in the running icon")
        self.assertGreater(sum(1 for _x, _y, rgb in pixels if is_text(rgb)), 10, "the icon shows nothing")

        self.desktop.click(icon.left + icon.width // 2, icon.top + icon.height // 2)
        clicked = time.monotonic()
        self.wait_for_unmap(window, scaled(1))
        print(f"the affirmation went {time.monotonic() - clicked:.2f} s after the click on the icon")
        wait_until(lambda: sum(1 for _x, _y, rgb in self.icon_pixels(icon)[1] if is_red(rgb)) > 10,
                   scaled(2), "the stopped icon with its red sign")
        shot, _pixels = self.icon_pixels(icon)
        self.save_picture(shot.crop(icon.left - 40, 0, icon.width + 40, icon.height + 8), "tray-icon-stopped.png")

        # Started again, the next affirmation comes at once.
        self.desktop.click(icon.left + icon.width // 2, icon.top + icon.height // 2)
        self.wait_for_hint(process, scaled(2))
        wait_until(lambda: not any(is_red(rgb) for _x, _y, rgb in self.icon_pixels(icon)[1]),
                   scaled(2), "the running icon again")

    def test_right_click_opens_the_menu(self):
        self.desktop.write_settings({"Anzeige": 300})
        process = self.start_solvane()
        icon = self.wait_for_icon(process)
        menu_window, menu = self.open_menu(process, icon)
        shot = self.desktop.screenshot()
        self.save_picture(shot.crop(menu.left - 20, 0, menu.width + 40, menu.top + menu.height + 20), "tray-menu.png")
        # Nine items and three separators, below the tray and next to the icon.
        self.assertGreater(menu.height, 9 * 16, f"too few items in the menu: {menu}")
        self.assertLess(menu.height, 400, f"the menu is too tall: {menu}")
        cursor_x, cursor_y = self.desktop.mouse_position()
        self.assertTrue(menu.left <= cursor_x <= menu.left + menu.width and abs(menu.top - cursor_y) < 30,
                        f"the menu {menu} did not open at the mouse ({cursor_x}, {cursor_y})")
        self.desktop.key("Escape")
        wait_until(lambda: not self.desktop.is_viewable(menu_window), scaled(2), "the menu to close")
        self.assertIsNone(process.poll(), "solvane ended when its menu closed")

    def test_exit_saves_and_ends(self):
        process = self.start_solvane()
        icon = self.wait_for_icon(process)
        self.assertFalse(os.path.exists(self.desktop.settings_path()), "settings saved before Exit")
        _menu_window, menu = self.open_menu(process, icon)
        # Exit is the last item.
        exit_item = (menu.left + menu.width // 2, menu.top + menu.height - 12)
        self.desktop.move_mouse(*exit_item)
        time.sleep(0.2)  # let the item light up for the picture
        shot = self.desktop.screenshot()
        self.save_picture(shot.crop(menu.left - 20, 0, menu.width + 40, menu.top + menu.height + 20).marked(
            exit_item[0] - menu.left + 20, exit_item[1]), "tray-menu-exit.png")
        self.desktop.click(*exit_item)
        self.assertEqual(self.wait_for_exit(process, scaled(5), "solvane after Exit"), 0)
        settings = self.desktop.read_settings()
        # A first start saves the defaults: 2.7 s on screen, 18 s pause.
        self.assertEqual(settings.get("Anzeige"), 2700)
        self.assertEqual(settings.get("AnzeigeIntervall"), 18)
        self.assertEqual(self.desktop.search_windows(name=HINT_TITLE), [])
        self.assertIsNone(self.tray_icon(process), "the icon stayed in the tray")

    def test_german_texts_in_the_tray(self):
        """The tool tip and the menu follow the installer's language."""
        sizes, pictures = {}, {}
        for language, settings in (("english", {}), ("german", {"Installer Language": "1031"})):
            self.desktop.forget_program_files()
            self.desktop.write_settings({"Anzeige": 300, **settings})
            process = self.start_solvane()
            icon = self.wait_for_icon(process)
            tip, _tip_picture = self.tool_tip(process, icon, f"tray-tool-tip-{language}.png")
            _menu_window, menu = self.open_menu(process, icon)
            shot = self.desktop.screenshot()
            self.save_picture(shot.crop(menu.left - 20, 0, menu.width + 40, menu.top + menu.height + 20),
                      f"tray-menu-{language}.png")
            sizes[language] = (tip.width, menu.width, menu.height)
            pictures[language] = shot.crop(menu.left, menu.top, menu.width, menu.height).rgb
            self.desktop.key("Escape")
            process.terminate()
            process.wait(timeout=scaled(5))
        print(f"tool tip width, menu width and height: {sizes}")
        # "Linksklick: Stopp / Rechtsklick: Menü" is longer than "Left-Click: Stop / Right-Click: Menu".
        self.assertGreater(sizes["german"][0], sizes["english"][0], "the tool tip is not German")
        # The same twelve lines, other words.
        self.assertEqual(sizes["german"][2], sizes["english"][2], "the menu has other items in German")
        self.assertNotEqual(pictures["german"], pictures["english"], "the menu is not German")


class HideWordTest(TrayTestCase):

    def test_hide_removes_the_icon_after_the_start_up_tick(self):
        started = time.monotonic()
        process = self.start_solvane("hide")
        self.wait_for_icon(process)
        seen = time.monotonic() - started
        wait_until(lambda: self.tray_icon(process) is None, scaled(3), "the icon to go")
        gone = time.monotonic() - started
        print(f"the icon was there {seen:.2f} s after start and gone {gone:.2f} s after start")
        self.assertGreater(gone - seen, STARTUP_TICK_SECONDS - 0.4, "the icon went too early")
        # Hidden, the program goes on: the first affirmation comes with the tick.
        self.wait_for_hint(process, scaled(2))
        self.assertIsNone(self.tray_icon(process), "the icon came back")


if __name__ == "__main__":
    signal.signal(signal.SIGTERM, _exit_on_sigterm)
    unittest.main(verbosity=2)
