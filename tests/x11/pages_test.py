"""The maker's pages ship with the program: the tray menu's "Online Tutorials"
item hands the desktop's opener a file:// address of the tutorial page, and
that page is there, in the interface's language.

The desktop's opener is stood in for by an `xdg-open` on the program's PATH
that writes down what it was asked to open.

Environment as for x11_tests.py.
"""

import os
import signal
import stat
import unittest
import urllib.parse

from desktop import scaled, wait_until
from tray_tests import TrayTestCase
from x11_tests import _exit_on_sigterm


class ShippedPagesTest(TrayTestCase):

    def recording_opener(self):
        """A folder with an `xdg-open` that appends its argument to a file; (folder, file)."""
        folder = os.path.join(self.desktop.dir, "opener")
        os.makedirs(folder, exist_ok=True)
        record = os.path.join(folder, "opened.txt")
        if os.path.exists(record):
            os.remove(record)
        script = os.path.join(folder, "xdg-open")
        with open(script, "w", encoding="utf-8") as out:
            out.write(f'#!/bin/sh\nprintf "%s\\n" "$1" >> "{record}"\n')
        os.chmod(script, stat.S_IRWXU)
        return folder, record

    def opened_by_online_tutorials(self, settings):
        folder, record = self.recording_opener()
        self.desktop.write_settings({"Anzeige": 300, **settings})
        process = self.start_solvane(env={"PATH": folder + os.pathsep + os.environ.get("PATH", "")})
        icon = self.wait_for_icon(process)
        self.open_menu(process, icon)
        self.desktop.key("o")  # the access key of "&Online Tutorials..." in English and German
        wait_until(lambda: os.path.exists(record) and os.path.getsize(record) > 0, scaled(5),
                   "the page to be handed to the opener")
        with open(record, encoding="utf-8") as opened:
            addresses = opened.read().split()
        self.assertEqual(len(addresses), 1, f"opened: {addresses}")
        address = addresses[0]
        process.terminate()
        process.wait(timeout=scaled(5))
        return address

    def assert_shipped_page(self, address, ending):
        self.assertTrue(address.startswith("file:///"), f"not a local page: {address}")
        path = urllib.parse.unquote(urllib.parse.urlparse(address).path)
        self.assertTrue(path.endswith(ending), f"{path} is not the page {ending}")
        self.assertTrue(os.path.isfile(path), f"the page {path} does not exist")
        with open(path, encoding="utf-8") as page:
            self.assertIn("<html", page.read())

    def test_online_tutorials_opens_the_shipped_tutorial(self):
        self.assert_shipped_page(self.opened_by_online_tutorials({}), "/pages/en/tutorial.html")
        self.desktop.forget_program_files()
        german = self.opened_by_online_tutorials({"Installer Language": "1031"})
        self.assert_shipped_page(german, "/pages/de/anleitung.html")


if __name__ == "__main__":
    signal.signal(signal.SIGTERM, _exit_on_sigterm)
    unittest.main(verbosity=2)
