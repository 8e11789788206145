// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
// The records of each kind of file, and the texts they hold: cue lines, tab and comma lists,
// vocabulary documents.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <variant>
#include <vector>

#include "cuefiles/cue_file_reader.h"
#include "cuefiles/cue_record.h"
#include "cuefiles/delimited_list_reader.h"
#include "cuefiles/html_text.h"
#include "cuefiles/kvtml_reader.h"
#include "tests/support/temp_dir.h"

namespace {

using Pair = std::pair<std::u16string, std::u16string>;
using Records = std::vector<Pair>;
using Document = std::variant<Records, eDocumentFault>;  // the entries, or why it failed
using eDialect = cDelimitedListReader::eDialect;

// The pair, or two empty texts when the line is no card.
Pair Split(std::u16string_view line, bool reversed = false) {
    std::u16string_view cue, answer;
    return SplitCueRecord(line, reversed, cue, answer) ? Pair(cue, answer) : Pair();
}

class RecordReaderTest : public ::testing::Test {
protected:
    Records Read(eDialect dialect, std::string_view bytes) {
        cCueFileReader lines;
        EXPECT_TRUE(lines.Open(dir.Write("list", bytes)));
        cDelimitedListReader list(lines, dialect);
        Records records;
        std::u16string first, second;
        while (list.ReadRecord(first, second)) {
            records.emplace_back(first, second);
        }
        return records;
    }
    static Document ReadKvtml(const std::u16string& path) {
        Records entries;
        cKvtmlReader reader([&entries](std::u16string& first, std::u16string& second) {
            entries.emplace_back(first, second);
        });
        return reader.ReadFile(path) ? Document(entries) : reader.GetFault();
    }

    cTempDir dir;
};

}  // namespace

TEST(CueRecordTest, SplitsAtTheFirstEqualsSign) {
    EXPECT_EQ(Split(u"1 + 1 = 2 = two"), Pair(u"1 + 1", u"2 = two"));
    EXPECT_EQ(Split(u"1 + 1 = 2 = two", true), Pair(u"2 = two", u"1 + 1"));
    EXPECT_EQ(Split(u"\t\u3000cue\r =\v answer \r\u00A0"), Pair(u"cue", u"answer"));
    EXPECT_EQ(Split(u"a==b"), Pair(u"a", u"=b"));
    for (const std::u16string_view line :
         {u"Vocabulary, chapter 3", u"= nothing", u"nothing =", u"  =  ", u"    ", u""}) {
        EXPECT_EQ(std::pair(Split(line), Split(line, true)), std::pair(Pair(), Pair()));
    }
}

// Tab lists take the first two fields and skip header lines; quoted fields hold separators,
// quotes and line ends.
TEST_F(RecordReaderTest, DelimitedListsTakeTheFirstTwoFieldsOfEachRecord) {
    EXPECT_EQ(Read(eDialect::Tab,
                   "#separator:tab\n#html:true\n#notetype column:3\nHund\t dog \tnoun\ttag\r\n"
                   "a # b\tnot a header\n"),
              (Records{{u"Hund", u"dog"}, {u"a # b", u"not a header"}}));
    EXPECT_EQ(
        Read(eDialect::Tab, "\"a\tb\"\t\"say \"\"hi\"\"\"\n\"two\nlines\"\tx\t\"third\nfield\"\n"),
        (Records{{u"a b", u"say \"hi\""}, {u"two lines", u"x"}}));
    EXPECT_EQ(
        Read(eDialect::Comma,
             "\"1,5\", \"one and a half\" ,extra\na&amp;b,<br>\n#1,number one\n\"a\r\nb\",c\n"),
        (Records{{u"1,5", u"one and a half"},
                 {u"a&amp;b", u"<br>"},
                 {u"#1", u"number one"},
                 {u"a b", u"c"}}));
}

TEST(HtmlTextTest, TagsGoEntitiesDecodeAndWhiteSpaceCollapses) {
    EXPECT_EQ(HtmlToPlainText(u"der <b>Hund</b><br>the&nbsp;dog"), u"der Hund the dog");
    // Block ends and line breaks separate words, in any letter case.
    EXPECT_EQ(HtmlToPlainText(u"<div>eins</div>zwei</P>drei<BR>vier<Li>f\u00fcnf"),
              u"eins zwei drei vier f\u00fcnf");
    EXPECT_EQ(HtmlToPlainText(u"a &amp; b &lt;c&gt; &quot;d&quot; &#39;e&#x27; &#8211;"),
              u"a & b <c> \"d\" 'e' \u2013");
    // What is no tag or no known reference stays as written.
    EXPECT_EQ(HtmlToPlainText(u"1 < 2 &unknown; &#xD800; &#; & <"),
              u"1 < 2 &unknown; &#xD800; &#; & <");
}

