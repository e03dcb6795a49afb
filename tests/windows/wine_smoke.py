"""The cross-built sudoku.exe under Wine on the test display, played with real
X keys: the main window and its menu, New Game to the board and back, a game
saved to a typed path and loaded again, and Exit with status 0; the earcons
of a given, an empty square and a refusal taken by PlaySound (its sound log)
and heard at the test sound server, where Wine plays them; and the game in
German from the catalogs beside the program. Wine has no
screen reader, so what the game says is read from its speech log.

Needs DISPLAY (scripts/with-test-services), a prepared WINEPREFIX
(scripts/windows-test) and SUDOKU_EXE, the path of sudoku.exe."""

import json
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import unittest
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent / "e2e"))
from game_driver import GAME_TITLE, press, wait_until  # noqa: E402
import sound_monitor  # noqa: E402

ALREADY_OPEN = ("The game was already open. To play the file you chose, use Load Game. in the "
                "main menu.")
ANNOUNCEMENT = re.compile(r"^(\d+) (\d+): (empty\.|-?\d+)$")


def square(text):
    """(column, row) of a spoken square, as strings."""
    return ANNOUNCEMENT.match(text).group(1, 2)


def windows_path(path):
    """Wine's name for a Unix path: drive Z: is the Unix root."""
    return "Z:" + str(path).replace("/", "\\")


def window(title):
    """The id of the visible X window with exactly this title, or None."""
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name",
                            f"^{re.escape(title)}$"], capture_output=True, text=True)
    return found.stdout.split()[0] if found.stdout.split() else None


SETTINGS_KEY = r"HKEY_CURRENT_USER\Software\Quillmoor\Sudoku"


def forget_settings():
    subprocess.run(["wine", "reg", "delete", SETTINGS_KEY, "/f"], capture_output=True, timeout=120)


def kept_settings():
    """The registry's text for the settings' key ("" when it has none)."""
    shown = subprocess.run(["wine", "reg", "query", SETTINGS_KEY], capture_output=True,
                           text=True, timeout=120)
    return shown.stdout if shown.returncode == 0 else ""


