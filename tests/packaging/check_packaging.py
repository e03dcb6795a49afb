#!/usr/bin/python3
"""Checks of the desktop integration files, the install tree and the .deb.

Run by CTest, one test class per CTest test:
    check_packaging.py <TestClass>
with SUDOKU_SOURCE_DIR, SUDOKU_BUILD_DIR and SUDOKU_VERSION in the environment.
Needs no network and no display. The tools are the Debian packages
desktop-file-utils, appstream, man-db, libxml2-utils, shared-mime-info and
dpkg-dev (dpkg-deb comes with dpkg).
"""

import configparser
import gzip
import os
import re
import shutil
import struct
import subprocess
import sys
import tempfile
import unittest
import xml.etree.ElementTree as ET

SOURCE_DIR = os.environ.get("SUDOKU_SOURCE_DIR", "")
BUILD_DIR = os.environ.get("SUDOKU_BUILD_DIR", "")
VERSION = os.environ.get("SUDOKU_VERSION", "")
# A sanitizer build links the sanitizer runtimes, which no release package needs.
SANITIZED = os.environ.get("SUDOKU_SANITIZE", "") not in ("", "0", "OFF")

APP_ID = "io.github.quillmoor.Sudoku"
MIME_TYPE = "application/x-sudoku-game"
PACKAGE = "quillmoor-sudoku"
PACKAGING = os.path.join(SOURCE_DIR, "packaging")
DESKTOP = os.path.join(PACKAGING, APP_ID + ".desktop")
METAINFO = os.path.join(PACKAGING, APP_ID + ".metainfo.xml")
MIME_XML = os.path.join(PACKAGING, APP_ID + ".xml")
MAN_PAGE = os.path.join(PACKAGING, "sudoku.6")
SVG = os.path.join(PACKAGING, "icons", "scalable", APP_ID + ".svg")
PNG = os.path.join(PACKAGING, "icons", "48x48", APP_ID + ".png")

# The files every install must hold, relative to the prefix.
INSTALLED = {
    "bin/sudoku",
    f"share/applications/{APP_ID}.desktop",
    f"share/icons/hicolor/scalable/apps/{APP_ID}.svg",
    f"share/icons/hicolor/48x48/apps/{APP_ID}.png",
    f"share/metainfo/{APP_ID}.metainfo.xml",
    "share/man/man6/sudoku.6.gz",
    f"share/mime/packages/{APP_ID}.xml",
    "share/locale/de/LC_MESSAGES/sudoku.mo",
    "share/locale/es/LC_MESSAGES/sudoku.mo",
    "share/locale/fr/LC_MESSAGES/sudoku.mo",
}

# Texts the man page must show, exactly as the game says or shows them.
MAN_TEXTS = [
    "Sudoku. By Quillmoor.",
    "Main Menu.", "New Game.", "Load Game.", "Exit.",
    "Board size.", "Board difficulty.", "Go!",
    "2x2", "9x9", "4x4 to 81x81 squares", "10 percent empty", "90 percent empty",
    "item under the list cursor counts",
    "3 1: empty.", "9 5: 3",
    "Home, End, Page Up, Page Down, Ctrl+Home, Ctrl+End",
    "You can't change this number.", "Invalid number.",
    "Enter the number you wish to place.",
    "You must enter a positive number that is greater than 0.",
    "cleared.", "Nothing to clear.", "You can not delete this number.",
    "There are N empty squares.", "Ctrl+S", "Game saved.", ".sudoku",
    "Escape or Ctrl+E", "You completed the board! What a genius!",
    '"board"', '"original"', '"difficulty"', '"size": [3, 3]', "null",
    "SPEECHD_ADDRESS", "speech-dispatcher",
    "--speech=auto|screen-reader|speech-dispatcher", "ScreenReaderEnabled",
    "orca(1), spd-say(1), speech-dispatcher(1)",
    "r, c, b", "e, Shift+E", "Ctrl+G", "F1",
    "Row 3 needs 2, 6, 8.", "1 1 is given.", "There are 0 empty squares.", "No clashes.",
    "And N more.", "Nothing to explain.", "Go to square: column, then row.",
    "There is no square 12 40.",
]


