#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 the Recallix developers
"""Writes the seed corpus of every fuzz target into fuzz/corpus/<target>/.

The seeds are small hand-made inputs; rerun this after changing them. Files that are no
longer listed here are removed from the corpus folders.
"""

import pathlib

CORPUS = pathlib.Path(__file__).resolve().parent / "corpus"


def utf16(text, mark=False):
    return (b"\xff\xfe" if mark else b"") + text.encode("utf-16-le", "surrogatepass")


def cue_file_seeds():
    german = "Hund = dog\r\nMädchen = girl\r\n\r\nStraße = street\r\nGrüße = greetings\r\n"
    return {
        "utf16_mark_crlf": utf16(german + "日本 = Japan\r\n", mark=True),
        "utf16_ascii_no_mark": utf16("to be = sein\nto have = haben\nto go = gehen\n"),
        "utf16_japanese_no_mark": utf16("日本語の単語です。漢字と仮名＝かんじとかな\r\n猫＝ねこ\r\n犬=いぬ\r\n"),
        "utf16_odd_last_byte": utf16("ab = cd\r\nef = gh", mark=True) + b"A",
        "utf16_lone_surrogates": utf16("a = \ud800\nb\udc00 = c\nlong enough to decide here\n",
                                       mark=True),
        "utf16_big_endian": b"\xfe\xff" + "Hund = dog\nKatze = cat\n".encode("utf-16-be"),
        "utf16_mark_end_of_text": utf16("\u4e1a = trade\n\u1a1a = x\n", mark=True),
        "latin1": "Mädchen = girl\nStraße = street\nGrüße = greetings\nçà = ok\n".encode("latin-1"),
        "latin1_end_of_text": "Käse = cheese\n".encode("latin-1") + b"\x1a" + b"after = end\n",
        "latin1_nul_bytes": b"Hu\x00nd = dog\r\x00\nKatze = c\x00at\n",
        "utf8_mark": "\ufeffcafé = coffee\nêtre = to be\n".encode("utf-8"),
        "utf8_no_mark": "Grüße = greetings\r\n日本 = Japan\r\nemoji = \U0001F600\r\n".encode("utf-8"),
        "utf8_cut_sequence": "naïve = naive\na = ".encode("utf-8") + b"\xe3\x81",
        "utf8_ill_formed": b"a = \xc0\xaf\nb = \xed\xa0\x80\nc = \xf4\x90\x80\x80\nd = \xc3\xa4\n",
        "equals_edge_cases": b"a=b\r\r\n\r\n=\n= x\nx =\n==\na==b\n  =  \n=b=c\nno equals here\n\n\n",
        "combinations": b"summer = e/te\nsweet = su:ss\nanger = A:rger\nfather = pe|re\n"
                        b"to = a\\\nwhy = pourquoi|\nover = u:ber\nstreet = Stras:e\n",
        "white_space": "\u3000Hund\u00a0=\tdog \u2003\n\u0085x = y\u2028\n\u200bz = w\n".encode("utf-8"),
        "cr_only": b"a = b\rc = d\re = f\r",
        "no_line_end": b"last = line without LF",
        "empty": b"",
        "only_end_of_text": b"\x1a",
        "many_cards": "".join(f"cue {i} = answer {i}\n" for i in range(40)).encode("ascii"),
        # The target repeats one input in 64 (by a hash of its bytes) past the reader's
        # 64 KiB read. These two are such inputs, numbered so that the read boundary falls
        # inside "ß" and between CR and LF.
        "repeated_utf8_split_sequence": "greetings 1003    = Grüße\r\n".encode("utf-8"),
        "repeated_utf16_split_crlf": utf16("Straße 1062           = street\r\n", mark=True),
    }


