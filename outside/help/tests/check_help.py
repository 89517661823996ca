#!/usr/bin/env python3
"""Checks the compiled help files as a reader meets them.

  check_help.py HELP_DIR      the 18 files tavi<family><Language>.chm

Each file is extracted (extract_chmLib, Debian libchm-bin) and must hold:
  - the topics the programs open, at its root, and its start page;
  - links and pictures that resolve inside the file, anchors included;
  - contents and index entries that lead to pages of the file;
  - page titles in the file's language (tests/titles.tsv), pages that
    declare Windows-1252, and the language's LCID in the file's system data.
Exits 0 when all hold, 1 with one line a problem, 77 when the extractor is
missing.
"""

import os
import re
import shutil
import struct
import subprocess
import sys
import tempfile
from html.parser import HTMLParser

HERE = os.path.dirname(os.path.abspath(__file__))
VARIANTS = ("tavi", "tavi1", "tavi2")
LCIDS = {"English": 0x0409, "German": 0x0407, "French": 0x040C,
         "Dutch": 0x0413, "Italian": 0x0410, "Spanish": 0x0C0A}
OPENED_TOPICS = ("Headphone Settings.htm", "Microphone Settings.htm", "Audio Settings.htm",
                 "Talk Settings.htm", "The_Tavimo_Control_Panel.htm")
EXTRACTOR = "extract_chmLib"


