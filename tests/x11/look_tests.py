"""How a showing looks on a real X display: text, contour, shadow,
background, full screen, random colours, the monitor it goes to, and that a
click anywhere in the window's rectangle ends it, between the glyphs too.

Openbox is no compositing manager, so a transparent affirmation window is
shaped to its glyphs here, drawn without antialiasing: every pixel is exactly
the text, contour or shadow colour, or the desktop's own.

Environment as for x11_tests.py; screenshots go to SOLVANE_SHOT_DIR.
"""

import collections
import signal
import time
import unittest

from desktop import ROOT_COLOUR, SCREEN_HEIGHT, SCREEN_WIDTH, scaled, wait_until
from x11_tests import FIRST_AFFIRMATION_DEADLINE, SharedDesktopTestCase, _exit_on_sigterm

BLACK = (0, 0, 0)
WHITE = (255, 255, 255)
RED = (255, 0, 0)
# 0x0000FF in the settings' 0x00BBGGRR order.
RED_SETTING = 0x0000FF

# The sixteen base colours of the random colour schemes (R, G, B).
SCHEME_BASES = [
    (252, 174, 8), (17, 252, 255), (17, 255, 34), (255, 39, 17),
    (252, 255, 17), (255, 17, 247), (196, 17, 255), (28, 17, 255),
    (13, 22, 191), (255, 255, 255), (39, 191, 13), (191, 13, 30),
    (7, 139, 0), (247, 225, 8), (247, 8, 42), (0, 255, 216),
]

FOUR_NEIGHBOURS = ((-1, 0), (1, 0), (0, -1), (0, 1))


def scaled_channel(value, numerator, denominator):
    """value * numerator / denominator, rounded half to even, in integers."""
    quotient, remainder = divmod(value * numerator, denominator)
    if 2 * remainder > denominator or (2 * remainder == denominator and quotient % 2):
        quotient += 1
    return quotient


def background_step(text, background):
    """The brightness step r (0 to 8) for which the background is the text
    colour times (21 - r) / 21, or None when there is none."""
    for step in range(9):
        if all(scaled_channel(t, 21 - step, 21) == b for t, b in zip(text, background)):
            return step
    return None


def window_pixels(shot, geometry):
    """{(x, y): rgb} for the window's rectangle."""
    return {(x, y): rgb for x, y, rgb in
            shot.pixels(geometry.left, geometry.top, geometry.width, geometry.height)}


def gap_between_words(shot, geometry):
    """A point between two glyphs: the middle of the widest run of columns
    that show only the desktop, with drawn columns on both sides."""
    drawn = [any(shot.pixel(x, y) != ROOT_COLOUR
                 for y in range(geometry.top, geometry.top + geometry.height))
             for x in range(geometry.left, geometry.left + geometry.width)]
    best, start = None, None
    for index, column_drawn in enumerate(drawn + [True]):
        if not column_drawn and start is None:
            start = index
        elif column_drawn and start is not None:
            if start > 0 and index < len(drawn) and (best is None or index - start > best[1] - best[0]):
                best = (start, index)
            start = None
    if best is None:
        return None
    return geometry.left + (best[0] + best[1]) // 2, geometry.top + geometry.height // 2


class ShowingTestCase(SharedDesktopTestCase):
    """Starts the program with given settings and photographs its first showing."""

    def show_with(self, settings, painted):
        """Starts solvane with `settings` (a long display time added) and
        returns (screenshot, geometry, window id) once `painted(shot,
        geometry)` holds for the first affirmation."""
        self.desktop.write_settings({"Anzeige": 20000, **settings})
        process = self.start_solvane()
        window = self.wait_for_hint(process, scaled(FIRST_AFFIRMATION_DEADLINE))

        def ready():
            geometry = self.desktop.geometry(window)
            if geometry is None or not geometry.viewable:
                raise AssertionError("the affirmation window went away before it was painted")
            shot = self.desktop.screenshot()
            return (shot, geometry) if painted(shot, geometry) else None

        shot, geometry = wait_until(ready, scaled(2), "the affirmation to be painted", interval=0.05)
        return shot, geometry, window

    def save(self, shot, name, geometry=None, margin=30):
        """Saves the screenshot, or the part around the window when given."""
        if geometry is not None:
            shot = shot.crop(geometry.left - margin, geometry.top - margin,
                             geometry.width + 2 * margin, geometry.height + 2 * margin)
        self.save_picture(shot, name)


def has_black_text(shot, geometry):
    return sum(1 for rgb in window_pixels(shot, geometry).values() if rgb == BLACK) >= 50


def has_contoured_text(shot, geometry):
    counts = collections.Counter(window_pixels(shot, geometry).values())
    return counts[BLACK] >= 50 and counts[WHITE] >= 50


