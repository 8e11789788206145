#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 the Recallix developers
"""Loads real vocabulary documents and real tables through the program (card_dump) and
reads the same files with readers that share no code with ours: lxml (libxml2) for the
XML documents, Python's csv module for the tables. Every card, cue and answer, must be the
same, and so must the verdict on whether the file loads at all.

    compare_with_reference.py CARD_DUMP [DOCUMENT_FOLDER]

The documents are Debian's kdeedu-kvtml-data (every .kvtml under /usr/share/apps/kvtml).
The tables are written here by Python's csv module, in every line end and encoding a
spreadsheet or an editor saves, from the words and comments of those documents; the cue
files likewise, in UTF-16 either way round, UTF-8 and Latin-1."""
import csv
import re
import subprocess
import sys
import tempfile
from pathlib import Path

from lxml import etree

CORPUS = Path(sys.argv[2] if len(sys.argv) > 2 else "/usr/share/apps/kvtml")


def one_line(text):
    return " ".join(text.split())


def reference_document(path):
    """The cards of a KVTML 2 document: entries under <entries> with text in both
    translation 0 and translation 1, each text made one line."""
    parser = etree.XMLParser(resolve_entities=False, no_network=True, load_dtd=False,
                             huge_tree=True)
    try:
        root = etree.parse(str(path), parser).getroot()
    except etree.XMLSyntaxError:
        return False, []
    if root.tag != "kvtml" or not root.get("version", "").startswith("2"):
        return False, []
    cards = []
    for entries in root.findall("entries"):
        for entry in entries.findall("entry"):
            texts = ["", ""]
            for translation in entry.findall("translation"):
                index = {"0": 0, "1": 1}.get(translation.get("id"))
                for text in translation.findall("text") if index is not None else []:
                    texts[index] = "".join(text.itertext())
            first, second = one_line(texts[0]), one_line(texts[1])
            if first and second:
                cards.append([first, second])
    return True, cards


def reference_table(path, encoding, tab):
    """The cards of a table: the first two fields of every row that is not empty (nor, in
    a tab list, a "#" header line); a line end inside a field is a space; tab-list fields
    collapse their white space, comma-list fields are trimmed."""
    with open(path, newline="", encoding=encoding) as f:
        rows = list(csv.reader(f, dialect="excel-tab" if tab else "excel"))
    cards = []
    for row in rows:
        if not row or (tab and row[0].startswith("#")):
            continue
        fields = [re.sub(r"\r\n|\r|\n", " ", field) for field in (row + ["", ""])[:2]]
        fields = [one_line(f) if tab else f.strip() for f in fields]
        if fields[0] and fields[1]:
            cards.append(fields)
    return True, cards


def words_and_comments(documents):
    """Real rows for the tables: each card of the documents with a comment of the same
    document (real sentences, with commas and quotes), some answers over two lines."""
    rows = []
    for path in documents:
        try:
            tree = etree.parse(str(path), etree.XMLParser(no_network=True, load_dtd=False))
        except etree.XMLSyntaxError:
            continue  # a document that is not well-formed loads nowhere
        comments = [one_line(c.text) for c in tree.iter("comment") if c.text and c.text.strip()]
        _, cards = reference_document(path)
        for i, (cue, answer) in enumerate(cards):
            comment = comments[i % len(comments)] if comments else ""
            if i % 7 == 3:
                answer = answer + "\n" + cue  # a field over two lines is quoted
            if i % 11 == 5:
                cue = '"' + cue + '", ' + comment  # quotes and commas inside a field
            rows.append([cue, answer, comment])
    return rows


def write_tables(folder, rows):
    """(path, encoding to read it back, tab?) for every table written."""
    plain = [r for r in rows if not any("<" in f or "&" in f for f in r)]  # no HTML in tab lists
    latin = [r for r in plain if all(f.encode("latin-1", "ignore").decode("latin-1") == f
                                     for f in r)]
    tables = [
        ("excel.csv", "utf-8", False, "\r\n", rows, ""),
        ("mac.csv", "utf-8", False, "\r", rows, ""),
        ("unix-utf16.csv", "utf-16", False, "\n", rows, ""),
        ("export.tsv", "utf-8-sig", True, "\n", plain, "#separator:tab\n#html:true\n"),
        ("mac.tsv", "latin-1", True, "\r", latin, ""),
        ("windows-utf16.txt", "utf-16", True, "\r\n", plain, ""),
    ]
    written = []
    for name, encoding, tab, line_end, table, header in tables:
        path = folder / name
        with open(path, "w", newline="", encoding=encoding) as f:
            f.write(header.replace("\n", line_end))
            writer = csv.writer(f, dialect="excel-tab" if tab else "excel",
                                lineterminator=line_end)
            writer.writerows(table)
        written.append((path, encoding, tab))
    return written


