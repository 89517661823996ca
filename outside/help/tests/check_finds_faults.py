#!/usr/bin/env python3
"""Builds one real help file, and copies of it with one fault each, and
shows that check_help.py passes the first and names the fault in each copy.
A screenshot put where the pages ask for it ends up in the file, resolved.

  check_finds_faults.py CHMCMD
Exits 0 when it does, 1 otherwise, 77 when the extractor is missing.
"""

import os
import shutil
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import check_help  # noqa: E402

GENERATOR = os.path.join(HERE, "..", "make_help.py")


def edit(name, old, new):
    def apply(project):
        path = os.path.join(project, name)
        with open(path, encoding="cp1252", newline="") as f:
            text = f.read()
        if old not in text:
            raise AssertionError("%s holds no %r" % (name, old))
        with open(path, "w", encoding="cp1252", newline="") as f:
            f.write(text.replace(old, new, 1))
    return apply


def drop_topic(project):
    os.remove(os.path.join(project, "Talk Settings.htm"))
    edit("help.hhp", "Talk Settings.htm\r\n", "")(project)


# Fault, the change that makes it, and what the check must say.
FAULTS = (
    ("a topic is missing", drop_topic, "topic Talk Settings.htm is not at the root"),
    ("a link leads nowhere", edit("Tavimo.htm", 'href="Messages.htm"', 'href="Message.htm"'),
     "link Message.htm does not resolve"),
    ("an anchor is missing", edit("Headphone Settings.htm", "#standby", "#stand-by"),
     "has no anchor stand-by"),
    ("a picture is missing", edit("Audio Settings.htm", "<h2>", '<img src="images/gone.png"><h2>'),
     "picture images/gone.png does not resolve"),
    ("a link leaves the file", edit("Tavimo.htm", 'href="Messages.htm"', 'href="http://example.com/"'),
     "leads outside the help file"),
    ("a title in another language", edit("Talk Settings.htm", "<title>Talk Settings", "<title>Sprache"),
     "title 'Sprache', expected 'Talk Settings'"),
    ("an index entry leads nowhere", edit("index.hhk", 'value="Messages.htm"', 'value="Gone.htm"'),
     "entry Gone.htm leads to no page"),
    ("a page in another code page", edit("Audio Settings.htm", "charset=Windows-1252", "charset=UTF-8"),
     "declares charset utf-8"),
    ("the wrong language", edit("help.hhp", "Language=0x0409", "Language=0x0407"),
     "LCID 0x407, not 0x0409"),
)


def build(workdir, name, fault, images=None):
    project = os.path.join(workdir, name)
    command = [sys.executable, GENERATOR, "--language", "english", "--variant", "tavi2",
               "--out", project]
    subprocess.run(command + (["--images", images] if images else []), check=True)
    if fault:
        fault(project)
    subprocess.run([sys.argv[1], "--no-html-scan", "--verbosity", "0", "help.hhp"], cwd=project,
                   check=True, stdout=subprocess.DEVNULL)
    return os.path.join(project, "tavi2English.chm")


def screenshot_failures(workdir, titles):
    images = os.path.join(workdir, "images")
    os.makedirs(os.path.join(images, "english", "tavi2"))
    with open(os.path.join(images, "english", "tavi2", "talk.png"), "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n")
    chm = build(workdir, "pictured", None, images)
    failures = ["with a screenshot: %s" % p for p in
                check_help.check_chm(chm, "English", "tavi2", titles, os.path.join(workdir, "p"))]
    page = os.path.join(workdir, "p", "tavi2English.chm", "Talk Settings.htm")
    with open(page, encoding="cp1252") as f:
        if 'src="images/talk.png"' not in f.read():
            failures.append("the screenshot is not shown on its page")
    return failures


def main():
    if len(sys.argv) != 2:
        sys.stderr.write(__doc__)
        return 2
    if not shutil.which(check_help.EXTRACTOR):
        print("SKIP: %s (Debian libchm-bin) is not installed" % check_help.EXTRACTOR)
        return 77
    titles = check_help.read_titles()[("English", "tavi2")]
    failures = []
    with tempfile.TemporaryDirectory() as workdir:
        sound = check_help.check_chm(build(workdir, "sound", None), "English", "tavi2", titles,
                                     os.path.join(workdir, "x"))
        failures += ["the sound file: %s" % p for p in sound]
        failures += screenshot_failures(workdir, titles)
        for number, (what, fault, expected) in enumerate(FAULTS):
            problems = check_help.check_chm(build(workdir, "fault%d" % number, fault), "English",
                                            "tavi2", titles, os.path.join(workdir, "x%d" % number))
            if not any(expected in p for p in problems):
                failures.append("%s: not found (reported: %s)" % (what, problems))
    for failure in failures:
        print(failure)
    print("%d of %d faults missed or false alarms" % (len(failures), len(FAULTS)) if failures
          else "every fault found, no false alarm")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
