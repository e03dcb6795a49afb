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
        press("Tab", "Tab", "space")
        first = wait_until(lambda: self.speech.texts(), what="the first square")[0]

        press("Return")
        box = wait_until(lambda: [n for n in find_in_game(pid, lambda n: n.name == PROMPT)
                                  if n.getRoleName() == "text" and has_focus(n)],
                         what="the focused text box named by the prompt")
        self.assertTrue(box)
        self.assertTrue(find_in_game(pid, lambda n: n.getRoleName() in ("dialog", "frame")
                                     and n.name == PROMPT), "the title carries the prompt")
        press("1", "7", "Return")
        if first.endswith("empty."):
            wait_until(lambda: "17" in self.speech.texts(), what="the placed number, spoken")
            press("Right")
            wait_until(lambda: len(self.speech.texts()) >= 3, what="the next square")
            press("Left")
            wait_until(lambda: len(self.speech.texts()) >= 4, what="the square again")
            self.assertEqual(self.speech.texts()[3], "1 1: 17")
        else:
            wait_until(lambda: "You can not change this value." in self.speech.texts(),
                       what="the refusal on a given")


if __name__ == "__main__":
    unittest.main()
