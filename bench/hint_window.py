#!/usr/bin/env python3
"""Measures what the affirmation window costs per showing, for the default
affirmation and for long ones.

    bench/hint_window.py [path/to/solvane] [--seconds S] [--strace] [--rest]
                         (default: build/solvane, 15 s per measurement)

Runs the program on its own virtual desktop (Xvfb, openbox, trayer; the
harness of tests/x11) in throw-away home and XDG folders, in one long run of
multiple affirmations (9999) with the shortest display time (50 ms), so that
showings follow one another with only the short gap between them. Openbox is
no compositing manager: a transparent window is shaped to its glyphs.

For each affirmation (the default one, then texts of 100 KB and 1 MB made of
the default sentence repeated), after the first showings it prints:
  - showings in the measured time, and the time from the start of the first
    showing to its window painted (a long text used to take seconds);
  - CPU time per showing, summed over the program's threads (nanoseconds from
    /proc/PID/task/*/schedstat), and context switches per showing;
  - threads started while measuring (a thread that started and ended inside the
    measured time counts too: the ids of the process's tasks are polled);
  - resident memory (VmRSS) at the end and its peak (VmHWM);
  - with --strace, a second measurement under `strace -f -c`: system calls per
    showing, in all and the futex, clone3 and poll calls among them;
  - whether the program restarted itself (its memory watchdog) meanwhile.
With --rest it also counts the threads started by two showings that each come
after a 35 s pause, longer than Qt's thread pool keeps an idle thread (30 s):
painting through a complex clip used to start two pool threads at such a
showing. This takes about 80 s more.
The figures depend on the load of the machine: say what else ran when you
quote them (the load average is printed).
"""

import argparse
import os
import signal
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
REPO = os.path.dirname(HERE)
sys.path.insert(0, os.path.join(REPO, "tests", "x11"))

from desktop import VirtualDesktop, end_process, wait_until  # noqa: E402

SENTENCE = "I know what I love to do and I do it. "
WARM_UP = 3


