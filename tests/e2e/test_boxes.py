"""Boxes as a player with the game's own voice meets them (no screen reader):
each box's title and text are said once as it opens; in German every word of
a box and of the file chooser is German, and a box is named by its title,
which is what a screen reader says of it."""

import time
import unittest

from game_driver import (Game, accessible_apps, active_window_name, find_all, find_in_game,
                         has_focus, press, wait_until)
from speechd_capture import SpeechCapture

PROMPT = "Enter the number you wish to place."
GERMAN_TITLE = "Sudoku. Von Quillmoor."


class OwnVoiceBoxes(unittest.TestCase):
    def setUp(self):
        self.speech = SpeechCapture()
        self.speech.start()
        self.game = Game(self.speech.env())

    def tearDown(self):
        self.game.stop()
        self.speech.stop()

    def board(self, menu="Main Menu.", size="Board size.", title="Sudoku. By Quillmoor."):
        pid = self.game.process.pid
        self.game.main_menu(name=menu)
        press("Return")
        wait_until(lambda: find_in_game(pid, lambda n: n.name == size and has_focus(n)),
                   what="the size dialog")
        press("Tab", "Tab", "Tab", "space")
        wait_until(lambda: self.speech.texts(), what="the first square")
        self.back_on_the_board(title)

    def back_on_the_board(self, title="Sudoku. By Quillmoor."):
        # This test is about the words; keys typed as a box closes have their
        # own test. The first square is said as the box goes, before the window
        # manager has given the game window its focus back.
        wait_until(lambda: active_window_name() == title, what="the game window active again")

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
        self.back_on_the_board()
        press("e")
        wait_until(lambda: [t for t in self.speech.texts()[since:] if t.endswith(": empty.")],
                   what="the next empty square")
        since = len(self.speech.texts())
        press("Return")
        self.said_once(since, PROMPT)
        press("Escape")

    def box_words(self, title, role):
        """The names of the buttons, labels and column headers of the open
        window called `title` with the accessible `role`, once it has the focus."""
        def box():
            windows = [w for app in accessible_apps(self.game.process.pid)
                       for w in (app.getChildAtIndex(i) for i in range(app.childCount))
                       if w.name == title and w.getRoleName() == role]
            return windows if windows and find_all(windows[0], has_focus) else None
        window = wait_until(box, what=f"the {role} {title!r}")[0]
        return {n.name for n in find_all(window, lambda n: n.getRoleName() in (
            "push button", "label", "table column header"))}

    def test_in_german_the_boxes_and_the_file_chooser_are_german(self):
        self.game.stop()
        self.game = Game(self.speech.env(), args=["--language=de"])
        self.board(menu="Hauptmenü.", size="Größe des Spielfelds.", title=GERMAN_TITLE)
        press("e")
        wait_until(lambda: [t for t in self.speech.texts() if t.endswith(": leer.")],
                   what="the next empty square")
        press("Return")
        self.assertTrue({"OK", "Abbrechen"}
                        <= self.box_words("Gib die Zahl ein, die du eintragen möchtest.", "frame"))
        press("Escape")
        self.back_on_the_board(GERMAN_TITLE)
        press("F1")
        # Named "Information" by GTK before: now its title, and an alert.
        self.assertIn("OK", self.box_words("Tasten", "alert"))
        press("Return")
        self.back_on_the_board(GERMAN_TITLE)
        press("ctrl+s")
        words = self.box_words("Bitte wähle eine Datei, in der dein Spiel gespeichert werden soll.",
                               "file chooser")
        self.assertTrue({"Abbrechen", "Speichern", "Name", "Andere Orte"} <= words, words)
        press("Escape")


if __name__ == "__main__":
    unittest.main()
