"""The number dialog as a screen reader meets it: the prompt is its title and
the name of the focused text box; what is typed lands on the board."""

import unittest

from game_driver import Game, find_in_game, has_focus, press, wait_until
from speechd_capture import SpeechCapture

PROMPT = "Enter the number you wish to place."


class NumberDialog(unittest.TestCase):
    def setUp(self):
        self.speech = SpeechCapture()
        self.speech.start()
        self.game = Game(self.speech.env())

    def tearDown(self):
        self.game.stop()
        self.speech.stop()

    def test_the_prompt_is_announced_and_the_number_placed(self):
        pid = self.game.process.pid
        self.game.main_menu()
        press("Return")
        wait_until(lambda: find_in_game(pid, lambda n: n.name == "Board size." and has_focus(n)),
                   what="the size dialog")
        press("Tab", "Tab", "Tab", "space")
        wait_until(lambda: self.speech.texts(), what="the first square")
        # An empty square: on a given, Enter opens nothing.
        press("e")
        square = wait_until(lambda: [t for t in self.speech.texts()[1:] if t.endswith(": empty.")],
                            what="the next empty square")[0].removesuffix(" empty.")

        press("Return")
        box = wait_until(lambda: [n for n in find_in_game(pid, lambda n: n.name == PROMPT)
                                  if n.getRoleName() == "text" and has_focus(n)],
                         what="the focused text box named by the prompt")
        self.assertTrue(box)
        self.assertTrue(find_in_game(pid, lambda n: n.getRoleName() in ("dialog", "frame")
                                     and n.name == PROMPT), "the title carries the prompt")
        press("1", "7", "Return")
        wait_until(lambda: "17" in self.speech.texts(), what="the placed number, spoken")
        press("space")
        wait_until(lambda: f"{square} 17" in self.speech.texts(), what="the square again")


if __name__ == "__main__":
    unittest.main()
