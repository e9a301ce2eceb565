#!/usr/bin/env python3
"""Fills the translation catalogues from the translation tables.

Run after lupdate (cmake --build <dir> --target update_translations):

    python3 tools/fill_translations.py

Every file resources/translations/texts/*.json maps context -> German source text ->
{"de": ..., "en": ..., "fr": ...}. A missing "de" keeps the source text as the German
translation. Entries of the catalogues that the tables do not cover are left as they are
and reported, so that a translator can see what is missing.
"""
import glob
import json
import os
import sys
import xml.etree.ElementTree as ET

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
TRANSLATIONS = os.path.join(ROOT, "resources", "translations")


def load_tables():
    table = {}
    for path in sorted(glob.glob(os.path.join(TRANSLATIONS, "texts", "*.json"))):
        with open(path, encoding="utf-8") as handle:
            try:
                data = json.load(handle)
            except json.JSONDecodeError as error:
                sys.exit(f"{path}:{error.lineno}:{error.colno}: {error.msg}")
        for context, messages in data.items():
            for source, texts in messages.items():
                key = (context, source)
                if key in table and table[key] != texts:
                    sys.exit(f"{path}: {context}: \"{source}\" is translated differently elsewhere")
                table[key] = texts
    return table


def fill(path, language, table):
    tree = ET.parse(path)
    missing = []
    for context in tree.getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source")
            translation = message.find("translation")
            if translation is None:
                translation = ET.SubElement(message, "translation")
            texts = table.get((name, source))
            text = None
            if texts is not None:
                text = texts.get(language, source if language == "de" else None)
            if text is None:
                if translation.get("type") == "unfinished" or not translation.text:
                    missing.append(f"{name}: {source!r}")
                continue
            translation.text = text
            if translation.get("type") == "unfinished":
                del translation.attrib["type"]
    ET.indent(tree, space="    ")
    with open(path, "wb") as handle:
        handle.write(b'<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n')
        tree.write(handle, encoding="utf-8", xml_declaration=False)
        handle.write(b"\n")
    return missing


def main():
    table = load_tables()
    # --ts FILE --language LL: check (and fill) one catalogue, for example a scratch one
    # made by lupdate over a few files.
    if len(sys.argv) == 5 and sys.argv[1] == "--ts" and sys.argv[3] == "--language":
        missing = fill(sys.argv[2], sys.argv[4], table)
        for entry in missing:
            print(f"untranslated: {entry}")
        return 1 if missing else 0
    status = 0
    for language in ("de", "en", "fr"):
        path = os.path.join(TRANSLATIONS, f"Brevane_{language}.ts")
        missing = fill(path, language, table)
        for entry in missing:
            print(f"Brevane_{language}.ts: untranslated: {entry}")
        status |= bool(missing)
    return status


if __name__ == "__main__":
    sys.exit(main())