class PageReader(HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.title = ""
        self.in_title = False
        self.references = []  # (attribute, value)
        self.anchors = set()
        self.charset = None
        self.locals = []  # sitemap targets

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        if tag == "title":
            self.in_title = True
        for name in ("id", "name"):
            if attrs.get(name) and tag != "param":
                self.anchors.add(attrs[name])
        if tag == "a" and "href" in attrs:
            self.references.append(("link", attrs["href"]))
        if tag in ("img", "script") and "src" in attrs:
            self.references.append(("picture", attrs["src"]))
        if tag == "link" and "href" in attrs:
            self.references.append(("style", attrs["href"]))
        if tag == "meta" and (attrs.get("http-equiv") or "").lower() == "content-type":
            match = re.search(r"charset=([\w-]+)", attrs.get("content") or "", re.I)
            self.charset = match.group(1).lower() if match else None
        if tag == "param" and (attrs.get("name") or "").lower() == "local":
            self.locals.append(attrs.get("value") or "")

    def handle_endtag(self, tag):
        if tag == "title":
            self.in_title = False

    def handle_data(self, data):
        if self.in_title:
            self.title += data


def read_titles():
    """{(language, variant): {page: title}} from titles.tsv."""
    titles = {}
    with open(os.path.join(HERE, "titles.tsv"), encoding="utf-8") as f:
        for line in f:
            if not line.strip() or line.startswith("#"):
                continue
            language, page, variants, title = line.rstrip("\n").split("\t")
            for variant in VARIANTS if variants == "*" else variants.split(","):
                titles.setdefault((language, variant), {})[page] = title
    return titles


def read_page(path):
    reader = PageReader()
    with open(path, "rb") as f:
        reader.feed(f.read().decode("cp1252", errors="replace"))
    return reader


def system_data(root):
    """(LCID, default topic) from the #SYSTEM file, None where missing."""
    lcid = topic = None
    try:
        with open(os.path.join(root, "#SYSTEM"), "rb") as f:
            data = f.read()
    except OSError:
        return None, None
    at = 4
    while at + 4 <= len(data):
        code, length = struct.unpack_from("<HH", data, at)
        value = data[at + 4:at + 4 + length]
        if code == 4 and length >= 4:
            lcid = struct.unpack_from("<I", value)[0]
        elif code == 2:
            topic = value.split(b"\0")[0].decode("cp1252")
        at += 4 + length
    return lcid, topic


def resolve(root, page_dir, target):
    """Path inside the extracted file of a relative reference, or None."""
    path = os.path.normpath(os.path.join(page_dir, target.replace("%20", " ")))
    if not path.startswith(os.path.normpath(root) + os.sep):
        return None
    return path if os.path.isfile(path) else None


def check_references(root, path, reader, problems, name):
    pages = {}
    for kind, target in reader.references:
        if re.match(r"^[a-z][a-z0-9+.-]*:", target, re.I):
            problems.append("%s: %s %s leads outside the help file" % (name, kind, target))
            continue
        file_part, _, anchor = target.partition("#")
        found = resolve(root, os.path.dirname(path), file_part) if file_part else path
        if not found:
            problems.append("%s: %s %s does not resolve" % (name, kind, target))
            continue
        if anchor:
            if found not in pages:
                pages[found] = read_page(found)
            if anchor not in pages[found].anchors:
                problems.append("%s: %s %s has no anchor %s" % (name, kind, target, anchor))


def check_chm(chm, language, variant, expected_titles, workdir):
    """The problems of one help file, each naming it."""
    label = os.path.basename(chm)
    root = os.path.join(workdir, label)
    result = subprocess.run([EXTRACTOR, chm, root], stdout=subprocess.DEVNULL,
                            stderr=subprocess.PIPE)
    if result.returncode != 0 or not os.path.isdir(root):
        return ["%s: cannot be extracted" % label]
    problems = []
    lcid, default_topic = system_data(root)
    if lcid != LCIDS[language]:
        problems.append("%s: LCID %s, not 0x%04x" % (label, lcid and hex(lcid), LCIDS[language]))
    if not default_topic or not os.path.isfile(os.path.join(root, default_topic)):
        problems.append("%s: start page %s is missing" % (label, default_topic))
    for topic in OPENED_TOPICS:
        if not os.path.isfile(os.path.join(root, topic)):
            problems.append("%s: topic %s is not at the root" % (label, topic))
    for page, title in expected_titles.items():
        path = os.path.join(root, page)
        if os.path.isfile(path) and read_page(path).title.strip() != title:
            problems.append("%s/%s: title '%s', expected '%s'"
                            % (label, page, read_page(path).title.strip(), title))
    sitemaps = [f for f in os.listdir(root) if f.lower().endswith((".hhc", ".hhk"))]
    if len(sitemaps) != 2:
        problems.append("%s: expected one contents and one index, found %s" % (label, sitemaps))
    for sitemap in sitemaps:
        reader = read_page(os.path.join(root, sitemap))
        if not reader.locals:
            problems.append("%s/%s: no entries" % (label, sitemap))
        for target in reader.locals:
            if not resolve(root, root, target.partition("#")[0]):
                problems.append("%s/%s: entry %s leads to no page" % (label, sitemap, target))
    for folder, _, files in os.walk(root):
        for file in files:
            if not file.lower().endswith((".htm", ".html")):
                continue
            path = os.path.join(folder, file)
            name = "%s/%s" % (label, os.path.relpath(path, root))
            reader = read_page(path)
            if reader.charset != "windows-1252":
                problems.append("%s: declares charset %s, not Windows-1252" % (name, reader.charset))
            check_references(root, path, reader, problems, name)
    return problems


def main():
    if len(sys.argv) != 2:
        sys.stderr.write(__doc__)
        return 2
    if not shutil.which(EXTRACTOR):
        print("SKIP: %s (Debian libchm-bin) is not installed; the help files are not checked"
              % EXTRACTOR)
        return 77
    titles = read_titles()
    problems = []
    with tempfile.TemporaryDirectory() as workdir:
        for language in LCIDS:
            for variant in VARIANTS:
                chm = os.path.join(sys.argv[1], "%s%s.chm" % (variant, language))
                if not os.path.isfile(chm):
                    problems.append("%s is missing" % chm)
                    continue
                expected = titles.get((language, variant))
                if not expected:
                    problems.append("titles.tsv has no titles for %s %s" % (language, variant))
                    continue
                problems += check_chm(chm, language, variant, expected, workdir)
    for problem in problems:
        print(problem)
    print("%d problems in the help files" % len(problems) if problems else
          "18 help files hold together")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
