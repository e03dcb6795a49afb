"""The real installer (sudoku-windows-x86_64-setup.exe) under Wine: its pages
come up in the system's language as the game's do (German, French, Spanish,
else English; Wine takes the language from LANG and LC_ALL), and a silent
install puts the files, the Start-menu entry, the .sudoku file type and the
uninstaller in place, which takes them all away again.

Needs what wine_smoke.py needs, SUDOKU_INSTALLER (the installer) and
BUTTON_TEXTS_EXE (the helper that reads a window's buttons); run through
scripts/windows-test."""

import os
import shutil
import signal
import subprocess
import tempfile
import unittest
from pathlib import Path

from wine_smoke import windows_path
from game_driver import press, wait_until  # wine_smoke puts its folder on the path

# The window title and Cancel button NSIS gives the installer in each system
# language; C.UTF-8 stands for any language the installer does not have.
LANGUAGES = {
    "de_DE.UTF-8": ("Installation von Sudoku", "Abbrechen"),
    "fr_FR.UTF-8": ("Installation de Sudoku", "Annuler"),
    "es_ES.UTF-8": ("Instalación de Sudoku", "Cancelar"),
    "C.UTF-8": ("Sudoku Setup", "Cancel"),
}
FILE_TYPE = r"HKCR\Quillmoor.Sudoku.SavedGame\shell\open\command"
UNINSTALL_KEY = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\QuillmoorSudoku"


def installer_windows():
    """The ids of the visible X windows with "Sudoku" in their title."""
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "Sudoku"],
                           capture_output=True, text=True)
    return found.stdout.split()


def title_of(wid):
    return subprocess.run(["xdotool", "getwindowname", wid], check=True, capture_output=True,
                          text=True, timeout=30).stdout.rstrip("\n")


def wine(*args, env=None, timeout=300):
    return subprocess.run(["timeout", str(timeout), "wine", *args], env=env, capture_output=True,
                          stdin=subprocess.DEVNULL, text=True, errors="replace")


def registry_value(key, *value):
    """The data of a value of the 64-bit registry, or None where it is missing."""
    found = wine("reg", "query", key, *value, "/reg:64", timeout=60)
    if found.returncode != 0:
        return None
    # Each value is a line "    NAME    REG_SZ    DATA".
    lines = [line for line in found.stdout.splitlines() if "REG_" in line]
    return lines[0].split(None, 2)[2] if lines else None


class WineInstaller(unittest.TestCase):
    def setUp(self):
        self.assertTrue(Path(os.environ["SUDOKU_INSTALLER"]).is_file(),
                        "no installer: build the windows_installer target (scripts/windows-build)")
        self.installer = None
        self.folder = Path(tempfile.mkdtemp(prefix="sudoku-installer-"))

    def tearDown(self):
        self.stop_installer()
        shutil.rmtree(self.folder, ignore_errors=True)

    def stop_installer(self):
        if self.installer is not None and self.installer.poll() is None:
            os.killpg(self.installer.pid, signal.SIGKILL)
            self.installer.wait()
        self.installer = None

    def window_or_end(self):
        """The installer's window once it shows; fails if the installer ends
        first (as one Wine cannot run does, at once)."""
        found = installer_windows()
        if not found and self.installer.poll() is not None:
            self.fail(f"the installer ended without a window, status {self.installer.returncode}")
        return found[0] if found else None

    def test_pages_in_the_system_language(self):
        for lang, (title, cancel) in LANGUAGES.items():
            with self.subTest(lang=lang):
                try:
                    self.check_language(lang, title, cancel)
                finally:
                    self.stop_installer()

    def check_language(self, lang, title, cancel):
        wait_until(lambda: not installer_windows(), 30, "no installer's window from before")
        env = {k: v for k, v in os.environ.items() if not k.startswith(("LC_", "LANG"))}
        env.update(LANG=lang, LC_ALL=lang)
        # A session of its own, so that the installer and Wine's helpers for
        # it can be stopped together.
        self.installer = subprocess.Popen(
            ["timeout", "300", "wine", os.environ["SUDOKU_INSTALLER"]], env=env,
            stdin=subprocess.DEVNULL, start_new_session=True)
        wid = wait_until(self.window_or_end, 180, f"the installer's window under {lang}")
        shown = title_of(wid)
        buttons = wait_until(lambda: wine(os.environ["BUTTON_TEXTS_EXE"], shown, env=env,
                                          timeout=60).stdout.splitlines(), 30, "its buttons")
        print(f"{lang}: {shown!r}, buttons {buttons}", flush=True)
        # NSIS ends the title with a space.
        self.assertEqual(shown.strip(), title)
        self.assertIn(cancel, buttons)

        # Escape is the Cancel button: the installer ends.
        subprocess.run(["xdotool", "windowactivate", "--sync", wid], check=True, timeout=30)
        press("Escape")
        self.installer.wait(timeout=60)
        wait_until(lambda: not installer_windows(), 30, "the installer's window to close")

    def test_silent_install_and_uninstall(self):
        # /D= comes last and without quotes, so a folder without spaces (Wine
        # would quote it).
        target = self.folder / "Sudoku"
        installed = wine(os.environ["SUDOKU_INSTALLER"], "/S", "/D=" + windows_path(target))
        self.assertEqual(installed.returncode, 0, installed.stderr)

        for name in ("sudoku.exe", "README.md", "README-Windows.txt", "LICENSE", "uninstall.exe",
                     "locale/de/LC_MESSAGES/sudoku.mo", "locale/es/LC_MESSAGES/wxstd-3.2.mo"):
            self.assertTrue((target / name).is_file(), name)
        start_menu = Path(os.environ["WINEPREFIX"], "drive_c/ProgramData/Microsoft/Windows",
                          "Start Menu/Programs/Sudoku.lnk")
        self.assertTrue(start_menu.is_file(), start_menu)
        exe = windows_path(target / "sudoku.exe")
        self.assertEqual(registry_value(FILE_TYPE, "/ve"), f'"{exe}" "%1"')
        self.assertEqual(registry_value(r"HKCR\.sudoku", "/ve"), "Quillmoor.Sudoku.SavedGame")
        self.assertEqual(registry_value(UNINSTALL_KEY, "/v", "UninstallString"),
                         f'"{windows_path(target / "uninstall.exe")}"')

        # _?= runs the uninstaller where it is and waits for it.
        removed = wine(str(target / "uninstall.exe"), "/S", "_?=" + windows_path(target))
        self.assertEqual(removed.returncode, 0, removed.stderr)
        self.assertFalse((target / "sudoku.exe").exists())
        self.assertFalse((target / "locale").exists())
        self.assertFalse(start_menu.exists())
        self.assertIsNone(registry_value(FILE_TYPE, "/ve"))
        self.assertIsNone(registry_value(UNINSTALL_KEY, "/v", "UninstallString"))


if __name__ == "__main__":
    unittest.main(verbosity=2)
