#!/usr/bin/env python3
"""Checks the language sources in outside/languages/text/.

Each file holds one string a line: <id><TAB><text>, ids ascending, with the
escapes \\n (line break), \\\\ (backslash) and \\t (tab) inside the text.

Checks:
  - every file parses: one tab after a decimal id, ids strictly ascending,
    only the escapes \\n, \\\\ and \\t;
  - all six files have the same set of ids;
  - every text has as many line breaks as its English text;
  - ids 10128 and 57344 are "Tavimo Audio Control Center" everywhere;
  - ids 1049 to 1054 (language names) and 1002 to 1006 (model and maker
    names) are the same as in English;
  - the names Tavimo, Quorvel, PARSEDRV and Mira-A/C/D/E are kept wherever
    the English text has them;
  - tooltips (ids under 1000) are shorter than 80 characters;
  - every text can be encoded in Windows-1252.

Exits 0 when everything passes, 1 with one message a problem otherwise.
"""

import argparse
import os
import re
import sys

LANGUAGES = ["english", "dutch", "french", "german", "italian", "spanish"]
WINDOW_CAPTION = "Tavimo Audio Control Center"
CAPTION_IDS = (10128, 57344)
UNCHANGED_IDS = tuple(range(1049, 1055)) + tuple(range(1002, 1007))
KEPT_NAMES = ("Tavimo", "Quorvel", "PARSEDRV", "Mira-A", "Mira-C", "Mira-D", "Mira-E")
TOOLTIP_LIMIT = 80  # tooltips must be shorter than this
TOOLTIP_MAX_ID = 1000  # ids below this are tooltips


def repo_root():
    return os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))


def decode_escapes(raw):
    """Source escapes to text; returns (text, error or None)."""
    out = []
    i = 0
    while i < len(raw):
        ch = raw[i]
        if ch == "\\":
            if i + 1 >= len(raw):
                return None, "backslash at the end of the text"
            nxt = raw[i + 1]
            if nxt == "n":
                out.append("\n")
            elif nxt == "t":
                out.append("\t")
            elif nxt == "\\":
                out.append("\\")
            else:
                return None, "unknown escape \\%s" % nxt
            i += 2
        else:
            out.append(ch)
            i += 1
    return "".join(out), None


def read_language(path, errors):
    """Returns {id: text} or None when the file cannot be read."""
    name = os.path.basename(path)
    try:
        with open(path, "r", encoding="utf-8", newline="") as f:
            content = f.read()
    except (OSError, UnicodeDecodeError) as e:
        errors.append("%s: cannot read as UTF-8: %s" % (name, e))
        return None
    if content.startswith("\ufeff"):
        errors.append("%s: starts with a byte order mark" % name)
        content = content[1:]
    if "\r" in content:
        errors.append("%s: contains carriage returns (use LF line ends)" % name)
        content = content.replace("\r", "")
    texts = {}
    last_id = None
    lines = content.split("\n")
    if lines and lines[-1] == "":
        lines.pop()
    for number, line in enumerate(lines, 1):
        where = "%s:%d" % (name, number)
        m = re.match(r"^(\d+)\t(.*)$", line, re.S)
        if not m:
            errors.append("%s: not '<id><TAB><text>'" % where)
            continue
        sid = int(m.group(1))
        if "\t" in m.group(2):
            errors.append("%s: id %d: raw tab inside the text (write \\t)" % (where, sid))
        text, err = decode_escapes(m.group(2))
        if err:
            errors.append("%s: id %d: %s" % (where, sid, err))
            continue
        if sid in texts:
            errors.append("%s: id %d appears twice" % (where, sid))
            continue
        if last_id is not None and sid < last_id:
            errors.append("%s: id %d is not in ascending order" % (where, sid))
        last_id = sid
        texts[sid] = text
    return texts


def show(text):
    return text.replace("\\", "\\\\").replace("\n", "\\n").replace("\t", "\\t")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--dir", default=os.path.join(repo_root(), "outside", "languages", "text"),
                        help="folder with the <language>.txt files")
    args = parser.parse_args()

    errors = []
    tables = {}
    for lang in LANGUAGES:
        table = read_language(os.path.join(args.dir, lang + ".txt"), errors)
        if table is not None:
            tables[lang] = table
    if "english" not in tables:
        errors.append("english.txt is missing: nothing to compare with")
        return report(errors)
    english = tables["english"]

    for lang, table in tables.items():
        name = lang + ".txt"
        missing = sorted(set(english) - set(table))
        extra = sorted(set(table) - set(english))
        if missing:
            errors.append("%s: ids missing: %s" % (name, ", ".join(map(str, missing))))
        if extra:
            errors.append("%s: ids not in English: %s" % (name, ", ".join(map(str, extra))))
        for sid, text in sorted(table.items()):
            eng = english.get(sid)
            if eng is not None and text.count("\n") != eng.count("\n"):
                errors.append("%s: id %d has %d line breaks, English has %d"
                              % (name, sid, text.count("\n"), eng.count("\n")))
            if sid in CAPTION_IDS and text != WINDOW_CAPTION:
                errors.append("%s: id %d must be '%s', is '%s'" % (name, sid, WINDOW_CAPTION, show(text)))
            if sid in UNCHANGED_IDS and eng is not None and text != eng:
                errors.append("%s: id %d must stay '%s', is '%s'" % (name, sid, show(eng), show(text)))
            if eng is not None:
                for kept in KEPT_NAMES:
                    if kept in eng and kept not in text:
                        errors.append("%s: id %d lost the name '%s'" % (name, sid, kept))
            if sid < TOOLTIP_MAX_ID and len(text) >= TOOLTIP_LIMIT:
                errors.append("%s: tooltip %d has %d characters (at most %d)"
                              % (name, sid, len(text), TOOLTIP_LIMIT - 1))
            if text.strip() == "" and (eng is None or eng.strip() != ""):
                errors.append("%s: id %d is empty" % (name, sid))
            try:
                text.encode("cp1252")
            except UnicodeEncodeError as e:
                bad = text[e.start:e.end]
                errors.append("%s: id %d: %s not in Windows-1252"
                              % (name, sid, ", ".join("U+%04X" % ord(c) for c in bad)))
    return report(errors, len(tables), len(english))


def report(errors, files=0, ids=0):
    if errors:
        for e in errors:
            print("error: " + e)
        print("%d problem(s)" % len(errors))
        return 1
    print("ok: %d files, %d ids each" % (files, ids))
    return 0


if __name__ == "__main__":
    sys.exit(main())
