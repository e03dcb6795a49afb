"""The main menu of the built game as a screen reader meets it: read over
AT-SPI, driven by real X keys (xdotool), on the display of
scripts/with-test-services. Needs SUDOKU_EXE (set by CTest)."""

import unittest

from game_driver import Game, cell_texts, current_item, press, wait_until

MENU_ITEMS = ["New Game.", "Daily Puzzle.", "Load Game.", "Enter a Puzzle.", "Statistics.", "Settings.", "Exit."]


class MainMenuTest(unittest.TestCase):
    def setUp(self):
        self.game = Game()
        self.addCleanup(self.game.stop)

    def open_menu(self):
        # Generous: the game may be a sanitized build on a busy 2-core machine.
        menu = self.game.main_menu(timeout=60)
        wait_until(lambda: cell_texts(menu) == MENU_ITEMS, 30, f"the rows {MENU_ITEMS}")
        self.game.activate()
        return menu

    def test_menu_reads_its_items_and_exit_ends_the_game(self):
        menu = self.open_menu()
        wait_until(lambda: current_item(menu) == "New Game.", 30,
                   "the cursor to start on 'New Game.'")
        for entry in ("Daily Puzzle.", "Load Game.", "Enter a Puzzle.", "Statistics.", "Settings.", "Exit."):
            press("Down")
            wait_until(lambda: current_item(menu) == entry, 30, f"Down to reach {entry!r}")
        self.game.check_running()
        press("Return")
        self.assertEqual(self.game.wait_exit(30), 0, "Exit should end the game with status 0")

    def test_closing_the_window_ends_the_game(self):
        self.open_menu()
        # Alt+F4 is openbox's Close: the window manager asks the window to close,
        # as when the close box is clicked.
        press("alt+F4")
        self.assertEqual(self.game.wait_exit(30), 0,
                         "closing the window should end the game with status 0")


if __name__ == "__main__":
    unittest.main(verbosity=2)
