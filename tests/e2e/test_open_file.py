"""A saved game opened from the file manager: the file manager starts the game
with the file as its argument (the desktop entry's %f, the Windows file
type's "%1"). The real executable, real X keys, a capturing speech-dispatcher
and the accessibility tree."""

import json
import os
import subprocess
import tempfile
import unittest
from pathlib import Path

from game_driver import Game, cell_texts, find_in_game, press, wait_until
from speechd_capture import SpeechCapture

MENU = ["New Game.", "Daily Puzzle.", "Load Game.", "Enter a Puzzle.", "Statistics.", "Settings.", "Exit."]
# A 4x4 game with 1 1 and 2 2 empty, board[x][y].
BOARD = [[None, 2, 3, 4], [3, None, 1, 2], [2, 1, 4, 3], [4, 3, 2, 1]]
SAVED = json.dumps({"board": BOARD, "original": BOARD, "difficulty": 0.5, "size": [2, 2]})


class OpenFile(unittest.TestCase):
    def setUp(self):
        self.speech = SpeechCapture()
        self.speech.start()
        self.addCleanup(self.speech.stop)
        self.folder = Path(tempfile.mkdtemp(prefix="open-", dir=os.environ.get("XDG_STATE_HOME")))

    def start(self, *args, state=None):
        game = Game(self.speech.env(), args=args, cwd=self.folder, state=state)
        self.addCleanup(game.stop)
        return game

    def heard(self, text, since=0):
        wait_until(lambda: text in self.speech.texts()[since:], 60, repr(text))

    def test_a_saved_game_given_at_start_opens_on_its_board(self):
        (self.folder / "two left.sudoku").write_text(SAVED)
        # Relative to where the game starts, as a shell gives it.
        game = self.start("two left.sudoku")
        self.heard("1 1: empty.")
        press("n")
        self.heard("There are 2 empty squares.")
        game.check_running()

    def test_a_file_that_is_no_game_is_refused_and_the_menu_stays(self):
        (self.folder / "broken.sudoku").write_text('{"board": [[1')
        game = self.start(str(self.folder / "broken.sudoku"))
        wait_until(lambda: find_in_game(
            game.process.pid, lambda n: n.name == "I was unable to load your game."),
            60, "the refusal")
        press("Return")
        menu = game.main_menu(timeout=60)
        wait_until(lambda: cell_texts(menu) == MENU, 30, f"the menu {MENU}")

    def test_help_names_the_file(self):
        shown = subprocess.run([os.environ["SUDOKU_EXE"], "--help"], capture_output=True,
                               text=True, timeout=60, env=dict(os.environ, LANG="C"))
        self.assertEqual(shown.returncode, 0)
        self.assertIn("[a saved game to open]", shown.stdout + shown.stderr)
        self.assertIn(f"The settings are kept in {os.environ['XDG_CONFIG_HOME']}/sudoku/"
                      "settings.conf.", shown.stdout + shown.stderr)

    def test_a_file_opened_while_the_game_runs_is_told_in_its_window(self):
        (self.folder / "two left.sudoku").write_text(SAVED)
        first = self.start()
        first.main_menu(timeout=60)
        since = len(self.speech.texts())
        second = self.start(str(self.folder / "two left.sudoku"), state=first.state)
        self.assertEqual(second.wait_exit(60), 0, "the second start hands over and ends")
        self.heard("The game was already open. To play the file you chose, use Load Game. "
                   "in the main menu.", since)
        first.check_running()


if __name__ == "__main__":
    unittest.main(verbosity=2)
