"""A game is never lost: the real game killed, closed or stopped by the session
mid-game comes back as "Continue Game." on the next start, with its notes and
cursor; a broken autosave is set aside and never stops the game. Real X keys,
a capturing speech-dispatcher, the accessibility tree and the autosave file."""

import json
import os
import signal
import subprocess
import tempfile
import unittest
from pathlib import Path

from game_driver import (Game, cell_texts, find_in_game, has_focus, named, press,
                         wait_until)
from speechd_capture import SpeechCapture

KEPT_MENU = ["Continue Game.", "New Game.", "Daily Puzzle.", "Load Game.", "Enter a Puzzle.", "Statistics.", "Settings.", "Exit."]
MENU = ["New Game.", "Daily Puzzle.", "Load Game.", "Enter a Puzzle.", "Statistics.", "Settings.", "Exit."]
# A solved 4x4 board, board[x][y].
SOLVED = [[1, 2, 3, 4], [3, 4, 1, 2], [2, 1, 4, 3], [4, 3, 2, 1]]
NO_SOLUTION = "No step by logic is left here, and no solution was found in time."
CANNOT_KEEP = ("This game cannot be kept: the folder for kept games cannot be written. "
               "Save it with Ctrl+S.")


def four_by_four(*empty):
    """A kept 4x4 game with these squares (x, y) empty, the cursor on 1 1."""
    board = [column[:] for column in SOLVED]
    for x, y in empty:
        board[x][y] = None
    return json.dumps({"board": board, "original": board, "difficulty": 0.5, "size": [2, 2]})