def long_text(size):
    return (SENTENCE * (size // len(SENTENCE) + 1))[:size]


CASES = [
    ("default affirmation", None),
    ("100 KB affirmation", long_text(100 * 1024)),
    ("1 MB affirmation", long_text(1024 * 1024)),
]


def trace_words(path):
    if not os.path.exists(path):
        return []
    with open(path, encoding="ascii") as trace:
        return [line.split() for line in trace if line.strip()]


def count(path, word):
    return sum(1 for entry in trace_words(path) if entry[0] == word)


def tasks(pid):
    try:
        return set(os.listdir(f"/proc/{pid}/task"))
    except FileNotFoundError:
        return set()


def cpu_ns_and_switches(pid):
    cpu = switches = 0
    for task in tasks(pid):
        try:
            with open(f"/proc/{pid}/task/{task}/schedstat") as stat:
                cpu += int(stat.read().split()[0])
            with open(f"/proc/{pid}/task/{task}/status") as status:
                for line in status:
                    if line.startswith(("voluntary_ctxt_switches", "nonvoluntary_ctxt_switches")):
                        switches += int(line.split()[1])
        except (FileNotFoundError, ProcessLookupError):
            pass  # a thread that ended just now
    return cpu, switches


def memory_kib(pid):
    values = {}
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            key, _, rest = line.partition(":")
            if key in ("VmRSS", "VmHWM"):
                values[key] = int(rest.split()[0])
    return values


def measure(binary, text, seconds, use_strace):
    with VirtualDesktop() as desktop:
        trace = os.path.join(desktop.dir, "showings.trace")
        settings = {"Anzeige": 50, "AnzeigeIntervall": 5,
                    "MultipleAffirmationen": 1, "MultipleAffirmationenAnzahl": "9999"}
        if text is not None:
            settings["EinzelAffirmation"] = text
        desktop.write_settings(settings)
        env = dict(desktop.env, SOLVANE_TRACE_SHOWINGS=trace)
        process = desktop.spawn("solvane", [binary], env=env)
        try:
            started = time.monotonic()
            wait_until(lambda: count(trace, "painted") >= 1 or process.poll() is not None, 120,
                       "the first showing")
            first_ms = None
            words = trace_words(trace)
            starts = [int(ns) for word, ns in words if word == "start"]
            painted = [int(ns) for word, ns in words if word == "painted"]
            if starts and painted:
                first_ms = (painted[0] - starts[0]) / 1e6
            wait_until(lambda: count(trace, "hide") >= WARM_UP or process.poll() is not None
                       or time.monotonic() - started > 60, 90, "the first showings")
            if process.poll() is not None:
                return {"first_ms": first_ms, "ended": process.returncode}

            result = {"first_ms": first_ms}
            shown0 = count(trace, "start")
            cpu0, switches0 = cpu_ns_and_switches(process.pid)
            seen = tasks(process.pid)
            threads_before = set(seen)
            deadline = time.monotonic() + seconds
            while time.monotonic() < deadline and process.poll() is None:
                seen |= tasks(process.pid)
                time.sleep(0.002)
            cpu1, switches1 = cpu_ns_and_switches(process.pid)
            shown = count(trace, "start") - shown0
            result.update(shown=shown, cpu_ms=(cpu1 - cpu0) / 1e6, switches=switches1 - switches0,
                          threads=len(seen - threads_before))
            if process.poll() is None:
                result.update(memory_kib(process.pid))

            if use_strace and process.poll() is None:
                summary = os.path.join(desktop.dir, "strace.txt")
                shown0 = count(trace, "start")
                tracer = subprocess.Popen(["strace", "-f", "-c", "-o", summary, "-p", str(process.pid)],
                                          stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
                time.sleep(seconds)
                tracer.send_signal(signal.SIGINT)
                tracer.wait(timeout=30)
                result["strace_shown"] = count(trace, "start") - shown0
                result["syscalls"] = read_strace_summary(summary)

            # Anything but this process writing to the trace is a restarted instance.
            result["restarted"] = process.poll() is not None or bool(restarted_instances(trace, process))
            return result
        finally:
            end_process(process)
            for pid in restarted_instances(trace, process):
                try:
                    os.kill(pid, signal.SIGKILL)
                except ProcessLookupError:
                    pass


def threads_after_rest(binary):
    """Threads started by the two showings after the first, each after a 35 s pause."""
    with VirtualDesktop() as desktop:
        trace = os.path.join(desktop.dir, "showings.trace")
        desktop.write_settings({"Anzeige": 1000, "AnzeigeIntervall": 35})
        process = desktop.spawn("solvane", [binary], env=dict(desktop.env, SOLVANE_TRACE_SHOWINGS=trace))
        try:
            wait_until(lambda: count(trace, "hide") >= 1, 30, "the first showing")
            seen = tasks(process.pid)
            before = set(seen)
            wait_until(lambda: (seen.update(tasks(process.pid)) or count(trace, "hide") >= 3), 120,
                       "two more showings", interval=0.002)
            return len(seen - before)
        finally:
            end_process(process)


def restarted_instances(trace, process):
    """Instances that this run's program started: they inherit its trace file's name."""
    marker = f"SOLVANE_TRACE_SHOWINGS={trace}".encode() + b"\0"
    found = []
    for entry in os.listdir("/proc"):
        if not entry.isdigit() or int(entry) == process.pid:
            continue
        try:
            with open(f"/proc/{entry}/environ", "rb") as environ:
                if marker in environ.read():
                    found.append(int(entry))
        except OSError:
            pass
    return found


def read_strace_summary(path):
    calls = {}
    with open(path) as summary:
        for line in summary:
            fields = line.split()
            if len(fields) >= 5 and fields[0][0].isdigit() and fields[-1] != "total":
                calls[fields[-1]] = int(fields[3])
    return calls


def report(title, result):
    print(f"{title}:")
    if result.get("first_ms") is not None:
        print(f"  first showing, start -> painted: {result['first_ms']:.1f} ms")
    if "ended" in result:
        print(f"  the program ended (code {result['ended']}) before it was measured")
        return
    shown = result["shown"]
    print(f"  showings measured: {shown}")
    if shown:
        print(f"  CPU per showing: {result['cpu_ms'] / shown:.2f} ms; context switches per showing: "
              f"{result['switches'] / shown:.1f}")
    print(f"  threads started while measuring: {result['threads']}")
    if "VmRSS" in result:
        print(f"  resident memory: {result['VmRSS'] / 1024:.1f} MiB (peak {result['VmHWM'] / 1024:.1f} MiB)")
    calls = result.get("syscalls")
    if calls and result["strace_shown"]:
        per = result["strace_shown"]
        total = sum(calls.values())
        print(f"  under strace ({per} showings): system calls per showing {total / per:.0f}, "
              + ", ".join(f"{name} {calls.get(name, 0) / per:.1f}" for name in ("futex", "clone3", "poll")))
    print(f"  restarted by the memory watchdog: {'yes' if result['restarted'] else 'no'}")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("binary", nargs="?", default=os.path.join(REPO, "build", "solvane"))
    parser.add_argument("--seconds", type=float, default=15)
    parser.add_argument("--strace", action="store_true")
    parser.add_argument("--rest", action="store_true")
    args = parser.parse_args()
    if not os.access(args.binary, os.X_OK):
        sys.exit(f"No program at {args.binary}: build it first "
                 "(scripts/run, or cmake --build build --target solvane).")
    print(f"Solvane affirmation window benchmark: {args.binary}, {os.cpu_count()} cores, "
          f"load average {os.getloadavg()[0]:.1f}, display 50 ms, {args.seconds:.0f} s per measurement")
    for title, text in CASES:
        report(title, measure(args.binary, text, args.seconds, args.strace))
    if args.rest:
        print(f"threads started by two showings after a 35 s pause each: {threads_after_rest(args.binary)}")
    print(f"load average at the end: {os.getloadavg()[0]:.1f}")


if __name__ == "__main__":
    main()
