#!/usr/bin/env python3
"""The real game on the desktops players use, read from screenshots.

Usage: desktops.py DESKTOP OUROBOARD_BINARY ASSETS_DIR

DESKTOP is one of:
  wayland        a private headless weston: the window shows the board and
                 the snake moves
  openbox        a private X server under the openbox window manager: what
                 the manager is asked for, which window stays on top, what
                 each close box does, and campaign level 1 played through
                 by an autopilot to the level-passed screen and level 2
  small-screens  640 x 480, and 1366 x 768 at scale 1.5, the whole window
                 is on the screen, frame included; 1366 x 768 at scale 1.25
                 and 2560 x 1440 at scale 2 it opens at its own size, and
                 the art stays crisp; F11 fills a 1920 x 1080 screen, and a
                 maximised window, with a larger board
  screen-reader  the accessible tree over AT-SPI, in a private D-Bus session
                 and with Debian's python3 and its pyatspi: the menus and the
                 named controls in English, at scale 1 and 2, and the menus
                 in French; then, against the computer at the fastest speed
                 with player 1 left alone, the computer's score rises

Setting E2E_SHOTS to a folder keeps a copy of every screenshot there.
"""

import contextlib
import os
import shutil
import subprocess
import tempfile
import time
import xml.etree.ElementTree as ElementTree

import autopilot
import play
from play import BOARD_SIDE, CELL, Failure, expect, wait_for


def keep(shot_path, name):
    folder = os.environ.get("E2E_SHOTS")
    if folder:
        shutil.copy(shot_path, os.path.join(folder, name + ".png"))


def keep_screen(game, name):
    folder = os.environ.get("E2E_SHOTS")
    if folder:
        path = os.path.join(folder, name + ".png")
        subprocess.run(["import", "-window", "root", path], env=game.env, timeout=20)


def picture_of(width, height, pixels):
    data = b"".join(bytes(pixel) for pixel in pixels)
    return play.Image(b"P6\n%d %d\n255\n" % (width, height) + data)