// Each entry with texts in the first two languages is a card. Whatever else a translation
// holds, before or after its text, is passed over; a text is the words of its element,
// markup inside it included, on one line. An entity the reader cannot resolve stays as
// written, and an external one is never read. What is no version 2 document fails and
// says why.
TEST_F(RecordReaderTest, ReadsTheTextsOfEveryEntryOrSaysWhyItCannot) {
    const std::string around =
        "<comment>a comment that is longer than the word itself</comment>"
        "<pronunciation>hʊnt</pronunciation><grade currentgrade=\"3\"/>"
        "<conjugation><tense>Präsens</tense></conjugation>";
    const auto entry = [](const std::string& translation0, const std::string& translation1) {
        return KvtmlDocument("<entry id=\"0\"><translation id=\"0\">" + translation0 +
                             "</translation><translation id=\"1\">" + translation1 +
                             "</translation></entry>");
    };
    const std::string secret = dir.Path("secret.txt").string();
    dir.Write("secret.txt", "do not read me");
    const std::string entities =
        "<entries><entry><translation id=\"0\"><text>a &word; b</text>"
        "</translation><translation id=\"1\"><text>c &xxe; d</text>"
        "</translation></entry></entries></kvtml>";
    const std::string good = KvtmlDocument(KvtmlEntry("eins", "one"));
    std::string laughs = "<!DOCTYPE kvtml [<!ENTITY a0 \"haha\">";
    for (int i = 1; i < 12; ++i) {
        const std::string previous = "&a" + std::to_string(i - 1) + ";";
        laughs += "<!ENTITY a" + std::to_string(i) + " \"" + previous + previous + previous +
                  previous + previous + previous + previous + previous + "\">";
    }
    laughs += "]>" + KvtmlDocument(KvtmlEntry("&a11;", "x")).substr(good.find("<kvtml "));
    const std::tuple<const char*, std::string, Document> cases[] = {
        {"entries in order, languages beyond the second passed over",
         KvtmlDocument(
             KvtmlEntry("der Hund", " the dog ") + KvtmlEntry("a &unknown; b", "c <i>d</i> e") +
             "  <entry id=\"4\">\n   <translation id=\"1\"><text>second</text></translation>\n"
             "   <translation id=\"2\"><text>third</text></translation>\n"
             "   <translation id=\"0\"><text>first</text></translation>\n  </entry>\n"),
         Records{{u"der Hund", u"the dog"}, {u"a &unknown; b", u"c d e"}, {u"first", u"second"}}},
        {"children after the text",
         entry("<text>der Hund</text>" + around, "<text>the dog</text><comment>x</comment>"),
         Records{{u"der Hund", u"the dog"}}},
        {"children before the text",
         entry(around + "<text>der Hund</text>",
               "<falsefriend>x</falsefriend><text>the dog</text>"),
         Records{{u"der Hund", u"the dog"}}},
        {"layout inside a text",
         entry("<text>\n      der\n\t Hund  \n    </text>", "<text> the <i>dog</i>\n</text>"),
         Records{{u"der Hund", u"the dog"}}},
        {"CDATA and character references",
         entry("<text><![CDATA[a < b]]></text>", "<text>&#xE4;&amp;&lt;</text>"),
         Records{{u"a < b", u"ä&<"}}},
        {"declared and external entities",
         "<!DOCTYPE kvtml [<!ENTITY word \"Wort\"><!ENTITY xxe SYSTEM \"" + secret +
             "\">]><kvtml version=\"2.0\">" + entities,
         Records{{u"a Wort b", u"c &xxe; d"}}},
        {"undeclared entities",
         "<!DOCTYPE kvtml SYSTEM \"kvtml2.dtd\"><kvtml version=\"2.0\">" + entities,
         Records{{u"a &word; b", u"c &xxe; d"}}},
        {"cut short", good.substr(0, good.size() - 40), eDocumentFault::NotWellFormed},
        {"a second root", good + "<kvtml/>", eDocumentFault::NotWellFormed},
        {"empty", "", eDocumentFault::NotWellFormed},
        {"no document type", "<kvtml version=\"2.0\"><entries>&nbsp;</entries></kvtml>",
         eDocumentFault::NotWellFormed},
        {"an entity that grows without end", laughs, eDocumentFault::NotWellFormed},
        {"no version", "<kvtml><e><o>eins</o><t>one</t></e></kvtml>", eDocumentFault::NotKvtml2},
        {"version 1", "<kvtml version=\"1.0\"><e><o>eins</o><t>one</t></e></kvtml>",
         eDocumentFault::NotKvtml2},
        {"another root", "<vocabulary version=\"2.0\"/>", eDocumentFault::NotKvtml2},
    };
    for (const auto& [name, bytes, document] : cases) {
        SCOPED_TRACE(name);
        EXPECT_EQ(ReadKvtml(dir.Write("words.kvtml", bytes)), document);
    }
    EXPECT_EQ(ReadKvtml(dir.U16("missing.kvtml")), Document(eDocumentFault::Unreadable));
}
