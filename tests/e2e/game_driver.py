"""Drives the real game as a player would: real X key presses (xdotool), the
accessibility tree a screen reader reads (AT-SPI), and the process itself."""

import os
import re
import subprocess
import tempfile
import time

import pyatspi

GAME_TITLE = "Sudoku. By Quillmoor."


def wait_until(condition, timeout=20.0, what="condition"):
    """Polls `condition` until it returns something true; fails after `timeout`.
    Errors from AT-SPI while the tree is still being built count as "not yet"."""
    deadline = time.monotonic() + timeout
    last_error = None
    while True:
        try:
            value = condition()
            if value:
                return value
        except AssertionError:
            raise
        except Exception as error:  # noqa: BLE001 - AT-SPI raises many kinds
            last_error = error
        if time.monotonic() > deadline:
            detail = f" (last error: {last_error!r})" if last_error else ""
            raise AssertionError(f"timed out waiting for {what}{detail}")
        time.sleep(0.05)


def press(*keys):
    """Real key presses through the X server, to whichever window has the focus."""
    for key in keys:
        subprocess.run(["xdotool", "key", "--clearmodifiers", key], check=True)


def active_window_name():
    result = subprocess.run(["xdotool", "getactivewindow", "getwindowname"],
                            capture_output=True, text=True)
    return result.stdout.strip() if result.returncode == 0 else None


def accessible_apps(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    apps = []
    for app in desktop:
        try:
            if app is not None and app.get_process_id() == pid:
                apps.append(app)
        except Exception:  # an application that just went away
            pass
    return apps


def find_all(root, predicate, limit=10000):
    """Every accessible below `root` (inclusive) that satisfies `predicate`."""
    found, stack = [], [root]
    while stack and limit > 0:
        node = stack.pop()
        limit -= 1
        try:
            if predicate(node):
                found.append(node)
            stack.extend(node.getChildAtIndex(i) for i in reversed(range(node.childCount)))
        except Exception:  # nodes vanish while the GUI changes
            pass
    return found


def find_in_game(pid, predicate):
    for app in accessible_apps(pid):
        found = find_all(app, predicate)
        if found:
            return found
    return []


def named(role, name):
    return lambda node: node.getRoleName() == role and node.name == name


def cell_texts(table):
    return [node.name for node in find_all(table, lambda n: n.getRoleName() == "table cell")]


def has_focus(node):
    return node.getState().contains(pyatspi.STATE_FOCUSED)


def current_item(table):
    """The text of the row under the list cursor (focused, else selected)."""
    rows = find_all(table, lambda n: n.getRoleName() == "table cell")
    for state in (pyatspi.STATE_FOCUSED, pyatspi.STATE_SELECTED):
        for row in rows:
            if row.getState().contains(state):
                return row.name
    return None


class Game:
    """The game executable, started with its own environment."""

    def __init__(self, env=None, args=(), cwd=None, state=None):
        """`state`: the game's state folder (its autosave); a fresh one by default,
        so no game meets another's."""
        self.exe = os.environ["SUDOKU_EXE"]
        env = dict(env or os.environ)
        self.state = state or tempfile.mkdtemp(prefix="game-",
                                               dir=os.environ.get("XDG_STATE_HOME"))
        env["XDG_STATE_HOME"] = self.state
        self.process = subprocess.Popen([self.exe, *args], env=env, cwd=cwd,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)

    def main_menu(self, timeout=30, name="Main Menu."):
        """The main menu table, once the screen reader can read it with the focus in it."""
        def ready():
            tables = find_in_game(self.process.pid, named("table", name))
            return tables[0] if tables and has_focus(tables[0]) else None
        return wait_until(ready, timeout, "the main menu with the keyboard focus")

    def activate(self):
        """Gives the game window the keyboard focus, through the window manager."""
        def window():
            self.check_running()
            found = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid",
                                    str(self.process.pid), "--name", f"^{re.escape(GAME_TITLE)}$"],
                                   capture_output=True, text=True).stdout.split()
            return found[0] if found else None
        wid = wait_until(window, 60, "the game's X window")
        subprocess.run(["xdotool", "windowactivate", "--sync", wid], check=True, timeout=30)
        wait_until(lambda: subprocess.run(["xdotool", "getactivewindow"], capture_output=True,
                                          text=True).stdout.strip() == wid,
                   30, "the game window to be the active window")

    def check_running(self):
        if self.process.poll() is not None:
            raise AssertionError(f"the game ended early with status {self.process.returncode}")

    def wait_exit(self, timeout=20):
        return self.process.wait(timeout=timeout)

    def stop(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()
        self.process.stderr.close()
