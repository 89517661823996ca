#!/usr/bin/env python3
"""Turns one language source (outside/languages/text/<language>.txt) into
what the build compiles.

  make_sources.py rc SOURCE OUTPUT      the program's own string table (UTF-8 .rc)
  make_sources.py table SOURCE OUTPUT   a language library's table (C++, Windows-1252)

Exits 1 with the source's problems when it does not parse.
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from check_texts import read_language  # noqa: E402


def rc_literal(text):
    escaped = text.replace("\\", "\\\\").replace("\n", "\\n").replace("\t", "\\t")
    return '"' + escaped.replace('"', '""') + '"'


def c_literal(data):
    """Bytes as a C string literal; octal escapes cannot run into the next
    character as hex escapes would."""
    out = []
    for byte in data:
        char = chr(byte)
        if char in '"\\':
            out.append("\\" + char)
        elif 0x20 <= byte < 0x7F:
            out.append(char)
        else:
            out.append("\\%03o" % byte)
    return '"' + "".join(out) + '"'


def write_rc(texts, out):
    out.write("// Generated from the English language source: the program's own texts.\n")
    out.write("#pragma code_page(65001)\n\nSTRINGTABLE\nBEGIN\n")
    for sid, text in sorted(texts.items()):
        out.write("    %-5d %s\n" % (sid, rc_literal(text)))
    out.write("END\n")


def write_table(texts, out):
    out.write("// Generated from a language source: its texts in Windows-1252, by id.\n")
    out.write('#include "language_texts.h"\n\n')
    out.write("const LanguageText kLanguageTexts[] = {\n")
    for sid, text in sorted(texts.items()):
        data = text.encode("cp1252")
        out.write("    {%d, %d, %s},\n" % (sid, len(data), c_literal(data)))
    out.write("};\n")
    out.write("const unsigned kLanguageTextCount = sizeof kLanguageTexts / sizeof kLanguageTexts[0];\n")


def main():
    if len(sys.argv) != 4 or sys.argv[1] not in ("rc", "table"):
        sys.stderr.write(__doc__)
        return 2
    mode, source, output = sys.argv[1:]
    errors = []
    texts = read_language(source, errors)
    if errors or not texts:
        for error in errors or ["%s: no texts" % source]:
            sys.stderr.write(error + "\n")
        return 1
    with open(output, "w", encoding="utf-8", newline="\n") as out:
        (write_rc if mode == "rc" else write_table)(texts, out)
    return 0


if __name__ == "__main__":
    sys.exit(main())
