"""A private speech-dispatcher that writes down what it is asked to say.

It runs from its own temporary folder (configuration, socket, pid file, logs)
with one sd_generic output module whose "synthesis" appends each text to a
capture file, so a test can read back exactly what the game said. No sound
card, session bus or XDG_RUNTIME_DIR is needed.

    with SpeechCapture() as speech:
        subprocess.run([game, ...], env=speech.env())
        speech.wait_for("Game saved.")

Standard library only; run with /usr/bin/python3.
"""

import collections
import os
import shutil
import signal
import socket
import subprocess
import sys
import tempfile
import time
import weakref
from pathlib import Path

TEMPLATES = Path(__file__).resolve().parent / "speechd"
RECORD_END = "\x1e"
FIELD_END = "\x1f"
Utterance = collections.namedtuple("Utterance", "text time voice")


def _clean_up(folder, running):
    """Kills a server left running and removes the folder, when a SpeechCapture
    is closed, dropped unclosed, or Python exits."""
    for process in running:
        if process.poll() is None:
            os.killpg(process.pid, signal.SIGKILL)
            process.wait()
    shutil.rmtree(folder, ignore_errors=True)


class SpeechCapture:
    """speaking_seconds: how long each utterance lasts; 0 makes each one end at
    once. A longer one lets a test see texts cut off by newer ones.

    sd_generic misses a stop that comes within a few milliseconds of starting
    an utterance, so a text that follows the previous one that closely may fail
    to cut it off here, while the real espeak-ng module does cut it. A test about
    cutting off should let each text start (wait_for it) before the next."""

    def __init__(self, speaking_seconds=0.0):
        # A unix socket path must stay under 108 bytes, whatever TMPDIR is.
        parent = None if len(tempfile.gettempdir()) < 60 else "/tmp"
        self.dir = Path(tempfile.mkdtemp(prefix="speechd-capture.", dir=parent))
        self.socket_path = self.dir / "speechd.sock"
        self.capture_path = self.dir / "captured"
        self.process = None
        self._running = []
        self._finalizer = weakref.finalize(self, _clean_up, self.dir, self._running)
        (self.dir / "logs").mkdir()
        (self.dir / "modules").mkdir()
        fill = {"@DIR@": str(self.dir), "@SECONDS@": f"{float(speaking_seconds):g}"}
        for template, target, mode in (
            ("speechd.conf", "speechd.conf", 0o644),
            ("capture.conf", "modules/capture.conf", 0o644),
            ("capture.sh", "capture.sh", 0o755),
        ):
            text = (TEMPLATES / template).read_text()
            for key, value in fill.items():
                text = text.replace(key, value)
            (self.dir / target).write_text(text)
            os.chmod(self.dir / target, mode)
        self.capture_path.touch()

    @property
    def address(self):
        """The SPEECHD_ADDRESS value that leads a client to this server."""
        return f"unix_socket:{self.socket_path}"

    def env(self, base=None):
        """An environment for a client process: `base` (default os.environ) with
        SPEECHD_ADDRESS set to this server, and autospawn pointed at a program that
        does not exist, so that a client never starts a stray server of its own
        while this one is down."""
        env = dict(os.environ if base is None else base)
        env["SPEECHD_ADDRESS"] = self.address
        env["SPEECHD_CMD"] = str(self.dir / "no-autospawn")
        return env

    def start(self, timeout=30):
        """Starts the server (again, after stop() or kill(), on the same address)
        and returns once it accepts connections."""
        if self.process is not None:
            raise RuntimeError("the speech-dispatcher is already running")
        server_env = {
            "PATH": os.environ.get("PATH", "/usr/bin:/bin"),
            "HOME": str(self.dir),
            "LANG": "C.UTF-8",
        }
        log = open(self.dir / "logs" / "server-output.log", "ab")
        with log:
            # Its own process group, shared with its output module, so that both
            # can be stopped or killed together.
            self.process = subprocess.Popen(
                ["speech-dispatcher", "--run-single", "--config-dir", str(self.dir),
                 "--communication-method", "unix_socket", "--socket-path", str(self.socket_path),
                 "--pid-file", str(self.dir / "speechd.pid"), "--log-dir", str(self.dir / "logs"),
                 "--timeout", "0"],
                env=server_env, stdin=subprocess.DEVNULL, stdout=log, stderr=log,
                start_new_session=True)
        self._running[:] = [self.process]
        try:
            self._wait(self._accepts, timeout, "the speech-dispatcher to accept connections")
        except BaseException:
            self.stop()
            raise
        return self

    def _accepts(self):
        if self.process.poll() is not None:
            raise RuntimeError(f"speech-dispatcher exited with {self.process.returncode}; "
                               f"logs in {self.dir / 'logs'}")
        with socket.socket(socket.AF_UNIX, socket.SOCK_STREAM) as probe:
            try:
                probe.connect(str(self.socket_path))
            except OSError:
                return False
        return True

    def _signal(self, sig):
        if self.process is not None and self.process.poll() is None:
            try:
                os.killpg(self.process.pid, sig)
            except ProcessLookupError:
                pass

    def freeze(self):
        """SIGSTOPs the server: it then accepts connections and never answers."""
        self._signal(signal.SIGSTOP)

    def thaw(self):
        self._signal(signal.SIGCONT)

    def kill(self):
        """SIGKILLs the server and its module, as a crash would."""
        self._signal(signal.SIGKILL)
        self._reap()

    def stop(self):
        """Stops the server; the capture stays readable until close(), or until
        this object is dropped."""
        if self.process is None:
            return
        self._signal(signal.SIGCONT)
        self._signal(signal.SIGTERM)
        try:
            self.process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            self._signal(signal.SIGKILL)
        self._reap()

    def _reap(self):
        if self.process is not None:
            self.process.wait()
            self.process = None
            self._running.clear()

    def close(self):
        """Stops the server and removes its folder."""
        self.stop()
        self._finalizer()

    def __enter__(self):
        return self.start()

    def __exit__(self, *exc):
        self.close()

    def _records(self, kind):
        data = self.capture_path.read_bytes().decode("utf-8", errors="replace")
        # The last piece is empty, or a record still being written.
        records = []
        for record in data.split(RECORD_END)[:-1]:
            if record.startswith(kind):
                text, nanoseconds, voice = record[1:].split(FIELD_END)
                records.append(Utterance(text, int(nanoseconds) / 1e9, voice))
        return records

    def utterances(self):
        """Every text the server started to speak, in order, with when it started
        (time.time() seconds) and the voice (rate, pitch, voice, language) it was asked
        for."""
        return self._records("S")

    def texts(self):
        """Every text the server started to speak, in order."""
        return [utterance.text for utterance in self._records("S")]

    def finished(self):
        """The texts that were spoken to their end, not cut off by newer ones."""
        return [utterance.text for utterance in self._records("E")]

    def wait_for(self, expected, timeout=30, spoken=None):
        """Polls until `expected` (a text, or a predicate over the list of texts)
        is there; returns the list. `spoken` picks another list, e.g. self.finished."""
        read = spoken or self.texts
        matches = expected if callable(expected) else (lambda texts: expected in texts)
        self._wait(lambda: matches(read()), timeout, f"speech {expected!r}")
        return read()

    def _wait(self, condition, timeout, what):
        deadline = time.monotonic() + timeout
        while not condition():
            if time.monotonic() > deadline:
                raise AssertionError(f"timed out after {timeout} s waiting for {what}; "
                                     f"heard so far: {self.texts()!r}")
            time.sleep(0.02)


def main(argv):
    """speechd_capture.py [--frozen] -- COMMAND...: runs COMMAND against a
    capturing server (stopped with SIGSTOP if --frozen), prints how many texts
    it heard, and exits with COMMAND's status."""
    frozen = argv[:1] == ["--frozen"]
    command = argv[argv.index("--") + 1:] if "--" in argv else []
    if not command:
        print(main.__doc__, file=sys.stderr)
        return 2
    with SpeechCapture() as speech:
        if frozen:
            speech.freeze()
        status = subprocess.run(command, env=speech.env()).returncode
        speech.thaw()
        print(f"heard {len(speech.texts())} texts", file=sys.stderr)
    return status


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