class WineGame(unittest.TestCase):
    """Starts the game under Wine with a speech log, and drives it by keys."""

    def setUp(self):
        # The prefix outlives a run: no game kept by an earlier one.
        for kept in Path(os.environ["WINEPREFIX"]).glob("drive_c/users/*/AppData/Local/Sudoku"):
            shutil.rmtree(kept)
        # Nor settings: every test starts with the defaults.
        forget_settings()
        self.folder = Path(tempfile.mkdtemp(prefix="sudoku-wine-"))
        self.log = self.folder / "speech.log"
        self.log.touch()
        self.sound_log = self.folder / "sound.log"
        self.game = None

    def start(self, *args):
        env = dict(os.environ, SUDOKU_SPEECH_LOG=windows_path(self.log),
                   SUDOKU_SOUND_LOG=windows_path(self.sound_log))
        # A session of its own, so that the game and Wine's helpers for it
        # can be stopped together.
        self.game = subprocess.Popen(["timeout", "300", "wine", os.environ["SUDOKU_EXE"], *args],
                                     env=env, stdin=subprocess.DEVNULL, start_new_session=True)

    def start_with_two_left(self, name):
        """Starts the game with a saved 4x4 in which 1 1 and 2 2 are empty,
        named `name`; returns the file."""
        board = [[None, 2, 3, 4], [3, None, 1, 2], [2, 1, 4, 3], [4, 3, 2, 1]]
        saved = self.folder / name
        saved.write_text(json.dumps({"board": board, "original": board, "difficulty": 0.5,
                                     "size": [2, 2]}))
        self.start(windows_path(saved))
        wait_until(lambda: "1 1: empty." in self.said(), 180, "the board of the file")
        return saved

    def tearDown(self):
        if self.game is not None and self.game.poll() is None:
            os.killpg(self.game.pid, signal.SIGKILL)
            self.game.wait()
        print(f"--- speech log ({self.log}) ---\n{self.log.read_text()}", flush=True)

    def said(self):
        return self.log.read_text().splitlines()

    def keys(self, *keys, then=None, timeout=60.0):
        """Presses keys; with `then`, waits until the game has said something
        new that `then` accepts, and returns it."""
        before = len(self.said())
        print(f"keys: {' '.join(keys)}", flush=True)
        press(*keys)
        if then is None:
            return None
        return wait_until(lambda: next((t for t in self.said()[before:] if then(t)), None),
                          timeout, f"speech after {keys}")

    def focus(self, title, timeout=60.0):
        wid = wait_until(lambda: window(title), timeout, f"the window {title!r}")
        subprocess.run(["xdotool", "windowactivate", "--sync", wid], check=True, timeout=30)
        # Give the window's own focus handling a moment after activation.
        time.sleep(0.5)
        return wid

    def back_to_game(self, dialog):
        """After a dialog's answer: waits until its window is gone, then gives
        the game window the focus. Under Wine the game answers as the dialog
        ends, while X still shows the dialog's window; until the window manager
        has given the game window the focus, a key typed reaches no window."""
        wait_until(lambda: window(dialog) is None, 20, f"the window {dialog!r} to close")
        self.focus(GAME_TITLE)

    def new_game(self):
        """From the main menu: New Game., then Go! with the first choices
        (a 4x4 board); returns the first square spoken on the board."""
        self.keys("Return")
        self.focus("New game")
        first = self.keys("Tab", "Tab", "Tab", "space", then=ANNOUNCEMENT.match)
        self.assertEqual(square(first), ("1", "1"), first)
        self.back_to_game("New game")
        return first

    def through_file_dialog(self, title, path, then):
        self.focus(title)
        print(f"type: {path}", flush=True)
        subprocess.run(["xdotool", "type", "--delay", "20", path], check=True, timeout=60)
        answer = self.keys("Return", then=then)
        self.back_to_game(title)
        return answer