class LookTest(ShowingTestCase):
    """The look of a showing on one 1280x800 monitor without a compositor."""

    def test_default_look(self):
        shot, geometry, _window = self.show_with({}, has_contoured_text)
        self.save(shot, "look-default.png", geometry)

        pixels = window_pixels(shot, geometry)
        counts = collections.Counter(pixels.values())
        self.assertEqual(set(counts) - {BLACK, WHITE, ROOT_COLOUR}, set(),
                         "colours other than text, contour and desktop in the window")
        self.assertGreater(counts[BLACK], 300, "too little text")
        self.assertGreater(counts[ROOT_COLOUR], len(pixels) // 3, "the desktop does not show around the text")
        # A one-pixel contour: every text pixel is bordered by text or contour,
        # and every contour pixel touches the text.
        for (x, y), rgb in pixels.items():
            neighbours = [pixels.get((x + dx, y + dy)) for dx, dy in FOUR_NEIGHBOURS]
            if rgb == BLACK:
                self.assertNotIn(ROOT_COLOUR, neighbours, f"text pixel {x},{y} without contour")
            elif rgb == WHITE:
                self.assertIn(BLACK, neighbours, f"contour pixel {x},{y} away from the text")
        self.assertTrue(all(rgb == ROOT_COLOUR for _x, _y, rgb in shot.pixels(
            geometry.left - 10, geometry.top - 10, geometry.width + 20, 10)), "drawn above the window")

    def test_shadow(self):
        shot, geometry, _window = self.show_with({"Schatten": 1}, has_contoured_text)
        self.save(shot, "look-shadow.png", geometry)

        pixels = window_pixels(shot, geometry)
        self.assertEqual(set(pixels.values()) - {BLACK, WHITE, ROOT_COLOUR}, set())
        # The shadow is the only black without a contour; it is the text moved
        # 5 pixels right and 5 down, so 5 up and left of it there is text.
        shadow = [(x, y) for (x, y), rgb in pixels.items() if rgb == BLACK and any(
            pixels.get((x + dx, y + dy)) == ROOT_COLOUR for dx, dy in FOUR_NEIGHBOURS)]
        self.assertGreater(len(shadow), 100, "no shadow beside the text")
        for x, y in shadow:
            self.assertEqual(pixels.get((x - 5, y - 5)), BLACK,
                             f"shadow pixel {x},{y} is not 5 pixels below and right of the text")

    def test_solid_background(self):
        def red_edges(shot, geometry):
            return shot.pixel(geometry.left, geometry.top) == RED and has_black_text(shot, geometry)

        shot, geometry, _window = self.show_with(
            {"HintergrundTransparent": 0, "BackColor": RED_SETTING}, red_edges)
        self.save(shot, "look-solid-background.png", geometry)

        pixels = window_pixels(shot, geometry)
        self.assertNotIn(ROOT_COLOUR, set(pixels.values()), "the desktop shows through the background")
        edge = [rgb for (x, y), rgb in pixels.items()
                if x in (geometry.left, geometry.left + geometry.width - 1)
                or y in (geometry.top, geometry.top + geometry.height - 1)]
        self.assertEqual(set(edge), {RED}, "the window's edges are not red")
        self.assertGreater(sum(1 for rgb in pixels.values() if rgb == RED), len(pixels) // 2)
        self.assertLess(geometry.width, SCREEN_WIDTH, "a solid background alone made it full screen")
        outside = [rgb for _x, _y, rgb in shot.pixels(
            geometry.left - 10, geometry.top + geometry.height, geometry.width + 20, 10)]
        self.assertTrue(outside and all(rgb == ROOT_COLOUR for rgb in outside), "red beyond the window")

    def test_full_screen(self):
        def red_corner(shot, geometry):
            return shot.pixel(SCREEN_WIDTH - 1, SCREEN_HEIGHT - 1) == RED and has_black_text(shot, geometry)

        shot, geometry, _window = self.show_with(
            {"VollBild": 1, "HintergrundTransparent": 0, "BackColor": RED_SETTING}, red_corner)
        self.save(shot, "look-full-screen.png")

        self.assertEqual((geometry.left, geometry.top, geometry.width, geometry.height),
                         (0, 0, SCREEN_WIDTH, SCREEN_HEIGHT), "the window does not cover the monitor")
        for corner in ((0, 0), (SCREEN_WIDTH - 1, 0), (0, SCREEN_HEIGHT - 1)):
            self.assertEqual(shot.pixel(*corner), RED, f"corner {corner} is not red")
        counts = collections.Counter(rgb for _x, _y, rgb in shot.pixels(0, 0, SCREEN_WIDTH, SCREEN_HEIGHT))
        self.assertEqual(counts[ROOT_COLOUR], 0, "the desktop shows somewhere")
        self.assertGreater(counts[RED], SCREEN_WIDTH * SCREEN_HEIGHT * 9 // 10)
        # The text stays centred on the monitor.
        text = [(x, y) for x, y, rgb in shot.pixels(0, 0, SCREEN_WIDTH, SCREEN_HEIGHT) if rgb == BLACK]
        middle_x = (min(x for x, _y in text) + max(x for x, _y in text)) / 2
        middle_y = (min(y for _x, y in text) + max(y for _x, y in text)) / 2
        self.assertLess(abs(middle_x - SCREEN_WIDTH / 2), 10, "the text is not centred across")
        self.assertLess(abs(middle_y - SCREEN_HEIGHT / 2), 10, "the text is not centred down")

    def test_random_colours(self):
        def settled(shot, geometry):
            return shot.pixel(geometry.left, geometry.top) != ROOT_COLOUR

        shot, geometry, _window = self.show_with(
            {"ZufallsSchriftFarbe": 1, "ZufallsHintergrundFarbe": 1, "HintergrundTransparent": 0,
             "Konturtransparenz": 1}, settled)
        self.save(shot, "look-random-colours.png", geometry)

        background = shot.pixel(geometry.left, geometry.top)
        counts = collections.Counter(window_pixels(shot, geometry).values())
        self.assertGreater(counts[background], sum(counts.values()) // 2, "no even background")
        # Fully covered text pixels carry the text colour itself. At the brightest
        # step the background takes the very same colour and the text vanishes,
        # but for the rounding of its antialiased edges (one unit off).
        text_colours = collections.Counter({rgb: count for rgb, count in counts.items()
                                            if max(abs(a - b) for a, b in zip(rgb, background)) > 2})
        text = text_colours.most_common(1)[0][0] if text_colours else background
        print(f"text colour {text}, background {background}")
        self.assertIn(text, SCHEME_BASES, "the text colour is none of the scheme colours")
        self.assertIsNotNone(background_step(text, background),
                             f"background {background} is not the text colour {text} darkened")

    def test_huge_stored_size_is_fitted_to_the_monitor(self):
        # The load keeps any stored size; the showing must still come, fitted.
        shot, geometry, _window = self.show_with({"FontSize": 2147483647}, has_contoured_text)
        self.save(shot, "look-huge-size.png", geometry)
        self.assertLessEqual(geometry.width, SCREEN_WIDTH, "wider than the monitor")
        # The largest size that fits: one point more would not (about 25 pixels here).
        self.assertGreater(geometry.width, SCREEN_WIDTH - 60, "not the largest size that fits")

    def test_click_between_words_ends_the_display(self):
        shot, geometry, window = self.show_with({}, has_contoured_text)
        point = gap_between_words(shot, geometry)
        self.assertIsNotNone(point, f"no gap between the words in {geometry}")
        self.assertEqual(shot.pixel(*point), ROOT_COLOUR, "the gap shows more than the desktop")
        self.save(shot.marked(*point), "look-click-between-words.png", geometry)

        # The clicks between the glyphs go to an input-only window kept directly
        # above the affirmation window (its window manager frame).
        overlays = [w for w in self.desktop.search_windows(classname="TfrmHintInput", visible=False)
                    if self.desktop.is_viewable(w)]
        self.assertEqual(len(overlays), 1, "no input window over the affirmation")
        overlay = self.desktop.geometry(overlays[0])
        self.assertEqual((overlay.left, overlay.top, overlay.width, overlay.height),
                         (geometry.left, geometry.top, geometry.width, geometry.height))
        frame = window
        while self.desktop.parent_window(frame) not in (None, self.desktop.root_window()):
            frame = self.desktop.parent_window(frame)
        stack = self.desktop.top_level_windows()
        self.assertEqual(stack.index(overlays[0]) + 1, stack.index(frame),
                         "the input window is not directly above the affirmation window")

        active = self.desktop.active_window()
        self.desktop.click(*point)
        clicked = time.monotonic()
        self.wait_for_unmap(window, scaled(1))
        print(f"the display ended {time.monotonic() - clicked:.2f} s after a click between the words")
        self.assertFalse(self.desktop.is_viewable(overlays[0]), "the input window stayed after the display")
        self.assertEqual(self.desktop.active_window(), active, "the click changed the active window")


class SecondMonitorTest(ShowingTestCase):
    """Two monitors side by side, 1280x800 each, on one 2560x800 screen."""

    desktop_size = (2 * SCREEN_WIDTH, SCREEN_HEIGHT)

    @classmethod
    def prepare_desktop(cls, desktop):
        desktop.split_into_monitors([(0, 0, SCREEN_WIDTH, SCREEN_HEIGHT),
                                     (SCREEN_WIDTH, 0, SCREEN_WIDTH, SCREEN_HEIGHT)])

    def check_centred_on(self, monitor_left, settings, shot_name):
        shot, geometry, _window = self.show_with(settings, has_contoured_text)
        self.save(shot.crop(0, 0, 2 * SCREEN_WIDTH, SCREEN_HEIGHT), shot_name)
        centre_x, centre_y = geometry.centre
        self.assertLessEqual(abs(centre_x - (monitor_left + SCREEN_WIDTH / 2)), 2,
                             f"not centred on the monitor at x={monitor_left}: {geometry}")
        self.assertLessEqual(abs(centre_y - SCREEN_HEIGHT / 2), 2, f"not centred: {geometry}")

    def test_second_monitor(self):
        self.check_centred_on(SCREEN_WIDTH, {"Monitor": 1}, "look-second-monitor.png")

    def test_first_monitor(self):
        self.check_centred_on(0, {"Monitor": 0}, "look-first-monitor.png")


if __name__ == "__main__":
    signal.signal(signal.SIGTERM, _exit_on_sigterm)
    unittest.main(verbosity=2)
