"""How many words the sounds save under Orca: one 9x9 game played twice by the
same keys, with "Sounds." at "With words" and at "Instead of words", and every
word Orca and the game had speech-dispatcher say from Continue Game. to the
congratulation counted. The player walks the board row by row with the
arrows, puts each missing number in, and first tries a wrong digit at every
third empty square. Prints the figures; asserts nothing.

    cd tests/e2e && SUDOKU_EXE=$PWD/../../build/sudoku \\
        ../../scripts/with-test-services /usr/bin/python3 ../../bench/orca_words.py
"""

import json
import os
import subprocess
import sys
import tempfile
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent / "tests" / "e2e"))
from game_driver import Game, press, wait_until  # noqa: E402
from speechd_capture import SpeechCapture  # noqa: E402

# A solved 9x9 board, board[x][y].
SOLVED = [[(3 * (y % 3) + y // 3 + x) % 9 + 1 for y in range(9)] for x in range(9)]
CONGRATULATION = "You completed the board! What a genius!"


def empty_squares():
    # Every third square in reading order, but not the first: 26 of 81.
    return {(x, y) for y in range(9) for x in range(9) if (9 * y + x) % 3 == 1}


def snake():
    """Row by row, the even rows left to right and the odd ones back."""
    for y in range(9):
        for x in (range(9) if y % 2 == 0 else range(8, -1, -1)):
            yield x, y


def quiet(speech, seconds=0.6):
    """Until nothing has been said for `seconds`."""
    def silent():
        said = speech.utterances()
        return not said or time.time() - said[-1].time > seconds
    wait_until(silent, 30, "quiet")


def play(sounds):
    """Keys pressed and the texts heard, from Continue Game. to the congratulation."""
    speech = SpeechCapture()
    speech.start()
    orca = game = None
    try:
        root = Path(tempfile.mkdtemp(prefix="orca-words-", dir=os.environ.get("SUDOKU_TEST_TMP")))
        (root / "config" / "sudoku").mkdir(parents=True)
        (root / "config" / "sudoku" / "settings.conf").write_text(f"sounds={sounds}\n")
        (root / "state" / "sudoku").mkdir(parents=True)
        board = [column[:] for column in SOLVED]
        empty = empty_squares()
        for x, y in empty:
            board[x][y] = None
        (root / "state" / "sudoku" / "current.sudoku").write_text(json.dumps(
            {"board": board, "original": board, "difficulty": 0.3, "size": [3, 3]}))
        # The game's own log of what it gave Orca tells when a key is answered.
        log = root / "speech.log"
        log.touch()
        env = dict(speech.env(), XDG_CONFIG_HOME=str(root / "config"),
                   SUDOKU_SPEECH_LOG=str(log))

        def key(name):
            keys.append(name)
            given = len(log.read_text().splitlines())
            since = len(speech.texts())
            press(name)
            # A refusal with the sound instead of words gives nothing: then
            # the wait runs out. Else the next key waits until Orca has
            # spoken the answer, so that no answer is cut off by the next.
            try:
                wait_until(lambda: len(log.read_text().splitlines()) > given, 1.5, "an answer")
                answer = log.read_text().splitlines()[-1].rstrip(".")
                wait_until(lambda: any(answer in t for t in speech.texts()[since:]), 5,
                           f"Orca to say {answer!r}")
            except AssertionError:
                pass
            quiet(speech)

        orca = subprocess.Popen(["orca", "--replace"], env=speech.env(),
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        wait_until(lambda: "Screen reader on." in speech.texts(), 90, "Orca")
        game = Game(env, state=str(root / "state"))
        game.main_menu(timeout=60)
        quiet(speech)
        begun = len(speech.texts())
        keys = []
        key("Return")
        wait_until(lambda: any(t.startswith("1 1: ") for t in speech.texts()[begun:]), 30,
                   "the first square")
        quiet(speech)
        tried = 0
        for x, y in snake():
            if (x, y) != (0, 0):
                # The first square of a row is below the last of the one above.
                step = ("Down" if x == (0 if y % 2 == 0 else 8)
                        else "Right" if y % 2 == 0 else "Left")
                key(step)
            if (x, y) in empty:
                tried += 1
                if tried % 3 == 0:
                    # A digit that stands in the row already: refused.
                    key(str(SOLVED[(x + 1) % 9][y]))
                key(str(SOLVED[x][y]))
        wait_until(lambda: any(CONGRATULATION in t for t in speech.texts()), 30,
                   "the congratulation")
        quiet(speech)
        return keys, speech.texts()[begun:]
    finally:
        if game:
            game.stop()
        if orca:
            orca.terminate()
            try:
                orca.wait(timeout=20)
            except subprocess.TimeoutExpired:
                orca.kill()
                orca.wait()
        speech.stop()


def words(texts):
    return sum(len(text.split()) for text in texts)


def main():
    runs = {}
    for sounds in ("with-words", "instead-of-words"):
        keys, heard = play(sounds)
        runs[sounds] = (keys, heard)
        print(f"{sounds:18} keys {len(keys):4}  texts {len(heard):4}  words {words(heard):5}",
              flush=True)
    (keys, with_words), (_, instead) = runs["with-words"], runs["instead-of-words"]
    saved = words(with_words) - words(instead)
    print(f"saved by Instead of words: {saved} words of {words(with_words)} "
          f"({100 * saved / words(with_words):.0f} percent) over {len(keys)} keys")
    for sounds, (_, heard) in runs.items():
        print(f"--- first texts heard, {sounds}:")
        for text in heard[:16]:
            print(f"  {text}")


if __name__ == "__main__":
    main()
