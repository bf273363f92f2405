#!/usr/bin/env python3
"""Regenerates the parts of the English help that follow the navigation tree.

Reads the node table (kNodes) of model/tweak_catalogue.cpp and writes into help/English:

  categories.htm     the overview of the categories
  cat_*.htm          one page per category, its tweaks by their tree labels under their groups
  root_nodes.htm     the nodes after the categories, at the root of the tree
  English.hhc        the contents: the hand-written pages, then the categories
  English.hhk        the index: the hand-written pages' keywords, every category, group and tweak
  English.hhp        only its [FILES] section, which lists every page and style sheet

The hand-written pages keep their own title (<title>) and index keywords
(<meta name="keywords" content="a;b;c">); the order they take in the contents is HAND_PAGES.

Run it after changing the tree:  python3 help/make_category_pages.py
With --check it writes nothing and exits 1 when a generated file is out of date.
Standard library only; the build uses the files this writes and does not need Python.
"""

import argparse
import html
import re
import sys
from pathlib import Path

REPO = Path(__file__).resolve().parent.parent
CATALOGUE = REPO / "model" / "tweak_catalogue.cpp"
ROOT_TWEAKS = REPO / "tweaks" / "root" / "root.h"
OUT = REPO / "help" / "English"
PROJECT = "English"
ENCODING = "cp1252"  # what the ANSI help viewer expects of these pages

# The hand-written topics, in the order of the contents, before the categories.
HAND_PAGES = [
    "introduction.htm",
    "using_tallowick.htm",
    "version_check.htm",
    "modification_dates.htm",
    "language_files.htm",
]

CATEGORIES_PAGE = "categories.htm"
CATEGORIES_TITLE = "The Categories"
ROOT_PAGE = "root_nodes.htm"
ROOT_TITLE = "Other Pages of the Tree"

# The drive page has no description in the catalogue: the program shows a page of its own.
DRIVE_PAGE_TEXT = (
    "hides a partition (drive). Choose the partition to hide on the page, choose whether "
    "users may still use the options that hide or show hidden files and folders, and click the "
    "page's <span class=\"ui\">Apply Changes</span> button. You must restart Windows or log off "
    "for the change to take effect.")

PAGE_HEAD = """\
<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.01//EN" "http://www.w3.org/TR/html4/strict.dtd">
<html>
<head>
<meta http-equiv="Content-Type" content="text/html; charset=windows-1252">
<title>{title}</title>
<link rel="stylesheet" type="text/css" href="tallowick.css">
</head>
<body>
<!-- Written by help/make_category_pages.py from model/tweak_catalogue.cpp: edit those. -->
<h1>{title}</h1>
"""

PAGE_FOOT = """\
<p class="seealso">See also:
<a href="{first}">{first_title}</a> |
<a href="using_tallowick.htm">Using the Tree and the Pages</a></p>
</body>
</html>
"""

AT_ROOT = -1
NOT_IN_TREE = -2


class Node:
    def __init__(self, node_id, parent, kind, name, label):
        self.id = node_id
        self.parent = parent  # a node id, AT_ROOT or NOT_IN_TREE
        self.kind = kind  # "Category", "Group" or "Tweak"
        self.name = name
        self.label = label or name  # what the tree shows
        self.children = []


# --- Reading the catalogue ---------------------------------------------------------------

TOKEN = re.compile(r"""
    (?P<space>\s+|//[^\n]*|/\*.*?\*/)
  | (?P<string>"(?:\\.|[^"\\\n])*")
  | (?P<number>-?\d+)
  | (?P<name>[A-Za-z_]\w*)
  | (?P<punct>[(),.])
""", re.VERBOSE | re.DOTALL)

ESCAPES = {"n": "\n", "t": "\t", "\\": "\\", '"': '"', "'": "'", "?": "?"}


def unquote(literal):
    body = literal[1:-1]
    return re.sub(r"\\(.)", lambda m: ESCAPES.get(m.group(1), m.group(1)), body)


def tokens(text):
    pos = 0
    while pos < len(text):
        match = TOKEN.match(text, pos)
        if not match:
            raise SystemExit(f"catalogue: cannot read {text[pos:pos + 40]!r}")
        pos = match.end()
        if match.lastgroup != "space":
            yield match.lastgroup, match.group()


