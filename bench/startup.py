#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Start-up of coppia against a bare Qt window: the time from starting the process to its
window being mapped on the X display, and the resident memory at that moment.

Usage (under an X server, such as xvfb-run): startup.py COPPIA BARE_WINDOW [RUNS]
"""
import os
import select
import statistics
import subprocess
import sys
import tempfile
import time

from Xlib import X, display

INITIAL_FILE = b"50.0\r\n300.0\r\n60.0\r\n12.0\r\n18.0\r\n500.0\r\n20.0\r\n60.0\r\n"


def resident_kib(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    return 0


def measure(screen, command, environment):
    """Seconds to the first top-level window mapped, and resident KiB then."""
    screen.sync()
    while screen.pending_events():
        screen.next_event()
    start = time.monotonic()
    process = subprocess.Popen(command, env=environment,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        deadline = start + 20
        while time.monotonic() < deadline:
            if screen.pending_events() == 0:
                select.select([screen.fileno()], [], [], 0.05)
                continue
            event = screen.next_event()
            if event.type == X.MapNotify:
                elapsed = time.monotonic() - start
                return elapsed, resident_kib(process.pid)
        raise RuntimeError(f"{command[0]} showed no window within 20 s")
    finally:
        process.kill()
        process.wait()


def main():
    coppia, bare = sys.argv[1], sys.argv[2]
    runs = int(sys.argv[3]) if len(sys.argv) > 3 else 10
    with tempfile.TemporaryDirectory() as config:
        # coppia starts as a user's would: reading a last-inputs file.
        with open(os.path.join(config, "Mervanti.ini"), "wb") as file:
            file.write(INITIAL_FILE)
        environment = dict(os.environ, XDG_CONFIG_HOME=config)
        # One connection for the whole run: the X server resets when its last client leaves.
        screen = display.Display()
        screen.screen().root.change_attributes(event_mask=X.SubstructureNotifyMask)
        results = {"coppia": [], "bare window": []}
        measure(screen, [bare], environment)  # warms the file cache for both
        measure(screen, [coppia], environment)
        for _ in range(runs):
            results["coppia"].append(measure(screen, [coppia], environment))
            results["bare window"].append(measure(screen, [bare], environment))
        screen.close()

    medians = {}
    print(f"{'program':<12} {'runs':>4} {'median ms':>10} {'min ms':>8} {'median RSS MiB':>15}")
    for name, samples in results.items():
        times = [seconds * 1000 for seconds, _ in samples]
        memory = [kib / 1024 for _, kib in samples]
        medians[name] = (statistics.median(times), statistics.median(memory))
        print(f"{name:<12} {len(samples):>4} {medians[name][0]:>10.1f} {min(times):>8.1f}"
              f" {medians[name][1]:>15.1f}")
    time_ratio = medians["coppia"][0] / medians["bare window"][0]
    memory_ratio = medians["coppia"][1] / medians["bare window"][1]
    print(f"ratio coppia / bare window: time {time_ratio:.2f} (aim 1.20 at most), "
          f"memory {memory_ratio:.2f} (aim 1.15 at most)")


if __name__ == "__main__":
    main()