def doubled(picture):
    """The picture as a scale factor of 2 shows it when it stays crisp: every
    pixel a 2 x 2 block."""
    pixels = [picture.pixel(x // 2, y // 2)
              for y in range(2 * picture.height) for x in range(2 * picture.width)]
    return picture_of(2 * picture.width, 2 * picture.height, pixels)


def frame_corner(assets, size):
    """The frame's top-left corner as the window shows it: the top band above
    the left band, and black inside."""
    top = play.read_picture(os.path.join(assets, "frame_top.png"))
    left = play.read_picture(os.path.join(assets, "frame_left.png"))
    pixels = [top.pixel(x, y) if y < top.height else
              left.pixel(x, y - top.height) if x < left.width else (0, 0, 0)
              for y in range(size) for x in range(size)]
    return picture_of(size, size, pixels)


def find_picture(shot, picture):
    """The top-left corners of every place where the screenshot shows the
    picture, found through the exact colour of its first pixel that is not
    black, as black is everywhere on the board."""
    expected = picture.region(0, 0, picture.width, picture.height)
    anchor = next(i for i, pixel in enumerate(expected) if pixel != (0, 0, 0))
    ay, ax = divmod(anchor, picture.width)
    colour = bytes(expected[anchor])
    found = set()
    at = shot.data.find(colour)
    while at >= 0:
        if at % 3 == 0:
            y, x = divmod(at // 3, shot.width)
            x, y = x - ax, y - ay
            if (0 <= x <= shot.width - picture.width and 0 <= y <= shot.height - picture.height and
                    play.same_picture(shot.region(x, y, picture.width, picture.height), expected)):
                found.add((x, y))
        at = shot.data.find(colour, at + 1)
    return found


class Board:
    """Where the board shows on a screenshot, found by the frame's corner,
    and which of its cells show the snake, at a scale factor of 1 or 2."""

    def __init__(self, assets, scale=1):
        self.scale = scale
        frame = frame_corner(assets, 24)
        snake = play.read_picture(os.path.join(assets, "snake4.png"))
        self.frame = doubled(frame) if scale == 2 else frame
        self.snake = doubled(snake) if scale == 2 else snake

    def origin(self, shot):
        corners = find_picture(shot, self.frame)
        return min(corners) if corners else None

    def snake_cells(self, shot, origin):
        side = CELL * self.scale
        cells = set()
        for x, y in find_picture(shot, self.snake):
            column, dx = divmod(x - origin[0] - side, side)
            row, dy = divmod(y - origin[1] - side, side)
            if dx == 0 and dy == 0:
                cells.add((row, column))
        return cells


def missing(*tools):
    absent = [tool for tool in tools if shutil.which(tool) is None]
    if absent:
        print("skipped: missing", ", ".join(absent))
    return absent


class Program:
    """The program in the given environment, killed on exit."""

    def __init__(self, binary, env):
        self.binary, self.env = binary, env

    def __enter__(self):
        self.process = subprocess.Popen([self.binary], env=self.env,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        return self.process

    def __exit__(self, *exc):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()


# --- Wayland ---

class Weston:
    """A headless weston with a runtime folder and socket of its own, so that
    parallel runs do not meet; killed on exit."""

    def __enter__(self):
        self.home = tempfile.mkdtemp(prefix="ouroboard-weston-")
        runtime = os.path.join(self.home, "runtime")
        os.mkdir(runtime, 0o700)
        socket = "ouroboard-%d" % os.getpid()
        self.process = subprocess.Popen(
            ["weston", "--backend=headless-backend.so", "--use-pixman", "--debug", "--no-config",
             "--idle-time=0", "--width=1024", "--height=768", "--socket=" + socket],
            env=dict(play.program_env(), XDG_RUNTIME_DIR=runtime, HOME=self.home),
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.env = play.program_env(QT_QPA_PLATFORM="wayland", WAYLAND_DISPLAY=socket, XDG_RUNTIME_DIR=runtime)
        listening = os.path.join(runtime, socket)
        if not wait_for(lambda: os.path.exists(listening) or self.process.poll() is not None, 20):
            self.__exit__()
            raise Failure("weston did not start")
        return self

    def __exit__(self, *exc):
        play.stop(self.process)
        shutil.rmtree(self.home, ignore_errors=True)

    def screenshot(self, name):
        """weston-screenshooter writes a time-stamped file to its working folder."""
        shots = os.path.join(self.home, "shots")
        os.makedirs(shots, exist_ok=True)
        subprocess.run(["weston-screenshooter"], cwd=shots, env=self.env, check=True, timeout=20)
        path = os.path.join(shots, os.listdir(shots)[0])
        keep(path, name)
        shot = play.read_picture(path)
        os.remove(path)
        return shot


def wayland(binary, assets):
    if missing("weston", "weston-screenshooter", "convert"):
        return play.SKIP
    board = Board(assets)
    with Weston() as weston, Program(binary, weston.env):
        shot, origin = None, None
        deadline = time.time() + 30
        while origin is None and time.time() < deadline:
            time.sleep(0.5)
            shot = weston.screenshot("wayland-1")
            origin = board.origin(shot)
        expect(origin is not None, "the main window shows the board under Wayland")
        first = board.snake_cells(shot, origin)
        time.sleep(1)
        second = board.snake_cells(weston.screenshot("wayland-2"), origin)
        for cells in (first, second):
            run = play.row_run(cells, 3)
            expect(len(run) == len(cells) and 6 <= len(cells) <= 8,
                   "player 1's snake is a straight run in row 3 (%s)" % sorted(cells))
        expect(first != second, "the snake moves between two screenshots")
    return 0


# --- openbox ---

class Openbox:
    """openbox managing the display, with a home of its own; stopped on exit."""

    def __init__(self, display):
        self.home = tempfile.mkdtemp(prefix="ouroboard-openbox-")
        self.env = dict(play.program_env(DISPLAY=display), HOME=self.home,
                        XDG_CONFIG_HOME=self.home, XDG_CACHE_HOME=self.home)

    def __enter__(self):
        self.log = tempfile.TemporaryFile()
        self.process = subprocess.Popen(["openbox", "--sm-disable"], env=self.env,
                                        stdout=self.log, stderr=subprocess.STDOUT)
        if not wait_for(lambda: "window id" in xprop(self.env, "-root", "_NET_SUPPORTING_WM_CHECK"), 20):
            self.__exit__()
            self.log.seek(0)
            raise Failure("openbox did not start (exit status %s): %s" % (self.process.poll(), self.log.read()))
        return self

    def __exit__(self, *exc):
        play.stop(self.process)
        shutil.rmtree(self.home, ignore_errors=True)


def xprop(env, *args):
    return subprocess.run(["xprop"] + list(args), env=env, capture_output=True, text=True, timeout=20).stdout


def window_named(game, title):
    windows = game.xdotool("search", "--all", "--onlyvisible", "--pid", str(game.process.pid), "--name", title)
    return windows.split()[0]


def wait_for_window(game, title):
    def found():
        try:
            return window_named(game, title)
        except subprocess.CalledProcessError:
            return None
    window = wait_for(found, 5)
    expect(window is not None, "a window titled %s opens" % title)
    return window


def close_box(game, window):
    """What the close box does: wmctrl asks openbox, which sends WM_DELETE_WINDOW."""
    subprocess.run(["wmctrl", "-i", "-c", window], env=game.env, check=True, timeout=20)


def gone(game, window):
    """True once the window is destroyed or unmapped."""
    def closed():
        shown = subprocess.run(["xwininfo", "-id", window], env=game.env, capture_output=True, text=True)
        return shown.returncode != 0 or "IsViewable" not in shown.stdout
    return wait_for(closed, 3)


def stacking(game):
    """The managed windows, bottom to top."""
    listed = xprop(game.env, "-root", "_NET_CLIENT_LIST_STACKING").partition("#")[2]
    return [int(window, 16) for window in listed.split(",")]


def centre(geometry):
    x, y, width, height = geometry
    return x + width // 2, y + height // 2


def check_centred_over_main_window(game, window, title):
    main_x, main_y = centre(game.geometry(game.main))
    x, y = centre(game.geometry(window))
    expect(abs(x - main_x) + abs(y - main_y) <= 40, "%s opens centred over the main window" % title)


def check_buttons(game, window, title, maximize=False):
    """Qt asks for a title bar and a close box (Motif hints: functions move,
    resize and close), and for the main window a maximize box; openbox
    offers no maximize on a fixed size."""
    hints = xprop(game.env, "-id", window, "_MOTIF_WM_HINTS").split("=")[1].split(",")
    actions = xprop(game.env, "-id", window, "_NET_WM_ALLOWED_ACTIONS")
    expect(int(hints[1], 16) == (0x36 if maximize else 0x26) and "_NET_WM_ACTION_CLOSE" in actions and
           ("MAXIMIZE" in actions) == maximize,
           "%s asks for a close box, no minimize and %s maximize" % (title, "a" if maximize else "no"))


def check_settings(game):
    x, y, width, height = play.open_options(game)
    game.click(x + width // 3, y + height * 7 // 10)  # Settings is the fourth of five items
    window = wait_for_window(game, "^SETTINGS$")
    check_centred_over_main_window(game, window, "Settings")
    check_buttons(game, window, "Settings")
    keep_screen(game, "openbox-settings")
    properties = xprop(game.env, "-id", window, "_NET_WM_WINDOW_TYPE", "_NET_WM_STATE")
    expect("_NET_WM_WINDOW_TYPE_UTILITY" in properties and "_NET_WM_STATE_SKIP_TASKBAR" in properties,
           "Settings is a tool window without a task-bar entry (%s)" % properties.strip())
    close_box(game, window)
    expect(gone(game, window), "Settings' close box closes it")
    expect(game.still_snake() == game.still_snake(), "the game stays paused")
    game.toggle_pause()


def check_help(game):
    game.click_menu_item(1)
    window = wait_for_window(game, "^Help$")
    check_centred_over_main_window(game, window, "Help")
    check_buttons(game, window, "Help")
    before = game.snake_cells(game.screenshot())
    close_box(game, window)
    expect(gone(game, window), "Help's close box closes it")
    time.sleep(1)
    expect(game.snake_cells(game.screenshot()) != before, "closing Help starts the clock again")


def end_screen_window(game):
    for window in game.windows():
        try:
            if game.geometry(window)[2:] == play.END_SCREEN_SIZE:
                return window
        except subprocess.CalledProcessError:
            continue  # a menu or a tooltip that has gone meanwhile
    raise Failure("the end screen has gone")


def check_game_over_stays_on_top(game):
    game.toggle_pause()
    screen = play.bring_up_game_over(game)
    window = end_screen_window(game)
    properties = xprop(game.env, "-id", window, "_NET_FRAME_EXTENTS", "_NET_WM_STATE")
    expect("= 0, 0, 0, 0" in properties and "_NET_WM_STATE_SKIP_TASKBAR" in properties,
           "the end screen has no title bar and no task-bar entry")
    x, y = centre(game.geometry(game.main))
    game.click(x, game.geometry(game.main)[1] - 10)  # the main window's title bar
    close_box(game, window)
    time.sleep(0.5)
    keep_screen(game, "openbox-game-over")
    order = stacking(game)
    on_top = order.index(int(window)) > order.index(int(game.main))
    expect(on_top and play.shows(game, screen, game.game_over),
           "the end screen stays above the main window, also when the main window is clicked and the "
           "window manager asks the end screen to close")
    game.click(screen[0] + 177, screen[1] + 101)
    expect(wait_for(lambda: game.end_screen() is None, 3), "a click dismisses the end screen")


def choose_campaign(game):
    """Options > Mode > Campaign, by the keys the menus answer to."""
    game.click_menu_item(0)
    time.sleep(0.3)
    game.xdotool("key", "--delay", "80", "Down", "Down", "Down", "Right", "Down", "Return")


def title(game):
    return game.xdotool("getwindowname", game.main).strip()


def walled_border_cells(game, assets):
    wall = play.read_picture(os.path.join(assets, "obstacle2.png")).region(0, 0, CELL, CELL)
    shot = game.screenshot()
    border = [(row, column) for row in range(BOARD_SIDE) for column in range(BOARD_SIDE)
              if {row, column} & {0, BOARD_SIDE - 1}]
    return [cell for cell in border
            if play.same_picture(shot.region(game.client[0] + CELL * (1 + cell[1]),
                                             game.client[1] + CELL * (1 + cell[0]), CELL, CELL), wall)]


def check_level_passed(game, assets):
    """Campaign level 1 played through at the slowest speed; Down pressed
    behind the level-passed screen, then Return: level 2 starts walled, and
    its first move goes down."""
    play.check_speed_indicator(game, 0, [True] + [False] * 6)
    choose_campaign(game)
    expect(wait_for(lambda: title(game) == "Ouroboard \u2014 Level 1", 3), "Campaign starts at level 1")
    game.click_client(250, 250)  # the keyboard back to the board
    time.sleep(3 * play.SLOW_TICK)  # the new game's first moves repaint the whole board
    display = autopilot.Display(game.env["DISPLAY"])
    try:
        started = time.time()
        eaten = autopilot.Autopilot(game, display).play_level(25)
        print("note: %d food items eaten in %.0f seconds" % (eaten, time.time() - started))
    finally:
        display.close()
    screen = wait_for(game.end_screen, 3)
    expect(screen is not None and eaten == 25, "the 25th food item brings up the end screen")
    expect(game.main not in game.windows(), "the main window hides")
    keep_screen(game, "openbox-level-passed")
    proceed = play.read_picture(os.path.join(assets, "level_proceed.png"))
    expect(play.shows(game, screen, proceed), "the end screen shows the level-passed picture")
    window = end_screen_window(game)
    expect(wait_for(lambda: game.xdotool("getwindowfocus").strip() == window, 3),
           "the level-passed screen has the keyboard")
    game.xdotool("key", "Down", "Return")
    expect(wait_for(lambda: game.end_screen() is None, 3), "Return dismisses the level-passed screen")
    expect(wait_for(lambda: game.main in game.windows(), 3), "the main window shows again")
    expect(title(game) == "Ouroboard \u2014 Level 2", "the title names level 2")
    keep_screen(game, "openbox-level-2")
    walled = walled_border_cells(game, assets)
    expect(len(walled) == 4 * (BOARD_SIDE - 1), "level 2's walls stand all around the board (%d cells)"
           % len(walled))
    time.sleep(2 * play.SLOW_TICK)
    cells = game.snake_cells(game.screenshot())
    expect((4, 16) in cells and (3, 17) not in cells,
           "the turn pressed behind the end screen is the first move (%s)" % sorted(cells))


def check_main_close_box(game):
    close_box(game, game.main)
    play.expect_ended(game, "the main window's close box")


def openbox(binary, assets):
    if missing("Xvfb", "openbox", "wmctrl", "xdotool", "xprop", "xwininfo", "import", "convert"):
        return play.SKIP
    with play.XServer() as server, Openbox(server.display), play.Game(binary, assets, server.display) as game:
        game.main = window_named(game, "^Ouroboard$")
        check_buttons(game, game.main, "the main window", maximize=True)
        game.toggle_pause()
        check_settings(game)
        check_help(game)
        check_game_over_stays_on_top(game)
        check_level_passed(game, assets)
        check_main_close_box(game)
    return 0


# --- small, scaled and large screens ---

FRAME_VIOLET = (105, 90, 215)


def frame_width(shot):
    """How wide the board's violet frame shows, along the middle of the screen."""
    y = shot.height // 2
    violet = [x for x in range(shot.width)
              if all(abs(a - b) <= 60 for a, b in zip(shot.pixel(x, y), FRAME_VIOLET))]
    return violet[-1] - violet[0] + 1 if violet else 0


class Scaled(contextlib.ExitStack):
    """The game on a screen of the given size and scale, under openbox."""

    def __init__(self, binary, size, scale):
        super().__init__()
        self.binary, self.size, self.scale = binary, size, scale

    def __enter__(self):
        super().__enter__()
        self.server = self.enter_context(play.XServer(self.size))
        self.manager = self.enter_context(Openbox(self.server.display))
        self.env = dict(play.program_env(DISPLAY=self.server.display), QT_SCALE_FACTOR=str(self.scale))
        self.enter_context(Program(self.binary, self.env))
        search = ["xdotool", "search", "--sync", "--onlyvisible", "--name", "^Ouroboard$"]
        self.window = subprocess.check_output(search, env=self.env, timeout=30).split()[0].decode()
        time.sleep(1.5)  # let openbox frame it, and the game fit it to the screen
        return self

    def name(self):
        return "%s-scale%s" % (self.size, self.scale)

    def shot(self, name):
        path = os.path.join(self.manager.home, "shot.png")
        subprocess.run(["import", "-window", "root", path], env=self.env, check=True, timeout=20)
        keep(path, name)
        return play.read_picture(path)

    def frame(self):
        """The window's client area and the frame's extents, in device pixels."""
        extents = xprop(self.env, "-id", self.window, "_NET_FRAME_EXTENTS").split("=")[1]
        left, right, top, bottom = (int(side) for side in extents.split(","))
        x, y, width, height = play.Game.geometry(self.manager, self.window)
        return x - left, y - top, x + width + right, y + height + bottom, width

    def key(self, name):
        subprocess.run(["xdotool", "windowactivate", "--sync", self.window, "key", name], env=self.env,
                       check=True, timeout=20)
        time.sleep(1)


def check_whole_on_screen(screen):
    left, top, right, bottom, _ = screen.frame()
    width, height = (int(side) for side in screen.size.split("x"))
    expect(left >= 0 and top >= 0 and right <= width and bottom <= height,
           "on %s the whole window, frame included, is on the screen (%s)"
           % (screen.name(), (left, top, right, bottom)))
    screen.shot("screen-" + screen.name())


def check_own_size(screen, assets):
    width = screen.frame()[4]
    expect(width == round(707 * screen.scale),
           "on %s the window opens at its own size (%d pixels wide)" % (screen.name(), width))
    if screen.scale != 2:
        return
    board = Board(assets, 2)
    shot = screen.shot("screen-" + screen.name())
    origin = board.origin(shot)
    expect(origin is not None, "the board shows, its frame pixel for pixel")
    cells = board.snake_cells(shot, origin)
    expect(len(cells) >= 6, "at scale 2 every snake cell shows its picture pixel for pixel (%s)"
           % sorted(cells))


def check_larger_board(screen, how, action):
    own = frame_width(screen.shot("large-own-size"))
    action()
    larger = frame_width(screen.shot("large-" + how))
    expect(own >= 500 and larger > own * 1.3,
           "%s shows a larger board (frame %d pixels wide, %d at its own size)" % (how, larger, own))


def small_screens(binary, assets):
    if missing("Xvfb", "openbox", "xdotool", "xprop", "xwininfo", "import", "convert", "wmctrl"):
        return play.SKIP
    own_size = lambda screen: check_own_size(screen, assets)
    for size, scale, check in (("640x480", 1, check_whole_on_screen), ("1366x768", 1.5, check_whole_on_screen),
                               ("1366x768", 1.25, own_size), ("2560x1440", 2, own_size)):
        with Scaled(binary, size, scale) as screen:
            check(screen)
    with Scaled(binary, "1920x1080", 1) as screen:
        check_larger_board(screen, "full screen", lambda: screen.key("F11"))
        expect(screen.frame()[4] == 1920, "F11 fills the screen")
        screen.key("Escape")
        expect(screen.frame()[4] == 707, "Escape leaves full screen")
        maximise = ["wmctrl", "-i", "-r", screen.window, "-b", "add,maximized_vert,maximized_horz"]
        check_larger_board(screen, "maximised", lambda: subprocess.run(maximise, env=screen.env, check=True,
                                                                       timeout=20) and time.sleep(1))
    return 0


# --- a screen reader's view ---

SYSTEM_PYTHON, BUS_LAUNCHER = "/usr/bin/python3", "/usr/libexec/at-spi-bus-launcher"
MENUS = ["Options", "New Game", "Players", "Mode", "Settings", "Exit", "Help", "PAUSE"]
CONTROLS = ["Board", "Player 1 score: 0"] + ["Speed %d of 7" % step for step in range(1, 8)]


def on_the_bus(what):
    """The running game's root in the accessible tree."""
    import pyatspi
    apps = pyatspi.Registry.getDesktop(0)
    app = wait_for(lambda: next((app for app in apps if app and app.name == "Ouroboard"), None), 20)
    expect(app is not None, "the game %s is on the accessibility bus" % what)
    return app


def accessible_names(binary, display, language, scale=1):
    """Every name in the running game's accessible tree."""
    import pyatspi
    env = play.program_env(DISPLAY=display, LANGUAGE=language, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                           QT_SCALE_FACTOR=str(scale))
    with Program(binary, env):
        app = on_the_bus("in LANGUAGE=%s" % language)
        names = lambda: {node.name for node in pyatspi.findAllDescendants(app, lambda node: True)}
        wait_for(lambda: "Options" in names(), 10)  # the menu bar comes with the window
        return names()


def computer_score_rises(binary, display):
    """Against the computer at the fastest speed, with player 1 left alone,
    the computer's score, as a screen reader hears it, rises."""
    import pyatspi
    env = play.program_env(DISPLAY=display, LANGUAGE="C", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    with Program(binary, env):
        app = on_the_bus("against the computer")
        named = lambda test: next(iter(pyatspi.findAllDescendants(app, lambda node: test(node.name or ""))), None)

        def press(name):
            node = wait_for(lambda: named(lambda text: text == name), 10)
            expect(node is not None, "the tree names %s" % name)
            actions = node.queryAction()
            names = [actions.getName(i).lower() for i in range(actions.nActions)]
            actions.doAction(names.index("press") if "press" in names else 0)

        for name in ("Against the Computer", "Hard", "Speed 7 of 7"):
            press(name)

        def score():
            node = named(lambda text: text.startswith("Computer score: "))
            return int(node.name.rpartition(" ")[2]) if node else 0

        first = wait_for(lambda: score() or None, 15)
        expect(first, "the computer scores, steering player 2 by itself")
        expect(wait_for(lambda: score() > first, 15), "the computer's score rises past %d" % first)


def french_words(assets):
    """The French for each of the game's texts, from its translation."""
    path = os.path.join(assets, os.pardir, "translations", "ouroboard_fr.ts")
    messages = ElementTree.parse(path).getroot().iter("message")
    return {message.findtext("source"): message.findtext("translation") for message in messages}


def screen_reader(binary, assets):
    if not os.environ.get("OUROBOARD_E2E_SESSION"):
        if missing("Xvfb", "dbus-run-session", SYSTEM_PYTHON, BUS_LAUNCHER):
            return play.SKIP
        command = ["dbus-run-session", "--", SYSTEM_PYTHON, os.path.abspath(__file__), "screen-reader",
                   binary, assets]
        return subprocess.run(command, env=dict(os.environ, OUROBOARD_E2E_SESSION="1")).returncode
    if subprocess.run([SYSTEM_PYTHON, "-c", "import pyatspi"], capture_output=True).returncode:
        print("skipped: missing python3-pyatspi")
        return play.SKIP
    french = french_words(assets)
    with play.XServer("2560x1440") as server:
        # One bus for every game: pyatspi keeps the first it meets.
        with Program(BUS_LAUNCHER, play.program_env(DISPLAY=server.display)):
            for language, scale, expected in (("C", 1, MENUS + CONTROLS), ("C", 2, MENUS + CONTROLS),
                                              ("fr", 1, [french[text] for text in MENUS])):
                missed = set(expected) - accessible_names(binary, server.display, language, scale)
                expect(not missed, "LANGUAGE=%s at scale %d: the tree names %s (missing: %s)"
                       % (language, scale, ", ".join(expected), sorted(missed)))
            computer_score_rises(binary, server.display)
    return 0


DESKTOPS = {"wayland": wayland, "openbox": openbox, "small-screens": small_screens, "screen-reader": screen_reader}


def main(argv):
    if len(argv) != 4 or argv[1] not in DESKTOPS:
        print(__doc__)
        return 2
    return DESKTOPS[argv[1]](argv[2], argv[3])


if __name__ == "__main__":
    play.run_script(main)
