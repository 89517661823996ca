#!/usr/bin/env python3
"""Makes the help project of one language and one headset family from the
topic sources, ready for chmcmd: the pages, the contents, the index and the
project file, all in Windows-1252.

  make_help.py --language german --variant tavi2 --out DIR [--html] [--images DIR]

--html leaves out the project, contents and index (pages for a browser);
--images names the folder of screenshots (default: images/ beside this file).

Topic sources (pages/<language>/<topic>.htm, UTF-8) are HTML bodies with:
  @title TEXT             the page title (first line)
  @keyword TEXT           an index entry that leads to this page
  @if VARIANT...          the lines up to @else or @end are kept only for
  @else / @end            these families (tavi, tavi1, tavi2); they nest
  @include NAME           the lines of pages/shared/NAME.htm, for what reads
                          the same in every language
  @image NAME             the screenshot <images>/<language>/<variant>/NAME.png,
                          when it exists
  {#1106}                 the program's text 1106 in this language
  {#1113 label}           the same as a check box or button is named in a
                          sentence: without its closing full stop
  {#headset_tab}          the first tab's name in this family (likewise
                          {#headset_presets}, the caption of its preset list)
  [[topic]]               a link to a topic, named by its title
  [[topic#anchor|text]]   a link with its own text, to an anchor
Exits 1 with the problems when a source does not make a page.
"""

import argparse
import html
import os
import re
import shutil
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "tools", "languages"))
from check_texts import read_language  # noqa: E402

VARIANTS = ("tavi", "tavi1", "tavi2")

# Folder name: (name in the help file's name, LCID, language of the pages).
LANGUAGES = {
    "english": ("English", 0x0409, "en"),
    "german": ("German", 0x0407, "de"),
    "french": ("French", 0x040C, "fr"),
    "dutch": ("Dutch", 0x0413, "nl"),
    "italian": ("Italian", 0x0410, "it"),
    "spanish": ("Spanish", 0x0C0A, "es"),
}

# Topic source name → file at the root of the help file, in contents order.
TOPICS = (
    ("start", "Tavimo.htm"),
    ("headphone", "Headphone Settings.htm"),
    ("microphone", "Microphone Settings.htm"),
    ("audio", "Audio Settings.htm"),
    ("talk", "Talk Settings.htm"),
    ("control_panel", "The_Tavimo_Control_Panel.htm"),
    ("messages", "Messages.htm"),
)
TOPIC_FILES = dict(TOPICS)

# Texts whose id depends on the family: the model 200 calls its first tab
# "Headset" and numbers its presets.
ALIASES = {
    "headset_tab": {"tavi1": 1115, "*": 1007},
    "headset_presets": {"tavi1": 1116, "*": 1008},
}

STYLE = "help.css"
SITEMAP_HEAD = ('<!DOCTYPE HTML PUBLIC "-//IETF//DTD HTML//EN">\n<HTML>\n<HEAD>\n'
                '<meta name="GENERATOR" content="Tavimo help generator">\n</HEAD>\n<BODY>\n')


class SourceError(Exception):
    pass


def ui_text(texts, sid, where, label=False):
    if sid not in texts:
        raise SourceError("%s: no program text %d" % (where, sid))
    text = texts[sid].strip()
    if label and text.endswith(".") and not text.endswith("..."):
        text = text[:-1]
    return "<br>".join(html.escape(line.strip(), quote=False) for line in text.split("\n"))


def expand_texts(line, texts, variant, where):
    def replace(match):
        key, label = match.group(1), bool(match.group(2))
        if key.isdigit():
            return ui_text(texts, int(key), where, label)
        if key not in ALIASES:
            raise SourceError("%s: unknown text {#%s}" % (where, key))
        ids = ALIASES[key]
        return ui_text(texts, ids.get(variant, ids["*"]), where, label)

    return re.sub(r"\{#(\w+)( label)?\}", replace, line)


