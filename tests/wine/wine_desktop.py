"""A throw-away X desktop with Wine on it, for tests that run the Windows program.

WineDesktop is the virtual desktop of the X display tests (Xvfb, a session bus,
openbox, trayer) with the private Wine prefix of the Windows build folder
(SOLVANE_WINEPREFIX). A prefix has one Wine server, and Wine's desktop process
draws on the display of the server's first program; so the desktop ends the
prefix's server when it starts and when it closes, and the Wine programs of a
test all run on the test's own display.
"""

import os
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "x11"))

from desktop import VirtualDesktop, scaled  # noqa: E402

# The program's registry key, as `wine reg` names it.
SETTINGS_KEY = r"HKCU\Software\Marwick\Marwick's Solvane"
MACHINE_KEY = r"HKLM\Software\Marwick\Marwick's Solvane"
RUN_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Run"


def program():
    path = os.environ.get("SOLVANE_EXE", "")
    if not os.path.isfile(path):
        raise AssertionError(f"no solvane.exe at {path!r} (set SOLVANE_EXE)")
    return path


def wine_prefix():
    path = os.environ.get("SOLVANE_WINEPREFIX") or os.environ.get("WINEPREFIX", "")
    if not os.path.isfile(os.path.join(path, "system.reg")):
        raise AssertionError(f"no Wine prefix at {path!r} (scripts/build-windows --test makes one)")
    return path


def parse_reg_query(output):
    """The values that `wine reg query KEY` lists: {name: (type, text)}."""
    values = {}
    for line in output.splitlines():
        if not line.startswith("    "):
            continue
        parts = line.strip().split("    ")
        if len(parts) >= 2 and parts[1].startswith("REG_"):
            values[parts[0]] = (parts[1], parts[2] if len(parts) > 2 else "")
    return values


class WineDesktop(VirtualDesktop):
    def __init__(self, **options):
        super().__init__(**options)
        self.env.update(WINEPREFIX=wine_prefix(), WINEARCH="win64", WINEDEBUG="-all",
                        WINEDLLOVERRIDES="mscoree,mshtml=")

    def _start(self):
        super()._start()
        self.end_wine()

    def close(self):
        self.end_wine()
        super().close()

    def end_wine(self):
        """Ends every program of the prefix and its server (and so its desktop process)."""
        subprocess.run(["wineserver", "-k"], env=self.env, stdin=subprocess.DEVNULL,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=scaled(30))
        subprocess.run(["wineserver", "-w"], env=self.env, stdin=subprocess.DEVNULL,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=scaled(30))

    def wine(self, args, check=True, timeout=60):
        """Runs a Windows command of the prefix to its end; returns its output."""
        code, output = self.wine_status(args, timeout)
        if check and code != 0:
            raise AssertionError(f"wine {' '.join(args)} failed ({code}):\n{output}")
        return output

    def wine_status(self, args, timeout=60):
        """Runs a Windows command of the prefix to its end; returns its exit code and its
        output. The output goes to a file: Wine's services, started by the first
        command, would hold a pipe open."""
        log = os.path.join(self.dir, "wine-command.log")
        with open(log, "wb") as out:
            result = subprocess.run(["wine", *args], env=self.env, stdin=subprocess.DEVNULL, stdout=out,
                                    stderr=subprocess.STDOUT, timeout=scaled(timeout))
        with open(log, "rb") as text:
            return result.returncode, text.read().decode(errors="replace")

    def unix_path(self, windows_path):
        """Where a Windows path of the prefix lies on this machine."""
        return self.wine(["winepath", "-u", windows_path]).strip().splitlines()[-1]

    def windows_path(self, unix_path):
        return self.wine(["winepath", "-w", unix_path]).strip().splitlines()[-1]

    # --- the registry ------------------------------------------------------

    def registry_values(self, key):
        """The values of a key ({name: (type, text)}); empty when it does not exist."""
        return parse_reg_query(self.wine(["reg", "query", key], check=False))

    def delete_registry_key(self, key):
        self.wine(["reg", "delete", key, "/f"], check=False)

    def delete_registry_value(self, key, name):
        self.wine(["reg", "delete", key, "/v", name, "/f"], check=False)

    def write_registry_value(self, key, name, value):
        """Writes an integer as REG_DWORD, anything else as REG_SZ."""
        kind, data = ("REG_DWORD", str(value)) if isinstance(value, int) else ("REG_SZ", value)
        self.wine(["reg", "add", key, "/v", name, "/t", kind, "/d", data, "/f"])

    def forget_program_settings(self):
        """The next start is a first start: no settings, no log-on entry."""
        self.delete_registry_key(SETTINGS_KEY)
        self.delete_registry_value(RUN_KEY, "Solvane")

    def write_settings(self, values):
        for name, value in values.items():
            self.write_registry_value(SETTINGS_KEY, name, value)
