// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "cuefiles/kvtml_reader.h"
#include "tests/support/temp_dir.h"

namespace {

using Pairs = std::vector<std::pair<std::u16string, std::u16string>>;

class KvtmlReaderTest : public ::testing::Test {
protected:
    // The entries of the document, nothing when it cannot be read.
    std::optional<Pairs> Read(std::string_view bytes) {
        Pairs entries;
        cKvtmlReader reader([&entries](std::u16string& first, std::u16string& second) {
            entries.emplace_back(first, second);
        });
        const bool read = reader.ReadFile(dir.Write("words.kvtml", bytes));
        fault = reader.GetFault();
        return read ? std::optional(entries) : std::nullopt;
    }

    eDocumentFault fault = eDocumentFault::None;

    cTempDir dir;
};

}  // namespace

// Each entry with texts in the first two languages is a card. Whatever else a translation
// holds, before or after its text, is passed over; a text is the words of its element,
// markup inside it included, on one line. An entity the reader cannot resolve stays as
// written, and an external one is never read.
TEST_F(KvtmlReaderTest, ReadsTheTextsOfEveryEntryAndNothingElse) {
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
    const struct {
        const char* name;
        std::string bytes;
        Pairs entries;
    } cases[] = {
        {"entries in order, languages beyond the second passed over",
         KvtmlDocument(
             KvtmlEntry("der Hund", " the dog ") + KvtmlEntry("a &unknown; b", "c <i>d</i> e") +
             "  <entry id=\"4\">\n   <translation id=\"1\"><text>second</text></translation>\n"
             "   <translation id=\"2\"><text>third</text></translation>\n"
             "   <translation id=\"0\"><text>first</text></translation>\n  </entry>\n"),
         {{u"der Hund", u"the dog"}, {u"a &unknown; b", u"c d e"}, {u"first", u"second"}}},
        {"children after the text",
         entry("<text>der Hund</text>" + around, "<text>the dog</text><comment>x</comment>"),
         {{u"der Hund", u"the dog"}}},
        {"children before the text",
         entry(around + "<text>der Hund</text>",
               "<falsefriend>x</falsefriend><text>the dog</text>"),
         {{u"der Hund", u"the dog"}}},
        {"layout inside a text",
         entry("<text>\n      der\n\t Hund  \n    </text>", "<text> the <i>dog</i>\n</text>"),
         {{u"der Hund", u"the dog"}}},
        {"CDATA and character references",
         entry("<text><![CDATA[a < b]]></text>", "<text>&#xE4;&amp;&lt;</text>"),
         {{u"a < b", u"ä&<"}}},
        {"declared and external entities",
         "<!DOCTYPE kvtml [<!ENTITY word \"Wort\"><!ENTITY xxe SYSTEM \"" + secret +
             "\">]><kvtml version=\"2.0\">" + entities,
         {{u"a Wort b", u"c &xxe; d"}}},
        {"undeclared entities",
         "<!DOCTYPE kvtml SYSTEM \"kvtml2.dtd\"><kvtml version=\"2.0\">" + entities,
         {{u"a &word; b", u"c &xxe; d"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Read(c.bytes), c.entries);
    }
}

TEST_F(KvtmlReaderTest, WhatIsNoVersion2DocumentFailsAndSaysWhy) {
    const std::string good = KvtmlDocument(KvtmlEntry("eins", "one"));
    std::string laughs = "<!DOCTYPE kvtml [<!ENTITY a0 \"haha\">";
    for (int i = 1; i < 12; ++i) {
        const std::string previous = "&a" + std::to_string(i - 1) + ";";
        laughs += "<!ENTITY a" + std::to_string(i) + " \"" + previous + previous + previous +
                  previous + previous + previous + previous + previous + "\">";
    }
    laughs += "]>" + KvtmlDocument(KvtmlEntry("&a11;", "x")).substr(good.find("<kvtml "));
    const std::pair<std::string, eDocumentFault> cases[] = {
        {good.substr(0, good.size() - 40), eDocumentFault::NotWellFormed},  // cut short
        {good + "<kvtml/>", eDocumentFault::NotWellFormed},                 // a second root
        {"", eDocumentFault::NotWellFormed},
        {"<kvtml version=\"2.0\"><entries>&nbsp;</entries></kvtml>",  // no document type
         eDocumentFault::NotWellFormed},
        {laughs, eDocumentFault::NotWellFormed},  // an entity that grows without end
        {"<kvtml><e><o>eins</o><t>one</t></e></kvtml>", eDocumentFault::NotKvtml2},
        {"<kvtml version=\"1.0\"><e><o>eins</o><t>one</t></e></kvtml>", eDocumentFault::NotKvtml2},
        {"<vocabulary version=\"2.0\"/>", eDocumentFault::NotKvtml2},
    };
    for (const auto& [bytes, why] : cases) {
        SCOPED_TRACE(bytes.substr(0, 60));
        EXPECT_EQ(Read(bytes), std::nullopt);
        EXPECT_EQ(fault, why);
    }
    cKvtmlReader reader([](std::u16string&, std::u16string&) {});
    EXPECT_FALSE(reader.ReadFile(dir.U16("missing.kvtml")));
    EXPECT_EQ(reader.GetFault(), eDocumentFault::Unreadable);
}
