"""Drives the real game as a player would: real X key presses (xdotool), the
accessibility tree a screen reader reads (AT-SPI), and the process itself."""

import os
import subprocess
import time

import pyatspi

GAME_TITLE = "Sudoku. By Quillmoor."


def wait_until(condition, timeout=20.0, what="condition"):
    """Polls `condition` until it returns something true; fails after `timeout`."""
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            raise AssertionError(f"timed out waiting for {what}")
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


class Game:
    """The game executable, started with its own environment."""

    def __init__(self, env=None, args=(), cwd=None):
        self.exe = os.environ["SUDOKU_EXE"]
        self.process = subprocess.Popen([self.exe, *args], env=env or os.environ.copy(), cwd=cwd,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)

    def main_menu(self, timeout=30):
        """The main menu table, once the screen reader can read it with the focus in it."""
        def ready():
            tables = find_in_game(self.process.pid, named("table", "Main Menu."))
            return tables[0] if tables and has_focus(tables[0]) else None
        return wait_until(ready, timeout, "the main menu with the keyboard focus")

    def wait_exit(self, timeout=20):
        return self.process.wait(timeout=timeout)

    def stop(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()
        self.process.stderr.close()