def answer_check_seeds():
    def pair(expected, typed, *accents):
        text = expected + "\0" + typed
        for combination, accented in accents:
            text += "\0" + combination + "\1" + accented
        return utf16(text)

    return {
        "plain": pair("dog", "dog"),
        "trimmed": pair("  dog\t", "\u3000dog\u00a0"),
        "tolerated_end": pair("dog", "dog."),
        "two_ends": pair("dog", "dog.."),
        "full_stop_answer": pair("etc.", "etc.!"),
        "combination": pair("e/te", "e/te"),
        "combination_typed": pair("été", "e/te/"),
        "umlauts": pair("A:rger u:ber s:", "Ärger über ß"),
        "bar": pair("pe|re", "pe/re"),
        "bar_after_letter": pair("a|", "a/"),
        "backslash_end": pair("a", "a\\"),
        "capitals": pair("E/E\\E:O:U:A/A\\", "ÉÈËÖÜÁÀ"),
        "no_separator": utf16("ç = c/ a:"),
        "extra_accents": pair("xy:q", "xyq", ("y:", "Y"), ("q", "k")),
        "extra_non_ascii": pair("é:", "E", ("é:", "E"), ("", "never"), ("ab", "")),
        "extra_long_combination": pair("abcabc", "zz", ("abc", "z"), ("ab", "y")),
    }


def language_setting_seeds():
    texts = [
        "Language_1041", "Language_1033", "a_1041_1033", "Language_-1", "Language_66577",
        "Language_  \t+1041", "Language_\u30001041", "Language_001041", "Language1041",
        "Language_", "_", "Language_2147483647", "Language_2147483648",
        "Language_-2147483649", "Language_99999999999999999999999999", "Language_- 1041",
        "Language_\uff11\uff10\uff14\uff11",
    ]
    return {f"setting_{i:02}": utf16(text) for i, text in enumerate(texts)}


def vocabulary_list_seeds():
    entry = ('<entry id="{0}"><translation id="0"><text>{1}</text></translation>'
             '<translation id="1"><text>{2}</text></translation></entry>\n')
    document = ('<?xml version="1.0" encoding="UTF-8"?>\n'
                '<!DOCTYPE kvtml PUBLIC "kvtml2.dtd" "http://edu.kde.org/kvtml/kvtml2.dtd">\n'
                '<kvtml version="2.0"><identifiers><identifier id="0"><name>de</name>'
                '</identifier></identifiers>\n<entries>\n'
                + entry.format(0, "Hund", "dog")
                + entry.format(1, "M&#228;dchen &amp; Junge", "<![CDATA[girl & <boy>]]>")
                + entry.format(2, "", "no first")
                + '</entries>\n<lessons><container><entry id="0"/></container></lessons>\n'
                '</kvtml>\n')
    return {
        "anki_export": ("#separator:tab\n#html:true\n#tags column:3\n"
                        "der Hund\tthe <b>dog</b><br>&nbsp;&amp;\tnoun\n"
                        "\"two\nlines\"\t\"say \"\"hi\"\"\"\n").encode("utf-8"),
        "tab_utf16_no_mark": utf16("собака\tdog\nкошка\tcat\nКнига\tbook\n"),
        "csv_quoted": b'cue,answer\r\n"1,5", "one and a half" ,x\r\n"",empty\r\n',
        "csv_open_quote": b'a,b\n"c,d\n',
        "csv_text_after_quote": b'"a"b,c\n',
        "kvtml_document": document.encode("utf-8"),
        "kvtml_cut_short": document.encode("utf-8")[:200],
        "kvtml_version_1": b"<kvtml><e><o>eins</o><t>one</t></e></kvtml>",
    }


def main():
    targets = {
        "fuzz_vocabulary_list": vocabulary_list_seeds(),
        "fuzz_cue_file": cue_file_seeds(),
        "fuzz_answer_check": answer_check_seeds(),
        "fuzz_language_setting": language_setting_seeds(),
    }
    for target, seeds in targets.items():
        folder = CORPUS / target
        folder.mkdir(parents=True, exist_ok=True)
        for old in folder.iterdir():
            if old.name not in seeds:
                old.unlink()
        for name, data in seeds.items():
            (folder / name).write_bytes(data)


if __name__ == "__main__":
    main()
