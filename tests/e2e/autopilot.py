"""Plays player 1 through a campaign level on the real program as a player
would: it watches the board and presses an arrow key as soon as the head has
moved, so each key reaches the game well before the next move.

The board is read and the keys are sent through a connection of its own to the
X server: that takes a millisecond, where starting ImageMagick or xdotool takes
tens, so no move goes unseen even at a fast speed or on a busy machine.
"""

import ctypes
import ctypes.util
import time

from play import BOARD_SIDE, CELL, Failure, row_run

HEADINGS = {"Right": (0, 1), "Left": (0, -1), "Up": (-1, 0), "Down": (1, 0)}
ACROSS = {"Right": ("Up", "Down"), "Left": ("Up", "Down"), "Up": ("Left", "Right"), "Down": ("Left", "Right")}
BLACK = b"\0\0\0"


def step(cell, heading):
    """The next cell along heading, on the board that wraps at its edges."""
    (row, column), (dr, dc) = cell, HEADINGS[heading]
    return (row + dr) % BOARD_SIDE, (column + dc) % BOARD_SIDE


def distance(a, b):
    rows, columns = abs(a[0] - b[0]), abs(a[1] - b[1])
    return min(rows, BOARD_SIDE - rows) + min(columns, BOARD_SIDE - columns)


def room(start, snake, enough):
    """How many free cells the head can reach from start, counted up to enough."""
    seen, todo = {start}, [start]
    while todo and len(seen) < enough:
        cell = todo.pop()
        for heading in HEADINGS:
            onward = step(cell, heading)
            if onward not in snake and onward not in seen:
                seen.add(onward)
                todo.append(onward)
    return len(seen)


class XImage(ctypes.Structure):
    """The leading fields of Xlib's XImage, up to those read here."""
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                ("format", ctypes.c_int), ("data", ctypes.c_void_p), ("byte_order", ctypes.c_int),
                ("bitmap_unit", ctypes.c_int), ("bitmap_bit_order", ctypes.c_int),
                ("bitmap_pad", ctypes.c_int), ("depth", ctypes.c_int), ("bytes_per_line", ctypes.c_int),
                ("bits_per_pixel", ctypes.c_int)]


class Display:
    """Pixels from the screen and key presses, through Xlib and XTest."""

    Z_PIXMAP, LSB_FIRST = 2, 0

    def __init__(self, name):
        self.x = ctypes.CDLL(ctypes.util.find_library("X11"))
        self.xtst = ctypes.CDLL(ctypes.util.find_library("Xtst"))
        self.x.XOpenDisplay.restype = ctypes.c_void_p
        self.x.XOpenDisplay.argtypes = [ctypes.c_char_p]
        self.x.XDefaultRootWindow.restype = ctypes.c_ulong
        self.x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        self.x.XGetImage.restype = ctypes.POINTER(XImage)
        self.x.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                                     ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
        self.x.XDestroyImage.argtypes = [ctypes.POINTER(XImage)]
        self.x.XStringToKeysym.restype = ctypes.c_ulong
        self.x.XStringToKeysym.argtypes = [ctypes.c_char_p]
        self.x.XKeysymToKeycode.restype = ctypes.c_ubyte
        self.x.XKeysymToKeycode.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
        self.x.XFlush.argtypes = [ctypes.c_void_p]
        self.x.XCloseDisplay.argtypes = [ctypes.c_void_p]
        self.xtst.XTestFakeKeyEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]
        self.dpy = self.x.XOpenDisplay(name.encode())
        if not self.dpy:
            raise Failure("cannot open display %s" % name)
        self.root = self.x.XDefaultRootWindow(self.dpy)

    def close(self):
        self.x.XCloseDisplay(self.dpy)

    def pixels(self, left, top, width, height):
        """The screen's pixels as rows of blue, green, red and a spare byte,
        and the length of a row in bytes."""
        image = self.x.XGetImage(self.dpy, self.root, left, top, width, height, 0xFFFFFFFF, self.Z_PIXMAP)
        if not image:
            raise Failure("the screen cannot be read")
        try:
            shape = image.contents
            if shape.bits_per_pixel != 32 or shape.byte_order != self.LSB_FIRST:
                raise Failure("unexpected screen format: %d bits per pixel" % shape.bits_per_pixel)
            return ctypes.string_at(shape.data, shape.bytes_per_line * height), shape.bytes_per_line
        finally:
            self.x.XDestroyImage(image)

    def press(self, key):
        code = self.x.XKeysymToKeycode(self.dpy, self.x.XStringToKeysym(key.encode()))
        self.xtst.XTestFakeKeyEvent(self.dpy, code, True, 0)
        self.xtst.XTestFakeKeyEvent(self.dpy, code, False, 0)
        self.x.XFlush(self.dpy)


