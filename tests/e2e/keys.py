#!/usr/bin/env python3
"""Plays the real game from the keyboard alone, in a private X server.

Usage: keys.py OUROBOARD_BINARY ASSETS_DIR

The checks: two quick keys make a U-turn; a turn set while the end screen is
up is the first move after Return dismisses it; F10 reaches the menus;
player 2 steers with the keys at the W, A, S and D places under the US,
French and Russian layouts, and not with the key labelled W on a French
keyboard; switching to another program pauses the game; P pauses and Ctrl+Q
ends the game under every layout: on the key labelled Q under French, and
at the US places under Russian and under Greek beside US.
"""

import os
import shutil
import subprocess
import time

from play import (SKIP, SLOW_TICK, CELL, BOARD_SIDE, Game, expect_ended, run_script, XServer, expect, read_picture,
                  same_picture, bring_up_game_over, wait_for)

# Player 2's up key under each layout, by the name of what it types (None:
# not tried), a key of that layout that only looks like player 2's, what the
# keys at the P and Q places type, and a Ctrl key that must not end the game.
LAYOUTS = [("us", "w", None, "p", "q", None), ("fr", "z", "w", "p", "q", "ctrl+a"),
           ("ru", "Cyrillic_tse", None, "Cyrillic_ze", "Cyrillic_shorti", None),
           ("gr,us", None, None, "Greek_pi", "semicolon", None)]


class KeyboardGame(Game):
    """The game with its main window holding the keyboard, as a window
    manager would give it; the keys go to it wherever the pointer is."""

    def __init__(self, binary, assets, display):
        super().__init__(binary, assets, display)
        self.snake2 = read_picture(os.path.join(assets, "snake1.png")).region(0, 0, CELL, CELL)

    def find_window(self):
        super().find_window()
        self.window = self.xdotool("search", "--onlyvisible", "--name", "^Ouroboard$").split()[0]
        self.xdotool("windowfocus", "--sync", self.window)

    def keys(self, *names):
        self.xdotool("key", "--delay", "30", *names)

    def run_for(self, ticks):
        """Resumes, lets the given number of slow ticks pass and pauses,
        in one xdotool run so that process start-up does not count."""
        self.xdotool("key", "Pause", "sleep", str(ticks * SLOW_TICK), "key", "Pause")

    def paused(self):
        """Whether the menu bar reads RESUME, which is wider than PAUSE."""
        first, last = self.menu_bar_items(self.screenshot())[2]
        at_start = self.menu_items[2]
        return last - first > at_start[1] - at_start[0]

    def pause(self):
        if not self.paused():
            self.keys("Pause")
        self.still_snake()

    def cells(self, picture):
        shot = self.screenshot()
        found = set()
        for cell in range(BOARD_SIDE * BOARD_SIDE):
            row, column = divmod(cell, BOARD_SIDE)
            left = self.client[0] + CELL + CELL * column
            top = self.client[1] + CELL + CELL * row
            if same_picture(shot.region(left, top, CELL, CELL), picture):
                found.add((row, column))
        return found

    def rows(self, picture):
        return {row for row, _ in self.cells(picture)}


def start_paused_at_slowest_speed(game, players):
    game.click_speed_step(0)
    if players == 2:
        # Options, Players, 2 Player: F10 opens Options, the arrows walk it.
        game.keys("F10", "Down", "Down", "Right", "Down", "Return")
        time.sleep(0.3)  # the menu lets go of the keyboard
    game.pause()


def check_u_turn(game):
    """Moving right, Up then Left before the next step: up one row, then left
    along it, instead of the Left being lost."""
    start_paused_at_slowest_speed(game, 1)
    game.keys("Up", "Left")
    game.run_for(4.5)
    cells = game.still_snake()
    rows = {row for row, _ in cells}
    expect(rows <= {2, 3} and sum(1 for row, _ in cells if row == 2) >= 3,
           "Up and Left in one step make a U-turn onto row 2 (%s)" % sorted(cells))
    expect(game.end_screen() is None, "the U-turn does not end the game")


def check_end_screen_keys(game):
    """Down while the end screen is up, then Return: the screen goes and the
    snake's first move from its start is down."""
    bring_up_game_over(game)
    # Return starts the clock; Pause stops it again a few steps later.
    game.xdotool("key", "Down", "Return", "sleep", str(3.5 * SLOW_TICK), "key", "Pause")
    expect(wait_for(lambda: game.end_screen() is None, 3), "Return dismisses the end screen")
    cells = game.still_snake()
    expect((4, 15) in cells and (2, 15) not in cells,
           "the turn set behind the end screen is the first move: down from the start (%s)" % sorted(cells))


def check_player_two(game, layout, up_key, lookalike):
    start_paused_at_slowest_speed(game, 2)
    expect(game.rows(game.snake2) == {5}, "under %s, player 2 waits on row 5" % layout)
    if lookalike:
        game.keys(lookalike)
        game.run_for(2.5)
        expect(game.rows(game.snake2) == {5},
               "under %s, the key labelled %s does not turn player 2" % (layout, lookalike.upper()))
    game.keys(up_key)
    game.run_for(3.5)
    rows = game.rows(game.snake2)
    expect(4 in rows, "under %s, %s turns player 2 up (rows %s)" % (layout, up_key, sorted(rows)))
    expect(game.rows(game.snake) == {3}, "under %s, player 1 goes straight on" % layout)


def check_pause_when_away(game):
    """The keyboard goes to the root window, as it would to another program."""
    game.keys("Pause")
    root = subprocess.check_output(["xwininfo", "-root"], env=game.env).decode().split("Window id:")[1].split()[0]
    game.xdotool("windowfocus", "--sync", root)
    time.sleep(0.5)
    game.still_snake()
    game.xdotool("windowfocus", "--sync", game.window)
    expect(game.paused(), "the game paused when it lost the keyboard: RESUME shows")


def check_pause_key(game, layout, key):
    was = game.paused()
    game.keys(key)
    expect(wait_for(lambda: game.paused() != was, 3), "under %s, %s is P: PAUSE / RESUME" % (layout, key))


def check_exit(game, layout, key, not_exit):
    if not_exit:
        game.keys(not_exit)
        time.sleep(0.5)
        expect(game.process.poll() is None, "under %s, %s does not end the game" % (layout, not_exit))
    game.keys("ctrl+" + key)
    expect_ended(game, "under %s, Ctrl with %s" % (layout, key))


def set_layout(server, layout):
    subprocess.check_call(["setxkbmap", "-display", server.display, layout])


def main(argv):
    if len(argv) != 3:
        print(__doc__)
        return 2
    tools = ("Xvfb", "xdotool", "import", "convert", "setxkbmap", "xwininfo")
    missing = [tool for tool in tools if shutil.which(tool) is None]
    if missing:
        print("skipped: missing", ", ".join(missing))
        return SKIP
    binary, assets = argv[1], argv[2]
    with XServer() as server:
        for layout, up_key, lookalike, p_key, q_key, not_exit in LAYOUTS:
            with KeyboardGame(binary, assets, server.display) as game:
                set_layout(server, layout)  # switched while the game runs
                if layout == "us":
                    check_u_turn(game)
                    check_end_screen_keys(game)
                if up_key:
                    check_player_two(game, layout, up_key, lookalike)
                if layout == "us":
                    check_pause_when_away(game)
                check_pause_key(game, layout, p_key)
                check_exit(game, layout, q_key, not_exit)
    return 0


if __name__ == "__main__":
    run_script(main)
