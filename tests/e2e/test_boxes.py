"""Boxes as a player with the game's own voice meets them (no screen reader):
each box's title and text are said once as it opens."""

import time
import unittest

from game_driver import Game, find_in_game, has_focus, press, wait_until
from speechd_capture import SpeechCapture

PROMPT = "Enter the number you wish to place."


class OwnVoiceBoxes(unittest.TestCase):
    def setUp(self):
        self.speech = SpeechCapture()
        self.speech.start()
        self.game = Game(self.speech.env())

    def tearDown(self):
        self.game.stop()
        self.speech.stop()

    def board(self):
        pid = self.game.process.pid
        self.game.main_menu()
        press("Return")
        wait_until(lambda: find_in_game(pid, lambda n: n.name == "Board size." and has_focus(n)),
                   what="the size dialog")
        press("Tab", "Tab", "Tab", "space")
        wait_until(lambda: self.speech.texts(), what="the first square")

    def said_once(self, since, text):
        """Waits until `text` is said after the first `since` texts, then checks
        that it is not said again."""
        wait_until(lambda: text in self.speech.texts()[since:], what=repr(text))
        time.sleep(1)
        self.assertEqual(self.speech.texts()[since:].count(text), 1, self.speech.texts()[since:])

    def test_the_key_list_and_the_number_box_are_said_as_they_open(self):
        self.board()
        since = len(self.speech.texts())
        press("F1")
        keys = wait_until(lambda: [t for t in self.speech.texts()[since:]
                                   if t.startswith("Keys. ")], what="the key list")[0]
        self.assertIn("F1", keys)
        self.said_once(since, keys)
        press("Return")

        press("e")
        wait_until(lambda: [t for t in self.speech.texts()[since:] if t.endswith(": empty.")],
                   what="the next empty square")
        since = len(self.speech.texts())
        press("Return")
        self.said_once(since, PROMPT)
        press("Escape")


if __name__ == "__main__":
    unittest.main()
