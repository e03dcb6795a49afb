"""The earcons as a player hears them: the real game on a saved 4x4 board, real
X keys, and the test sound server's null sink recorded: a move onto a given,
onto an empty square, and a refused digit each sound, in that order, at their
own pitch; with the sounds off nothing sounds at all."""

import json
import os
import subprocess
import tempfile
import time
import unittest
from pathlib import Path

import sound_monitor
from game_driver import Game, press, wait_until
from speechd_capture import SpeechCapture

# 1 1 and 2 2 empty, board[x][y]; every number a given.
BOARD = [[None, 2, 3, 4], [3, None, 1, 2], [2, 1, 4, 3], [4, 3, 2, 1]]
SAVED = json.dumps({"board": BOARD, "original": BOARD, "difficulty": 0.5, "size": [2, 2]})


def cached_earcons():
    listed = subprocess.run(["pactl", "list", "samples", "short"], capture_output=True,
                            text=True).stdout
    return sum(1 for line in listed.splitlines() if "\tsudoku-" in line)


class Sounds(unittest.TestCase):
    def setUp(self):
        sound_monitor.sink()
        self.speech = SpeechCapture()
        self.speech.start()
        self.addCleanup(self.speech.stop)
        self.folder = Path(tempfile.mkdtemp(prefix="sounds-",
                                            dir=os.environ.get("XDG_STATE_HOME")))
        (self.folder / "game.sudoku").write_text(SAVED)

    def play(self, sounds):
        """Right onto the given 2 1, Left onto the empty 1 1, 2 refused there (2
        stands in column 1): what was heard, and the recording."""
        config = self.folder / "config"
        (config / "sudoku").mkdir(parents=True)
        (config / "sudoku" / "settings.conf").write_text(f"sounds={sounds}\n")
        env = dict(self.speech.env(), XDG_CONFIG_HOME=str(config))
        recording = sound_monitor.Recording()
        game = Game(env, args=[str(self.folder / "game.sudoku")])
        self.addCleanup(game.stop)
        self.speech.wait_for("1 1: empty.", timeout=60)
        if sounds != "off":
            wait_until(lambda: cached_earcons() >= 8, 30, "the earcons in the server's cache")
        for key, said in (("Right", "2 1: 3"), ("Left", "1 1: empty."),
                          ("2", "Invalid number.")):
            before = len(self.speech.texts())
            press(key)
            wait_until(lambda: said in self.speech.texts()[before:], 30, repr(said))
            # Each earcon ends before the next key.
            time.sleep(0.4)
        game.check_running()
        return recording.stop()

    def test_a_given_an_empty_square_and_a_refusal_each_sound_at_their_pitch(self):
        sound_monitor.check_given_empty_refused(self, self.play("with-words"))

    def test_with_the_sounds_off_nothing_sounds(self):
        samples = self.play("off")
        self.assertEqual(sound_monitor.earcons(samples), [])


if __name__ == "__main__":
    unittest.main()
