#!/usr/bin/env python3
"""Plays the real game in a private X server, with real input, and reads
what it shows from screenshots.

Usage: play.py OUROBOARD_BINARY ASSETS_DIR

The checks: the snake runs along its row, turns on a key press, the speed
indicator lights the clicked steps, a snake that runs into itself brings up
the end screen, a click dismisses it, and Options > Exit ends the program.
Timing is never assumed exactly: the script reads the screen and retries.
"""

import atexit
import os
import shutil
import subprocess
import sys
import tempfile
import time

SKIP = 77
BOARD_SIDE = 30
CELL = 16
CLIENT_HEIGHT = 541
END_SCREEN_SIZE = (354, 202)
SLOW_TICK = 0.25


class Failure(Exception):
    pass


class Image:
    """An RGB picture from ImageMagick's binary PPM output ("P6\nW H\n255\n" and the pixels)."""

    def __init__(self, ppm):
        magic, size, depth, self.data = ppm.split(b"\n", 3)
        if magic != b"P6" or depth != b"255":
            raise Failure("unexpected picture format %r" % ppm[:20])
        self.width, self.height = map(int, size.split())

    def pixel(self, x, y):
        i = (y * self.width + x) * 3
        return tuple(self.data[i:i + 3])

    def region(self, left, top, width, height):
        return [self.pixel(left + dx, top + dy) for dy in range(height) for dx in range(width)]


def read_picture(path):
    return Image(subprocess.check_output(
        ["convert", path, "-background", "black", "-flatten", "-depth", "8", "ppm:-"]))


def same_picture(actual, expected):
    """True when nearly every pixel matches, allowing for a stray pixel."""
    close = sum(1 for a, e in zip(actual, expected)
                if all(abs(p - q) <= 8 for p, q in zip(a, e)))
    return close >= 0.95 * len(expected)


# The pictures the game paints and keeps go to a cache of the tests' own.
CACHE = tempfile.mkdtemp(prefix="ouroboard-e2e-cache-")
atexit.register(shutil.rmtree, CACHE, ignore_errors=True)


def program_env(**settings):
    """The caller's environment for the program, with no display but the one
    given in settings, the leak checker's suppressions and a cache of the
    tests' own. The captions are read off the screen, so the game speaks
    English unless told."""
    env = dict(os.environ, LANGUAGE="C", XDG_CACHE_HOME=CACHE)
    for variable in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "QT_SCALE_FACTOR"):
        env.pop(variable, None)
    suppressions = os.path.join(os.path.dirname(os.path.abspath(__file__)), "lsan.supp")
    env["LSAN_OPTIONS"] = ":".join(
        filter(None, [os.environ.get("LSAN_OPTIONS"), "suppressions=" + suppressions]))
    env.update(settings)
    return env


def stop(process):
    """Asks a helper process to end, and makes sure it does."""
    process.terminate()
    try:
        process.wait(timeout=5)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()


class XServer:
    """Xvfb on a display number it picks itself, killed on exit."""

    def __init__(self, size="1024x768"):
        self.size = size

    def __enter__(self):
        read_end, write_end = os.pipe()
        self.process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", self.size + "x24",
             "-nolisten", "tcp", "-noreset"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as pipe:
            number = pipe.readline().strip()
        if not number:
            self.process.kill()
            raise Failure("Xvfb did not start")
        self.display = ":" + number
        # The number can come a moment before the server takes connections;
        # -noreset keeps this first client's leaving from resetting the server.
        if not wait_for(lambda: subprocess.run(["xprop", "-display", self.display, "-root", "-len", "0"],
                                               capture_output=True).returncode == 0, 10):
            self.__exit__()
            raise Failure("Xvfb does not take connections")
        return self

    def __exit__(self, *exc):
        stop(self.process)


