"""The Windows installer and the portable zip under Wine, as an administrator and a user
meet them: a silent installation puts the program's files into Program Files, records
the chosen language for the program, adds a Start-menu entry and an entry in "Add or
remove programs"; the installed program speaks the recorded language; the uninstaller
ends the running program and takes everything away again, the user's settings only
when asked to. The zip holds the same files, and the program runs from an unpacked copy.

Which language the tray menu speaks is told by its access keys, which differ between
the languages: in German the Exit item is "&Beenden", in Indonesian "&Keluar", and no
English item has B or K for its key. A key that no item has leaves the menu open.

Environment, besides that of wine_tests: SOLVANE_INSTALLER, SOLVANE_PORTABLE_ZIP,
SOLVANE_VERSION. Each test leaves the prefix as it found it: no installation, no
language recorded, no settings.
"""

import os
import shutil
import tempfile
import time
import unittest
import zipfile

from desktop import wait_until
from wine_desktop import MACHINE_KEY, RUN_KEY, SETTINGS_KEY, scaled
from wine_tests import FIRST_AFFIRMATION_DEADLINE, WineTestCase

SOURCE_DIR = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))

INSTALL_FOLDER = r"C:\Program Files\Solvane"
INSTALLED_PROGRAM = INSTALL_FOLDER + r"\solvane.exe"
UNINSTALLER = INSTALL_FOLDER + r"\uninstall.exe"
UNINSTALL_KEY = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Solvane"
START_MENU_ENTRY = r"C:\ProgramData\Microsoft\Windows\Start Menu\Programs\Solvane.lnk"
LANGUAGE_VALUE = "Installer Language"
# The program's language files, one for each language of its table but German.
LANGUAGE_FILE_COUNT = 45
# The German default affirmation, which the program stores at the first Exit.
GERMAN_AFFIRMATION = "Ich schreite mit Leichtigkeit voran."


def environment_file(name):
    path = os.environ.get(name, "")
    if not os.path.isfile(path):
        raise AssertionError(f"no file at {path!r} (set {name})")
    return path


def shipped_files():
    """What the source tree ships with solvane.exe, as paths with "/": the help file,
    the language files, the pages and the dialog's pictures."""
    files = {"solvane.exe", "readme.txt"}
    languages = os.path.join(SOURCE_DIR, "languages")
    files |= {name for name in os.listdir(languages) if name.endswith(".txt") and name != "CMakeLists.txt"}
    resources = os.path.join(SOURCE_DIR, "resources")
    for folder, endings in (("pages", (".html", ".css")), ("pictures", (".jpg",))):
        for root, _folders, names in os.walk(os.path.join(resources, folder)):
            files |= {os.path.relpath(os.path.join(root, name), resources).replace(os.sep, "/")
                      for name in names if name.endswith(endings)}
    return files


def files_below(folder):
    return {os.path.relpath(os.path.join(root, name), folder).replace(os.sep, "/")
            for root, _folders, names in os.walk(folder) for name in names}


def language_file_line(name, number):
    """Line `number` (from 0) of a language file of the source tree."""
    with open(os.path.join(SOURCE_DIR, "languages", name), encoding="utf-8") as lines:
        return lines.read().splitlines()[number]


class PackageTestCase(WineTestCase):
    def setUp(self):
        # Registered first, so that it runs after the programs have been ended.
        self.addCleanup(self.restore_prefix)
        super().setUp()
        self.install_folder = self.desktop.unix_path(INSTALL_FOLDER)
        self.start_menu_entry = self.desktop.unix_path(START_MENU_ENTRY)
        local_data = self.desktop.wine(["cmd", "/c", "echo", "%LOCALAPPDATA%"]).strip().splitlines()[-1]
        self.state_folder = os.path.join(self.desktop.unix_path(local_data), "Marwick", "Solvane")

    def restore_prefix(self):
        """No installation, no recorded language, no settings: as the other tests expect."""
        shutil.rmtree(self.install_folder, ignore_errors=True)
        if os.path.exists(self.start_menu_entry):
            os.remove(self.start_menu_entry)
        shutil.rmtree(os.path.dirname(self.state_folder), ignore_errors=True)
        self.desktop.delete_registry_key(UNINSTALL_KEY)
        self.desktop.delete_registry_key(MACHINE_KEY)
        self.desktop.forget_program_settings()

    def install(self, *options):
        code, output = self.desktop.wine_status([environment_file("SOLVANE_INSTALLER"), "/S", *options], timeout=120)
        self.assertEqual(code, 0, f"the installer failed:\n{output}")

    def uninstall(self, *options):
        """Runs the uninstaller as "Add or remove programs" does. It copies itself away
        and ends at once; the copy removes the entry in "Add or remove programs" last."""
        self.desktop.wine([UNINSTALLER, *options])
        wait_until(lambda: not self.desktop.registry_values(UNINSTALL_KEY), scaled(30),
                   "the uninstaller to remove its entry in Add or remove programs")

    def recorded_language(self):
        return self.desktop.registry_values(MACHINE_KEY).get(LANGUAGE_VALUE)

    def start_installed_program(self):
        process = self.desktop.spawn("solvane", ["wine", INSTALLED_PROGRAM])
        self.programs.append(process)
        self.wait_for_hint(process, scaled(FIRST_AFFIRMATION_DEADLINE))
        return process

    def exit_through_the_menu_key(self, area, key, picture_name):
        """Opens the tray menu and presses an access key that ends the program."""
        wait_until(lambda: self.text_pixels(area) > 200, scaled(FIRST_AFFIRMATION_DEADLINE),
                   "the first affirmation in Wine's desktop")
        self.open_tray_menu(area, picture_name)
        self.desktop.key(key)
        values = self.wait_for_stored_settings()
        self.wait_for_wine_desktop_to_close()
        return values