class WineSmoke(WineGame):
    def test_menu_new_game_save_load_and_exit(self):
        self.start()
        # Startup in a fresh prefix takes long; later starts are quick.
        self.focus(GAME_TITLE, timeout=180)

        self.new_game()
        moved = self.keys("Right", then=ANNOUNCEMENT.match)
        self.assertEqual(square(moved), ("2", "1"), moved)

        saved = self.folder / "smoke.sudoku"
        self.keys("ctrl+s")
        self.through_file_dialog("Please pick a file to save your game into.",
                                 windows_path(saved), then=lambda t: t == "Game saved.")
        self.assertIn('"board"', saved.read_text())

        # Back on the menu, the game is kept: Continue Game., New Game., Daily
        # Puzzle., Load Game., Enter a Puzzle., Statistics., Settings., Exit.
        self.keys("Escape")
        self.focus(GAME_TITLE)
        self.keys("Down", "Down", "Down")
        self.keys("Return")
        loaded = self.through_file_dialog("Please pick a file to load.", windows_path(saved),
                                          then=ANNOUNCEMENT.match)
        self.assertEqual(square(loaded), ("1", "1"), loaded)
        self.assertIsNone(window("Oops."), "the load failed")

        self.keys("Escape")
        self.focus(GAME_TITLE)
        self.keys(*["Down"] * 7, "Return")
        self.assertEqual(self.game.wait(timeout=60), 0)

    def test_a_file_given_at_start_opens_and_a_second_start_defers_to_it(self):
        # As the file type's command line gives it: sudoku.exe "%1".
        saved = self.start_with_two_left("two left.sudoku")
        before = len(self.said())
        second = subprocess.run(["timeout", "120", "wine", os.environ["SUDOKU_EXE"],
                                 windows_path(saved)], stdin=subprocess.DEVNULL,
                                env=dict(os.environ, SUDOKU_SPEECH_LOG=windows_path(self.log)))
        self.assertEqual(second.returncode, 0, "the second start ends at once")
        wait_until(lambda: ALREADY_OPEN in self.said()[before:], 60, "the running copy to say so")
        self.assertIsNone(self.game.poll(), "the first copy plays on")

    def test_the_daily_puzzle_is_the_dates_own(self):
        # The puzzle itself is compared with Linux's by the core tests, which
        # run under Wine too; here the menu item, the date and its level.
        os.environ["SUDOKU_TODAY"] = "2026-12-09"
        self.addCleanup(os.environ.pop, "SUDOKU_TODAY")
        self.start()
        self.focus(GAME_TITLE, timeout=180)
        first = self.keys("Down", "Return", then=lambda t: t.startswith("Daily puzzle"))
        self.assertEqual(first, "Daily puzzle for Wednesday, 9 December: medium. 1 1: 3")

    def test_enter_and_keypad_enter_ask_for_a_number(self):
        self.start()
        self.focus(GAME_TITLE, timeout=180)
        self.new_game()
        self.keys("e", then=lambda t: t.endswith(": empty."))
        prompt = "Enter the number you wish to place."
        for enter, number in (("Return", "3"), ("KP_Enter", "4")):
            # The box stays open for the number: the key that opened it does
            # not press its OK.
            self.keys(enter, then=lambda t: t == prompt)
            self.focus(prompt, timeout=20)
            self.keys(number, enter, then=lambda t, n=number: t == n)
            self.back_to_game(prompt)

    def test_settings_chosen_by_keys_are_kept_for_the_next_start(self):
        self.start()
        self.focus(GAME_TITLE, timeout=180)
        self.new_game()
        # F2: "Squares are said." to its third item, and Enter in the list is OK.
        self.keys("F2")
        self.focus("Settings", timeout=30)
        self.keys("Down", "Down", "Return")
        self.back_to_game("Settings")
        said = self.keys("space", then=lambda t: t.startswith("A1"))
        self.assertRegex(said, r"^A1: (empty\.|\d+)$")
        self.assertIn("letter-number", kept_settings())
        self.keys("Escape")
        self.focus(GAME_TITLE)
        self.keys(*["Down"] * 7, "Return")
        self.assertEqual(self.game.wait(timeout=60), 0)

        self.start()
        self.focus(GAME_TITLE, timeout=180)
        self.keys("Down", "Return")
        self.focus("New game")
        first = self.keys("Tab", "Tab", "Tab", "space", then=lambda t: t.startswith("A1"))
        self.assertTrue(first.startswith("A1: "), first)

    def test_a_given_an_empty_square_and_a_refusal_sound_by_playsound(self):
        self.start_with_two_left("game.sudoku")
        self.focus(GAME_TITLE)
        recording = sound_monitor.Recording()
        # Onto the given 2 1, back onto the empty 1 1, and 2 refused there.
        for key, said in (("Right", "2 1: 3"), ("Left", "1 1: empty."), ("2", "Invalid number.")):
            self.keys(key, then=lambda t, said=said: t == said)
            time.sleep(0.4)
        played = ["sudoku-given", "sudoku-empty", "sudoku-refused"]
        wait_until(lambda: self.sound_log.exists() and
                   self.sound_log.read_text().splitlines() == played, 30,
                   f"PlaySound to take {played}")
        # Wine plays them through the test sound server, as the game on Linux.
        sound_monitor.check_given_empty_refused(self, recording.stop())

    def test_in_german(self):
        self.start("--language=de")
        self.focus("Sudoku. Von Quillmoor.", timeout=180)
        self.keys("Return")
        self.focus("Neues Spiel")
        first = self.keys("Tab", "Tab", "Tab", "space",
                          then=re.compile(r"^1 1: (leer\.|\d+)$").match)
        self.assertTrue(first.startswith("1 1: "), first)


if __name__ == "__main__":
    unittest.main(verbosity=2)
