#!/usr/bin/env python3
"""What a screen reader finds in the real game: the accessible tree read
over AT-SPI, in a private X server and a private D-Bus session.

Usage: screen_reader.py OUROBOARD_BINARY TRANSLATIONS_DIR

The checks, in English: the main window, its menus and its named controls
are in the tree, and P turns the PAUSE item into RESUME. In French: the
Options menu reads as the French translation has it.

The script starts itself again inside dbus-run-session, with Debian's own
python3, which is the one that has pyatspi.
"""

import os
import shutil
import subprocess
import xml.etree.ElementTree as ElementTree

import play
from desktops import Program
from play import expect, wait_for

SYSTEM_PYTHON = "/usr/bin/python3"
BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
INSIDE = "OUROBOARD_E2E_INSIDE_SESSION"

OPTIONS_ITEMS = ["New Game", "Players", "Mode", "Settings", "Exit"]
NAMED_CONTROLS = ["Board", "Player 1 score: 0"] + ["Speed %d of 7" % step for step in range(1, 8)]


def missing_tools():
    absent = [tool for tool in ("Xvfb", "xdotool", "dbus-run-session") if shutil.which(tool) is None]
    absent += [path for path in (SYSTEM_PYTHON, BUS_LAUNCHER) if not os.path.exists(path)]
    if not absent and subprocess.run([SYSTEM_PYTHON, "-c", "import pyatspi"], capture_output=True).returncode:
        absent.append("python3-pyatspi")
    return absent


def french(translations):
    """The French for each English text of the main window, from its translation."""
    root = ElementTree.parse(os.path.join(translations, "ouroboard_fr.ts")).getroot()
    table = next(context for context in root if context.findtext("name") == "ouroboard::SnakeTable")
    return {message.findtext("source"): message.findtext("translation") for message in table.iter("message")}


def game_env(display, language):
    return play.program_env(DISPLAY=display, LANGUAGE=language, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")


def application():
    import pyatspi
    return next((app for app in pyatspi.Registry.getDesktop(0) if app is not None and app.name == "Ouroboard"), None)


def nodes(node):
    """The node and everything under it."""
    yield node
    for child in node:
        if child is not None:
            yield from nodes(child)


def bar_items(app, menu=None):
    """The captions on the menu bar, or in the menu at that place on it."""
    bar = next(each for each in nodes(app) if each.getRoleName() == "menu bar")
    return [item.name for item in (bar if menu is None else bar[menu][0])]


def options_items(app):
    return bar_items(app, 0)


def check_english(binary, display):
    env = game_env(display, "C")
    with Program(binary, env) as game:
        app = wait_for(application, 20)
        expect(app is not None, "the game is on the accessibility bus")
        frames = lambda: [each.name for each in app if each.getRoleName() == "frame"]
        expect(wait_for(lambda: "Ouroboard" in frames(), 10), "its main window is a frame named Ouroboard")
        expect(bar_items(app) == ["Options", "Help", "PAUSE"], "the menu bar reads Options, Help and PAUSE")
        expect(options_items(app) == OPTIONS_ITEMS, "the Options menu reads %s" % ", ".join(OPTIONS_ITEMS))
        subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--pid", str(game.pid), "--name",
                        "^Ouroboard$", "windowfocus", "--sync", "key", "p"], env=env, check=True, timeout=20)
        expect(wait_for(lambda: bar_items(app)[2] == "RESUME", 5), "after P the menu bar reads RESUME")
        named = {each.name for each in nodes(app)}
        expect(all(name in named for name in NAMED_CONTROLS),
               "the board, the score and the seven speed steps have their names (missing: %s)"
               % sorted(set(NAMED_CONTROLS) - named))
        import pyatspi
        current = [each.name for each in nodes(app)
                   if each.name.startswith("Speed ") and each.getState().contains(pyatspi.STATE_CHECKED)]
        expect(len(current) == 1, "one speed step reads as the current one (%s)" % current)


def check_french(binary, display, translations):
    words = french(translations)
    expected = [words[caption] for caption in OPTIONS_ITEMS]
    with Program(binary, game_env(display, "fr")):
        app = wait_for(application, 20)
        expect(app is not None, "the game in French is on the accessibility bus")
        expect(wait_for(lambda: options_items(app) == expected, 10),
               "in French the Options menu reads %s" % ", ".join(expected))


def inside(binary, translations):
    # One accessibility bus for both runs: pyatspi keeps the first it meets.
    with play.XServer() as server:
        bus = subprocess.Popen([BUS_LAUNCHER, "--launch-immediately"], env=play.program_env(DISPLAY=server.display),
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            check_english(binary, server.display)
            check_french(binary, server.display, translations)
        finally:
            play.stop(bus)
    return 0


def main(argv):
    if len(argv) != 3:
        print(__doc__)
        return 2
    if os.environ.get(INSIDE):
        return inside(argv[1], argv[2])
    absent = missing_tools()
    if absent:
        print("skipped: missing", ", ".join(absent))
        return play.SKIP
    command = ["dbus-run-session", "--", SYSTEM_PYTHON, os.path.abspath(__file__)] + argv[1:]
    return subprocess.run(command, env=dict(os.environ, **{INSIDE: "1"})).returncode


if __name__ == "__main__":
    play.run_script(main)