def need(tool, package):
    path = shutil.which(tool)
    if path is None:
        raise AssertionError(f"{tool} is missing: install the Debian package {package}")
    return path


def run(args, **kwargs):
    return subprocess.run(args, capture_output=True, text=True, check=False, **kwargs)


def png_size(path):
    with open(path, "rb") as f:
        head = f.read(24)
    if head[:8] != b"\x89PNG\r\n\x1a\n" or head[12:16] != b"IHDR":
        raise AssertionError(f"{path} is not a PNG file")
    return struct.unpack(">II", head[16:24])


def man_warnings(page):
    """What man's lint says about a page (plain or gzipped); empty when clean."""
    need("man", "man-db")
    env = dict(os.environ, LC_ALL="C.UTF-8", MANROFFSEQ="")
    result = run(["man", "--warnings", "-E", "UTF-8", "-l", page], env=env)
    return result.returncode, result.stderr


def man_text(page):
    """The page rendered on one long line per paragraph, blanks squeezed."""
    env = dict(os.environ, LC_ALL="C.UTF-8", MANWIDTH="10000", MANROFFSEQ="")
    result = run(["man", "-E", "UTF-8", "-l", page], env=env)
    if result.returncode != 0:
        raise AssertionError(result.stderr)
    return re.sub(r"\s+", " ", result.stdout)


def read_desktop(path):
    parser = configparser.ConfigParser(interpolation=None, strict=True)
    parser.optionxform = str  # keys are case-sensitive
    with open(path, encoding="utf-8") as f:
        parser.read_file(f)
    return parser["Desktop Entry"]


def check_file_tree(test, root, prefix):
    """Common checks of an installed tree: root/prefix/<INSTALLED>."""
    base = os.path.join(root, prefix.strip("/"))
    found = set()
    for directory, _, files in os.walk(root):
        for name in files:
            found.add(os.path.relpath(os.path.join(directory, name), base))
    missing = INSTALLED - found
    test.assertFalse(missing, f"missing from the install: {sorted(missing)}; got {sorted(found)}")
    stray = sorted(p for p in found if p.startswith("..") or
                   not (p.startswith("bin/") or p.startswith("share/")))
    test.assertFalse(stray, f"files outside bin/ and share/: {stray}")

    binary = os.path.join(base, "bin/sudoku")
    test.assertTrue(os.access(binary, os.X_OK), "bin/sudoku is not executable")
    with open(binary, "rb") as f:
        test.assertEqual(f.read(4), b"\x7fELF", "bin/sudoku is not an ELF executable")

    for rel, source in [
        (f"share/applications/{APP_ID}.desktop", DESKTOP),
        (f"share/icons/hicolor/scalable/apps/{APP_ID}.svg", SVG),
        (f"share/icons/hicolor/48x48/apps/{APP_ID}.png", PNG),
        (f"share/metainfo/{APP_ID}.metainfo.xml", METAINFO),
        (f"share/mime/packages/{APP_ID}.xml", MIME_XML),
    ]:
        with open(os.path.join(base, rel), "rb") as a, open(source, "rb") as b:
            test.assertEqual(a.read(), b.read(), f"{rel} differs from {source}")
        mode = os.stat(os.path.join(base, rel)).st_mode & 0o777
        test.assertEqual(mode, 0o644, f"{rel} has mode {oct(mode)}")

    man = os.path.join(base, "share/man/man6/sudoku.6.gz")
    with open(man, "rb") as f:
        raw = f.read()
    test.assertEqual(raw[:2], b"\x1f\x8b", "sudoku.6.gz is not gzip data")
    test.assertEqual(raw[4:8], b"\0\0\0\0", "sudoku.6.gz carries a time stamp (use gzip -n)")
    with open(MAN_PAGE, "rb") as f:
        test.assertEqual(gzip.decompress(raw), f.read(), "sudoku.6.gz is not the page")
    code, warnings = man_warnings(man)
    test.assertEqual((code, warnings), (0, ""), "man reports on the installed page")
    return base


class WindowsFileType(unittest.TestCase):
    def test_open_passes_the_file(self):
        """A double-clicked .sudoku file reaches the game as its argument."""
        with open(os.path.join(PACKAGING, "windows", "installer.nsi"), encoding="utf-8") as f:
            lines = [line.split() for line in f if "\\shell\\open\\command" in line]
        self.assertEqual(len(lines), 1, "one command line for the file type")
        self.assertEqual(lines[0][-2:], ["'\"$INSTDIR\\sudoku.exe\"", "\"%1\"'"])


