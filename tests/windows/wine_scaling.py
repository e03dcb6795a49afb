"""The cross-built sudoku.exe under Wine at the desktop scalings low-vision
players use, 100, 150 and 200 percent (Wine's DPI is the LogPixels registry
value): the first main menu is centred on the screen, the new-game dialog and
the key help fit the screen, and the numbers fill their squares as much at
every scaling. Sizes are measured on screenshots of the test display.

Needs what wine_smoke.py needs; run through scripts/windows-test."""

import os
import subprocess
import time
import unittest

from wine_smoke import ANNOUNCEMENT, WineGame, square
from game_driver import GAME_TITLE  # wine_smoke puts its folder on the path

SCALINGS = {100: 96, 150: 144, 200: 192}


def set_dpi(dpi):
    """Wine reads the DPI from these keys when a program starts."""
    for key in (r"HKCU\Control Panel\Desktop", r"HKCC\Software\Fonts"):
        subprocess.run(["wine", "reg", "add", key, "/v", "LogPixels", "/t", "REG_DWORD",
                        "/d", str(dpi), "/f"], check=True, timeout=60,
                       stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL)


class Screenshot:
    """The whole test display, pixel by pixel."""

    def __init__(self):
        data = subprocess.run(["import", "-window", "root", "-depth", "8", "ppm:-"], check=True,
                              capture_output=True, timeout=60).stdout
        # A binary PPM: "P6", width, height, maximum (255), then RGB bytes.
        fields = data.split(maxsplit=4)
        self.width, self.height = int(fields[1]), int(fields[2])
        self.pixels = fields[4]

    def rgb(self, x, y):
        at = 3 * (y * self.width + x)
        return tuple(self.pixels[at:at + 3])

    def box(self, accept, left=0, top=0, right=None, bottom=None):
        """(left, top, right, bottom) round the pixels `accept` takes, or None."""
        right = self.width if right is None else right
        bottom = self.height if bottom is None else bottom
        xs, ys = [], []
        for y in range(top, bottom):
            row = self.pixels[3 * (y * self.width + left):3 * (y * self.width + right)]
            found = [i // 3 for i in range(0, len(row), 3) if accept(row[i:i + 3])]
            if found:
                xs += [left + found[0], left + found[-1]]
                ys.append(y)
        return (min(xs), min(ys), max(xs) + 1, max(ys) + 1) if ys else None


def dark(rgb):
    return sum(rgb) < 3 * 128


def geometry(wid):
    """(x, y, width, height) of an X window on the screen, its frame left out
    (xdotool adds the frame's offset to the position a second time)."""
    info = subprocess.run(["xwininfo", "-id", wid], check=True, capture_output=True,
                          text=True, timeout=30).stdout
    values = dict(line.strip().split(":", 1) for line in info.splitlines() if ":" in line)
    return tuple(int(values[k]) for k in ("Absolute upper-left X", "Absolute upper-left Y",
                                          "Width", "Height"))


class WineScaling(WineGame):
    def tearDown(self):
        super().tearDown()
        set_dpi(96)

    def assert_on_screen(self, title, shot):
        x, y, width, height = geometry(self.focus(title))
        print(f"{title!r}: {width}x{height} at {x},{y}", flush=True)
        self.assertTrue(0 <= x and x + width <= shot.width, f"{title!r} is cut at the sides")
        self.assertTrue(0 <= y and y + height <= shot.height,
                        f"{title!r} is {height} px high at {y} on a {shot.height} px screen")

    def play_at(self, percent):
        set_dpi(SCALINGS[percent])
        self.start()
        self.focus(GAME_TITLE, timeout=180)

        # The first main menu: the list centred on the full-screen window,
        # whose own colour is in the screen's bottom right corner.
        menu = Screenshot()
        window = menu.rgb(menu.width - 5, menu.height - 5)
        left, top, right, bottom = menu.box(lambda p: tuple(p) != window)
        print(f"{percent} %: the main menu {right - left}x{bottom - top} at {left},{top}",
              flush=True)
        self.assertLess(abs((left + right) - menu.width), 20, "not centred across")
        self.assertLess(abs((top + bottom) - menu.height), 20, "not centred down")

        # The new-game dialog, and a 9x9 board.
        self.keys("Return")
        self.assert_on_screen("New game", menu)
        self.assert_button_on_screen(percent, "New game", "Go!", menu)
        first = self.keys("Down", "Tab", "Tab", "Tab", "space", then=ANNOUNCEMENT.match)
        self.assertEqual(square(first), ("1", "1"), first)
        self.back_to_game("New game")
        board = Screenshot()
        # The board's light squares on the full-screen window's dark ground.
        left, top, right, bottom = board.box(lambda p: not dark(p))
        side = (right - left) / 9
        # Each square but the cursor's (filled with the selection colour): the
        # height of its number, lines and frame left out.
        heights = []
        for row in range(9):
            for col in range(9):
                if (row, col) == (0, 0):
                    continue
                inset = int(side * 0.2)
                x, y = int(left + col * side), int(top + row * side)
                number = board.box(dark, x + inset, y + inset, int(x + side - inset),
                                   int(y + side - inset))
                if number is not None:
                    heights.append(number[3] - number[1])
        self.assertTrue(heights, "no number on the board")
        digit = sorted(heights)[len(heights) // 2]
        print(f"{percent} %: squares {side:.1f} px, digits {digit} px high", flush=True)
        self.assertGreaterEqual(digit / side, 0.35, "the numbers do not fill their squares")

        # The key help.
        self.keys("F1")
        self.assert_on_screen("Keys", board)
        # The system cuts a box taller than the screen, with its OK button.
        self.assert_button_on_screen(percent, "Keys", "OK", board)
        self.keys("Return")

    def controls(self, title, *how):
        """What list_headers tells of the window's lists and buttons."""
        shown = subprocess.run(["wine", os.environ["LIST_HEADERS_EXE"], title, *how],
                               check=True, capture_output=True, text=True, timeout=60).stdout
        return [line.split() for line in shown.splitlines()]

    def assert_button_on_screen(self, percent, title, name, shot):
        buttons = [c for c in self.controls(title) if c[0] == "button"]
        self.assertEqual(len(buttons), 1, f"{title!r}: {buttons}")
        left, top, right, bottom = (int(v) for v in buttons[0][1:])
        print(f"{percent} %: {name} {right - left}x{bottom - top} at {left},{top}", flush=True)
        self.assertLessEqual(bottom, shot.height, f"{name} is off the screen")

    def header_texts(self, title, *how):
        """The width of each list's heading as drawn, on a screenshot."""
        lists = [c for c in self.controls(title, *how) if c[0] == "list"]
        time.sleep(1)
        shot = Screenshot()
        widths = []
        for left, top, right, bottom, column in ((int(v) for v in c[1:]) for c in lists):
            # Inside the heading's cell, its edges left out.
            text = shot.box(dark, left + 3, top + 3, min(left + column, right) - 3, bottom - 3)
            widths.append(text[2] - text[0] if text else 0)
        return widths

    def test_german_headings_whole(self):
        set_dpi(SCALINGS[150])
        self.start("--language=de")
        self.focus("Sudoku. Von Quillmoor.", timeout=180)
        self.keys("Return")
        self.focus("Neues Spiel")
        drawn = self.header_texts("Neues Spiel")
        whole = self.header_texts("Neues Spiel", "widen")
        print(f"150 %, German: headings drawn {drawn} px wide, whole {whole} px", flush=True)
        self.assertEqual(len(drawn), 3, "not three lists")
        for shown, full in zip(drawn, whole):
            self.assertGreater(full, 0, "no heading")
            self.assertLessEqual(abs(shown - full), 1, "a heading is cut")

    def test_at_100_percent(self):
        self.play_at(100)

    def test_at_150_percent(self):
        self.play_at(150)

    def test_at_200_percent(self):
        self.play_at(200)


if __name__ == "__main__":
    unittest.main(verbosity=2)
