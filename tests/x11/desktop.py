"""A throw-away X desktop for tests that run the real program.

VirtualDesktop starts Xvfb (which picks a free display number itself), a
private session bus, openbox and the tray host trayer, and gives every test
its own home and XDG folders in a temporary directory, so tests never touch
the user's files, display or running instances. Everything it starts is
ended by process id when the desktop closes; the children also get SIGTERM
from the kernel if the test process dies first.
"""

import ctypes
import json
import os
import select
import shutil
import signal
import struct
import subprocess
import tempfile
import time
import zlib

SCREEN_WIDTH = 1280
SCREEN_HEIGHT = 800
# The desktop background; anything else on screen was drawn by a program.
ROOT_COLOUR = (0x3A, 0x5F, 0x7F)

# Deadlines stretch by this factor on slow builds (sanitizers).
TIME_FACTOR = float(os.environ.get("SOLVANE_TEST_TIME_FACTOR", "1") or "1")

_PR_SET_PDEATHSIG = 1
_libc = ctypes.CDLL(None, use_errno=True)


def _die_with_parent():
    _libc.prctl(_PR_SET_PDEATHSIG, signal.SIGTERM, 0, 0, 0)


def end_process(process):
    """Asks a process to end, and kills it when it has not ended 5 s later."""
    if process.poll() is None:
        process.terminate()
        try:
            process.wait(timeout=5)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()


def scaled(seconds):
    return seconds * TIME_FACTOR


def wait_until(condition, timeout, what, interval=0.02):
    """Calls condition() until it returns something true and returns that;
    raises AssertionError naming `what` when `timeout` seconds pass first."""
    deadline = time.monotonic() + timeout
    while True:
        result = condition()
        if result:
            return result
        if time.monotonic() >= deadline:
            raise AssertionError(f"timed out after {timeout:.1f} s waiting for {what}")
        time.sleep(interval)


def _read_line_from_fd(fd, timeout, what):
    deadline = time.monotonic() + timeout
    data = b""
    while not data.endswith(b"\n"):
        remaining = deadline - time.monotonic()
        if remaining <= 0:
            raise RuntimeError(f"{what} did not report in {timeout} s")
        ready, _, _ = select.select([fd], [], [], remaining)
        if ready:
            chunk = os.read(fd, 256)
            if not chunk:
                raise RuntimeError(f"{what} ended before reporting")
            data += chunk
    return data.decode().strip()


class Screenshot:
    """The root window's pixels, captured with ImageMagick's import."""

    def __init__(self, width, height, rgb):
        self.width = width
        self.height = height
        self.rgb = rgb

    @classmethod
    def parse_ppm(cls, data):
        fields = []
        pos = 0
        while len(fields) < 4:
            while data[pos : pos + 1].isspace():
                pos += 1
            if data[pos : pos + 1] == b"#":
                pos = data.index(b"\n", pos)
                continue
            end = pos
            while not data[end : end + 1].isspace():
                end += 1
            fields.append(data[pos:end])
            pos = end
        pos += 1  # the single blank after the maximum value
        if fields[0] != b"P6" or int(fields[3]) != 255:
            raise ValueError("expected an 8-bit binary PPM")
        width, height = int(fields[1]), int(fields[2])
        rgb = data[pos : pos + width * height * 3]
        if len(rgb) != width * height * 3:
            raise ValueError("the PPM is cut short")
        return cls(width, height, rgb)

    def pixel(self, x, y):
        at = (y * self.width + x) * 3
        return tuple(self.rgb[at : at + 3])

    def crop(self, left, top, width, height):
        """The part of the rectangle that lies on screen, as a Screenshot."""
        left, top = max(left, 0), max(top, 0)
        width = max(0, min(width, self.width - left))
        height = max(0, min(height, self.height - top))
        stride = self.width * 3
        rows = (self.rgb[y * stride + left * 3 : y * stride + (left + width) * 3]
                for y in range(top, top + height))
        return Screenshot(width, height, b"".join(rows))

    def marked(self, x, y, rgb=(255, 0, 0), arm=3):
        """A copy with a small cross at (x, y), to show where a click went."""
        data = bytearray(self.rgb)
        for d in range(-arm, arm + 1):
            for px, py in ((x + d, y), (x, y + d)):
                if 0 <= px < self.width and 0 <= py < self.height:
                    at = (py * self.width + px) * 3
                    data[at : at + 3] = bytes(rgb)
        return Screenshot(self.width, self.height, bytes(data))

    def pixels(self, left, top, width, height):
        """Yields (x, y, (r, g, b)) for the part of the rectangle on screen."""
        for y in range(max(top, 0), min(top + height, self.height)):
            for x in range(max(left, 0), min(left + width, self.width)):
                yield x, y, self.pixel(x, y)

    def save_png(self, path):
        def chunk(kind, body):
            crc = zlib.crc32(kind + body) & 0xFFFFFFFF
            return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", crc)

        stride = self.width * 3
        raw = b"".join(
            b"\x00" + self.rgb[y * stride : (y + 1) * stride] for y in range(self.height)
        )
        header = struct.pack(">IIBBBBB", self.width, self.height, 8, 2, 0, 0, 0)
        os.makedirs(os.path.dirname(path) or ".", exist_ok=True)
        with open(path, "wb") as out:
            out.write(b"\x89PNG\r\n\x1a\n")
            out.write(chunk(b"IHDR", header))
            out.write(chunk(b"IDAT", zlib.compress(raw, 6)))
            out.write(chunk(b"IEND", b""))


