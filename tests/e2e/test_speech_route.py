"""Where the game's speech goes when a desktop says a screen reader is on: the
accessibility bus's ScreenReaderEnabled, switched while a game runs. No screen
reader runs here, so what goes to it is read back as the name of the focused
object, and what goes to speech-dispatcher is captured."""

import subprocess
import unittest

from game_driver import Game, find_in_game, has_focus, press, wait_until
from speechd_capture import SpeechCapture


def set_screen_reader_enabled(on):
    subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus",
                    "/org/a11y/bus", "org.freedesktop.DBus.Properties.Set",
                    "string:org.a11y.Status", "string:ScreenReaderEnabled",
                    f"variant:boolean:{'true' if on else 'false'}"],
                   check=True, stdout=subprocess.DEVNULL)


class SpeechRoute(unittest.TestCase):
    def setUp(self):
        self.speech = SpeechCapture()
        self.speech.start()
        self.addCleanup(self.speech.stop)
        self.game = Game(self.speech.env())
        self.addCleanup(self.game.stop)
        # The bus outlives this test: leave the setting as it was found.
        self.addCleanup(set_screen_reader_enabled, False)

    def focused_names(self):
        return [n.name for n in find_in_game(self.game.process.pid, has_focus)]

    def test_screen_reader_enabled_moves_the_speech_and_back(self):
        self.game.main_menu()
        press("Return")
        wait_until(lambda: find_in_game(self.game.process.pid,
                                        lambda n: n.name == "Board size." and has_focus(n)),
                   what="the size dialog")
        press("Tab", "Tab", "Tab", "space")
        wait_until(lambda: any(t.startswith("1 1: ") for t in self.speech.texts()),
                   what="the first square, through speech-dispatcher")

        set_screen_reader_enabled(True)
        # The switch reaches the game over the bus a moment later: "n" is
        # pressed until the count turns up as the focused object's name.
        wait_until(lambda: press("n") or any(name.startswith("There are ")
                                             for name in self.focused_names()),
                   what="the count as the focused object's name")
        heard = len(self.speech.texts())
        press("Right")
        wait_until(lambda: any(name.startswith("2 1: ") for name in self.focused_names()),
                   what="the next square as the focused object's name")
        self.assertFalse([t for t in self.speech.texts()[heard:] if t.startswith("2 1: ")],
                         "our own voice stays silent")

        set_screen_reader_enabled(False)
        # Left and Right again, until the square is heard from speech-dispatcher.
        wait_until(lambda: press("Left", "Right") or any(
            t.startswith("2 1: ") for t in self.speech.texts()[heard:]),
            what="the square through speech-dispatcher again")


if __name__ == "__main__":
    unittest.main()