class InstallerTest(PackageTestCase):
    """The installer and the uninstaller, silent, as an administrator runs them."""

    def test_german_installation_and_an_uninstallation_that_keeps_the_settings(self):
        self.install("/LANG=1031")

        self.assertEqual(files_below(self.install_folder), shipped_files() | {"uninstall.exe"})
        self.assertEqual(len([name for name in files_below(self.install_folder)
                              if "/" not in name and name.endswith(".txt") and name != "readme.txt"]),
                         LANGUAGE_FILE_COUNT)
        self.assertEqual(self.recorded_language(), ("REG_SZ", "1031"))
        self.assertTrue(os.path.isfile(self.start_menu_entry), "no Start-menu entry")
        entry = self.desktop.registry_values(UNINSTALL_KEY)
        self.assertEqual(entry.get("DisplayName"), ("REG_SZ", "Solvane"))
        self.assertEqual(entry.get("DisplayVersion"), ("REG_SZ", os.environ.get("SOLVANE_VERSION")))
        self.assertEqual(entry.get("Publisher"), ("REG_SZ", "Marwick"))
        self.assertEqual(entry.get("DisplayIcon"), ("REG_SZ", INSTALLED_PROGRAM + ",0"))
        self.assertEqual(entry.get("UninstallString"), ("REG_SZ", f'"{UNINSTALLER}"'))
        self.assertEqual(entry.get("QuietUninstallString"), ("REG_SZ", f'"{UNINSTALLER}" /S'))

        # The installed program reads the recorded language: a German tray menu. With
        # random fonts its Exit stores the font catalogue too, beside the program: Wine's
        # user may write into Program Files (an ordinary user on Windows may not, and
        # the program keeps the catalogue in the user's own folder then).
        self.desktop.write_settings({"ZufallsSchriftart": 1})
        area = self.start_in_wine_desktop(INSTALLED_PROGRAM)
        wait_until(lambda: self.text_pixels(area) > 200, scaled(FIRST_AFFIRMATION_DEADLINE),
                   "the first affirmation in Wine's desktop")
        self.open_tray_menu(area, "wine-installed-german-menu.png")
        self.desktop.key("e")  # Exit in English; no German item has E
        time.sleep(scaled(1.5))
        self.assertTrue(self.wine_desktop_windows(), "E ended the program: the tray menu is English")
        self.desktop.key("b")  # &Beenden
        values = self.wait_for_stored_settings()
        self.wait_for_wine_desktop_to_close()
        self.assertEqual(values["EinzelAffirmation"], ("REG_SZ", GERMAN_AFFIRMATION))
        self.assertIn("fontlist.tmp", files_below(self.install_folder))
        self.assertEqual(self.desktop.registry_values(RUN_KEY).get("Solvane"),
                         ("REG_SZ", f'"{INSTALLED_PROGRAM}" start'))

        self.uninstall("/S")
        self.assertFalse(os.path.exists(self.install_folder),
                         f"left in Program Files: {sorted(files_below(self.install_folder))}")
        self.assertFalse(os.path.exists(self.start_menu_entry), "the Start-menu entry is left")
        self.assertNotIn("Solvane", self.desktop.registry_values(RUN_KEY), "the log-on entry is left")
        self.assertIsNone(self.recorded_language(), "the recorded language is left")
        self.assertEqual(len(self.desktop.registry_values(SETTINGS_KEY)), len(values),
                         "a silent uninstallation without /REMOVESETTINGS removed the settings")

    def test_installation_over_a_running_program_and_an_uninstallation_that_removes_the_settings(self):
        self.install()
        self.assertEqual(self.recorded_language(), ("REG_SZ", "1033"), "silent without /LANG is English")

        # An update ends the running program before it replaces its files; the program
        # knows Welsh by a number of its own.
        running = self.start_installed_program()
        self.install("/LANG=1106")
        self.assertEqual(self.wait_for_exit(running, scaled(10), "the running program"), 0)
        self.assertEqual(self.recorded_language(), ("REG_SZ", "1160"))

        # A user's settings, log-on entry and font catalogue; the uninstaller ends the
        # running program and, with /REMOVESETTINGS, removes them all.
        running = self.start_installed_program()
        self.desktop.write_settings({"Anzeige": 20000, "EinzelAffirmation": "Mine"})
        self.desktop.write_registry_value(RUN_KEY, "Solvane", f'"{INSTALLED_PROGRAM}" hide')
        os.makedirs(self.state_folder, exist_ok=True)
        with open(os.path.join(self.state_folder, "fontlist.tmp"), "w") as catalogue:
            catalogue.write("Arial\n")
        self.uninstall("/S", "/REMOVESETTINGS")
        self.assertEqual(self.wait_for_exit(running, scaled(10), "the running program"), 0)
        self.assertFalse(os.path.exists(self.install_folder),
                         f"left in Program Files: {sorted(files_below(self.install_folder))}")
        self.assertEqual(self.desktop.registry_values(SETTINGS_KEY), {})
        self.assertFalse(os.path.exists(self.state_folder), "the user's font catalogue is left")
        self.assertNotIn("Solvane", self.desktop.registry_values(RUN_KEY))
        self.assertIsNone(self.recorded_language())

    def test_the_language_on_the_command_line(self):
        code, output = self.desktop.wine_status([environment_file("SOLVANE_INSTALLER"), "/S", "/LANG=1234"])
        self.assertEqual(code, 87, f"a language the installer does not offer was accepted:\n{output}")
        self.assertFalse(os.path.exists(self.install_folder), "installed after all")
        self.assertIsNone(self.recorded_language())

        self.install("/LANG=15")  # Icelandic, by the program's own number
        self.assertEqual(self.recorded_language(), ("REG_SZ", "15"))

    def test_an_uninstallation_leaves_the_log_on_entry_of_another_copy(self):
        self.install()
        other = r'"C:\Portable\Solvane\solvane.exe" start'
        self.desktop.write_registry_value(RUN_KEY, "Solvane", other)
        self.uninstall("/S")
        self.assertEqual(self.desktop.registry_values(RUN_KEY).get("Solvane"), ("REG_SZ", other))