class WindowGeometry:
    def __init__(self, left, top, width, height, viewable):
        self.left = left
        self.top = top
        self.width = width
        self.height = height
        self.viewable = viewable

    @property
    def centre(self):
        return (self.left + self.width / 2, self.top + self.height / 2)

    def __repr__(self):
        return f"{self.width}x{self.height}+{self.left}+{self.top}"


class VirtualDesktop:
    """Use as a context manager; see the module's description."""

    def __init__(self, width=SCREEN_WIDTH, height=SCREEN_HEIGHT):
        self.width = width
        self.height = height
        self.dir = tempfile.mkdtemp(prefix="solvane-x11-")
        self._processes = []  # (name, Popen, log path), oldest first
        self.env = self._sandbox_environment()

    def _sandbox_environment(self):
        env = {
            key: value
            for key, value in os.environ.items()
            if not key.startswith(("XDG_", "DBUS_", "QT_", "WAYLAND_", "SESSION_MANAGER"))
            and key not in ("DISPLAY", "XAUTHORITY", "HOME", "DESKTOP_SESSION")
        }
        folders = {
            "HOME": "home",
            "XDG_CONFIG_HOME": "home/.config",
            "XDG_STATE_HOME": "home/.local/state",
            "XDG_DATA_HOME": "home/.local/share",
            "XDG_CACHE_HOME": "home/.cache",
            "XDG_CONFIG_DIRS": "etc-xdg",
            "XDG_RUNTIME_DIR": "runtime",
        }
        for key, name in folders.items():
            path = os.path.join(self.dir, name)
            os.makedirs(path, exist_ok=True)
            env[key] = path
        os.chmod(env["XDG_RUNTIME_DIR"], 0o700)
        env["XDG_SESSION_TYPE"] = "x11"
        env["LANG"] = env["LC_ALL"] = "C.UTF-8"
        return env

    # --- the desktop -------------------------------------------------------

    def __enter__(self):
        try:
            self._start()
        except BaseException:
            self.close()
            raise
        return self

    def __exit__(self, *exc):
        self.close()
        return False

    def _start(self):
        read_end, write_end = os.pipe()
        try:
            self.spawn(
                "Xvfb",
                ["Xvfb", "-displayfd", str(write_end), "-nolisten", "tcp", "-noreset",
                 "-screen", "0", f"{self.width}x{self.height}x24"],
                pass_fds=(write_end,),
            )
            os.close(write_end)
            write_end = -1
            number = _read_line_from_fd(read_end, 15, "Xvfb")
        finally:
            os.close(read_end)
            if write_end >= 0:
                os.close(write_end)
        self.env["DISPLAY"] = f":{number}"

        read_end, write_end = os.pipe()
        try:
            self.spawn(
                "dbus-daemon",
                ["dbus-daemon", "--session", "--nofork",
                 f"--address=unix:path={os.path.join(self.dir, 'bus')}",
                 f"--print-address={write_end}"],
                pass_fds=(write_end,),
            )
            os.close(write_end)
            write_end = -1
            self.env["DBUS_SESSION_BUS_ADDRESS"] = _read_line_from_fd(read_end, 15, "dbus-daemon")
        finally:
            os.close(read_end)
            if write_end >= 0:
                os.close(write_end)

        self.run(["xsetroot", "-solid", "#%02x%02x%02x" % ROOT_COLOUR])
        self.spawn("openbox", ["openbox", "--sm-disable"])
        wait_until(
            lambda: "window id" in self.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], check=False),
            scaled(15), "openbox to manage the display")
        self.spawn("trayer", ["trayer", "--edge", "top", "--align", "right", "--widthtype",
                              "request", "--height", "24", "--transparent", "false",
                              "--tint", "0x303030"])
        wait_until(lambda: self.search_windows(classname="trayer", visible=False), scaled(15), "the tray host")

    def close(self):
        for _name, process, _log in reversed(self._processes):
            end_process(process)
        self._processes = []
        shutil.rmtree(self.dir, ignore_errors=True)

    # --- processes ---------------------------------------------------------

    def spawn(self, name, args, env=None, **options):
        """Starts a process on this desktop; its output goes to a log file."""
        log = os.path.join(self.dir, f"{name}-{len(self._processes)}.log")
        with open(log, "wb") as out:
            process = subprocess.Popen(
                args, env=env or self.env, stdin=subprocess.DEVNULL, stdout=out,
                stderr=subprocess.STDOUT, preexec_fn=_die_with_parent, **options)
        self._processes.append((name, process, log))
        return process

    def log_of(self, process):
        for _name, known, log in self._processes:
            if known is process:
                with open(log, "rb") as text:
                    return text.read().decode(errors="replace")
        return ""

    def run(self, args, check=True, timeout=30):
        """Runs a short command on this desktop and returns its output."""
        result = subprocess.run(args, env=self.env, stdin=subprocess.DEVNULL,
                                capture_output=True, text=True, timeout=scaled(timeout))
        if check and result.returncode != 0:
            raise AssertionError(f"{' '.join(args)} failed ({result.returncode}): {result.stderr}")
        return result.stdout

    # --- what a person sees ------------------------------------------------

    def search_windows(self, name=None, pid=None, classname=None, visible=True):
        """Ids of the windows that match every given condition (by default
        only those on screen)."""
        args = ["xdotool", "search", "--all"] + (["--onlyvisible"] if visible else [])
        if pid is not None:
            args += ["--pid", str(pid)]
        if name is not None:
            args += ["--name", f"^{name}$"]
        if classname is not None:
            args += ["--classname", f"^{classname}$"]
        output = self.run(args, check=False)
        return [int(line) for line in output.split()]

    def geometry(self, window):
        output = self.run(["xwininfo", "-id", str(window)], check=False)
        values = {}
        for line in output.splitlines():
            key, _, value = line.strip().partition(":")
            values[key] = value.strip()
        if "Width" not in values:
            return None
        return WindowGeometry(
            int(values["Absolute upper-left X"]), int(values["Absolute upper-left Y"]),
            int(values["Width"]), int(values["Height"]), values.get("Map State") == "IsViewable")

    def is_viewable(self, window):
        geometry = self.geometry(window)
        return geometry is not None and geometry.viewable

    def property_text(self, window, name):
        return self.run(["xprop", "-id", str(window), name], check=False)

    def root_window(self):
        output = self.run(["xwininfo", "-root"])
        return int(output.split("Window id:")[1].split()[0], 16)

    def focused_window(self):
        return int(self.run(["xdotool", "getwindowfocus", "-f"]).strip())

    def active_window(self):
        return self.run(["xprop", "-root", "_NET_ACTIVE_WINDOW"], check=False).strip()

    def screenshot(self):
        data = subprocess.run(["import", "-window", "root", "-depth", "8", "ppm:-"],
                              env=self.env, stdin=subprocess.DEVNULL, capture_output=True,
                              timeout=scaled(30), check=True).stdout
        return Screenshot.parse_ppm(data)

    def click(self, x, y, button=1):
        self.move_mouse(x, y)
        self.run(["xdotool", "click", str(button)])

    def mouse_position(self):
        words = dict(word.split(":", 1) for word in self.run(["xdotool", "getmouselocation"]).split())
        return int(words["x"]), int(words["y"])

    def move_mouse(self, x, y):
        # xdotool's --sync waits for a motion that never comes when the mouse is there already.
        if self.mouse_position() != (x, y):
            self.run(["xdotool", "mousemove", "--sync", str(x), str(y)])

    def key(self, name):
        self.run(["xdotool", "key", name])

    def window_types(self, window):
        """The window's _NET_WM_WINDOW_TYPE atoms, e.g. ["_NET_WM_WINDOW_TYPE_TOOLTIP"]."""
        text = self.property_text(window, "_NET_WM_WINDOW_TYPE")
        if "=" not in text:
            return []
        return [atom.strip() for atom in text.split("=", 1)[1].split(",")]

    def parent_window(self, window):
        output = self.run(["xwininfo", "-tree", "-id", str(window)], check=False)
        for line in output.splitlines():
            if line.strip().startswith("Parent window id:"):
                return int(line.split(":")[1].split()[0], 16)
        return None

    def top_level_windows(self):
        """Ids of the root window's children, from the top of the stack down."""
        output = self.run(["xwininfo", "-root", "-children"])
        ids = []
        for line in output.split("children:", 1)[-1].splitlines():
            word = line.strip().split(" ", 1)[0]
            if word.startswith("0x"):
                ids.append(int(word, 16))
        return ids

    # --- monitors ----------------------------------------------------------

    def split_into_monitors(self, monitors):
        """Divides the one screen into RandR monitors, given as (left, top,
        width, height), the first one primary; programs started afterwards see
        them as separate screens."""
        for number, (left, top, width, height) in enumerate(monitors):
            # Physical sizes in millimetres for about 96 dots per inch.
            geometry = f"{width}/{width * 254 // 960}x{height}/{height * 254 // 960}+{left}+{top}"
            self.run(["xrandr", "--setmonitor", f"monitor{number}", geometry,
                      "screen" if number == 0 else "none"])
        listed = self.run(["xrandr", "--listmonitors"])
        if f"Monitors: {len(monitors)}" not in listed:
            raise AssertionError(f"the X server did not take the monitors:\n{listed}")

    # --- the program's files -----------------------------------------------

    def forget_program_files(self):
        """Removes what the program keeps between runs (settings, the machine's
        language value, the font list, its sockets, its log-on entry), so the
        next start is a first start."""
        for key, name in (("XDG_CONFIG_HOME", "Marwick"), ("XDG_CONFIG_HOME", "autostart"),
                          ("XDG_CONFIG_DIRS", "Marwick"), ("XDG_STATE_HOME", "solvane"),
                          ("XDG_RUNTIME_DIR", "solvane")):
            shutil.rmtree(os.path.join(self.env[key], name), ignore_errors=True)

    def read_settings(self):
        with open(self.settings_path(), encoding="utf-8") as text:
            return json.load(text)

    def settings_path(self):
        return os.path.join(self.env["XDG_CONFIG_HOME"], "Marwick", "Marwick's Solvane.json")

    def write_settings(self, values):
        path = self.settings_path()
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "w", encoding="utf-8") as out:
            json.dump(values, out, ensure_ascii=False)
