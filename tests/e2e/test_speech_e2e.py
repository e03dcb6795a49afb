"""The game's speech output against a real speech-dispatcher that writes down
what it is asked to say. SPEAK_ONCE names the speak_once program."""

import os
import select
import subprocess
import time
import unittest

from speechd_capture import SpeechCapture

SPEAK_ONCE = os.environ.get("SPEAK_ONCE", "")
# Far longer than any of these steps takes; only a hang runs into it.
PATIENCE = 90


class Speaker:
    """speak_once reading lines: each is spoken, then acknowledged."""

    def __init__(self, env):
        self.process = subprocess.Popen([SPEAK_ONCE, "-"], env=env, text=True,
                                        stdin=subprocess.PIPE, stdout=subprocess.PIPE)

    def say(self, text, interrupt=False):
        """Speaks text and returns the worker's answer once it is done with it,
        or how the process ended (a negative status is the signal that killed it)."""
        self.process.stdin.write(("!" if interrupt else "") + text + "\n")
        self.process.stdin.flush()
        deadline = time.monotonic() + PATIENCE
        while not select.select([self.process.stdout], [], [], 0.5)[0]:
            if time.monotonic() > deadline or self.process.poll() is not None:
                break
        answer = self.process.stdout.readline().strip()
        if not answer and self.process.poll() is not None:
            return f"exited with {self.process.returncode}"
        return answer

    def finish(self):
        """Ends the input and returns the exit status."""
        self.process.stdin.close()
        return self.process.wait(timeout=PATIENCE)

    def close(self):
        if self.process.poll() is None:
            self.process.kill()
        self.process.wait()
        self.process.stdin.close()
        self.process.stdout.close()


@unittest.skipUnless(SPEAK_ONCE, "SPEAK_ONCE names the speak_once program")
class SpeechEndToEnd(unittest.TestCase):
    def speaker(self, speech):
        speaker = Speaker(speech.env())
        self.addCleanup(speaker.close)
        return speaker

    def test_tricky_texts_arrive_exactly(self):
        tricky = [
            "You can't change this number.",
            'Row 3, column 4: "7" -- 12 empty; 50% done? Yes!',
            "1 1: empty.",
        ]
        with SpeechCapture() as speech:
            for text in tricky:
                with self.subTest(text=text):
                    done = subprocess.run([SPEAK_ONCE, text], env=speech.env(), timeout=PATIENCE)
                    self.assertEqual(done.returncode, 0)
                    speech.wait_for(text)
            self.assertEqual(speech.texts(), tricky)

    def test_a_killed_server_is_survived_and_a_new_one_is_used(self):
        with SpeechCapture() as speech:
            speaker = self.speaker(speech)
            self.assertEqual(speaker.say("Before the crash."), "done")
            speech.wait_for("Before the crash.")

            speech.kill()
            # The first write to the dead connection is where SIGPIPE would strike.
            for n in range(3):
                self.assertEqual(speaker.say(f"Nobody hears {n}."), "done")
            self.assertIsNone(speaker.process.poll(), "the speaking process died")

            speech.start()
            self.assertEqual(speaker.say("After the restart."), "done")
            speech.wait_for("After the restart.")
            self.assertEqual(speaker.finish(), 0)
            self.assertEqual(speech.texts(), ["Before the crash.", "After the restart."])

    def test_arrowing_says_the_current_square_and_a_message_is_heard_in_full(self):
        # Each utterance lasts 10 s, far longer than a step here takes, so a
        # backlog would show as squares spoken to their end. Each square is let
        # start before the next, as a key repeat lets it: see SpeechCapture.
        with SpeechCapture(speaking_seconds=10) as speech:
            speaker = self.speaker(speech)
            squares = [f"{x} 1: empty." for x in range(1, 10)]
            for square in squares:
                self.assertEqual(speaker.say(square), "done")
                speech.wait_for(square)
            self.assertEqual(speaker.say("Invalid number."), "done")
            speech.wait_for("Invalid number.", timeout=PATIENCE, spoken=speech.finished)

            self.assertEqual(speech.texts(), squares + ["Invalid number."])
            self.assertEqual(speech.finished(), ["Invalid number."])

    def test_empty_and_interrupting_texts_keep_the_connection(self):
        with SpeechCapture() as speech:
            speaker = self.speaker(speech)
            self.assertEqual(speaker.say(""), "done")
            self.assertEqual(speaker.say("", interrupt=True), "done")
            self.assertEqual(speaker.say("Cut in.", interrupt=True), "done")
            speech.wait_for("Cut in.")
            self.assertEqual(speaker.say("Still here."), "done")
            speech.wait_for("Still here.")
            self.assertEqual(speaker.finish(), 0)
            self.assertEqual(speech.texts(), ["Cut in.", "Still here."])


if __name__ == "__main__":
    unittest.main()
