#!/usr/bin/env python3
"""Collects the core's translatable texts into Qt Linguist files.

Every support::Text("..."), support::Message("...", ...) and BELVANE_TEXT("...")
(a text kept in a table) in src/ is a text of the interface. One .ts file per core folder (translations/core_<folder>_<lang>.ts,
context "Core") keeps the translations already made; texts no longer in the
sources are dropped. lrelease compiles these files with the desktop program's
own into the language module.
"""
import pathlib
import re
import sys
import xml.etree.ElementTree as ET

ROOT = pathlib.Path(__file__).resolve().parent.parent
# A member call such as row.Text("field") reads a field and is no text of the interface.
CALL = re.compile(r'(?<![\w.>])(?:support::)?(?:Text|Message|BELVANE_TEXT)\(\s*((?:"(?:[^"\\\n]|\\.)*"\s*)+)')
LITERAL = re.compile(r'"((?:[^"\\\n]|\\.)*)"')
ESCAPES = {"n": "\n", "r": "\r", "t": "\t", '"': '"', "\\": "\\", "'": "'", "0": "\0"}


def unescape(body):
    return re.sub(r"\\(.)", lambda m: ESCAPES.get(m.group(1), m.group(1)), body)


def texts_of(folder):
    found = []
    for path in sorted(folder.glob("*.[ch]*")):
        source = path.read_text(encoding="utf-8")
        for call in CALL.finditer(source):
            text = "".join(unescape(m.group(1)) for m in LITERAL.finditer(call.group(1)))
            if text and text not in found:
                found.append(text)
    return found


def existing(ts_path):
    if not ts_path.exists():
        return {}
    done = {}
    for message in ET.parse(ts_path).getroot().iter("message"):
        source = message.findtext("source") or ""
        translation = message.find("translation")
        if translation is not None and translation.text:
            done[source] = (translation.text, translation.get("type"))
    return done


def write(ts_path, language, texts, done):
    root = ET.Element("TS", version="2.1", language=language, sourcelanguage="ru_RU")
    context = ET.SubElement(root, "context")
    ET.SubElement(context, "name").text = "Core"
    for text in texts:
        message = ET.SubElement(context, "message")
        ET.SubElement(message, "source").text = text
        translation = ET.SubElement(message, "translation")
        if text in done:
            translation.text, kind = done[text]
            if kind:
                translation.set("type", kind)
        else:
            translation.set("type", "unfinished")
    ET.indent(root)
    body = ET.tostring(root, encoding="unicode")
    # Keep line ends inside texts visible and stable in the file.
    body = body.replace("\r", "&#13;")
    ts_path.write_text('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n' + body + "\n", encoding="utf-8")


def main():
    language = sys.argv[1] if len(sys.argv) > 1 else "en_US"
    suffix = language.split("_")[0]
    # Every catalogue's translations, so that a text moved to another folder keeps its own.
    elsewhere = {}
    for ts_path in sorted((ROOT / "translations").glob(f"core_*_{suffix}.ts")):
        elsewhere.update(existing(ts_path))
    for folder in sorted(p for p in (ROOT / "src").iterdir() if p.is_dir()):
        texts = texts_of(folder)
        ts_path = ROOT / "translations" / f"core_{folder.name}_{suffix}.ts"
        if not texts:
            if ts_path.exists():
                ts_path.unlink()
            continue
        write(ts_path, language, texts, {**elsewhere, **existing(ts_path)})
        print(f"{ts_path.relative_to(ROOT)}: {len(texts)} texts")


if __name__ == "__main__":
    main()