class Game:
    """The running program and what the screen shows of it."""

    def __init__(self, binary, assets, display):
        self.binary = binary
        self.env = program_env(DISPLAY=display)
        self.snake = read_picture(os.path.join(assets, "snake4.png")).region(0, 0, CELL, CELL)
        self.lit = [self.step_picture(assets, "speed_lit", i) for i in range(7)]
        self.unlit = [self.step_picture(assets, "speed_unlit", i) for i in range(7)]
        self.game_over = read_picture(os.path.join(assets, "game_over.png"))

    def __enter__(self):
        self.errors = tempfile.TemporaryFile()
        self.process = subprocess.Popen([self.binary], env=self.env,
                                        stdout=subprocess.DEVNULL, stderr=self.errors)
        try:
            self.find_window()
        except BaseException:
            self.__exit__()
            raise
        return self

    def find_window(self):
        window = self.xdotool("search", "--sync", "--all", "--onlyvisible", "--pid", str(self.process.pid),
                              "--name", "^Ouroboard$").split()[0]
        x, y, width, height = self.geometry(window)
        if width != 707:
            raise Failure("main window is %dx%d" % (width, height))
        self.menu_height = height - CLIENT_HEIGHT
        self.client = (x, y + self.menu_height)
        self.menu_bar = (x, y, width, self.menu_height)
        time.sleep(0.5)  # let the first paint settle
        self.menu_items = self.menu_bar_items(self.screenshot())
        if len(self.menu_items) != 3:
            raise Failure("expected Options, Help and PAUSE on the menu bar, found %d captions"
                          % len(self.menu_items))

    def __exit__(self, *exc):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()
        self.errors.close()

    def error_output(self):
        self.errors.seek(0)
        return self.errors.read().decode(errors="replace").strip()

    @staticmethod
    def step_picture(assets, stem, step):
        picture = read_picture(os.path.join(assets, "%s%d.png" % (stem, step)))
        return picture.region(0, 0, CELL, 32 + 16 * step)

    def xdotool(self, *args):
        return subprocess.check_output(["xdotool"] + list(args), env=self.env, timeout=20).decode()

    def geometry(self, window):
        """Where the window's client area is on the screen; xdotool's answer
        is off by the frame under a window manager, xwininfo's is not."""
        values = {}
        output = subprocess.check_output(["xwininfo", "-id", window], env=self.env, timeout=20,
                                         stderr=subprocess.DEVNULL).decode()
        for line in output.splitlines():
            key, _, value = line.partition(":")
            values[key.strip()] = value.strip()
        keys = ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height")
        return tuple(int(values[key]) for key in keys)

    def screenshot(self):
        return Image(subprocess.check_output(["import", "-window", "root", "-depth", "8", "ppm:-"],
                                             env=self.env))

    def click(self, x, y):
        self.xdotool("mousemove", "--sync", str(x), str(y), "click", "1")

    def click_client(self, x, y):
        self.click(self.client[0] + x, self.client[1] + y)

    # --- the menu bar ---

    def menu_bar_items(self, shot):
        """The horizontal extents of the captions on the menu bar, left to right."""
        left, top, width, height = self.menu_bar
        background = shot.pixel(left + width - 3, top + height // 2)
        inked = [any(sum(abs(a - b) for a, b in zip(shot.pixel(x, y), background)) > 150
                     for y in range(top + 2, top + height - 2))
                 for x in range(left, left + width)]
        items, start, gap = [], None, 0
        for offset, ink in enumerate(inked + [False] * 12):
            if ink:
                start = offset if start is None else start
                gap = 0
            elif start is not None:
                gap += 1
                if gap > 8:
                    items.append((left + start, left + offset - gap))
                    start, gap = None, 0
        return items

    def click_menu_item(self, index, where=0.5):
        """Clicks a caption on the menu bar, at a fraction of its width as
        the program started; RESUME starts where PAUSE does and is wider."""
        first, last = self.menu_items[index]
        self.click(round(first + where * (last - first)), self.menu_bar[1] + self.menu_bar[3] // 2)

    def pause_spot(self):
        """Where to click PAUSE/RESUME next: two clicks on one spot in quick
        succession would make a double click, so alternate between two."""
        self.pause_side = 0.85 if getattr(self, "pause_side", 0.85) == 0.15 else 0.15
        first, last = self.menu_items[2]
        x = round(first + self.pause_side * (last - first))
        return str(x), str(self.menu_bar[1] + self.menu_bar[3] // 2)

    def toggle_pause(self):
        self.xdotool("mousemove", "--sync", *self.pause_spot(), "click", "1")

    def run_briefly(self, key, seconds):
        """Turns while paused, resumes, and pauses again after the given time;
        one xdotool run keeps the timing free of process start-up delays."""
        board = (str(self.client[0] + 250), str(self.client[1] + 250))
        self.xdotool("mousemove", "--sync", *board, "key", key,
                     "mousemove", "--sync", *self.pause_spot(), "click", "1", "sleep", str(seconds),
                     "mousemove", "--sync", *self.pause_spot(), "click", "1")

    # --- the board ---

    def snake_cells(self, shot):
        cells = set()
        for cell in range(BOARD_SIDE * BOARD_SIDE):
            row, column = divmod(cell, BOARD_SIDE)
            left = self.client[0] + CELL + CELL * column
            top = self.client[1] + CELL + CELL * row
            if same_picture(shot.region(left, top, CELL, CELL), self.snake):
                cells.add((row, column))
        return cells

    def still_snake(self):
        """The snake's cells once two screenshots a tick apart agree."""
        previous = self.snake_cells(self.screenshot())
        for _ in range(10):
            time.sleep(SLOW_TICK * 1.5)
            current = self.snake_cells(self.screenshot())
            if current == previous:
                return current
            previous = current
        raise Failure("the board keeps changing while paused")

    # --- the speed indicator ---

    def click_speed_step(self, step):
        self.click_client(536 + 24 * step + 8, 184 - 10)
        time.sleep(0.1)

    def lit_steps(self, shot):
        lit = []
        for step in range(7):
            height = 32 + 16 * step
            bar = shot.region(self.client[0] + 536 + 24 * step, self.client[1] + 184 - height, CELL, height)
            if same_picture(bar, self.lit[step]):
                lit.append(True)
            elif same_picture(bar, self.unlit[step]):
                lit.append(False)
            else:
                raise Failure("speed step %d shows neither its lit nor its unlit picture" % step)
        return lit

    # --- steering ---

    def key(self, name):
        # Without a window manager the keyboard follows the pointer.
        self.xdotool("mousemove", "--sync", str(self.client[0] + 250), str(self.client[1] + 250), "key", name)

    def windows(self):
        """The program's visible windows; a search that meets a window going
        away says so on its error output, which is of no interest here."""
        search = ["xdotool", "search", "--all", "--onlyvisible", "--pid", str(self.process.pid), "--name", ""]
        return subprocess.run(search, env=self.env, capture_output=True, text=True, timeout=20).stdout.split()

    def end_screen(self):
        for window in self.windows():
            try:
                geometry = self.geometry(window)
            except subprocess.CalledProcessError:
                continue
            if geometry[2:] == END_SCREEN_SIZE:
                return geometry
        return None


def expect(condition, message):
    if not condition:
        raise Failure(message)
    print("ok:", message)


def expect_ended(game, how):
    """The program ends by itself within five seconds, with exit status 0."""
    try:
        code = game.process.wait(timeout=5)
    except subprocess.TimeoutExpired:
        raise Failure("%s did not end the program" % how)
    details = "\n" + game.error_output()[-3000:] if code else ""
    expect(code == 0, "%s ends the program (exit code %d)%s" % (how, code, details))


def run_script(main):
    """Runs a test script's main: a failed check prints what failed and exits 1."""
    try:
        sys.exit(main(sys.argv))
    except Failure as failure:
        print("FAILED:", failure)
        sys.exit(1)


def row_run(cells, row):
    """The columns of a straight, gap-free run on the row, wrapping at the edge."""
    columns = sorted(column for r, column in cells if r == row)
    if not columns or len(columns) == BOARD_SIDE:
        return []
    start = next(c for c in columns if (c - 1) % BOARD_SIDE not in columns)
    run = [(start + k) % BOARD_SIDE for k in range(len(columns))]
    return run if set(run) == set(columns) else []


def check_speed_indicator(game, step, expected):
    game.click_speed_step(step)
    lit = game.lit_steps(game.screenshot())
    expect(lit == expected, "after a click on speed step %d the lit steps are %s" %
           (step, [i for i, on in enumerate(expected) if on]))


def check_snake_runs_along_row_three(game):
    time.sleep(4 * SLOW_TICK)
    game.toggle_pause()
    cells = game.still_snake()
    run = row_run(cells, 3)
    expect(len(run) in (6, 7) and len(cells) == len(run),
           "player 1's snake is a straight run of 6 cells in row 3 (%s)" % sorted(cells))
    expect(run[-1] != 15, "the snake has moved right of its start (head in column %d)" % run[-1])


def check_turn_down(game):
    game.key("Down")
    game.toggle_pause()
    time.sleep(3 * SLOW_TICK)
    game.toggle_pause()
    cells = game.still_snake()
    expect(any(row > 3 for row, _ in cells), "after Down the head has gone below row 3 (%s)" % sorted(cells))


def steer_into_itself(game):
    """Up, left and down, one tick each: the head comes down onto the neck.
    Returns False when a step took other than exactly one tick."""
    check_speed_indicator(game, 0, [True] + [False] * 6)  # also puts the snake back at its start
    for key, reached, beyond in (("Up", (2, 15), (1, 15)), ("Left", (2, 14), (2, 13))):
        game.run_briefly(key, SLOW_TICK * 1.5)  # one tick comes after 250 ms, the next after 500
        cells = game.still_snake()
        if reached not in cells or beyond in cells:
            print("note: %s did not take exactly one tick (%s); trying again" % (key, sorted(cells)))
            return False
    game.key("Down")
    game.toggle_pause()
    return True


def wait_for(condition, seconds):
    deadline = time.time() + seconds
    while time.time() < deadline:
        result = condition()
        if result:
            return result
        time.sleep(0.1)
    return condition()


def bring_up_game_over(game):
    """Steers the snake into itself; returns the end screen's geometry."""
    screen = None
    for _ in range(4):
        if steer_into_itself(game):
            screen = wait_for(game.end_screen, 3)
            break
    expect(screen is not None,
           "a %dx%d end screen appears after the snake runs into itself" % END_SCREEN_SIZE)
    expect(shows(game, screen, game.game_over), "the end screen shows the game-over picture")
    return screen


def shows(game, screen, picture):
    """True when the end screen at screen shows the picture inside its frame."""
    x, y = screen[0] + 1, screen[1] + 1
    shown = game.screenshot().region(x + 100, y + 50, 150, 100)
    return same_picture(shown, picture.region(100, 50, 150, 100))


def check_death_brings_up_the_end_screen(game):
    screen = bring_up_game_over(game)
    game.click(screen[0] + 177, screen[1] + 101)
    expect(wait_for(lambda: game.end_screen() is None, 3), "a click dismisses the end screen")


def open_options(game):
    """Opens the Options menu; returns its geometry."""
    game.click_menu_item(0)
    time.sleep(0.3)
    popup = None
    for window in game.windows():
        geometry = game.geometry(window)
        if geometry[2] != 707 and geometry[3] > 60:
            popup = geometry
    expect(popup is not None, "Options opens its menu")
    return popup


def check_exit(game):
    x, y, width, height = open_options(game)
    game.click(x + width // 3, y + height - 14)  # Exit is the last item
    expect_ended(game, "Exit")


def main(argv):
    if len(argv) != 3:
        print(__doc__)
        return 2
    missing = [tool for tool in ("Xvfb", "xdotool", "import", "convert") if shutil.which(tool) is None]
    if missing:
        print("skipped: missing", ", ".join(missing))
        return SKIP
    binary, assets = argv[1], argv[2]
    with XServer() as server, Game(binary, assets, server.display) as game:
        check_speed_indicator(game, 0, [True] + [False] * 6)
        check_snake_runs_along_row_three(game)
        check_turn_down(game)
        check_speed_indicator(game, 6, [True] * 7)
        check_death_brings_up_the_end_screen(game)
        check_exit(game)
    return 0


if __name__ == "__main__":
    run_script(main)