def select_lines(lines, variant, where):
    """Keeps the lines meant for the variant; returns (line number, text) pairs."""
    kept = []
    stack = []  # per open @if: [its variants, in the @else part]
    for number, line in enumerate(lines, 1):
        word = line.split(None, 1)[0] if line.strip() else ""
        if word == "@if":
            names = line.split()[1:]
            unknown = [n for n in names if n not in VARIANTS]
            if not names or unknown:
                raise SourceError("%s:%d: @if needs families of %s" % (where, number, VARIANTS))
            stack.append([names, False])
        elif word == "@else":
            if not stack or stack[-1][1]:
                raise SourceError("%s:%d: @else without @if" % (where, number))
            stack[-1][1] = True
        elif word == "@end":
            if not stack:
                raise SourceError("%s:%d: @end without @if" % (where, number))
            stack.pop()
        elif all((variant in names) != in_else for names, in_else in stack):
            kept.append((number, line))
    if stack:
        raise SourceError("%s: @if without @end" % where)
    return kept


class Page:
    def __init__(self, topic):
        self.topic = topic
        self.file = TOPIC_FILES[topic]
        self.title = None
        self.keywords = []
        self.images = []
        self.body = []


def read_source(folder, name):
    path = os.path.join(HERE, "pages", folder, name + ".htm")
    try:
        with open(path, encoding="utf-8") as f:
            return f.read().split("\n")
    except (OSError, UnicodeDecodeError) as e:
        raise SourceError("pages/%s/%s.htm: %s" % (folder, name, e))


def read_page(topic, language, variant, texts, images_dir):
    where = "pages/%s/%s.htm" % (language, topic)
    lines = []
    for line in read_source(language, topic):
        if line.startswith("@include "):
            lines += read_source("shared", line[len("@include "):].strip())
        else:
            lines.append(line)
    page = Page(topic)
    for number, line in select_lines(lines, variant, where):
        at = "%s:%d" % (where, number)
        line = expand_texts(line, texts, variant, at)
        if line.startswith("@title "):
            page.title = line[len("@title "):].strip()
        elif line.startswith("@keyword "):
            page.keywords.append(line[len("@keyword "):].strip())
        elif line.startswith("@image "):
            name = line[len("@image "):].strip()
            picture = os.path.join(images_dir, name + ".png")
            if os.path.isfile(picture):
                page.images.append(picture)
                page.body.append('<p class="shot"><img src="images/%s.png" alt=""></p>' % name)
        elif line.startswith("@"):
            raise SourceError("%s: unknown directive %s" % (at, line.split()[0]))
        else:
            page.body.append(line)
    if not page.title:
        raise SourceError("%s: no @title" % where)
    return page


def link_pages(pages, where_of):
    titles = {p.topic: p.title for p in pages}

    def replace(match, where):
        target, _, text = match.group(1).partition("|")
        topic, _, anchor = target.partition("#")
        if topic not in titles:
            raise SourceError("%s: link to unknown topic %s" % (where, topic))
        href = TOPIC_FILES[topic] + ("#" + anchor if anchor else "")
        return '<a href="%s">%s</a>' % (html.escape(href), text or titles[topic])

    for page in pages:
        where = where_of(page)
        page.body = [re.sub(r"\[\[([^\]]+)\]\]", lambda m: replace(m, where), line)
                     for line in page.body]


def page_html(page, lang):
    return ('<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.01 Transitional//EN">\n'
            '<html lang="%s">\n<head>\n'
            '<meta http-equiv="Content-Type" content="text/html; charset=Windows-1252">\n'
            "<title>%s</title>\n"
            '<link rel="stylesheet" type="text/css" href="%s">\n'
            "</head>\n<body>\n<h1>%s</h1>\n%s\n</body>\n</html>\n"
            % (lang, page.title, STYLE, page.title, "\n".join(page.body).strip()))