class Reader:
    def __init__(self, text):
        self.items = list(tokens(text))
        self.at = 0

    def peek(self):
        return self.items[self.at] if self.at < len(self.items) else (None, None)

    def take(self, kind=None, value=None):
        got = self.peek()
        if got[0] is None or (kind and got[0] != kind) or (value and got[1] != value):
            raise SystemExit(f"catalogue: expected {value or kind}, found {got[1]!r}")
        self.at += 1
        return got[1]

    def argument(self):
        """One argument: a number, a constant's name, or adjacent string literals."""
        kind, value = self.peek()
        if kind == "string":
            parts = []
            while self.peek()[0] == "string":
                parts.append(unquote(self.take()))
            return "".join(parts)
        if kind in ("number", "name"):
            self.take()
            return int(value) if kind == "number" else value
        raise SystemExit(f"catalogue: unexpected {value!r} in an argument list")

    def call(self):
        """Maker(arguments) with an optional .ShownAs("label")."""
        maker = self.take("name")
        self.take("punct", "(")
        args = []
        while self.peek()[1] != ")":
            args.append(self.argument())
            if self.peek()[1] == ",":
                self.take()
        self.take("punct", ")")
        label = None
        if self.peek()[1] == ".":
            self.take()
            self.take("name", "ShownAs")
            self.take("punct", "(")
            label = self.argument()
            self.take("punct", ")")
        return maker, args, label


def parent_of(value):
    if value == "kAtRoot":
        return AT_ROOT
    if value == "kNotInTree":
        return NOT_IN_TREE
    if isinstance(value, int):
        return value
    raise SystemExit(f"catalogue: unknown parent {value!r}")


def read_nodes(path):
    text = path.read_text(encoding="utf-8")
    match = re.search(r"NodeData\s+kNodes\[\]\s*=\s*\{(.*?)\n\};", text, re.DOTALL)
    if not match:
        raise SystemExit(f"{path}: no kNodes table")
    reader = Reader(match.group(1))
    nodes = []
    while reader.peek()[0] is not None:
        maker, args, label = reader.call()
        if maker == "Category":  # (id, image, name, description)
            node = Node(args[0], AT_ROOT, "Category", args[2], label)
        elif maker == "Group":  # (id, parent, image, name, description)
            node = Node(args[0], parent_of(args[1]), "Group", args[3], label)
        elif maker == "Tweak":  # (id, parent, name[, description])
            node = Node(args[0], parent_of(args[1]), "Tweak", args[2], label)
        elif maker == "Hidden":  # (id, name, description)
            node = Node(args[0], NOT_IN_TREE, "Tweak", args[1], label)
        else:
            raise SystemExit(f"catalogue: unknown row maker {maker}")
        if node.id != len(nodes):
            raise SystemExit(f"catalogue: row {len(nodes)} describes node {node.id}")
        nodes.append(node)
        if reader.peek()[1] == ",":
            reader.take()
    # The tree shows each parent's children in node order.
    for node in nodes:
        if node.parent >= 0:
            nodes[node.parent].children.append(node)
    return nodes


def drive_page_id(path):
    match = re.search(r"kDriveHiding\s*=\s*(\d+)\s*;", path.read_text(encoding="utf-8"))
    if not match:
        raise SystemExit(f"{path}: no kDriveHiding")
    return int(match.group(1))


# --- Writing -----------------------------------------------------------------------------

def text(value):
    return html.escape(value, quote=False)


def param(value):
    # The viewers decode &amp; &lt; &gt; &quot; in parameters; an apostrophe stays as it is.
    return html.escape(value, quote=False).replace('"', "&quot;")


def slug(name):
    return re.sub(r"[^a-z0-9]+", "_", name.lower()).strip("_")


def anchor(node):
    return f"n{node.id}"


def tweak_item(node):
    return f'<li><a name="{anchor(node)}">{text(node.label)}</a></li>'


def count_tweaks(node):
    return sum(1 if c.kind == "Tweak" else count_tweaks(c) for c in node.children)


def plural(count, word):
    return f"{count} {word}" + ("" if count == 1 else "s")


