#!/usr/bin/python3
"""End-to-end tests of the main menu of the built game.

The game runs as a real process on the test display (scripts/with-test-services:
Xvfb, openbox, a session bus with AT-SPI). What a screen reader would read is
read over AT-SPI with pyatspi; keys are real X key events from xdotool (XTEST),
typed into the focused game window. Every step waits for a condition with a
deadline; nothing relies on a fixed pause.

Needs SUDOKU_EXE (the game executable, set by CTest) and DISPLAY.
Run with Debian's /usr/bin/python3 (pyatspi is a Debian package).
"""

import os
import re
import subprocess
import time
import unittest
import warnings

import pyatspi

WINDOW_TITLE = "Sudoku. By Quillmoor."
MENU_NAME = "Main Menu."
MENU_ITEMS = ["New Game.", "Load Game.", "Exit."]

# Generous: the game may be a sanitized build on a busy 2-core machine.
START_TIMEOUT = 60.0
STEP_TIMEOUT = 30.0
EXIT_TIMEOUT = 30.0
POLL = 0.05

LIST_ROLES = {
    pyatspi.ROLE_TABLE,
    pyatspi.ROLE_TREE_TABLE,
    pyatspi.ROLE_LIST,
    pyatspi.ROLE_LIST_BOX,
    pyatspi.ROLE_TREE,
}
ITEM_ROLES = {
    pyatspi.ROLE_TABLE_CELL,
    pyatspi.ROLE_LIST_ITEM,
    pyatspi.ROLE_TREE_ITEM,
}


def wait_for(condition, timeout, what):
    """Polls condition() until it returns a true value, and returns it.

    Errors from AT-SPI while the tree is still being built count as "not yet".
    """
    deadline = time.monotonic() + timeout
    last_error = None
    while True:
        try:
            value = condition()
            if value:
                return value
        except Exception as error:  # noqa: BLE001 - AT-SPI raises many kinds
            last_error = error
        if time.monotonic() >= deadline:
            detail = f" (last error: {last_error!r})" if last_error else ""
            raise AssertionError(f"gave up after {timeout:.0f}s waiting for {what}{detail}")
        time.sleep(POLL)


def walk(accessible, depth=0, max_depth=30):
    """Yields accessible and its descendants, depth first."""
    if accessible is None or depth > max_depth:
        return
    yield accessible
    for index in range(accessible.childCount):
        try:
            child = accessible.getChildAtIndex(index)
        except Exception:  # noqa: BLE001 - a child may vanish meanwhile
            continue
        yield from walk(child, depth + 1, max_depth)


def has_state(accessible, state):
    return accessible.getState().contains(state)


def xdotool(*args, timeout=STEP_TIMEOUT):
    result = subprocess.run(["xdotool", *args], capture_output=True, text=True,
                            timeout=timeout, check=False)
    if result.returncode != 0:
        raise AssertionError(f"xdotool {' '.join(args)} failed: {result.stderr.strip()}")
    return result.stdout


class GameProcess:
    """The game started from SUDOKU_EXE, with its AT-SPI application and X window."""

    def __init__(self, test):
        exe = os.environ.get("SUDOKU_EXE")
        # Fail rather than skip: a run without the game or a display tested nothing.
        test.assertTrue(exe, "SUDOKU_EXE is not set (CTest sets it)")
        test.assertTrue(os.environ.get("DISPLAY"),
                        "no DISPLAY: run under scripts/with-test-services")
        self.test = test
        self.exe = exe
        self.process = subprocess.Popen([exe], stdin=subprocess.DEVNULL)
        test.addCleanup(self.stop)

    def stop(self):
        if self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()

    def running(self):
        return self.process.poll() is None

    def check_running(self):
        if not self.running():
            raise AssertionError(f"the game ended early with status {self.process.returncode}")

    def application(self):
        """The game's application object in the AT-SPI tree."""

        def find():
            self.check_running()
            desktop = pyatspi.Registry.getDesktop(0)
            for index in range(desktop.childCount):
                try:
                    app = desktop.getChildAtIndex(index)
                    if app is not None and app.get_process_id() == self.process.pid:
                        return app
                except Exception:  # noqa: BLE001 - another program that has gone
                    continue
            return None

        return wait_for(find, START_TIMEOUT, "the game to appear on the AT-SPI bus")

    def frame(self):
        app = self.application()

        def find():
            self.check_running()
            for index in range(app.childCount):
                child = app.getChildAtIndex(index)
                if child is not None and child.getRole() == pyatspi.ROLE_FRAME \
                        and child.name == WINDOW_TITLE:
                    return child
            return None

        return wait_for(find, START_TIMEOUT, f"a frame named {WINDOW_TITLE!r}")

    def window_id(self):
        """The X window of the game's frame, found by its process and title."""
        pattern = "^" + re.escape(WINDOW_TITLE) + "$"

        def find():
            self.check_running()
            result = subprocess.run(
                ["xdotool", "search", "--onlyvisible", "--pid", str(self.process.pid),
                 "--name", pattern],
                capture_output=True, text=True, timeout=STEP_TIMEOUT, check=False)
            ids = result.stdout.split()
            return ids[0] if ids else None

        return wait_for(find, START_TIMEOUT, "the game's X window")

    def activate(self):
        """Gives the game window the keyboard focus, through the window manager."""
        window = self.window_id()
        xdotool("windowactivate", "--sync", window)
        wait_for(lambda: xdotool("getactivewindow").strip() == window, STEP_TIMEOUT,
                 "the game window to be the active window")
        return window

    def wait_exit(self, timeout=EXIT_TIMEOUT):
        try:
            return self.process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            raise AssertionError(f"the game did not end within {timeout:.0f}s") from None


