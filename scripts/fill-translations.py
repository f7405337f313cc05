#!/usr/bin/env python3
"""Fills translations into the Qt Linguist sources of one program.

Usage: fill-translations.py PROGRAM DICTIONARY.json [--force]

PROGRAM is "gearwarden" or "tracelens". The dictionary maps a source text,
or "Context|source text" for a text of one context only, to its translations:

    {"Save settings": {"ru": "...", "de": "...", ...}}

Every message of the program's .ts files whose source matches gets the
translation for that file's language and loses its "unfinished" mark. English
messages get the source text itself. Translations already present are kept
unless --force is given. Prints the messages still untranslated.
"""
import json
import sys
import xml.etree.ElementTree as ET
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
CODES = "en ru de zh_TW it fr es ro pl ja cs".split()


def main() -> int:
    args = [a for a in sys.argv[1:] if not a.startswith("--")]
    force = "--force" in sys.argv
    if len(args) != 2:
        print(__doc__)
        return 2
    program, dictionary = args
    table = json.loads(Path(dictionary).read_text(encoding="utf-8"))
    missing = 0
    for code in CODES:
        path = ROOT / "resources" / "translations" / program / f"app_{code}.ts"
        tree = ET.parse(path)
        for context in tree.getroot().iter("context"):
            name = context.findtext("name")
            for message in context.iter("message"):
                source = message.findtext("source")
                translation = message.find("translation")
                if translation is None:
                    translation = ET.SubElement(message, "translation")
                done = translation.get("type") not in ("unfinished",) and (translation.text or "")
                if done and not force:
                    continue
                if message.get("numerus") == "yes":
                    continue  # plural forms are edited by hand
                entry = table.get(f"{name}|{source}") or table.get(source)
                text = source if code == "en" else (entry or {}).get(code)
                if text is None:
                    if code != "en":
                        missing += 1
                        print(f"untranslated [{code}] {name}: {source!r}")
                    continue
                translation.text = text
                translation.attrib.pop("type", None)
        ET.indent(tree, space="    ")
        body = ET.tostring(tree.getroot(), encoding="unicode")
        # lupdate's layout: contexts at the margin, their content one level in.
        body = "\n".join(line[4:] if line.startswith("    ") else line for line in body.split("\n"))
        path.write_text('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n' + body + "\n",
                        encoding="utf-8")
    return 1 if missing else 0


if __name__ == "__main__":
    sys.exit(main())