class Autopilot:
    """Steers player 1 of a one-player game on the empty, wrapping board."""

    STALL = 3  # seconds without a move: the game has stopped

    def __init__(self, game, display):
        self.game, self.x = game, display
        red, green, blue = game.snake[(CELL // 2) * CELL + CELL // 2]
        self.snake_colour = bytes((blue, green, red))

    def look(self):
        """The cells that show the snake, and the cell of the food item, told
        apart by the colour in the middle of each cell."""
        side = BOARD_SIDE * CELL
        data, stride = self.x.pixels(self.game.client[0] + CELL, self.game.client[1] + CELL, side, side)
        snake, food = set(), None
        for row in range(BOARD_SIDE):
            middle = (row * CELL + CELL // 2) * stride + CELL // 2 * 4
            for column in range(BOARD_SIDE):
                at = middle + column * CELL * 4
                colour = data[at:at + 3]
                if colour == self.snake_colour:
                    snake.add((row, column))
                elif colour != BLACK:
                    food = (row, column)
        return snake, food

    @staticmethod
    def path(head, new):
        """The cells and headings of the moves made from head, through the
        cells that newly show the snake; more than one when a move went unseen."""
        cells, headings = [], []
        while True:
            onward = [heading for heading in HEADINGS if step(head, heading) in new - set(cells)]
            if len(onward) != 1:
                return cells, headings
            head = step(head, onward[0])
            cells.append(head)
            headings.append(onward[0])

    @staticmethod
    def choose(snake, head, heading, food):
        """The heading for the next move: towards the food over free cells,
        away from pockets too small for the snake, and, for a turn, still safe
        if the key arrives after the move and the snake turns one cell later."""
        enough = len(snake) + 5
        best = None
        for turn in (heading,) + ACROSS[heading]:
            first = step(head, turn)
            if first in snake:
                continue
            late = step(head, heading)
            safe_if_late = turn == heading or (late not in snake and step(late, turn) not in snake)
            rank = (room(first, snake, enough) >= enough, safe_if_late,
                    -distance(first, food) if food else 0, turn == heading)
            best = max(best, (rank, turn)) if best else (rank, turn)
        if best is None:
            raise Failure("the snake is boxed in by its own body")
        return best[1]

    def play_level(self, items, patience=60):
        """Eats items food items, starting from a new game's snake on row 3
        heading right; returns how many it ate, fewer if an end screen came
        up first."""
        snake, food = self.look()
        run = row_run(snake, 3)
        if not run or len(run) != len(snake):
            raise Failure("the new game's snake is not a straight run on row 3 (%s)" % sorted(snake))
        head, heading, waiting, late = (3, run[-1]), "Right", None, False
        eaten, last_move, last_meal = 0, time.monotonic(), time.monotonic()
        while eaten < items:
            now = time.monotonic()
            if now - last_move > self.STALL:
                if self.game.end_screen():
                    return eaten
                raise Failure("the snake has stopped, at %s after %d items" % (head, eaten))
            if now - last_meal > patience:
                raise Failure("no food item for %d seconds after %d items" % (patience, eaten))
            time.sleep(0.005)
            shown, shown_food = self.look()
            cells, headings = self.path(head, shown - snake)
            if not cells:
                continue
            if food in cells:
                eaten, last_meal = eaten + 1, now
            last_move = now
            snake, head, heading, food = shown, cells[-1], headings[-1], shown_food or food
            if waiting not in (None, heading):
                if late:
                    raise Failure("the %s key did not reach the game" % waiting)
                late = True  # the key came after the move: the turn is still to come
                continue
            waiting, late = self.choose(snake, head, heading, food), False
            if waiting != heading:
                self.x.press(waiting)
        return eaten
