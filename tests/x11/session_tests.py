"""The X session manager and the program: a checkpoint of the session (a
request to save with the session going on) leaves the program running; a
log-out (a request to save for the session's end, then Die) ends it with
exit code 1 and saves nothing. SIGTERM, as sent at log-off and shutdown, ends
it within a second whatever it is doing.

The test runs its own minimal session manager (SOLVANE_XSMP_MANAGER, built
from xsmp_manager.cpp) and starts the program with its SESSION_MANAGER, so
Qt's X session management talks to it as to a desktop's session manager.

Environment otherwise as for x11_tests.py.
"""

import os
import select
import signal
import subprocess
import time
import unittest

from desktop import _die_with_parent, end_process, scaled, wait_until
from x11_tests import FIRST_AFFIRMATION_DEADLINE, SolvaneTestCase, _exit_on_sigterm

# Under AddressSanitizer freed memory is held in quarantine, so a megabyte text grows the
# process past the memory watchdog's threshold and it restarts: resident memory tells
# nothing there.
SANITIZED = os.environ.get("SOLVANE_SANITIZED") == "ON"

PAUSE_SECONDS = 5


class SessionManager:
    """xsmp_manager on the desktop: commands go to its standard input, its
    reports come back one line each."""

    def __init__(self, desktop):
        path = os.environ.get("SOLVANE_XSMP_MANAGER", "")
        if not os.access(path, os.X_OK):
            raise AssertionError(f"no session manager at {path!r} (set SOLVANE_XSMP_MANAGER)")
        self.process = subprocess.Popen([path], env=desktop.env, stdin=subprocess.PIPE,
                                        stdout=subprocess.PIPE, preexec_fn=_die_with_parent)
        self._pending = b""
        self.network_id = self.expect_prefix("SESSION_MANAGER=", scaled(5))

    def close(self):
        self.process.stdin.close()
        end_process(self.process)
        self.process.stdout.close()

    def send(self, command):
        self.process.stdin.write(command.encode() + b"\n")
        self.process.stdin.flush()

    def expect(self, line, timeout):
        self.expect_prefix(line, timeout, whole=True)

    def expect_prefix(self, prefix, timeout, whole=False):
        """Reads report lines until one starts with `prefix` (or equals it,
        with `whole`) and returns the rest of that line."""
        deadline = time.monotonic() + timeout
        seen = []
        while True:
            while b"\n" in self._pending:
                line, self._pending = self._pending.split(b"\n", 1)
                text = line.decode()
                seen.append(text)
                if text == prefix or (not whole and text.startswith(prefix)):
                    return text[len(prefix):]
            remaining = deadline - time.monotonic()
            ready = remaining > 0 and select.select([self.process.stdout], [], [], remaining)[0]
            if not ready:
                raise AssertionError(f"the session manager did not report {prefix!r} "
                                     f"within {timeout:.1f} s; it reported {seen}")
            chunk = os.read(self.process.stdout.fileno(), 4096)
            if not chunk:
                raise AssertionError(f"the session manager ended before reporting {prefix!r}")
            self._pending += chunk


class SessionManagerTest(SolvaneTestCase):

    def stored_settings(self):
        """The settings file as it is now (None while there is none)."""
        path = self.desktop.settings_path()
        if not os.path.exists(path):
            return None
        with open(path, "rb") as data:
            return data.read(), os.stat(path).st_mtime_ns

    def test_a_checkpoint_leaves_the_program_running_and_a_log_out_ends_it(self):
        manager = SessionManager(self.desktop)
        self.addCleanup(manager.close)
        self.desktop.write_settings({"AnzeigeIntervall": PAUSE_SECONDS})
        running = self.start_solvane(env={"SESSION_MANAGER": manager.network_id})
        window = self.wait_for_hint(running, scaled(FIRST_AFFIRMATION_DEADLINE))
        manager.expect("registered", scaled(5))
        stored = self.stored_settings()

        manager.send("checkpoint")
        manager.expect("save-yourself-done 1", scaled(5))
        # The program goes on: the affirmation ends, and after the pause the next one comes.
        self.wait_for_unmap(window, scaled(5))
        self.wait_for_hint(running, scaled(PAUSE_SECONDS + 4))
        self.assertIsNone(running.poll(), "a checkpoint of the session ended the program")

        manager.send("logout")
        manager.expect("save-yourself-done 1", scaled(5))
        manager.expect("die", scaled(5))
        self.assertEqual(self.wait_for_exit(running, scaled(5), "the program after the log-out"), 1)
        self.assertEqual(self.stored_settings(), stored, "the log-out saved the settings")


def catches_signal(pid, number):
    """The process has a handler of its own for the signal."""
    with open(f"/proc/{pid}/status", encoding="ascii") as status:
        for line in status:
            if line.startswith("SigCgt:"):
                return bool(int(line.split()[1], 16) & (1 << (number - 1)))
    return False


class TerminateSignalTest(SolvaneTestCase):

    @unittest.skipIf(SANITIZED, "a megabyte text outgrows the memory watchdog under AddressSanitizer")
    def test_sigterm_ends_the_program_within_a_second_while_it_is_busy(self):
        # A pasted text of a megabyte keeps the program busy with its first showing.
        self.desktop.write_settings({"EinzelAffirmation": "I know what I love to do and I do it. " * 27000})
        started = time.monotonic()
        running = self.start_solvane()
        wait_until(lambda: catches_signal(running.pid, signal.SIGTERM), scaled(5),
                   "the program to take over SIGTERM")
        # The first showing begins about 0.9 s after the start.
        time.sleep(max(0.0, started + scaled(1.5) - time.monotonic()))
        self.assertIsNone(running.poll(), "the program ended by itself")
        running.send_signal(signal.SIGTERM)
        signalled = time.monotonic()
        self.assertEqual(self.wait_for_exit(running, scaled(1.0), "the program after SIGTERM"), 1)
        print(f"SIGTERM ended the program after {time.monotonic() - signalled:.2f} s")


if __name__ == "__main__":
    signal.signal(signal.SIGTERM, _exit_on_sigterm)
    unittest.main(verbosity=2)