def sitemap_entry(name, local):
    return ('<LI><OBJECT type="text/sitemap">\n'
            '\t<param name="Name" value="%s">\n'
            '\t<param name="Local" value="%s">\n'
            "\t</OBJECT>\n" % (html.escape(html.unescape(name)), html.escape(local)))


def contents(pages):
    entries = "".join(sitemap_entry(p.title, p.file) for p in pages)
    return SITEMAP_HEAD + "<UL>\n" + entries + "</UL>\n</BODY>\n</HTML>\n"


def sort_key(keyword):
    folded = keyword.casefold()
    for plain, accented in (("a", "àáâä"), ("e", "èéêë"), ("i", "ìíîï"), ("o", "òóôö"),
                            ("u", "ùúûü"), ("n", "ñ"), ("c", "ç"), ("ss", "ß")):
        for ch in accented:
            folded = folded.replace(ch, plain)
    return folded, keyword


def index(pages):
    entries = [(k, p.file) for p in pages for k in p.keywords]
    entries.sort(key=lambda e: (sort_key(e[0]), e[1]))
    return SITEMAP_HEAD + "<UL>\n" + "".join(sitemap_entry(k, f) for k, f in entries) + \
        "</UL>\n</BODY>\n</HTML>\n"


def project(pages, chm_name, lcid, title, files):
    return ("[OPTIONS]\n"
            "Compatibility=1.1 or later\n"
            "Compiled file=%s\n"
            "Contents file=contents.hhc\n"
            "Index file=index.hhk\n"
            "Default topic=%s\n"
            "Display compile progress=No\n"
            "Full-text search=Yes\n"
            "Language=0x%04x\n"
            "Title=%s\n\n"
            "[FILES]\n%s\n" % (chm_name, pages[0].file, lcid, title, "\n".join(files)))


def write(path, text):
    with open(path, "w", encoding="cp1252", errors="strict", newline="\r\n") as f:
        f.write(text)


def make(language, variant, out, html_only, images):
    texts = read_language(os.path.join(HERE, "..", "languages", "text", language + ".txt"), [])
    if not texts:
        raise SourceError("no texts for %s" % language)
    name, lcid, lang = LANGUAGES[language]
    images_dir = os.path.join(images, language, variant)
    pages = [read_page(topic, language, variant, texts, images_dir) for topic, _ in TOPICS]
    link_pages(pages, lambda p: "pages/%s/%s.htm" % (language, p.topic))

    os.makedirs(os.path.join(out, "images"), exist_ok=True)
    files = [STYLE]
    shutil.copyfile(os.path.join(HERE, STYLE), os.path.join(out, STYLE))
    for page in pages:
        try:
            write(os.path.join(out, page.file), page_html(page, lang))
        except UnicodeEncodeError as e:
            raise SourceError("pages/%s/%s.htm: not Windows-1252: %s" % (language, page.topic, e))
        files.append(page.file)
        for picture in page.images:
            target = "images/" + os.path.basename(picture)
            shutil.copyfile(picture, os.path.join(out, target))
            if target not in files:
                files.append(target)
    if html_only:
        return
    chm_name = "%s%s.chm" % (variant, name)
    write(os.path.join(out, "contents.hhc"), contents(pages))
    write(os.path.join(out, "index.hhk"), index(pages))
    write(os.path.join(out, "help.hhp"),
          project(pages, chm_name, lcid, html.unescape(pages[0].title), files))


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--language", required=True, choices=sorted(LANGUAGES))
    parser.add_argument("--variant", required=True, choices=VARIANTS)
    parser.add_argument("--out", required=True)
    parser.add_argument("--html", action="store_true")
    parser.add_argument("--images", default=os.path.join(HERE, "images"))
    args = parser.parse_args()
    try:
        make(args.language, args.variant, args.out, args.html, args.images)
    except SourceError as e:
        sys.stderr.write("make_help.py: %s\n" % e)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