def category_body(category):
    """The groups of a category in tree order, each with its tweaks; the category's own
    tweaks under one heading of their own."""
    lines = []
    groups = [c for c in category.children if c.kind == "Group"]
    own = [c for c in category.children if c.kind == "Tweak"]
    total = count_tweaks(category)
    summary = f"The {text(category.label)} category holds {plural(total, 'tweak')}"
    if groups:
        summary += f": {total - len(own)} in {plural(len(groups), 'group')}"
        if own:
            summary += f" and {len(own)} directly in the category"
    lines.append(f"<p>{summary}. They are listed here under the names the tree gives them. "
                 "Choose one in the tree to read its description and change it.</p>")
    if groups:
        links = ", ".join(f'<a href="#{anchor(g)}">{text(g.label)}</a>' for g in groups)
        lines.append(f"<p>Groups: {links}.</p>")

    def block(node, depth):
        heading = f"h{min(depth, 4)}"
        lines.append(f'<{heading}><a name="{anchor(node)}">{text(node.label)}</a></{heading}>')
        items = [c for c in node.children if c.kind == "Tweak"]
        if items:
            lines.append("<ul>")
            lines.extend(tweak_item(c) for c in items)
            lines.append("</ul>")
        for child in node.children:
            if child.kind == "Group":
                block(child, depth + 1)

    for group in groups:
        block(group, 2)
    if own:
        if groups:
            lines.append(f'<h2><a name="{anchor(category)}_own">Directly under '
                         f"{text(category.label)}</a></h2>")
        lines.append("<ul>")
        lines.extend(tweak_item(c) for c in own)
        lines.append("</ul>")
    return lines


def page(title, body_lines):
    # Every generated page points back to the overview, and the overview to the introduction.
    first, first_title = ((HAND_PAGES[0], "Introduction to Tallowick") if title == CATEGORIES_TITLE
                          else (CATEGORIES_PAGE, CATEGORIES_TITLE))
    return (PAGE_HEAD.format(title=text(title)) + "\n".join(body_lines) + "\n" +
            PAGE_FOOT.format(first=first, first_title=first_title))


def category_pages(categories):
    return {f"cat_{slug(c.name)}.htm": c for c in categories}


def root_body(root_tweaks, drive_id):
    lines = [f"<p>After the categories, the tree ends with {plural(len(root_tweaks), 'node')} "
             "that belong to no category. Choose one in the tree to open its page.</p>",
             "<ul>"]
    for node in root_tweaks:
        item = f'<li><a name="{anchor(node)}">{text(node.label)}</a>'
        if node.id == drive_id:
            item += f": {DRIVE_PAGE_TEXT}"
        lines.append(item + "</li>")
    lines.append("</ul>")
    return lines


def overview_body(pages, root_tweaks):
    lines = ["<p>The tree sorts the tweaks into these categories. Click a category's name to "
             "see the tweaks it holds.</p>",
             '<table summary="The categories of the tree">',
             "<tr><th>Category</th><th>Groups</th><th>Tweaks</th></tr>"]
    for file, category in pages.items():
        groups = ", ".join(text(c.label) for c in category.children if c.kind == "Group")
        lines.append(f'<tr><td><a href="{file}">{text(category.label)}</a></td>'
                     f"<td>{groups or '&nbsp;'}</td><td>{count_tweaks(category)}</td></tr>")
    lines.append("</table>")
    if root_tweaks:
        names = ", ".join(text(n.label) for n in root_tweaks)
        lines.append(f'<p>After the categories come <a href="{ROOT_PAGE}">{ROOT_TITLE.lower()}'
                     f"</a>: {names}.</p>")
    return lines


def hand_page_facts(file):
    source = (OUT / file).read_text(encoding=ENCODING)
    title = re.search(r"<title>(.*?)</title>", source, re.DOTALL)
    if not title:
        raise SystemExit(f"{file}: no <title>")
    keywords = re.search(r'<meta name="keywords" content="([^"]*)"', source)
    words = [w.strip() for w in keywords.group(1).split(";")] if keywords else []
    return html.unescape(title.group(1).strip()), [html.unescape(w) for w in words if w]


def sitemap_object(name, local):
    return ['<LI> <OBJECT type="text/sitemap">', f'\t<param name="Name" value="{param(name)}">',
            f'\t<param name="Local" value="{local}">', "\t</OBJECT>"]


SITEMAP_HEAD = """\
<!DOCTYPE HTML PUBLIC "-//IETF//DTD HTML//EN">
<HTML>
<HEAD>
<meta http-equiv="Content-Type" content="text/html; charset=windows-1252">
<!-- Sitemap 1.0 -->
</HEAD><BODY>
"""


def contents(hand, pages, root_tweaks):
    lines = [SITEMAP_HEAD.rstrip("\n"), "<UL>"]
    for file, (title, _) in hand.items():
        lines += sitemap_object(title, file)
    lines += sitemap_object(CATEGORIES_TITLE, CATEGORIES_PAGE)
    lines.append("<UL>")
    for file, category in pages.items():
        lines += sitemap_object(category.label, file)
        groups = [c for c in category.children if c.kind == "Group"]
        if groups:
            lines.append("<UL>")
            for group in groups:
                lines += sitemap_object(group.label, f"{file}#{anchor(group)}")
            lines.append("</UL>")
    if root_tweaks:
        lines += sitemap_object(ROOT_TITLE, ROOT_PAGE)
    lines += ["</UL>", "</UL>", "</BODY></HTML>", ""]
    return "\n".join(lines)


