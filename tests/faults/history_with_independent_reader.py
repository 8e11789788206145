#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 the Recallix developers
"""The pass history as another reader sees it: Python's sqlite3 module, which shares no code
with ours, writes a file of each earlier version the way that version wrote it, other
instances of the program (fault_helper, started twice) finish passes into it, and Python
reads it back. The migration must keep every old pass and missed card as it was; every new pass must have
its graded answers, every answer of a pass left unfinished must be logged, and every card
memory must be there with its full 64-bit key and its numbers.

    history_with_independent_reader.py FAULT_HELPER"""
import sqlite3
import subprocess
import sys
import tempfile
from pathlib import Path

VERSION_1 = """
CREATE TABLE pass(id INTEGER PRIMARY KEY, ended_utc_ms INTEGER NOT NULL, key TEXT NOT NULL,
  files TEXT NOT NULL, time_ms INTEGER NOT NULL, cards INTEGER NOT NULL,
  wrong INTEGER NOT NULL, ignored INTEGER NOT NULL, review INTEGER NOT NULL);
CREATE TABLE missed_card(pass_id INTEGER NOT NULL REFERENCES pass(id) ON DELETE CASCADE,
  cue TEXT NOT NULL, answer TEXT NOT NULL, wrong INTEGER NOT NULL, ignored INTEGER NOT NULL);
PRAGMA user_version=1;
"""
VERSION_2 = VERSION_1.replace("PRAGMA user_version=1;", """
CREATE INDEX pass_by_key ON pass(key, ended_utc_ms);
CREATE INDEX missed_card_by_pass ON missed_card(pass_id);
PRAGMA user_version=2;""")
OLD_PASSES = [(1, 500, "verbs", "Verbs.recallix", 42000, 3, 1, 0, 0),
              (2, 900, "verbs", "Verbs.recallix", 61000, 2, 0, 1, 1)]
OLD_MISSED = [(1, "Hund", "dog", 1, 0), (2, "Straße", "street", 0, 1)]
NEW_PASSES = 3
# What fault_helper's pass holds (tests/faults/writer_pass.h): three cards graded Again,
# with keys whose top bits are set.
KEYS = {0xF00D_0000_0000_0000 + ord(letter) for letter in "nwh"}
MEMORY = (1.0, 5.0, 1000, 1, 1, 1, 0, 0)


def check_version(schema, failures):
    def check(what, got, expected):
        if got != expected:
            failures.append(f"{schema.split()[-1]} {what}: {got!r}, expected {expected!r}")

    with tempfile.TemporaryDirectory() as folder:
        path = Path(folder) / "history.sqlite"
        with sqlite3.connect(path) as db:
            db.executescript(schema)
            db.executemany("INSERT INTO pass VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?)", OLD_PASSES)
            db.executemany("INSERT INTO missed_card VALUES(?, ?, ?, ?, ?)", OLD_MISSED)
        db.close()
        # The second start finds the file up to date; either fails when it cannot use it.
        for passes in ((NEW_PASSES - 1, 1)):
            if subprocess.run([sys.argv[1], "passes", str(path), str(passes)], timeout=120,
                              stdout=subprocess.DEVNULL).returncode != 0:
                failures.append(f"{schema.split()[-1]} the history could not be used")
        db = sqlite3.connect(path)
        query = lambda sql: db.execute(sql).fetchall()
        check("version", query("PRAGMA user_version"), [(3,)])
        check("old passes", query("SELECT id, ended_utc_ms, key, files, time_ms, cards, wrong,"
                                  " ignored, review FROM pass WHERE id <= 2"), OLD_PASSES)
        check("old missed cards", query("SELECT * FROM missed_card WHERE pass_id <= 2"),
              OLD_MISSED)
        check("old passes' kind", query("SELECT due FROM pass WHERE id <= 2"), [(0,), (0,)])
        check("new passes", query("SELECT key, time_ms, cards, review, due FROM pass WHERE id > 2"),
              [("writer", 3000, 3, 0, 0)] * NEW_PASSES)
        check("graded answers per new pass",
              query("SELECT COUNT(*) FROM graded_answer WHERE pass_id > 2 GROUP BY pass_id"),
              [(3,)] * NEW_PASSES)
        check("answers of unfinished passes",
              query("SELECT COUNT(*) FROM graded_answer WHERE pass_id IS NULL"), [(NEW_PASSES,)])
        check("grades", query("SELECT DISTINCT grade, answer_ms, answered_utc_ms FROM graded_answer"),
              [(1, 2500, 1000)])
        memories = {row[0] & (2**64 - 1): row[1:] for row in query(
            "SELECT card, stability, difficulty, last_review_ms, due_day, first_day, reps, lapses,"
            " usual_answer_ms FROM card_memory")}
        check("card memories", memories, {key: MEMORY for key in KEYS})
        logged = {row[0] & (2**64 - 1) for row in query("SELECT card FROM graded_answer")}
        check("cards in the log", logged, KEYS)
        db.close()


def main():
    failures = []
    for schema in (VERSION_1, VERSION_2):
        check_version(schema, failures)
    for failure in failures:
        print(failure)
    print(f"{len(failures)} differences")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
