"""The game under the Orca screen reader: Orca reads the menu entry by entry and
the new-game dialog item by item, and the game's own speech of the board is not
lost to Orca's announcements. Orca and the game share one private,
capturing speech-dispatcher."""

import subprocess
import unittest

from game_driver import Game, press, wait_until
from speechd_capture import SpeechCapture


class WithOrca(unittest.TestCase):
    def setUp(self):
        self.speech = SpeechCapture()
        self.speech.start()
        self.orca = subprocess.Popen(["orca", "--replace"], env=self.speech.env(),
                                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.hear("Screen reader on.", since=0, timeout=90)
        self.game = None

    def tearDown(self):
        if self.game:
            self.game.stop()
        self.orca.terminate()
        self.orca.wait(timeout=30)
        self.speech.stop()

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

    def test_menu_dialog_and_board_are_all_heard(self):
        self.game = Game(self.speech.env())
        self.game.main_menu(timeout=60)
        self.hear("New Game.", since=0)
        self.after("Down", "Load Game.")
        self.after("Down", "Exit.")
        self.after("Up", "Load Game.")
        self.after("Up", "New Game.")

        since = self.keyed("Return")
        self.hear("Board size.", since)
        self.hear("2x2.", since)
        self.after("Down", "3x3.")
        self.after("Up", "2x2.")
        since = self.keyed("Tab")
        self.hear("Board difficulty.", since)
        self.hear("10 percent empty.", since)
        self.after("Tab", "Go! push button.")

        since = self.keyed("space")
        wait_until(lambda: any(t.startswith("1 1: ") for t in self.speech.texts()[since:]),
                   what="the first square, despite Orca's announcement of the window")
        since = self.keyed("Right")
        wait_until(lambda: any(t.startswith("2 1: ") for t in self.speech.texts()[since:]),
                   what="the next square")


if __name__ == "__main__":
    unittest.main()