def find_menu(frame):
    for accessible in walk(frame):
        if accessible.getRole() in LIST_ROLES and accessible.name == MENU_NAME:
            return accessible
    return None


def menu_items(menu):
    """The texts of the menu's rows, read as a screen reader reads them."""
    # pyatspi 2.46 reaches the Table interface through a call that Atspi marks
    # as deprecated; that warning says nothing about the game.
    with warnings.catch_warnings():
        warnings.simplefilter("ignore", DeprecationWarning)
        try:
            table = menu.queryTable()
        except NotImplementedError:
            table = None
    if table is not None:
        return [table.getAccessibleAt(row, 0).name for row in range(table.nRows)]
    return [child.name for child in walk(menu) if child.getRole() in ITEM_ROLES]


def focused_within(menu):
    """The focused object if it is the menu or one of its rows, else None."""
    for accessible in walk(menu):
        if has_state(accessible, pyatspi.STATE_FOCUSED):
            return accessible
    return None


def current_item(menu):
    """The text of the row under the list cursor (focused, else selected)."""
    items = [child for child in walk(menu) if child.getRole() in ITEM_ROLES]
    for state in (pyatspi.STATE_FOCUSED, pyatspi.STATE_SELECTED):
        for item in items:
            if has_state(item, state):
                return item.name
    return None


class MainMenuTest(unittest.TestCase):

    def open_menu(self):
        game = GameProcess(self)
        frame = game.frame()
        menu = wait_for(lambda: find_menu(frame), START_TIMEOUT,
                        f"a list named {MENU_NAME!r} in the window")
        wait_for(lambda: menu_items(menu) == MENU_ITEMS, STEP_TIMEOUT,
                 f"the rows {MENU_ITEMS}")
        return game, menu

    def test_menu_reads_its_three_items_and_exit_ends_the_game(self):
        game, menu = self.open_menu()
        self.assertEqual(menu_items(menu), MENU_ITEMS)

        game.activate()
        wait_for(lambda: focused_within(menu), STEP_TIMEOUT,
                 "the keyboard focus to be in the main menu")
        wait_for(lambda: current_item(menu) == "New Game.", STEP_TIMEOUT,
                 "the cursor to start on 'New Game.'")

        xdotool("key", "--clearmodifiers", "Down")
        wait_for(lambda: current_item(menu) == "Load Game.", STEP_TIMEOUT,
                 "Down to move the cursor to 'Load Game.'")
        xdotool("key", "--clearmodifiers", "Down")
        wait_for(lambda: current_item(menu) == "Exit.", STEP_TIMEOUT,
                 "Down to move the cursor to 'Exit.'")
        self.assertTrue(game.running(), "the game ended before Exit was chosen")

        xdotool("key", "--clearmodifiers", "Return")
        self.assertEqual(game.wait_exit(), 0, "Exit should end the game with status 0")

    def test_closing_the_window_ends_the_game(self):
        game, menu = self.open_menu()
        game.activate()
        wait_for(lambda: focused_within(menu), STEP_TIMEOUT,
                 "the keyboard focus to be in the main menu")

        # Alt+F4 is openbox's Close: the window manager asks the window to close,
        # as when the close box is clicked.
        xdotool("key", "--clearmodifiers", "alt+F4")
        self.assertEqual(game.wait_exit(), 0, "closing the window should end the game with status 0")


if __name__ == "__main__":
    unittest.main(verbosity=2)