def reference_cue_file(path, encoding):
    """The cards of a cue file: each line (LF, CR LF or CR alone ends one) split at its
    first "=", both sides trimmed and neither empty."""
    with open(path, newline="", encoding=encoding) as f:
        text = f.read().removeprefix("\ufeff")
    cards = []
    for line in re.split(r"\r\n|\r|\n", text):
        cue, equals, answer = line.partition("=")
        if equals and cue.strip() and answer.strip():
            cards.append([cue.strip(), answer.strip()])
    return True, cards


def write_cue_files(folder, rows):
    """(path, encoding to read it back) for cue files of the same words in every encoding
    and line end the README names. Words that could hold a combination or a bar are left
    out: their substitution is the accent table's, which no other reader knows."""
    plain = [r for r in rows if not any(c in f for f in r[:2] for c in ":/\\|\r\n")]
    latin = [r for r in plain if all(f.encode("latin-1", "ignore").decode("latin-1") == f
                                     for f in r[:2])]
    files = [
        ("le-mark.recallix", "utf-16-le", "\ufeff", "\r\n", plain),
        ("le.recallix", "utf-16-le", "", "\n", plain),
        ("be-mark.recallix", "utf-16-be", "\ufeff", "\r\n", plain),
        ("utf8.recallix", "utf-8", "", "\r", plain),
        ("latin1.recallix", "latin-1", "", "\r\n", latin),
    ]
    written = []
    for name, encoding, mark, line_end, cards in files:
        path = folder / name
        with open(path, "w", newline="", encoding=encoding) as f:
            f.write(mark + "Title line without an equals sign" + line_end)
            f.writelines(f"{cue} = {answer}{line_end}" for cue, answer, *_ in cards)
        written.append((path, encoding))
    return written


def program_cards(card_dump, paths):
    """card_dump's line for each file, in order: 1 or 0 for loaded, then cue and answer of
    every card, each as hexadecimal UTF-16 units, all separated by tabs."""
    paths = [str(p) for p in paths]
    output = subprocess.run([card_dump] + paths, check=True, capture_output=True,
                            text=True).stdout

    def text(units):
        return bytes.fromhex(units).decode("utf-16-be", "surrogatepass")

    got = {}
    for path, line in zip(paths, output.splitlines(), strict=True):
        loaded, *texts = line.split("\t")
        got[path] = (loaded == "1", [[text(c), text(a)] for c, a in zip(texts[::2], texts[1::2])])
    return got


def compare(expected, got, what):
    differences = 0
    for path, (loaded, cards) in expected.items():
        their_loaded, their_cards = got[str(path)]
        if loaded != their_loaded:
            differences += 1
            print(f"{path}: the reference {'loads' if loaded else 'refuses'} it, we do not")
            continue
        for i in range(max(len(cards), len(their_cards))):
            want = cards[i] if i < len(cards) else None
            have = their_cards[i] if i < len(their_cards) else None
            if want != have:
                differences += 1
                if differences <= 20:
                    print(f"{path}: card {i + 1}: reference {want}, program {have}")
    cards = sum(len(c) for _, c in expected.values())
    print(f"{what}: {len(expected)} files, {cards} cards compared, {differences} differences")
    return differences


def main():
    card_dump = sys.argv[1]
    documents = sorted(CORPUS.rglob("*.kvtml"))
    if not documents:
        print(f"no vocabulary documents under {CORPUS}: install kdeedu-kvtml-data")
        return 1
    expected = {path: reference_document(path) for path in documents}
    differences = compare(expected, program_cards(card_dump, documents), "KVTML documents")
    with tempfile.TemporaryDirectory() as folder:
        tables = write_tables(Path(folder), words_and_comments(documents))
        expected = {path: reference_table(path, encoding, tab) for path, encoding, tab in tables}
        differences += compare(expected, program_cards(card_dump, expected), "Tables")
        cue_files = write_cue_files(Path(folder), words_and_comments(documents))
        expected = {path: reference_cue_file(path, encoding) for path, encoding in cue_files}
        differences += compare(expected, program_cards(card_dump, expected), "Cue files")
    return 1 if differences else 0


if __name__ == "__main__":
    sys.exit(main())
