"""The settings dialog as a person uses it on a real desktop (openbox and
trayer): its title and place, Escape and the window manager's close throwing
edits away as Cancel does, Tab into a field that leaving the last one
rewrote, and the tray icon answering while the font chooser is open.

The program is started with the word "options", which opens the dialog on
its "Affirmations" page. Controls are reached with the keyboard where a
person would, and clicked where the dialog's fixed layout puts them.

Environment as for x11_tests.py; screenshots go to SOLVANE_SHOT_DIR.
"""

import signal
import time
import unittest

from desktop import scaled, wait_until
from tray_tests import TrayTestCase, is_red
from x11_tests import _exit_on_sigterm

# Where a page's top-left corner lies in the dialog's client area (the tab
# widget at (5, 5), its frame and tab row), and the group box on each page.
PAGE_ORIGIN = (7, 30)
GROUP_ORIGIN = (4, 4)
# Centres of controls, inside their group box.
EDIT5_CENTRE = (48 + 417 // 2, 60 + 11)    # the single affirmation
EDIT1_CENTRE = (27 + 12, 142 + 10)         # display time, seconds
FONT_GROUP_ORIGIN = (4, 113)
BUTTON6_CENTRE = (12 + 80, 25 + 12)        # "Choose font..."


def text_property(desktop, window, name):
    """A text property of a window, e.g. _NET_WM_NAME, without its quotes."""
    line = desktop.property_text(window, name).strip()
    return line.split(" = ", 1)[1].strip('"') if " = " in line else None


class SettingsDialogTest(TrayTestCase):

    def start_with_dialog(self, settings):
        """Starts solvane with "options"; returns the process and the dialog's id
        once the dialog has the focus."""
        # A short display and a long pause keep the affirmation out of the way.
        self.desktop.write_settings({"Anzeige": 50, "AnzeigeIntervall": 600, **settings})
        process = self.start_solvane("options")
        window = wait_until(lambda: self.desktop.search_windows(name="Settings.*", pid=process.pid),
                            scaled(5), "the settings dialog")[0]
        wait_until(lambda: self.desktop.focused_window() == window
                   or self.desktop.active_window().endswith(hex(window)),
                   scaled(5), "the settings dialog to take the focus")
        return process, window

    def click_in_dialog(self, window, *offsets):
        """Clicks at the sum of the offsets from the dialog's client area."""
        geometry = self.desktop.geometry(window)
        x = geometry.left + sum(offset[0] for offset in offsets)
        y = geometry.top + sum(offset[1] for offset in offsets)
        self.desktop.click(x, y)

    def wait_for_dialog_to_close(self, window):
        wait_until(lambda: not self.desktop.is_viewable(window), scaled(2), "the dialog to close")

    def choose_from_tray_menu(self, process, access_key):
        """Opens the tray menu and picks an item by its access key."""
        icon = self.wait_for_icon(process)
        try:
            menu_window, menu = self.open_menu(process, icon)
        except AssertionError:
            # Now and then, right after the dialog has closed, the menu the
            # program opens for a right click is not shown; a second click
            # shows it. This helper only gets to the menu's items: the tray's
            # own answer is tested with a single click elsewhere.
            menu_window, menu = self.open_menu(process, icon)
        # Drawn, it has taken the keyboard too.
        wait_until(lambda: self.drawn(menu), scaled(2), "the menu to be drawn")
        self.desktop.key(access_key)
        wait_until(lambda: not self.desktop.is_viewable(menu_window), scaled(2), "the menu to close")

    def exit_and_read_settings(self, process):
        self.choose_from_tray_menu(process, "e")  # "&Exit"
        self.assertEqual(self.wait_for_exit(process, scaled(5), "solvane after Exit"), 0)
        return self.desktop.read_settings()

    def assert_centred(self, window, when):
        geometry = self.desktop.geometry(window)
        extents = self.desktop.property_text(window, "_NET_FRAME_EXTENTS").split("=", 1)[1]
        left, right, top, bottom = (int(value) for value in extents.split(","))
        centre_x = geometry.left - left + (left + geometry.width + right) / 2
        centre_y = geometry.top - top + (top + geometry.height + bottom) / 2
        print(f"{when}: the dialog {geometry} with frame {left},{right},{top},{bottom} "
              f"is centred at ({centre_x}, {centre_y})")
        self.assertLessEqual(abs(centre_x - self.desktop.width / 2), 1, when)
        self.assertLessEqual(abs(centre_y - self.desktop.height / 2), 1, when)

    def drawn(self, geometry):
        """Whether a menu is drawn: most of its area is its light background, not
        the desktop's colour behind it."""
        shot = self.desktop.screenshot()
        pixels = list(shot.pixels(geometry.left, geometry.top, geometry.width, geometry.height))
        light = sum(1 for _x, _y, rgb in pixels if min(rgb) > 200)
        return light > len(pixels) // 2

    def test_title_is_the_caption_alone_and_every_opening_is_centred(self):
        process, window = self.start_with_dialog({})
        self.assertEqual(text_property(self.desktop, window, "_NET_WM_NAME"), "Settings")
        self.assertEqual(text_property(self.desktop, window, "WM_NAME"), "Settings")
        self.assert_centred(window, "opened by the word \"options\"")

        self.desktop.key("Escape")
        self.wait_for_dialog_to_close(window)
        self.choose_from_tray_menu(process, "d")  # "&Display..."
        wait_until(lambda: self.desktop.is_viewable(window), scaled(3), "the dialog to open again")
        self.assert_centred(window, "opened again from the tray menu")

    def test_escape_and_the_close_button_throw_the_edit_away(self):
        for dismissal in ("Escape", "alt+F4"):  # openbox closes the active window on Alt+F4
            with self.subTest(dismissal=dismissal):
                self.desktop.forget_program_files()
                process, window = self.start_with_dialog({"EinzelAffirmation": "Stored words"})
                self.click_in_dialog(window, PAGE_ORIGIN, GROUP_ORIGIN, EDIT5_CENTRE)
                self.desktop.key("End")
                self.desktop.run(["xdotool", "type", " unconfirmed"])
                self.desktop.key(dismissal)
                self.wait_for_dialog_to_close(window)
                self.assertIsNone(process.poll(), "solvane ended with its dialog")
                settings = self.exit_and_read_settings(process)
                self.assertEqual(settings.get("EinzelAffirmation"), "Stored words")

    def test_tab_from_seconds_zero_selects_the_rewritten_milliseconds(self):
        # 2 s 0 ms: seconds "0" takes the bar to its minimum of 50 ms, which
        # rewrites the milliseconds from "0" to "50" as Tab moves into them.
        process, window = self.start_with_dialog({"Anzeige": 2000})
        for _page in ("font-colour", "display"):
            self.desktop.key("ctrl+Tab")
        time.sleep(0.3)  # the page to come to the front
        self.click_in_dialog(window, PAGE_ORIGIN, GROUP_ORIGIN, EDIT1_CENTRE)  # a click selects "2"
        self.desktop.key("0")
        self.desktop.key("Tab")
        self.desktop.key("7")  # replaces the selected "50"; the bar is at 50 already
        time.sleep(0.3)
        geometry = self.desktop.geometry(window)
        self.save_picture(self.desktop.screenshot().crop(geometry.left, geometry.top, geometry.width,
                                                         geometry.height), "dialog-tab-into-milliseconds.png")
        settings = self.exit_and_read_settings(process)
        self.assertEqual(settings.get("Anzeige"), 50)

    def test_tray_icon_answers_while_the_font_chooser_is_open(self):
        process, window = self.start_with_dialog({})
        self.desktop.key("ctrl+Tab")  # "Font & Color"
        time.sleep(0.3)
        self.click_in_dialog(window, PAGE_ORIGIN, FONT_GROUP_ORIGIN, BUTTON6_CENTRE)
        chooser = wait_until(lambda: self.desktop.search_windows(name="Select Font.*", pid=process.pid),
                             scaled(5), "the font chooser")[0]
        self.assertEqual(text_property(self.desktop, chooser, "_NET_WM_NAME"), "Select Font")

        icon = self.wait_for_icon(process)
        # A left click stops the cycle: the stopped icon shows its red sign.
        self.desktop.click(icon.left + icon.width // 2, icon.top + icon.height // 2)
        wait_until(lambda: sum(1 for _x, _y, rgb in self.icon_pixels(icon)[1] if is_red(rgb)) > 10,
                   scaled(2), "the stopped icon")

        # A right click opens the tray menu at the icon, drawn with its items.
        menu_window, menu = self.open_menu(process, icon)
        self.assertLess(abs(menu.top - (icon.top + icon.height // 2)), 30, f"{menu} is not at the icon {icon}")
        self.assertGreater(menu.height, 9 * 16, f"too few items in the menu {menu}")
        wait_until(lambda: self.drawn(menu), scaled(2), "the menu to be drawn")
        self.save_picture(self.desktop.screenshot(), "tray-menu-over-the-font-chooser.png")
        self.desktop.key("Escape")
        wait_until(lambda: not self.desktop.is_viewable(menu_window), scaled(2), "the menu to close")
        self.assertTrue(self.desktop.is_viewable(chooser), "the chooser closed")


if __name__ == "__main__":
    signal.signal(signal.SIGTERM, _exit_on_sigterm)
    unittest.main(verbosity=2)