class DesktopEntry(unittest.TestCase):
    def test_validates(self):
        tool = need("desktop-file-validate", "desktop-file-utils")
        result = run([tool, DESKTOP])
        self.assertEqual(result.returncode, 0, result.stdout + result.stderr)
        self.assertEqual(result.stdout + result.stderr, "", "desktop-file-validate has remarks")

    def test_fields(self):
        entry = read_desktop(DESKTOP)
        self.assertEqual(entry["Type"], "Application")
        self.assertEqual(entry["Name"], "Sudoku")
        self.assertEqual(entry["GenericName"], "Sudoku Puzzle")
        comment = entry["Comment"].lower()
        for word in ("sudoku", "screen-reader", "keyboard", "speech"):
            self.assertIn(word, comment)
        # A saved game opened from the file manager reaches the game as its argument.
        self.assertEqual(entry["Exec"], "sudoku %f")
        self.assertEqual(entry["Icon"], APP_ID)
        self.assertEqual(entry["Terminal"], "false")
        self.assertEqual(entry["Categories"], "Game;LogicGame;")
        self.assertEqual(entry["MimeType"], MIME_TYPE + ";")
        self.assertIn("sudoku;", entry["Keywords"])


class Metainfo(unittest.TestCase):
    def test_validates(self):
        tool = need("appstreamcli", "appstream")
        result = run([tool, "validate", "--no-net", "--no-color", METAINFO])
        said = result.stdout + result.stderr
        # Errors fail; warnings are allowed (appstreamcli 0.16 exits 3 on them).
        self.assertNotRegex(said, r"(?m)^E: ", "appstreamcli reports errors")
        self.assertNotRegex(said, r"errors: \d", "appstreamcli reports errors")
        self.assertIn(result.returncode, (0, 3), said)
        self.assertIn("Validation was successful" if result.returncode == 0
                      else "Validation failed: warnings", said)
        if result.returncode != 0:
            print(said, file=sys.stderr)

    def test_content(self):
        root = ET.parse(METAINFO).getroot()
        self.assertEqual(root.tag, "component")
        self.assertEqual(root.get("type"), "desktop-application")
        self.assertEqual(root.findtext("id"), APP_ID)
        self.assertEqual(root.findtext("metadata_license"), "CC0-1.0")
        self.assertEqual(root.findtext("project_license"), "MIT")
        self.assertEqual(root.findtext("name"), "Sudoku")
        launchable = root.find("launchable")
        self.assertEqual(launchable.get("type"), "desktop-id")
        self.assertEqual(launchable.text, os.path.basename(DESKTOP))
        self.assertEqual(root.findtext("provides/binary"), "sudoku")
        self.assertEqual(root.findtext("provides/mediatype"), MIME_TYPE)
        self.assertEqual(root.find("content_rating").get("type"), "oars-1.1")
        categories = [c.text for c in root.findall("categories/category")]
        self.assertEqual(categories, ["Game", "LogicGame"])
        releases = root.findall("releases/release")
        self.assertTrue(releases, "no release")
        self.assertEqual(releases[0].get("version"), VERSION,
                         "the newest release is not the project's version")
        self.assertRegex(releases[0].get("date", ""), r"^\d{4}-\d{2}-\d{2}$")


class ManPage(unittest.TestCase):
    def test_lint_is_clean(self):
        code, warnings = man_warnings(MAN_PAGE)
        self.assertEqual(code, 0)
        self.assertEqual(warnings, "", "man --warnings reports problems")

    def test_documents_every_key_and_text(self):
        text = man_text(MAN_PAGE)
        missing = [t for t in MAN_TEXTS if t not in text]
        self.assertFalse(missing, f"the page does not show: {missing}")
        for section in ("NAME", "SYNOPSIS", "DESCRIPTION", "MAIN MENU", "NEW GAME DIALOG",
                        "THE BOARD", "NUMBER DIALOG", "SAVED GAMES", "ENVIRONMENT", "FILES",
                        "SEE ALSO"):
            self.assertRegex(text, rf"\b{section}\b")

    def test_page_header(self):
        with open(MAN_PAGE, encoding="utf-8") as f:
            first = f.readline()
        self.assertRegex(first, rf'^\.TH SUDOKU 6 \S+ "Sudoku {re.escape(VERSION)}"')


