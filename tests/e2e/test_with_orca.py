"""The game under the Orca screen reader. Orca reads the menu entry by entry and
the new-game dialog item by item; on the board the game speaks through Orca:
every text is heard once, in Orca's voice, and is the name of the focused
object, which is what Orca's braille line shows. Orca and the game share one
private, capturing speech-dispatcher, which notes each text's voice and time.

A whole 16x16 game is played twice, its numbers typed on the board and by the
number box, each printing the keys it took and the texts heard.

Run directly (python3 -m unittest -v test_with_orca.py) to see the key-to-speech
figures that test_key_to_speech_latency prints."""

import json
import os
import random
import re
import statistics
import subprocess
import sys
import tempfile
import time
import unittest
from pathlib import Path

from game_driver import (GAME_TITLE, Game, active_window_name, find_all, find_in_game, has_focus,
                         named, press, wait_until)
from speechd_capture import SpeechCapture
from test_full_game import solve

# A solved 16x16 board, board[x][y]: each row the one above shifted by a box,
# and by one more at each band.
SIXTEEN = [[(4 * y + y // 4 + x) % 16 + 1 for y in range(16)] for x in range(16)]

ANNOUNCEMENT = re.compile(r"^(\d+) (\d+): (empty\.|-?\d+)$")
# The first square's text at the start of what Orca says of it.
FIRST_SQUARE = re.compile(r"1 1: (empty\.|-?\d+)")
MOVES = {"Right": (1, 0), "Left": (-1, 0), "Down": (0, 1), "Up": (0, -1)}
DIGIT_WORDS = {1: "one", 2: "two", 3: "three", 4: "four", 5: "five", 6: "six", 7: "seven",
               8: "eight", 9: "nine"}
CONGRATULATION = "You completed the board! What a genius!"
SAVE_PROMPT = "Please pick a file to save your game into."
ENTER_PROMPT = "Enter the number you wish to place."
GO_TO_PROMPT = "Go to square: column, then row."
NOT_A_NUMBER = "That is not a whole number."
# Around a 4x4 board square by square, then back to the first one: every square
# is announced at least once, and the first one by a move.
TOUR = (["Right"] * 3 + ["Down"] + ["Left"] * 3 + ["Down"] + ["Right"] * 3 + ["Down"]
        + ["Left"] * 3 + ["Up"] * 3)
PRESSES = 50


class WithOrca(unittest.TestCase):
    def setUp(self):
        self.speech = SpeechCapture()
        self.speech.start()
        self.orca = None
        self.game = None
        self.x = self.y = 0

    def tearDown(self):
        if self.game:
            self.game.stop()
        if self.orca:
            self.stop_orca()
        self.speech.stop()

    # --- Orca, the game, and what is heard -------------------------------------

    def start_orca(self):
        since = len(self.speech.texts())
        self.orca = subprocess.Popen(["orca", "--replace"], env=self.speech.env(),
                                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.hear("Screen reader on.", since, timeout=90)
        # Orca's voice, as speech-dispatcher was asked for it.
        return next(u.voice for u in self.speech.utterances()[since:]
                    if u.text == "Screen reader on.")

    def stop_orca(self):
        self.orca.terminate()
        try:
            self.orca.wait(timeout=20)
        except subprocess.TimeoutExpired:
            # Orca now and then hangs in its own shutdown; the next test needs
            # it gone all the same.
            self.orca.kill()
            self.orca.wait()
        self.orca = None

    def hear(self, text, since, timeout=30):
        """Waits until `text` is spoken after the first `since` texts; returns the count then."""
        def spoken():
            texts = self.speech.texts()
            return len(texts) if text in texts[since:] else 0
        return wait_until(spoken, timeout, f"hearing {text!r}")

    def after(self, key, text):
        return self.hear(text, since=self.keyed(key))

    def keyed(self, key):
        count = len(self.speech.texts())
        press(key)
        return count

    def new_four_by_four(self, game_args=(), cwd=None):
        self.game = Game(self.speech.env(), args=game_args, cwd=cwd)
        self.game.main_menu(timeout=60)
        press("Return")
        wait_until(lambda: find_in_game(self.game.process.pid,
                                        lambda n: n.name == "Board size." and has_focus(n)),
                   what="the size dialog")
        since = len(self.speech.texts())
        press("Tab", "Tab", "Tab", "space")
        # The first square, heard once the board has the focus. Under Orca this
        # is also where Orca has presented the board: keys pressed before that
        # are heard as part of that presentation instead.
        first = wait_until(lambda: next((m[0] for m in map(FIRST_SQUARE.match,
                                                           self.speech.texts()[since:]) if m),
                                        None), what="the first square")
        self.heard_once(first, since)
        self.x = self.y = 0

    def continue_sixteen_by_sixteen(self, empty):
        """A kept 16x16 game with `empty` squares, continued from the main menu;
        returns the number of texts before Continue."""
        state = tempfile.mkdtemp(prefix="orca-", dir=os.environ.get("XDG_STATE_HOME"))
        board = [column[:] for column in SIXTEEN]
        for x, y in empty:
            board[x][y] = None
        Path(state, "sudoku").mkdir()
        Path(state, "sudoku", "current.sudoku").write_text(json.dumps(
            {"board": board, "original": board, "difficulty": 0.1, "size": [4, 4]}))
        self.game = Game(self.speech.env(), state=state)
        self.game.main_menu(timeout=60)
        self.hear("Continue Game.", since=0)
        self.settle()
        since = self.keyed("Return")
        wait_until(lambda: any(t.startswith("1 1: 1") for t in self.speech.texts()[since:]),
                   what="the first square")
        return since

    def play_sixteen_by_sixteen(self, by_box):
        """A whole 16x16 game under Orca, each empty square reached by `e`, its
        number typed on the board or, when `by_box`, put in by the number box
        if it is above 9. Returns the keys pressed and the texts heard, from
        Continue to the congratulation."""
        self.start_orca()
        empty = sorted(random.Random(16).sample([(x, y) for x in range(16) for y in range(16)][1:],
                                                26), key=lambda s: (s[1], s[0]))
        begun = self.continue_sixteen_by_sixteen(empty)
        keys = 1
        for x, y in empty[:-1]:
            self.heard_once(f"{x + 1} {y + 1}: empty.", self.keyed("e"))
            number = SIXTEEN[x][y]
            self.settle()
            if by_box and number > 9:
                since = self.answer_box("Return", ENTER_PROMPT, str(number))
                keys += 3 + len(str(number))
            else:
                since = len(self.speech.texts())
                press(*str(number))
                keys += 1 + len(str(number))
            # The number is heard once, as the number above 9 and as its word
            # below, with the window's title at most once after a box, and
            # never when typed on the board.
            self.closed_quietly(str(number) if number > 9 else DIGIT_WORDS[number], since)
            if not by_box:
                self.assertFalse([t for t in self.speech.texts()[since:] if GAME_TITLE in t])
        press("e", *str(SIXTEEN[empty[-1][0]][empty[-1][1]]))
        keys += 1 + len(str(SIXTEEN[empty[-1][0]][empty[-1][1]]))
        wait_until(lambda: any(CONGRATULATION in t for t in self.speech.texts()), 30,
                   "the congratulation")
        return keys, self.speech.texts()[begun:]

    def settle(self, quiet=0.6):
        """Waits until Orca has said nothing for `quiet` seconds: far longer than
        the 20-30 ms between the copies of a text heard twice."""
        def silent():
            utterances = self.speech.utterances()
            return not utterances or time.time() - utterances[-1].time > quiet
        wait_until(silent, 30, "Orca to fall silent")

    def heard_once(self, text, since):
        """Waits for `text` after the first `since` texts; fails unless, once Orca
        has fallen silent, it was heard there exactly once and alone, with no role
        word after it ("5 panel."). Orca ends a focused object's name with a full
        stop, so "5" is heard as "5." when it comes with the focus."""
        bare = text.rstrip(".")
        form = re.compile(re.escape(bare) + r"\.?( [a-z ]+\.)?")
        wait_until(lambda: any(form.fullmatch(t) for t in self.speech.texts()[since:]),
                   what=f"hearing {text!r}")
        self.settle()
        heard = [t for t in self.speech.texts()[since:] if form.fullmatch(t)]
        self.assertIn(heard, ([bare], [bare + "."]), self.speech.texts()[since:])

    def closed_quietly(self, answer, since):
        """A box closed with `answer`: the answer is heard once, and the window's
        title, which Orca says as the window is active again, at most once."""
        self.heard_once(answer, since)
        texts = self.speech.texts()[since:]
        self.assertLessEqual(sum(t.count(GAME_TITLE) for t in texts), 1, texts)

    def back_on_board(self, since, old):
        """The focus back on the board with nothing new to say: the square under
        the cursor is heard once, and `old`, said before the box, is not."""
        starts = (self.square_text().rstrip("."), old.rstrip("."))
        wait_until(lambda: any(t.startswith(starts) for t in self.speech.texts()[since:]),
                   what=f"hearing the board again after {old!r}")
        self.settle()
        texts = self.speech.texts()[since:]
        self.assertFalse([t for t in texts if t.startswith(starts[1])], texts)
        self.heard_once(self.square_text(), since)

    def square_text(self):
        value = self.board[self.x][self.y]
        return f"{self.x + 1} {self.y + 1}: " + ("empty." if value is None else str(value))

    def answer_box(self, key, prompt, typed, close="Return"):
        """Opens a box by `key`, types `typed` in it and closes it by `close`.
        Returns the number of texts before the closing key, taken once Orca has
        echoed what was typed."""
        press(key)
        field = wait_until(lambda: find_in_game(self.game.process.pid,
                                                lambda n: n.name == prompt and has_focus(n)),
                           what=f"the box {prompt!r}")[0]
        if typed:
            subprocess.run(["xdotool", "type", typed], check=True)
            wait_until(lambda: field.queryText().getText(0, -1) == typed, what=f"{typed!r} typed")
        self.settle()
        since = len(self.speech.texts())
        press(close)
        return since

    def close_message(self):
        """Waits for a message box with the focus on its OK button, and presses
        Return there. Returns the number of texts before Return."""
        wait_until(lambda: find_in_game(self.game.process.pid,
                                        lambda n: named("push button", "OK")(n) and has_focus(n)),
                   what="the message box")
        self.settle()
        since = len(self.speech.texts())
        press("Return")
        return since

    def name_field(self):
        """The focused file name field of the open file chooser."""
        choosers = find_in_game(self.game.process.pid, lambda n: n.getRoleName() == "file chooser")
        return [field for chooser in choosers for field in find_all(
            chooser, lambda n: n.getRoleName() == "text" and has_focus(n))]

    def open_save_dialog(self):
        press("ctrl+s")
        # Typed keys go to the window that has the X focus, which may come a
        # moment after the accessibility tree shows the field focused.
        wait_until(lambda: self.name_field() and active_window_name() == SAVE_PROMPT,
                   what="the file name field of the save dialog, with the focus")

    def focused_names(self):
        return [n.name for n in find_in_game(self.game.process.pid, has_focus)]

    def say_by_key(self, key, matches):
        """Presses `key` and waits for a heard text that `matches`. Returns the
        utterance, the number of texts before the key, and when it was pressed."""
        since = len(self.speech.texts())
        pressed = time.time()
        press(key)

        def heard():
            return next((u for u in self.speech.utterances()[since:] if matches(u.text)), None)
        return wait_until(heard, 30, f"speech after {key}"), since, pressed

    def move(self, key):
        """One arrow move: what say_by_key returns for the new square's text."""
        dx, dy = MOVES[key]
        self.x, self.y = self.x + dx, self.y + dy
        prefix = f"{self.x + 1} {self.y + 1}: "
        heard = self.say_by_key(key, lambda t: t.startswith(prefix))
        self.assertRegex(heard[0].text, ANNOUNCEMENT)
        return heard

    # --- the tests ---------------------------------------------------------------

    def test_menu_dialog_and_board_are_all_heard(self):
        self.start_orca()
        self.game = Game(self.speech.env())
        self.game.main_menu(timeout=60)
        self.hear("New Game.", since=0)
        self.after("Down", "Daily Puzzle.")
        self.after("Down", "Load Game.")
        self.after("Down", "Enter a Puzzle.")
        self.after("Down", "Statistics.")
        self.after("Down", "Settings.")
        self.after("Down", "Exit.")
        self.after("Up", "Settings.")
        self.after("Up", "Statistics.")
        self.after("Up", "Enter a Puzzle.")
        self.after("Up", "Load Game.")
        self.after("Up", "Daily Puzzle.")
        self.after("Up", "New Game.")

        since = self.keyed("Return")
        self.hear("Board size.", since)
        self.hear("2x2.", since)
        self.after("Down", "3x3.")
        self.after("Up", "2x2.")
        since = self.keyed("Tab")
        self.hear("Board difficulty.", since)
        self.hear("10 percent empty.", since)
        since = self.keyed("Tab")
        self.hear("Solving level.", since)
        self.hear("Any level.", since)
        self.after("Tab", "Go! push button.")

        since = self.keyed("space")
        wait_until(lambda: any(t.startswith("1 1: ") for t in self.speech.texts()[since:]),
                   what="the first square, despite Orca's announcement of the window")
        since = self.keyed("Right")
        wait_until(lambda: any(t.startswith("2 1: ") for t in self.speech.texts()[since:]),
                   what="the next square")

    def test_a_whole_game_is_heard_through_orca_and_its_braille_line(self):
        orca_voice = self.start_orca()
        game_began = len(self.speech.texts())
        # The save dialog starts in the game's folder.
        folder = tempfile.TemporaryDirectory()
        self.addCleanup(folder.cleanup)
        self.new_four_by_four(cwd=folder.name)

        # Every square by an arrow key, each heard once and left as the name of
        # the focused object.
        self.board = [[None] * 4 for _ in range(4)]
        windows = []
        for key in TOUR:
            utterance, since, _ = self.move(key)
            value = ANNOUNCEMENT.match(utterance.text)[3]
            self.board[self.x][self.y] = None if value == "empty." else int(value)
            wait_until(lambda: utterance.text in self.focused_names(), 10,
                       f"the focused object named {utterance.text!r}")
            windows.append((since, utterance.text))
        self.assertEqual((self.x, self.y), (0, 0))
        # Each arrow text once: in its own stretch, and not late in the next one.
        texts = self.speech.texts()
        ends = [since for since, _ in windows[1:]] + [len(texts)]
        for (begin, text), end in zip(windows, ends):
            self.assertEqual(texts[begin:end].count(text), 1, f"{text!r} in {texts[begin:end]}")

        # A refusal on a given.
        given = next((x, y) for y in range(4) for x in range(4) if self.board[x][y] is not None)
        self.go_to(*given)
        self.say_by_key("1", lambda t: t == "You can't change this number.")
        self.assertIn("You can't change this number.", self.focused_names())
        # Enter on a given opens no box: the refusal comes at once.
        self.heard_once("You can't change this number.", self.keyed("Return"))

        # On an empty square, an answer given just as the number box closes,
        # before the board has the focus back, is not lost: Orca reads it with
        # the board, once. A box that leaves nothing new to say gives back the
        # square under the cursor, never the answer before it.
        empties = [(x, y) for x in range(4) for y in range(4) if self.board[x][y] is None]
        self.assertEqual(len(empties), 2, self.board)
        self.go_to(*empties[1])
        self.heard_once(NOT_A_NUMBER, self.answer_box("Return", ENTER_PROMPT, "abc"))
        wait_until(lambda: NOT_A_NUMBER in self.focused_names(), 10, "the answer as the name")
        self.back_on_board(self.answer_box("Return", ENTER_PROMPT, "7", close="Escape"),
                           NOT_A_NUMBER)
        self.heard_once(NOT_A_NUMBER, self.answer_box("Return", ENTER_PROMPT, "abc"))
        self.answer_box("Return", ENTER_PROMPT, "0")
        self.back_on_board(self.close_message(), NOT_A_NUMBER)

        # To the first of the two empty squares (10 percent of 16, rounded)
        # through the go-to box, and a number typed into it: each answer once, and
        # the window's title no more than once as the box gives the board back.
        solution = [column[:] for column in self.board]
        self.assertTrue(solve(solution))
        self.x, self.y = empties[0]
        self.closed_quietly(self.square_text(),
                            self.answer_box("ctrl+g", GO_TO_PROMPT, f"{self.x + 1} {self.y + 1}"))
        placed = self.board[self.x][self.y] = solution[self.x][self.y]
        self.closed_quietly(str(placed), self.answer_box("Return", ENTER_PROMPT, str(placed)))

        # The same count twice is heard twice.
        count = "There are 1 empty squares."
        since = len(self.speech.texts())
        press("n")
        wait_until(lambda: self.speech.texts()[since:].count(count) == 1, what="the count")
        press("n")
        wait_until(lambda: self.speech.texts()[since:].count(count) == 2,
                   what="the count a second time")
        # The save dialog given up: the square, not the count.
        self.open_save_dialog()
        self.settle()
        since = len(self.speech.texts())
        press("Escape")
        self.back_on_board(since, count)

        # "Game saved." comes as the file dialog closes, before the board has the
        # focus back: it is heard all the same, once.
        self.open_save_dialog()
        subprocess.run(["xdotool", "type", "orca-game"], check=True)
        wait_until(lambda: any(field.queryText().getText(0, -1) == "orca-game"
                               for field in self.name_field()), what="the typed name")
        self.settle()
        since = len(self.speech.texts())
        # The chooser's name completion now and then swallows an Enter typed
        # right after the name; its Save button, pressed through the
        # accessibility tree, saves every time.
        save = find_in_game(self.game.process.pid, named("push button", "Save"))
        self.assertEqual(len(save), 1)
        save[0].queryAction().doAction(0)
        self.heard_once("Game saved.", since)
        wait_until(lambda: "Game saved." in self.focused_names(), 10, "the message as the name")
        self.assertTrue(os.path.exists(os.path.join(folder.name, "orca-game.sudoku")))
        # The key help closed: the square, not "Game saved.".
        press("F1")
        self.back_on_board(self.close_message(), "Game saved.")

        # The last digit brings the congratulation, read by Orca. That digit's
        # own name may go unheard: Orca cuts its speech off when the message box
        # takes the focus, now and then.
        self.go_to(*empties[1])
        press(str(solution[self.x][self.y]))
        wait_until(lambda: any(CONGRATULATION in t for t in self.speech.texts()), 30,
                   "the congratulation")
        # The box is heard by its own title, not by its kind ("Information").
        self.assertTrue([t for t in self.speech.texts() if t.startswith("alert Oh, wow!")],
                        self.speech.texts()[-5:])

        # Nothing of the game's was said in another voice than Orca's.
        voices = {u.voice for u in self.speech.utterances()[game_began:]}
        self.assertEqual(voices, {orca_voice})
        press("Return")
        self.game.main_menu()

    def test_orca_started_during_a_game_takes_over_its_speech(self):
        self.new_four_by_four()
        utterance = self.move("Right")[0]
        game_voice = utterance.voice

        since = len(self.speech.texts())
        orca_voice = self.start_orca()
        self.assertNotEqual(orca_voice, game_voice)
        # Orca has presented the focused board, which has no name of its own.
        self.hear("panel.", since)
        utterance, since, _ = self.move("Right")
        self.assertEqual(utterance.voice, orca_voice)
        wait_until(lambda: utterance.text in self.focused_names(), 10,
                   f"the focused object named {utterance.text!r}")
        self.say_by_key("n", lambda t: t.startswith("There are "))
        texts = self.speech.texts()
        self.assertEqual(texts[since:].count(utterance.text), 1, texts[since:])

        # And Orca gone, the game's own voice is back.
        self.stop_orca()
        utterance = self.move("Left")[0]
        self.assertEqual(utterance.voice, game_voice)

    def test_key_to_speech_latency(self):
        """Prints how long an arrow key takes to be heard, through Orca and through
        the game's own speech-dispatcher voice, in one run under Orca."""
        self.start_orca()
        figures = {}
        for route in ("auto", "speech-dispatcher"):
            self.new_four_by_four(game_args=(f"--speech={route}",))
            delays = []
            for n in range(PRESSES):
                key = "Right" if n % 2 == 0 else "Left"
                utterance, _, pressed = self.move(key)
                delays.append(utterance.time - pressed)
            self.game.stop()
            self.game = None
            figures[route] = delays
        for route, delays in figures.items():
            print(f"key to speech, {PRESSES} arrow presses under Orca, --speech={route}: "
                  f"median {statistics.median(delays) * 1000:.0f} ms, "
                  f"slowest {max(delays) * 1000:.0f} ms", file=sys.stderr)

    def test_a_sixteen_by_sixteen_game_by_numbers_typed_on_the_board(self):
        keys, texts = self.play_sixteen_by_sixteen(by_box=False)
        print_game_cost("typed on the board", keys, texts)

    def test_a_sixteen_by_sixteen_game_by_the_number_box(self):
        keys, texts = self.play_sixteen_by_sixteen(by_box=True)
        print_game_cost("by the number box above 9", keys, texts)

    def go_to(self, x, y):
        while self.x != x:
            self.move("Right" if self.x < x else "Left")
        while self.y != y:
            self.move("Down" if self.y < y else "Up")


def print_game_cost(route, keys, texts):
    print(f"a 16x16 game of 26 empty squares under Orca, {route}: {keys} keys, "
          f"{len(texts)} utterances; the first ones: {texts[:30]}", file=sys.stderr)


if __name__ == "__main__":
    unittest.main()
