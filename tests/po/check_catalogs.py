#!/usr/bin/env python3
"""Checks of the catalogs in po/: the template matches the sources (a new English
text fails until it is in the template and translated), every catalog is complete
(msgfmt --check --statistics: no untranslated and no fuzzy entry, formats agree),
holds exactly the template's texts, and keeps each text's placeholders.

    check_catalogs.py SOURCE_DIR LANG...
"""

import re
import subprocess
import sys
import tempfile
import unittest
from pathlib import Path

SOURCE = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(".")
LANGUAGES = sys.argv[2:]
PLACEHOLDER = re.compile(r"%(\d+)\$s")


def unquote(line):
    return line[line.index('"') + 1:line.rindex('"')].encode().decode("unicode_escape").encode(
        "latin-1").decode("utf-8")


def entries(path):
    """{(msgctxt, msgid): {"msgid_plural": ..., "msgstr[0]": ...}} of a .po/.pot,
    without the header and obsolete entries."""
    found, entry, key = {}, {}, None

    def close():
        if "msgid" in entry and entry["msgid"] != "":
            found[(entry.get("msgctxt"), entry["msgid"])] = entry

    for line in Path(path).read_text(encoding="utf-8").splitlines():
        line = line.strip()
        if line.startswith("#") or not line:
            continue
        if line.startswith('"'):
            entry[key] += unquote(line)
            continue
        key = line.split(" ", 1)[0]
        if key in ("msgctxt", "msgid") and ("msgstr" in entry or "msgstr[0]" in entry):
            close()
            entry = {}
        entry[key] = unquote(line)
    close()
    return found


class Template(unittest.TestCase):
    def test_matches_the_sources(self):
        with tempfile.TemporaryDirectory() as tmp:
            fresh = Path(tmp) / "sudoku.pot"
            subprocess.run([str(SOURCE / "scripts/po-template"), str(fresh)], check=True)
            self.assertEqual(fresh.read_text(encoding="utf-8"),
                             (SOURCE / "po/sudoku.pot").read_text(encoding="utf-8"),
                             "po/sudoku.pot is out of date: run scripts/po-template and "
                             "translate the new texts in every po/*.po")


class Catalogs(unittest.TestCase):
    def test_each_is_complete_and_keeps_the_placeholders(self):
        template = entries(SOURCE / "po/sudoku.pot")
        self.assertGreater(len(template), 100)
        for lang in LANGUAGES:
            with self.subTest(lang=lang):
                po = SOURCE / f"po/{lang}.po"
                checked = subprocess.run(
                    ["msgfmt", "--check", "--statistics", "-o", "/dev/null", str(po)],
                    capture_output=True, text=True, env={"LC_ALL": "C"})
                self.assertEqual(checked.returncode, 0, checked.stderr)
                self.assertRegex(checked.stderr.strip(), r"^\d+ translated messages?\.$")
                catalog = entries(po)
                self.assertEqual(sorted(set(template) - set(catalog)), [], "not in the catalog")
                self.assertEqual(sorted(set(catalog) - set(template)), [], "not in the template")
                for key, entry in catalog.items():
                    english = set(PLACEHOLDER.findall(key[1] + entry.get("msgid_plural", "")))
                    for field, text in entry.items():
                        if field.startswith("msgstr"):
                            self.assertEqual(set(PLACEHOLDER.findall(text)), english,
                                             f"{lang}: {key[1]!r} -> {text!r}")

    def test_french_chain_links_name_their_square(self):
        """A chain hint lists its links after other squares ("..., alors 4 2 vaut 7
        et <link>"): a link that opens on a pronoun has no noun to stand for."""
        if "fr" not in LANGUAGES:
            self.skipTest("no French catalog")
        catalog = entries(SOURCE / "po/fr.po")
        for english in ("it is %1$s", "it is not %1$s"):
            entry = next(e for k, e in catalog.items() if k[1] == english)
            first = entry["msgstr"].split(" ", 1)[0].lower()
            self.assertNotIn(first, ("elle", "il", "elle,", "il,"), f"{english!r} in French")


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1])
