"""The sound the game plays, as the test sound server heard it: the null
sink's monitor recorded with parec, cut into earcons at the silences, each
earcon's pitch found by scanning its spectrum. Standard library only."""

import array
import math
import os
import subprocess
import tempfile
import time

RATE = 44100
WINDOW = RATE // 200  # 5 ms
# The earcons' pitches, as src/sound/earcon_sounds.cpp makes them.
GIVEN, EMPTY, REFUSED = 247, 440, 165


def sink():
    name = os.environ.get("SUDOKU_TEST_SINK")
    if not name:
        raise AssertionError("no test sound server: run under scripts/with-test-services "
                             "with pulseaudio installed")
    return name


class Recording:
    """parec on the monitor of the test sink, into a file, while the test runs."""

    def __init__(self):
        handle, self.path = tempfile.mkstemp(prefix="monitor-", suffix=".raw",
                                             dir=os.environ.get("SUDOKU_TEST_TMP"))
        self.file = os.fdopen(handle, "wb")
        self.process = subprocess.Popen(
            ["parec", "-d", sink() + ".monitor", "--format=s16le", f"--rate={RATE}",
             "--channels=1", "--latency-msec=10"], stdout=self.file, stderr=subprocess.DEVNULL)
        # parec is recording once its first bytes are written.
        deadline = time.monotonic() + 10
        while os.path.getsize(self.path) == 0:
            if time.monotonic() > deadline or self.process.poll() is not None:
                raise AssertionError("parec did not start recording")
            time.sleep(0.02)

    def stop(self):
        """The samples recorded so far."""
        if self.process.poll() is None:
            self.process.terminate()
            self.process.wait()
        self.file.close()
        samples = array.array("h")
        with open(self.path, "rb") as recorded:
            samples.frombytes(recorded.read())
        os.unlink(self.path)
        return samples


def earcons(samples, threshold=300, gap_ms=30):
    """The stretches of sound, as (first, end) sample indices, apart by at least
    `gap_ms` of silence."""
    found = []
    gap = gap_ms * RATE // 1000
    for start in range(0, len(samples) - WINDOW, WINDOW):
        loud = max(abs(s) for s in samples[start:start + WINDOW]) > threshold
        if not loud:
            continue
        if found and start - found[-1][1] <= gap:
            found[-1][1] = start + WINDOW
        else:
            found.append([start, start + WINDOW])
    return [tuple(stretch) for stretch in found]


def power(samples, hertz):
    """Goertzel: the strength of one frequency in the samples."""
    k = 2 * math.cos(2 * math.pi * hertz / RATE)
    before = earlier = 0.0
    for sample in samples:
        before, earlier = sample + k * before - earlier, before
    return before * before + earlier * earlier - k * before * earlier


def pitch(samples, first, low=100, high=1600, step=5):
    """The strongest frequency of the earcon's first 40 ms."""
    part = samples[first:first + 40 * RATE // 1000]
    return max(range(low, high, step), key=lambda hertz: power(part, hertz))


def check_given_empty_refused(test, samples):
    """The recording holds three earcons, each at most 150 ms long: a given's,
    an empty square's and a refusal's, in that order, each told by its pitch."""
    heard = earcons(samples)
    pitches = [pitch(samples, first) for first, _ in heard]
    test.assertEqual(len(pitches), 3, f"stretches of sound {heard}, pitches {pitches}")
    for found, expected in zip(pitches, (GIVEN, EMPTY, REFUSED)):
        test.assertAlmostEqual(found, expected, delta=expected * 0.04, msg=pitches)
    for first, end in heard:
        test.assertLessEqual((end - first) * 1000 // RATE, 150, heard)
