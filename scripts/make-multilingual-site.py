#!/usr/bin/env python3
"""Writes tests/data/multilingual: small pages in many languages, each in an
encoding of its own (declared in a meta element, an XML declaration, by a
byte-order mark, or not at all), and pages.txt, which lists for every file its
title and visible text as Python's codecs read them, one "FILE<TAB>TITLE<TAB>
TEXT" line each, in UTF-8. The results are committed; the tests need only them.
"""
import pathlib

SITE = pathlib.Path(__file__).resolve().parent.parent / "tests" / "data" / "multilingual"

# file, encoding, how the page says it (a format of the head), title, text
PAGES = [
    ("fr.html", "utf-8", '<meta charset="utf-8">',
     "Café de la Gare", "Le café est très célèbre à Paris"),
    ("de.html", "iso-8859-1", '<meta charset="ISO-8859-1">',
     "Größe und Übung", "Die Größe der Straße macht Übung nötig"),
    ("pl.html", "iso-8859-2",
     '<meta http-equiv="Content-Type" content="text/html; charset=iso-8859-2">',
     "Łódź, miasto", "Łódź jest dużym miastem w Polsce"),
    ("cs.html", "utf-8", "",
     "Příliš žluťoučký kůň", "Příliš žluťoučký kůň úpěl ďábelské ódy"),
    ("tr.html", "utf-8", '<?xml version="1.0" encoding="UTF-8"?>',
     "İstanbul ve Ankara", "Türkiye en büyük şehri İstanbul"),
    ("ru.html", "windows-1251", '<meta charset="windows-1251">',
     "Привет мир", "Привет, это тестовая страница. Москва"),
    ("ru-koi8.html", "koi8-r", '<meta charset="koi8-r">',
     "Москва столица", "Москва столица России"),
    ("uk.html", "utf-8", '<meta charset="utf-8">',
     "Київ столиця України", "Київ місто на Дніпрі"),
    ("el.html", "utf-8", '<meta charset="utf-8">',
     "Καλημέρα κόσμε", "Καλημέρα από την Αθήνα"),
    ("zh.html", "gbk", '<meta charset="gbk">',
     "东京大学简介", "东京大学是日本的一所大学"),
    ("ja.html", "shift_jis", '<meta charset="Shift_JIS">',
     "東京の大学", "東京は日本の首都です"),
    ("th.html", "utf-8", '<meta charset="utf-8">',
     "ภาษาไทย", "ภาษาไทยเป็นภาษาราชการ"),
    ("legacy.html", "cp1252", "",
     "Crème brûlée – recette", "La crème brûlée est un dessert"),
    ("utf16.html", "utf-16-le", "\ufeff",
     "Noël à Québec", "Le marché de Noël à Québec"),
]
TEXT_FILE = ("notes.txt", "Ça va très bien, naïve café")

# RTF documents in the two forms word processors write beyond Windows-1252:
# the bytes of a declared code page (\ansicpgN with \'hh), and \uN with a
# fallback character (\ucN), as LibreOffice writes them. Each with its text.
RTF_TEXTS = [
    ("ru.rtf", 1251, "Привет из Москвы, столица России"),
    ("pl.rtf", 1250, "Polsce leżą Łódź oraz Kraków"),
]


def rtf_bytes(text, code_page):
    r"""The first half of the words as \'hh of the code page, the rest as \uN."""
    words = text.split(" ")
    half = len(words) // 2

    def as_bytes(piece):
        return "".join(chr(b) if b < 0x80 else f"\\'{b:02x}"
                       for b in piece.encode(f"cp{code_page}"))

    def as_unicode(piece):
        return "".join(c if ord(c) < 0x80 else f"\\u{ord(c)}\\'3f" for c in piece)

    body = as_bytes(" ".join(words[:half])) + " " + as_unicode(" ".join(words[half:]))
    return (f"{{\\rtf1\\ansi\\ansicpg{code_page}\\deff0\\uc1"
            f"{{\\fonttbl{{\\f0\\fswiss Liberation Sans;}}}}"
            f"{{\\*\\generator LibreOffice}}\\pard\\plain {body}\\par}}").encode("ascii")


def main():
    SITE.mkdir(parents=True, exist_ok=True)
    lines = []
    for name, encoding, head, title, text in PAGES:
        mark = head if head == "\ufeff" else ""
        declaration = "" if mark else head
        page = (f"{mark}{declaration}<html><head><title>{title}</title></head>"
                f"<body><p>{text}</p></body></html>")
        (SITE / name).write_bytes(page.encode(encoding))
        lines.append(f"{name}\t{title}\t{text}")
    name, text = TEXT_FILE
    (SITE / name).write_bytes(text.encode("utf-8"))
    lines.append(f"{name}\t\t{text}")
    (SITE / "pages.txt").write_text("\n".join(lines) + "\n", encoding="utf-8")
    for name, code_page, text in RTF_TEXTS:
        (SITE / name).write_bytes(rtf_bytes(text, code_page))
    (SITE / "documents.txt").write_text(
        "".join(f"{name}\t{text}\n" for name, _, text in RTF_TEXTS), encoding="utf-8")


if __name__ == "__main__":
    main()
