#!/usr/bin/env python3
"""Without a display it can open, the program says so on one line that names
what was tried, and exits with status 1: with no display at all, with a
display that is not there, with the X11 platform and no display, and with a
platform that does not exist.

Usage: no_display.py OUROBOARD_BINARY
"""

import os
import subprocess
import sys


def missing_display():
    """A display number that no X server on this machine answers."""
    number = 99
    while os.path.exists("/tmp/.X11-unix/X%d" % number) or os.path.exists("/tmp/.X%d-lock" % number):
        number += 1
    return ":%d" % number


def main(argv):
    binary = argv[1]
    stale = missing_display()
    cases = [  # (what is set, extra arguments, a word the message must hold)
        ({}, [], "no display"),
        ({"DISPLAY": stale}, [], stale),
        ({"QT_QPA_PLATFORM": "xcb"}, [], "xcb"),
        ({}, ["-platform", "bogus"], "bogus"),
    ]
    failures = 0
    base = {key: value for key, value in os.environ.items()
            if key not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
    for variables, arguments, named in cases:
        what = " ".join(["%s=%s" % item for item in variables.items()] + arguments) or "nothing set"
        result = subprocess.run([binary] + arguments, env=dict(base, **variables),
                                capture_output=True, text=True, timeout=30)
        lines = result.stderr.strip().splitlines()
        if result.returncode != 1 or len(lines) != 1 or "no display" not in lines[0] or named not in lines[0]:
            print("FAILED: %s: exit status %d, expected 1 and one line about the display naming %r, got %r"
                  % (what, result.returncode, named, result.stderr))
            failures += 1
        else:
            print("ok: %s: %r" % (what, lines[0]))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
