"""One whole game as a blind player plays it: keys in, speech and the screen
reader's view out. The real executable, a real speech-dispatcher capturing what
it is asked to say, real X key presses, and the accessibility tree."""

import re
import unittest

from game_driver import Game, find_in_game, has_focus, named, cell_texts, press, wait_until
from speechd_capture import SpeechCapture

DIGIT_NAMES = {1: "one", 2: "two", 3: "three", 4: "four"}
MOVES = {"Right": (1, 0), "Left": (-1, 0), "Down": (0, 1), "Up": (0, -1)}
ANNOUNCEMENT = re.compile(r"^(\d+) (\d+): (empty\.|-?\d+)$")


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
    def setUp(self):
        self.speech = SpeechCapture()
        self.speech.start()
        self.game = Game(self.speech.env())
        self.x = self.y = 0

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
        match = ANNOUNCEMENT.match(heard)
        self.assertIsNotNone(match, heard)
        self.assertEqual((int(match[1]), int(match[2])), (self.x + 1, self.y + 1), heard)
        return None if match[3] == "empty." else int(match[3])

    def go_to(self, x, y):
        while self.x != x:
            self.move("Right" if self.x < x else "Left")
        while self.y != y:
            self.move("Down" if self.y < y else "Up")

    def test_play_a_whole_four_by_four_game(self):
        pid = self.game.process.pid
        self.game.main_menu()

        # New Game: the dialog's lists and button as the screen reader finds them.
        press("Return")
        sizes = wait_until(lambda: [t for t in find_in_game(pid, named("table", "Board size."))
                                    if has_focus(t)], what="the size list with the focus")[0]
        self.assertEqual(cell_texts(sizes), [f"{n}x{n}" for n in range(2, 10)])
        difficulty = find_in_game(pid, named("table", "Board difficulty."))[0]
        self.assertEqual(cell_texts(difficulty),
                         [f"{p} percent empty" for p in range(10, 100, 10)])
        self.assertTrue(find_in_game(pid, named("push button", "Go!")))
        self.assertTrue(find_in_game(pid, lambda n: n.getRoleName() in ("dialog", "frame")
                                     and n.name == "New game"), "the dialog says what it is")

        press("Tab", "Tab", "Tab", "space")
        first = wait_until(lambda: self.speech.texts(), what="the first square")[0]
        match = ANNOUNCEMENT.match(first)
        self.assertIsNotNone(match, first)
        self.assertEqual(first[:5], "1 1: ")

        # Read the whole board by ear, row by row.
        board = [[None] * 4 for _ in range(4)]
        board[0][0] = None if match[3] == "empty." else int(match[3])
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
        self.assertEqual(self.hear_after("1"), "You can't change this number.")

        for x, y in empties:
            self.go_to(x, y)
            # A number already in this row breaks the rule.
            clash = next(board[c][y] for c in range(4) if board[c][y] is not None)
            self.assertEqual(self.hear_after(str(clash)), "Invalid number.")
            right = solution[x][y]
            self.assertEqual(self.hear_after(str(right)), DIGIT_NAMES[right])
            board[x][y] = right
        # The last digit completes the board: the message box, read by the screen reader.
        wait_until(lambda: find_in_game(
            pid, lambda n: n.name == "You completed the board! What a genius!"),
            what="the completion message")
        press("Return")

        # Back on the main menu, the won game gone from it, then leave the game.
        menu = self.game.main_menu()
        self.assertEqual(cell_texts(menu), ["New Game.", "Load Game.", "Exit."])
        press("Down", "Down", "Return")
        self.assertEqual(self.game.wait_exit(), 0)


if __name__ == "__main__":
    unittest.main()
