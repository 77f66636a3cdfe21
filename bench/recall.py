#!/usr/bin/env python3
"""How well the engine's records stand for their pages, measured against the
pages' full text read with Python's own HTML parser (not the program's scanner).

  recall.py reference SITE REFERENCE.json
      For every page: its visible text's ten most characteristic words (TF-IDF
      over the site with a sublinear term frequency, 1 + log n, and a plain
      English stop list) and one query a visitor might type for it (a
      word of a heading, or one the page uses often; see make_query).
  recall.py score REFERENCE.json DUMP.json ENGINE-FOLDER QUERIES.json
      Prints the share of characteristic words that a page's record holds
      (keywords, caption, description, URL words) and writes the queries with
      the URL of their page as the engine spells it.
"""
import html.parser
import json
import math
import os
import random
import re
import sys
import urllib.parse
from collections import Counter

STOP_WORDS = set("""
a about above after again against all also am an and any are as at be because been
before being below between both but by can could did do does doing down during each
few for from further had has have having he her here hers herself him himself his how
i if in into is it its itself just me more most my myself no nor not now of off on
once only or other our ours ourselves out over own same she should so some such than
that the their theirs them themselves then there these they this those through to too
under until up very was we were what when where which while who whom why will with
would you your yours yourself yourselves may must might shall one two use used using
see new also way many much
""".split())

WORD = re.compile(r"[^\W\d_]+")


def words(text):
    return [w for w in WORD.findall(text.lower()) if len(w) > 1]


class VisibleText(html.parser.HTMLParser):
    """The text a visitor sees: the title and the body, without scripts and
    styles; the headings (h1-h3) apart."""

    HIDDEN = {"script", "style", "noscript", "template"}

    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.parts, self.headings = [], []
        self.hidden = 0
        self.in_head = False
        self.in_title = False
        self.heading = None

    def handle_starttag(self, tag, attrs):
        if tag in self.HIDDEN:
            self.hidden += 1
        elif tag == "head":
            self.in_head = True
        elif tag == "body":
            self.in_head = False
        elif tag == "title":
            self.in_title = True
        elif tag in ("h1", "h2", "h3"):
            self.heading = []

    def handle_endtag(self, tag):
        if tag in self.HIDDEN:
            self.hidden = max(0, self.hidden - 1)
        elif tag == "head":
            self.in_head = False
        elif tag == "title":
            self.in_title = False
        elif tag in ("h1", "h2", "h3") and self.heading is not None:
            self.headings.append(" ".join(self.heading))
            self.heading = None

    def handle_data(self, data):
        if self.hidden or (self.in_head and not self.in_title):
            return
        self.parts.append(data)
        if self.heading is not None:
            self.heading.append(data)


def read_page(path):
    with open(path, "rb") as file:
        raw = file.read()
    try:
        text = raw.decode("utf-8")
    except UnicodeDecodeError:
        text = raw.decode("cp1252", errors="replace")
    parser = VisibleText()
    parser.feed(text)
    parser.close()
    return " ".join(parser.parts), parser.headings


def reference(site, out):
    pages = {}
    for folder, _, files in os.walk(site):
        for name in sorted(files):
            if name.lower().endswith((".html", ".htm")):
                path = os.path.join(folder, name)
                text, headings = read_page(path)
                pages[os.path.realpath(path)] = (Counter(w for w in words(text) if w not in STOP_WORDS), headings)
    document_frequency = Counter()
    for counts, _ in pages.values():
        document_frequency.update(counts.keys())
    total = len(pages)
    chooser = random.Random(1699)
    result = {}
    for path in sorted(pages):
        counts, headings = pages[path]
        weight = {w: (1 + math.log(n)) * math.log(total / document_frequency[w]) for w, n in counts.items()}
        top = sorted(weight, key=lambda w: (-weight[w], w))[:10]
        query = make_query(chooser, counts, headings, lambda w: document_frequency[w] <= max(1, 0.02 * total))
        result[path] = {"characteristic": top, "query": query}
    with open(out, "w") as file:
        json.dump(result, file)


def make_query(chooser, counts, headings, is_distinctive):
    """A word a visitor might type to find the page: half the time a distinctive
    word of one of its headings, else a distinctive word of four letters or more
    that the page uses three times or more. A distinctive word stands on at most
    2% of the site's pages (or on one page): "notes" or "function" single out no page."""
    heading_words = sorted({w for heading in headings for w in words(heading)
                            if w not in STOP_WORDS and is_distinctive(w)})
    frequent = sorted(w for w, n in counts.items() if n >= 3 and len(w) >= 4 and is_distinctive(w))
    if heading_words and (chooser.random() < 0.5 or not frequent):
        return {"kind": "heading", "text": chooser.choice(heading_words)}
    if frequent:
        return {"kind": "body", "text": chooser.choice(frequent)}
    return None


def record_words(link):
    text = " ".join([link["caption"], link["description"], " ".join(link["keywords"]),
                     urllib.parse.unquote(link["url"])])
    return set(words(text))


def score(reference_file, dump_file, engine_folder, queries_file):
    with open(reference_file) as file:
        pages = json.load(file)
    with open(dump_file) as file:
        links = json.load(file)["links"]
    found = wanted = matched = 0
    queries = []
    for link in links:
        path = os.path.realpath(os.path.join(engine_folder, urllib.parse.unquote(link["url"])))
        page = pages.get(path)
        if page is None:
            continue
        matched += 1
        held = record_words(link)
        wanted += len(page["characteristic"])
        found += sum(1 for w in page["characteristic"] if w in held)
        if page["query"]:
            queries.append(dict(page["query"], url=link["url"]))
    with open(queries_file, "w") as file:
        json.dump(queries, file)
    share = 100.0 * found / wanted if wanted else 0.0
    print(f"{matched} of {len(pages)} pages in the engine; characteristic words found: {share:.1f}%")


if __name__ == "__main__":
    if len(sys.argv) == 4 and sys.argv[1] == "reference":
        reference(sys.argv[2], sys.argv[3])
    elif len(sys.argv) == 6 and sys.argv[1] == "score":
        score(*sys.argv[2:])
    else:
        sys.exit(__doc__)