class KeptGame(unittest.TestCase):
    def setUp(self):
        self.speech = SpeechCapture()
        self.speech.start()
        self.addCleanup(self.speech.stop)
        self.state = tempfile.mkdtemp(prefix="kept-", dir=os.environ.get("XDG_STATE_HOME"))
        self.autosave = Path(self.state) / "sudoku" / "current.sudoku"
        self.game = None

    def tearDown(self):
        if self.game:
            self.game.stop()

    def start(self, menu):
        self.game = Game(self.speech.env(), state=self.state)
        table = self.game.main_menu(timeout=60)
        wait_until(lambda: cell_texts(table) == menu, 30, f"the menu {menu}")
        return table

    def heard(self, matches, since):
        return wait_until(lambda: next((t for t in self.speech.texts()[since:] if matches(t)),
                                       None), 30, "a spoken text")

    def key(self, key, matches):
        since = len(self.speech.texts())
        press(key)
        return self.heard(matches, since)

    def open_the_size_dialog(self):
        """New Game. from the menu; returns the count of texts heard before it."""
        self.start(MENU)
        since = len(self.speech.texts())
        press("Return")
        wait_until(lambda: find_in_game(self.game.process.pid,
                                        lambda n: n.name == "Board size." and has_focus(n)),
                   what="the size dialog")
        return since

    def play_a_note(self):
        """A new 4x4 game, the cursor to its first empty square and a note 1
        there; returns that square as spoken ("3 1")."""
        since = self.open_the_size_dialog()
        press("Tab", "Tab", "Tab", "space")
        self.heard(lambda t: t.startswith("1 1: "), since)
        square = self.key("e", lambda t: t.endswith(": empty.")).removesuffix(": empty.")
        self.key("ctrl+1", lambda t: t == "Note 1 added.")
        return square

    def kept_on_disk(self):
        """The autosave's cursor, once it holds the note."""
        def kept():
            if not self.autosave.exists():
                return None
            text = json.loads(self.autosave.read_text())
            return text.get("cursor") if "notes" in text else None
        return wait_until(kept, 10, "the note in the autosave")

    def continued(self, square):
        table = self.start(KEPT_MENU)
        self.assertEqual(cell_texts(table)[0], "Continue Game.")
        since = len(self.speech.texts())
        press("Return")
        self.heard(lambda t: t == f"{square}: empty. Notes 1.", since)

    def test_killed_mid_game_it_comes_back(self):
        square = self.play_a_note()
        x, y = (int(part) - 1 for part in square.split())
        self.assertEqual(self.kept_on_disk(), [x, y])
        self.game.process.send_signal(signal.SIGKILL)
        self.game.process.wait()
        self.continued(square)

    def test_the_hint_on_a_large_game_continued_after_a_restart_gives_a_step(self):
        # A fresh 81x81 game at 70 percent empty: too large for the hint's search
        # in the time of a key press, so the hint needs the solution it was made from.
        since = self.open_the_size_dialog()
        press(*["Down"] * 7, "Tab", *["Down"] * 6, "Tab", "Tab", "space")
        wait_until(lambda: next((t for t in self.speech.texts()[since:]
                                 if t.startswith("1 1: ")), None), 120, "the 81x81 board")
        square = self.key("e", lambda t: t.endswith(": empty.")).removesuffix(": empty.")
        self.key("ctrl+1", lambda t: t == "Note 1 added.")
        self.kept_on_disk()
        self.game.process.send_signal(signal.SIGKILL)
        self.game.process.wait()
        self.continued(square)
        said = self.key("h", lambda t: True)
        self.assertNotEqual(said, NO_SOLUTION)
        last_resort = (said.startswith("No step by logic is left here. ")
                       and said.endswith(" keeps the board solvable."))
        step = any(words in said for words in (" goes at ", " can only ", " cannot take "))
        self.assertTrue(last_resort or step, said)

    def test_the_session_ending_or_the_close_box_keeps_it(self):
        for stop in ("SIGTERM", "alt+F4"):
            with self.subTest(stop):
                square = self.play_a_note()
                x, y = (int(part) - 1 for part in square.split())
                # A cursor move writes nothing by itself: the close must.
                self.key("Left" if x == 3 else "Right", lambda t: t[0].isdigit())
                if stop == "SIGTERM":
                    self.game.process.send_signal(signal.SIGTERM)
                else:
                    press(stop)
                self.assertEqual(self.game.wait_exit(30), 0)
                self.assertNotEqual(self.kept_on_disk(), [x, y], "the cursor as it was left")
                self.continued_elsewhere()
                self.autosave.unlink()

    def continued_elsewhere(self):
        table = self.start(KEPT_MENU)
        self.assertEqual(cell_texts(table)[0], "Continue Game.")
        self.game.stop()

    def kept_square(self, x, y):
        return json.loads(self.autosave.read_text())["board"][x][y]

    def continue_at_first_square(self):
        since = len(self.speech.texts())
        press("Return")
        self.heard(lambda t: t == "1 1: empty.", since)

    def test_a_won_game_is_gone_though_the_session_ends_at_its_congratulation(self):
        self.autosave.parent.mkdir(parents=True)
        self.autosave.write_text(four_by_four((0, 0)))
        self.start(KEPT_MENU)
        self.continue_at_first_square()
        press("1")
        wait_until(lambda: find_in_game(
            self.game.process.pid, lambda n: n.name == "You completed the board! What a genius!"),
            what="the congratulation")
        self.game.process.send_signal(signal.SIGTERM)
        self.assertEqual(self.game.wait_exit(30), 0)
        self.assertFalse(self.autosave.exists())
        self.start(MENU)

    def test_a_second_start_never_puts_back_an_older_game(self):
        self.autosave.parent.mkdir(parents=True)
        self.autosave.write_text(four_by_four((0, 0), (1, 1)))
        self.start(KEPT_MENU)
        first = self.game
        self.continue_at_first_square()
        # A second start on the same state folder, left alone at its menu.
        second = Game(self.speech.env(), state=self.state)
        self.addCleanup(second.stop)

        def settled():
            if second.process.poll() is not None:
                return "ended"
            return "menu" if find_in_game(second.process.pid,
                                          named("table", "Main Menu.")) else None
        second_ran = wait_until(settled, 60, "the second start to end or show its menu")
        first.activate()
        self.key("1", lambda t: t == "one")
        wait_until(lambda: self.kept_square(0, 0) == 1, 10, "the move in the autosave")
        press("alt+F4")
        self.assertEqual(first.wait_exit(30), 0)
        if second_ran == "menu":
            second.activate()
            press("alt+F4")
        self.assertEqual(second.wait_exit(30), 0)
        self.assertEqual(self.kept_square(0, 0), 1, "the newer game stays kept")

    def test_a_folder_that_cannot_be_written_is_said_once(self):
        self.autosave.parent.mkdir(parents=True)
        self.autosave.write_text(four_by_four((0, 0), (1, 1), (2, 2)))
        folder = str(self.autosave.parent)
        if subprocess.run(["mount", "--bind", folder, folder]).returncode != 0:
            self.skipTest("a read-only bind mount needs root")
        self.addCleanup(subprocess.run, ["umount", "--lazy", folder])
        subprocess.run(["mount", "-o", "remount,bind,ro", folder], check=True)
        self.start(KEPT_MENU)
        self.continue_at_first_square()
        self.key("1", lambda t: t == CANNOT_KEEP)
        self.key("Right", lambda t: t.startswith("2 1: "))
        self.key("Down", lambda t: t == "2 2: empty.")
        since = len(self.speech.texts())
        self.key("4", lambda t: t == "four")
        # The next key's answer comes after anything the digit still caused.
        self.key("n", lambda t: "empty square" in t)
        self.assertNotIn(CANNOT_KEEP, self.speech.texts()[since:])

    def test_a_broken_autosave_is_set_aside(self):
        self.autosave.parent.mkdir(parents=True)
        self.autosave.write_text('{"board": [[1, 2')
        self.start(MENU)
        self.assertFalse(self.autosave.exists())
        self.assertEqual((self.autosave.parent / "current.sudoku.broken").read_text(),
                         '{"board": [[1, 2')

    def test_a_daily_puzzle_won_is_read_back_in_the_statistics(self):
        """Daily Puzzle. for a fixed date played to the win by real keys, each
        empty square reached by e and its number taken from the solution the
        autosave keeps; then Statistics. read as the screen reader reads it."""
        self.game = Game(dict(self.speech.env(), SUDOKU_TODAY="2026-12-09"), state=self.state)
        table = self.game.main_menu(timeout=60)
        wait_until(lambda: cell_texts(table) == MENU, 30, f"the menu {MENU}")
        self.game.activate()
        since = len(self.speech.texts())
        press("Down", "Return")
        self.heard(lambda t: t == "Daily puzzle for Wednesday, 9 December: medium. 1 1: 3",
                   since)
        kept = wait_until(lambda: self.autosave.exists() and json.loads(self.autosave.read_text()))
        self.assertEqual(kept["daily"], "2026-12-09")
        empty = sum(cell is None for column in kept["board"] for cell in column)
        for _ in range(empty):
            square = self.key("e", lambda t: t.endswith(": empty.")).removesuffix(": empty.")
            x, y = (int(part) - 1 for part in square.split(" "))
            press(str(kept["solution"][x][y]))
        wait_until(lambda: find_in_game(
            self.game.process.pid, lambda n: n.name == "You completed the board! What a genius!"),
            what="the completion message")
        press("Return")
        # Said once the congratulation's box is closed.
        best = self.heard(lambda t: t.startswith("New best time for 9x9 medium: "), since)
        table = self.game.main_menu(timeout=30)
        wait_until(lambda: cell_texts(table) == MENU, 30, "the won game gone from the menu")
        press(*["Down"] * 4, "Return")
        lines = wait_until(lambda: find_in_game(self.game.process.pid,
                                                lambda n: n.name == "Statistics." and
                                                n.getRoleName() in ("table", "tree table")),
                           what="the statistics list")[0]
        wait_until(lambda: len(cell_texts(lines)) == 2, what="two lines")
        time = best.removeprefix("New best time for 9x9 medium: ").removesuffix(".")
        self.assertEqual(cell_texts(lines), [
            f"9x9 medium: 1 won of 1, best {time}, average {time}.",
            "Daily puzzle: 1 day in a row, longest 1."])
        heard = self.speech.texts()[since:]
        print(f"\n{len(heard)} texts heard from Daily Puzzle. to the win; the first three "
              f"and the last three: {heard[:3]} ... {heard[-3:]}\nthe statistics read back: "
              f"{cell_texts(lines)}", flush=True)


if __name__ == "__main__":
    unittest.main(verbosity=2)
