"""The earcons as a player hears them: the real game on a saved 4x4 board, real
X keys, and the test sound server's null sink recorded: a move onto a given,
onto an empty square, and a refused digit each sound, in that order, at their
own pitch; with the sounds off nothing sounds at all; and with no sound
server, or one that never answers, the game answers every key as ever and
says nothing of it."""

import json
import os
import socket
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

    def play(self, sounds, server=None):
        """Right onto the given 2 1, Left onto the empty 1 1, 2 refused there (2
        stands in column 1): the recording of the test sink meanwhile. `server`:
        another sound server for the game (PULSE_SERVER)."""
        config = Path(tempfile.mkdtemp(prefix="config-", dir=self.folder))
        (config / "sudoku").mkdir()
        (config / "sudoku" / "settings.conf").write_text(f"sounds={sounds}\n")
        env = dict(self.speech.env(), XDG_CONFIG_HOME=str(config))
        if server:
            env["PULSE_SERVER"] = server
        begun = len(self.speech.texts())
        recording = sound_monitor.Recording()
        game = Game(env, args=[str(self.folder / "game.sudoku")])
        self.addCleanup(game.stop)
        wait_until(lambda: "1 1: empty." in self.speech.texts()[begun:], 60, "the board")
        if sounds != "off" and not server:
            wait_until(lambda: cached_earcons() >= 8, 30, "the earcons in the server's cache")
        for key, said in (("Right", "2 1: 3"), ("Left", "1 1: empty."),
                          ("2", "Invalid number.")):
            before = len(self.speech.texts())
            press(key)
            wait_until(lambda: said in self.speech.texts()[before:], 30, repr(said))
            # Each earcon ends before the next key.
            time.sleep(0.4)
        game.check_running()
        # Nothing more was said than the answers: no word of the sound.
        self.assertEqual(self.speech.texts()[begun:],
                         ["1 1: empty.", "2 1: 3", "1 1: empty.", "Invalid number."])
        samples = recording.stop()
        game.stop()
        return samples

    def test_a_given_an_empty_square_and_a_refusal_each_sound_at_their_pitch(self):
        sound_monitor.check_given_empty_refused(self, self.play("with-words"))

    def test_with_the_sounds_off_nothing_sounds(self):
        samples = self.play("off")
        self.assertEqual(sound_monitor.earcons(samples), [])

    def test_with_no_server_or_one_that_never_answers_the_game_plays_on_silently(self):
        # A socket that takes the connection and never says a word, as a hung
        # server does; then a socket where nothing listens.
        hung = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        self.addCleanup(hung.close)
        hung.bind(str(self.folder / "hung"))
        hung.listen(4)
        self.assertEqual(sound_monitor.earcons(self.play("with-words", f"unix:{self.folder}/hung")),
                         [])
        self.assertEqual(
            sound_monitor.earcons(self.play("with-words", f"unix:{self.folder}/nothing")), [])


if __name__ == "__main__":
    unittest.main()