class PortableZipTest(PackageTestCase):
    """The zip: the program's files in one folder, which runs where it is unpacked."""

    def test_the_zip_holds_the_program_files_and_runs_unpacked(self):
        with zipfile.ZipFile(environment_file("SOLVANE_PORTABLE_ZIP")) as archive:
            names = [info.filename for info in archive.infolist() if not info.is_dir()]
            self.assertTrue(all(name.startswith("Solvane/") for name in names), names)
            self.assertEqual({name[len("Solvane/"):] for name in names}, shipped_files())
            unpacked = tempfile.mkdtemp(prefix="solvane-portable-", dir=self.desktop.dir)
            archive.extractall(unpacked)
        folder = os.path.join(unpacked, "Solvane")
        program = self.desktop.windows_path(os.path.join(folder, "solvane.exe"))

        # Its language files are found beside it, and with random fonts its Exit stores
        # the font catalogue there too.
        self.desktop.write_registry_value(MACHINE_KEY, LANGUAGE_VALUE, "1057")
        self.desktop.write_settings({"ZufallsSchriftart": 1})
        area = self.start_in_wine_desktop(program)
        values = self.exit_through_the_menu_key(area, "k", "wine-portable-indonesian-menu.png")  # &Keluar
        self.assertEqual(values["EinzelAffirmation"], ("REG_SZ", language_file_line("indonesian.txt", 27)))
        self.assertEqual(self.desktop.registry_values(RUN_KEY).get("Solvane"), ("REG_SZ", f'"{program}" start'))
        self.assertTrue(os.path.isfile(os.path.join(folder, "fontlist.tmp")),
                        "the font catalogue is not beside the unpacked program")


if __name__ == "__main__":
    unittest.main()
