"""One whole game as a blind player plays it: keys in, speech and the screen
reader's view out. The real executable, a real speech-dispatcher capturing what
it is asked to say, real X key presses, and the accessibility tree; in English
under the C locale, and in German under LANG=de_DE.UTF-8, every text looked up
in the catalog the game was built with."""

import gettext
import os
import re
import unittest
from pathlib import Path

from game_driver import Game, find_in_game, has_focus, named, cell_texts, press, wait_until
from speechd_capture import SpeechCapture

DIGIT_NAMES = {1: "one", 2: "two", 3: "three", 4: "four"}
MOVES = {"Right": (1, 0), "Left": (-1, 0), "Down": (0, 1), "Up": (0, -1)}
LOCALE_VARIABLES = ("LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG")


def solve(board, box=2):
    """Fills the empty squares of a small board by search; board[x][y], None for empty."""
    n = len(board)
    for x in range(n):
        for y in range(n):
            if board[x][y] is None:
                for value in range(1, n + 1):
                    if fits(board, x, y, value, box):
                        board[x][y] = value
                        if solve(board, box):
                            return True
                        board[x][y] = None
                return False
    return True


def fits(board, x, y, value, box):
    n = len(board)
    if any(board[x][row] == value for row in range(n)):
        return False
    if any(board[col][y] == value for col in range(n)):
        return False
    bx, by = x - x % box, y - y % box
    return all(board[c][r] != value for c in range(bx, bx + box) for r in range(by, by + box))


