#!/usr/bin/env python3
"""Started without any display, the program says so on one line and fails.

Usage: no_display.py OUROBOARD_BINARY
"""

import os
import subprocess
import sys


def main(argv):
    env = {key: value for key, value in os.environ.items()
           if key not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
    result = subprocess.run([argv[1]], env=env, capture_output=True, text=True, timeout=30)
    lines = result.stderr.strip().splitlines()
    if result.returncode == 0:
        print("FAILED: exit code 0 without a display")
        return 1
    if len(lines) != 1 or "no display" not in lines[0]:
        print("FAILED: expected one line about the missing display, got %r" % result.stderr)
        return 1
    print("ok: %r, exit code %d" % (lines[0], result.returncode))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