def index(hand, pages, root_tweaks):
    # keyword (compared without case) -> [(spelling, topic title, target), ...]
    entries = {}

    def add(keyword, title, target):
        topics = entries.setdefault(keyword.lower(), [])
        if all(t != target for _, _, t in topics):
            topics.append((keyword, title, target))

    for file, (title, keywords) in hand.items():
        for keyword in keywords:
            add(keyword, title, file)
    add("categories", CATEGORIES_TITLE, CATEGORIES_PAGE)

    def walk(node, file, title):
        for child in node.children:
            add(child.label, title, f"{file}#{anchor(child)}")
            walk(child, file, title)

    for file, category in pages.items():
        add(category.label, category.label, file)
        walk(category, file, category.label)
    for node in root_tweaks:
        add(node.label, ROOT_TITLE, f"{ROOT_PAGE}#{anchor(node)}")

    lines = [SITEMAP_HEAD.rstrip("\n"), "<UL>"]
    # A keyword of several topics gets one entry per topic, named after the topic, rather
    # than one entry with a list of topics: the compiler and the viewers do not agree on those.
    named = []
    for topics in entries.values():
        for keyword, title, target in topics:
            named.append((f"{keyword} ({title})" if len(topics) > 1 else keyword, target))
    for keyword, target in sorted(named, key=lambda e: (re.sub(r"[^a-z0-9 ]", "", e[0].lower()),
                                                        e[0])):
        lines += sitemap_object(keyword, target)
    lines += ["</UL>", "</BODY></HTML>", ""]
    return "\n".join(lines)


def project_with_files(files):
    """English.hhp with its [FILES] section replaced by `files`."""
    path = OUT / f"{PROJECT}.hhp"
    source = path.read_text(encoding=ENCODING)
    listing = "[FILES]\n" + "".join(f"{f}\n" for f in files)
    match = re.search(r"^\[FILES\]\n(?:(?!\[).*\n?)*", source, re.MULTILINE)
    if not match:
        raise SystemExit(f"{path}: no [FILES] section")
    rest = source[match.end():]
    return source[:match.start()] + listing + ("\n" + rest if rest else "")


def generate():
    nodes = read_nodes(CATALOGUE)
    drive_id = drive_page_id(ROOT_TWEAKS)
    roots = [n for n in nodes if n.parent == AT_ROOT]
    categories = [n for n in roots if n.kind == "Category"]
    root_tweaks = [n for n in roots if n.kind != "Category"]
    pages = category_pages(categories)
    hand = {file: hand_page_facts(file) for file in HAND_PAGES}

    out = {CATEGORIES_PAGE: page(CATEGORIES_TITLE, overview_body(pages, root_tweaks))}
    for file, category in pages.items():
        out[file] = page(category.label, category_body(category))
    if root_tweaks:
        out[ROOT_PAGE] = page(ROOT_TITLE, root_body(root_tweaks, drive_id))
    out[f"{PROJECT}.hhc"] = contents(hand, pages, root_tweaks)
    out[f"{PROJECT}.hhk"] = index(hand, pages, root_tweaks)

    files = HAND_PAGES + [CATEGORIES_PAGE] + list(pages) + ([ROOT_PAGE] if root_tweaks else [])
    out[f"{PROJECT}.hhp"] = project_with_files(files + ["tallowick.css"])
    return out


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", action="store_true",
                        help="write nothing; exit 1 when a generated file is out of date")
    args = parser.parse_args()

    generated = generate()
    stale = []
    # The page of a category that is gone: every cat_*.htm is this script's.
    for path in sorted(OUT.glob("cat_*.htm")):
        if path.name not in generated:
            stale.append(path.name)
            if not args.check:
                path.unlink()
    for file, content in generated.items():
        path = OUT / file
        data = content.encode(ENCODING)  # fails loudly on a character the code page lacks
        if path.exists() and path.read_bytes() == data:
            continue
        stale.append(file)
        if not args.check:
            path.write_bytes(data)
    if args.check:
        for file in stale:
            print(f"out of date: help/English/{file}")
        return 1 if stale else 0
    for file in stale:
        print(f"{'wrote' if file in generated else 'removed'} help/English/{file}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