class FullGame(unittest.TestCase):
    locale = "C"
    language = None  # the catalog's, None for English

    def setUp(self):
        self.speech = SpeechCapture()
        self.speech.start()
        env = {k: v for k, v in self.speech.env().items() if k not in LOCALE_VARIABLES}
        env["LANG"] = self.locale
        self.catalog = gettext.NullTranslations()
        if self.language:
            folder = Path(os.environ["SUDOKU_EXE"]).resolve().parent / "locale"
            self.catalog = gettext.translation("sudoku", folder, [self.language])
        at, value = r"(\d+) (\d+)", r"(-?\d+)"
        self.empty = re.escape(self.t("%1$s: empty.", "SQUARE")).replace("SQUARE", at)
        self.full = re.escape(self.t("%1$s: %2$s", "SQUARE", "VALUE")).replace(
            "SQUARE", at).replace("VALUE", value)
        self.game = Game(env)
        self.x = self.y = 0

    def t(self, english, *parts, count=None):
        """The text as the game says it in this language, with its parts put in."""
        text = (self.catalog.gettext(english) if count is None
                else self.catalog.ngettext(english, english, count))
        for i, part in enumerate(parts, 1):
            text = text.replace(f"%{i}$s", str(part))
        return text

    def square(self, heard):
        """(column, row, number or None) of a square's announcement, or None."""
        empty = re.fullmatch(self.empty, heard)
        if empty:
            return int(empty[1]), int(empty[2]), None
        full = re.fullmatch(self.full, heard)
        return (int(full[1]), int(full[2]), int(full[3])) if full else None

    def tearDown(self):
        self.game.stop()
        self.speech.stop()

    def hear_after(self, *keys):
        """Presses keys and returns the one new text they made the game say."""
        before = len(self.speech.texts())
        press(*keys)
        wait_until(lambda: len(self.speech.texts()) > before, what=f"speech after {keys}")
        return self.speech.texts()[before]

    def move(self, key):
        dx, dy = MOVES[key]
        self.x, self.y = self.x + dx, self.y + dy
        heard = self.hear_after(key)
        square = self.square(heard)
        self.assertIsNotNone(square, heard)
        self.assertEqual(square[:2], (self.x + 1, self.y + 1), heard)
        return square[2]

    def go_to(self, x, y):
        while self.x != x:
            self.move("Right" if self.x < x else "Left")
        while self.y != y:
            self.move("Down" if self.y < y else "Up")

    def test_play_a_whole_four_by_four_game(self):
        pid = self.game.process.pid
        t = self.t
        menu = self.game.main_menu(name=t("Main Menu."))
        self.assertEqual(cell_texts(menu), [t("New Game."), t("Daily Puzzle."), t("Load Game."),
                                          t("Enter a Puzzle."), t("Statistics."), t("Settings."),
                                          t("Exit.")])

        # New Game: the dialog's lists and button as the screen reader finds them.
        press("Return")
        sizes = wait_until(lambda: [s for s in find_in_game(pid, named("table", t("Board size.")))
                                    if has_focus(s)], what="the size list with the focus")[0]
        self.assertEqual(cell_texts(sizes), [f"{n}x{n}" for n in range(2, 10)])
        difficulty = find_in_game(pid, named("table", t("Board difficulty.")))[0]
        self.assertEqual(cell_texts(difficulty),
                         [t("%1$s percent empty", p) for p in range(10, 100, 10)])
        levels = find_in_game(pid, named("table", t("Solving level.")))[0]
        self.assertEqual(cell_texts(levels), [t(level) for level in (
            "Any level", "Easy", "Medium", "Hard", "Expert")])
        self.assertTrue(find_in_game(pid, named("push button", t("Go!"))))
        self.assertTrue(find_in_game(pid, lambda n: n.getRoleName() in ("dialog", "frame")
                                     and n.name == t("New game")), "the dialog says what it is")

        press("Tab", "Tab", "Tab", "space")
        first = wait_until(lambda: self.speech.texts(), what="the first square")[0]
        square = self.square(first)
        self.assertIsNotNone(square, first)
        self.assertEqual(square[:2], (1, 1))

        # Read the whole board by ear, row by row.
        board = [[None] * 4 for _ in range(4)]
        board[0][0] = square[2]
        for row in range(4):
            steps = (["Down"] if row else []) + ["Right" if row % 2 == 0 else "Left"] * 3
            for step in steps:
                value = self.move(step)
                board[self.x][self.y] = value
        empties = [(x, y) for x in range(4) for y in range(4) if board[x][y] is None]
        self.assertEqual(len(empties), 2, "10 percent of 16 squares, rounded")

        solution = [column[:] for column in board]
        self.assertTrue(solve(solution))

        # A given cannot be changed.
        given = next((x, y) for x in range(4) for y in range(4) if board[x][y] is not None)
        self.go_to(*given)
        self.assertEqual(self.hear_after("1"), t("You can't change this number."))
        self.assertEqual(self.hear_after("n"), t("There are %1$s empty squares.", 2, count=2))

        for x, y in empties:
            self.go_to(x, y)
            # A number already in this row breaks the rule.
            clash = next(board[c][y] for c in range(4) if board[c][y] is not None)
            self.assertEqual(self.hear_after(str(clash)), t("Invalid number."))
            right = solution[x][y]
            # The hint names the number; with one square empty, the only one that fits.
            if (x, y) == empties[-1]:
                self.assertEqual(self.hear_after("h"), t(
                    "%1$s goes at %2$s: %3$s", right, f"{x + 1} {y + 1}",
                    t("the only number that fits there.")))
            self.assertEqual(self.hear_after(str(right)), t(DIGIT_NAMES[right]))
            board[x][y] = right
        # The last digit completes the board: the message box, read by the screen reader.
        wait_until(lambda: find_in_game(
            pid, lambda n: n.name == t("You completed the board! What a genius!")),
            what="the completion message")
        press("Return")

        # Back on the main menu, the won game gone from it, then leave the game.
        menu = self.game.main_menu(name=t("Main Menu."))
        self.assertEqual(cell_texts(menu), [t("New Game."), t("Daily Puzzle."), t("Load Game."),
                                          t("Enter a Puzzle."), t("Statistics."), t("Settings."),
                                          t("Exit.")])
        press(*["Down"] * 6, "Return")
        self.assertEqual(self.game.wait_exit(), 0)


class GermanGame(FullGame):
    locale = "de_DE.UTF-8"
    language = "de"
    invalid_number = "Ungültige Zahl."

    def test_play_a_whole_four_by_four_game(self):
        # Heard in the language, and the game's own voice asked for one of it.
        self.assertEqual(self.t("Invalid number."), self.invalid_number)
        super().test_play_a_whole_four_by_four_game()
        self.assertEqual({u.voice.split()[-1] for u in self.speech.utterances()},
                         {self.language})


class FrenchGame(GermanGame):
    locale = "fr_FR.UTF-8"
    language = "fr"
    invalid_number = "Nombre non valide."


class SpanishGame(GermanGame):
    locale = "es_ES.UTF-8"
    language = "es"
    invalid_number = "Número no válido."


if __name__ == "__main__":
    unittest.main()