class MimeType(unittest.TestCase):
    def test_schema(self):
        tool = need("xmllint", "libxml2-utils")
        schema = os.path.join(os.path.dirname(os.path.abspath(__file__)), "mime-info.rng")
        result = run([tool, "--noout", "--relaxng", schema, MIME_XML])
        self.assertEqual(result.returncode, 0, result.stderr)

    def test_database_takes_it(self):
        tool = need("update-mime-database", "shared-mime-info")
        with tempfile.TemporaryDirectory() as tmp:
            packages = os.path.join(tmp, "mime", "packages")
            os.makedirs(packages)
            shutil.copy(MIME_XML, packages)
            result = run([tool, "-V", os.path.join(tmp, "mime")],
                         env=dict(os.environ, XDG_DATA_DIRS=tmp, XDG_DATA_HOME=tmp))
            # update-mime-database exits 0 even on a broken file; its words tell.
            self.assertEqual(result.returncode, 0, result.stderr)
            self.assertNotRegex(result.stdout + result.stderr, r"(?i)\b(error|warning|invalid)",
                                result.stderr)
            with open(os.path.join(tmp, "mime", "globs2"), encoding="utf-8") as f:
                globs = f.read().splitlines()
            self.assertIn(f"{MIME_TYPE}:*.sudoku", [g.split(":", 1)[1] for g in globs
                                                   if not g.startswith("#")])
            with open(os.path.join(tmp, "mime", "subclasses"), encoding="utf-8") as f:
                self.assertIn(f"{MIME_TYPE} application/json", f.read().splitlines())
            made = ET.parse(os.path.join(tmp, "mime", "application", "x-sudoku-game.xml"))
            ns = "{http://www.freedesktop.org/standards/shared-mime-info}"
            self.assertEqual(made.getroot().findtext(ns + "comment"), "Sudoku saved game")


class Icons(unittest.TestCase):
    def test_png_is_48x48(self):
        self.assertEqual(png_size(PNG), (48, 48))
        self.assertLess(os.path.getsize(PNG), 16 * 1024, "keep the PNG icon small")

    def test_svg_is_square_xml(self):
        root = ET.parse(SVG).getroot()
        self.assertEqual(root.tag, "{http://www.w3.org/2000/svg}svg")
        self.assertEqual(root.get("viewBox"), "0 0 128 128")


class Install(unittest.TestCase):
    def test_install_tree(self):
        with tempfile.TemporaryDirectory() as tmp:
            prefix = os.path.join(tmp, "prefix")
            result = run(["cmake", "--install", BUILD_DIR, "--prefix", prefix])
            self.assertEqual(result.returncode, 0, result.stdout + result.stderr)
            check_file_tree(self, prefix, "/")


def parse_depends(text):
    """{name: minimal version or ""} from a Depends line without alternatives."""
    result = {}
    for item in filter(None, (i.strip() for i in text.split(","))):
        match = re.fullmatch(r"([a-z0-9][a-z0-9+.\-]*)(?:\s*\(>=\s*([^)\s]+)\))?", item)
        if match is None:
            raise AssertionError(f"unexpected Depends item {item!r}")
        result[match.group(1)] = match.group(2) or ""
    return result


class DebianPackage(unittest.TestCase):
    def check_covers_shared_libraries(self, depends, binary, tmp):
        """The Depends line names every package dpkg-shlibdeps finds for the
        binary, at a version no lower than it asks for.

        A sanitizer build is linked without --as-needed, so it also names the
        libraries under GTK; there a package that a declared package depends
        on counts as covered, and the sanitizer runtimes are left out."""
        shlibdeps = need("dpkg-shlibdeps", "dpkg-dev")
        work = os.path.join(tmp, "shlibdeps")
        os.makedirs(os.path.join(work, "debian"))
        with open(os.path.join(work, "debian", "control"), "w", encoding="utf-8") as f:
            f.write(f"Source: {PACKAGE}\n\nPackage: {PACKAGE}\nArchitecture: any\n")
        result = run([shlibdeps, "-O", binary], cwd=work)
        self.assertEqual(result.returncode, 0, result.stderr)
        line = result.stdout.strip()
        self.assertTrue(line.startswith("shlibs:Depends="), line)
        needed = parse_depends(line.split("=", 1)[1])
        declared = parse_depends(depends)
        pulled_in = set()
        if SANITIZED:
            for name in declared:
                got = run(["dpkg-query", "-W", "-f=${Depends}", name])
                for item in got.stdout.replace("|", ",").split(","):
                    if item.strip():
                        pulled_in.add(item.split()[0])
        for name, version in needed.items():
            if SANITIZED and (re.fullmatch(r"lib(a|ub|l|t|hwa)san\d*", name)
                              or (name not in declared and name in pulled_in)):
                continue
            self.assertIn(name, declared,
                          f"the binary needs {name} ({line}); add it to the Depends")
            if version:
                self.assertTrue(declared[name], f"{name} needs (>= {version})")
                ok = run(["dpkg", "--compare-versions", declared[name], "ge", version])
                self.assertEqual(ok.returncode, 0,
                                 f"{name} (>= {declared[name]}) is below the needed {version}")

    def test_deb(self):
        dpkg_deb = need("dpkg-deb", "dpkg")
        config = os.path.join(BUILD_DIR, "CPackConfig.cmake")
        self.assertTrue(os.path.exists(config), f"{config} is missing")
        arch = run(["dpkg", "--print-architecture"]).stdout.strip()
        with tempfile.TemporaryDirectory() as tmp:
            out = os.path.join(tmp, "out")
            result = run(["cpack", "--config", config, "-G", "DEB", "-B", out])
            self.assertEqual(result.returncode, 0, result.stdout + result.stderr)
            deb = os.path.join(out, f"{PACKAGE}_{VERSION}_{arch}.deb")
            self.assertTrue(os.path.exists(deb),
                            f"{deb} not made; cpack said: {result.stdout}")

            def field(name):
                got = run([dpkg_deb, "-f", deb, name])
                self.assertEqual(got.returncode, 0, got.stderr)
                return got.stdout.strip()

            self.assertEqual(field("Package"), PACKAGE)
            self.assertEqual(field("Version"), VERSION)
            self.assertEqual(field("Architecture"), arch)
            self.assertEqual(field("Section"), "games")
            self.assertRegex(field("Maintainer"), r"<[^@>\s]+@[^>\s]+>")
            self.assertIn("screen-reader", field("Description"))
            depends = list(parse_depends(field("Depends")))
            for name in ("libwxgtk3.2-1", "libwxbase3.2-1", "libspeechd2"):
                self.assertIn(name, depends)
            self.assertEqual(sorted(parse_depends(field("Recommends"))),
                             ["orca", "speech-dispatcher", "wx3.2-i18n"])

            # Every Depends name is a package this system knows (installed, or in apt's lists).
            for name in depends:
                known = run(["dpkg-query", "-W", name]).returncode == 0 or (
                    shutil.which("apt-cache") is not None
                    and run(["apt-cache", "show", name]).returncode == 0)
                self.assertTrue(known, f"{name} is not a known package")

            root = os.path.join(tmp, "root")
            extracted = run([dpkg_deb, "-x", deb, root])
            self.assertEqual(extracted.returncode, 0, extracted.stderr)
            self.check_covers_shared_libraries(
                field("Depends"), os.path.join(root, "usr", "bin", "sudoku"), tmp)

            listing = run([dpkg_deb, "-c", deb])
            self.assertEqual(listing.returncode, 0, listing.stderr)
            for line in listing.stdout.splitlines():
                self.assertIn(" root/root ", line, "files must belong to root")

            base = check_file_tree(self, root, "/usr")
            mode = os.stat(os.path.join(base, "bin/sudoku")).st_mode & 0o777
            self.assertEqual(mode, 0o755)


if __name__ == "__main__":
    if not (SOURCE_DIR and BUILD_DIR and VERSION):
        sys.exit("set SUDOKU_SOURCE_DIR, SUDOKU_BUILD_DIR and SUDOKU_VERSION")
    unittest.main(argv=[sys.argv[0], "-v"] + sys.argv[1:])
