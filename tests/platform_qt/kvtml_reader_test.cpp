// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/xml/kvtml_reader.h"
#include "tests/support/temp_dir.h"

namespace {

using Pairs = std::vector<std::pair<std::u16string, std::u16string>>;

struct sDocumentRead {
    bool read;
    Pairs entries;
};

// An entry as a flash-card editor writes it: texts in translations 0 and 1, perhaps more.
std::string Entry(int id, std::string_view first, std::string_view second,
                  std::string_view extra = "") {
    std::string entry = "  <entry id=\"" + std::to_string(id) + "\">\n";
    entry += "   <translation id=\"0\">\n    <text>" + std::string(first) + "</text>\n";
    entry += std::string(extra) + "   </translation>\n";
    entry += "   <translation id=\"1\">\n    <text>" + std::string(second) +
             "</text>\n   </translation>\n  </entry>\n";
    return entry;
}

// The layout of a document saved by a vocabulary trainer, header to lessons.
std::string Document(std::string_view entries) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<!DOCTYPE kvtml PUBLIC \"kvtml2.dtd\" \"kvtml2.dtd\">\n"
           "<kvtml version=\"2.0\">\n <information><title>Animals</title></information>\n"
           " <identifiers><identifier id=\"0\"><name>German</name></identifier></identifiers>\n"
           " <entries>\n" +
           std::string(entries) +
           " </entries>\n"
           " <lessons><container><name>Lesson 1</name><entry id=\"0\"/></container></lessons>\n"
           "</kvtml>\n";
}

class KvtmlReaderTest : public ::testing::Test {
protected:
    sDocumentRead Read(std::string_view bytes) {
        sDocumentRead result{false, {}};
        cKvtmlReader reader;
        result.read = reader.ReadEntries(dir.Write("words.kvtml", bytes),
                                         [&result](std::u16string& first, std::u16string& second) {
                                             result.entries.emplace_back(first, second);
                                         });
        return result;
    }

    cTempDir dir;
};

}  // namespace

TEST_F(KvtmlReaderTest, ReadsEveryEntryOfADocumentAndNothingElse) {
    const sDocumentRead read = Read(
        Document(Entry(0, "der Hund", " the dog ", "    <comment>noun</comment>\n") +
                 Entry(1, "M&#228;dchen &amp; Junge", "<![CDATA[girl & <boy>]]>") +
                 Entry(2, "", "empty first") + Entry(5, "a &unknown; b", "c <i>d</i> e") +
                 "  <entry id=\"3\">\n   <translation id=\"0\"><text>alone</text></translation>\n"
                 "  </entry>\n" +
                 "  <entry id=\"4\">\n   <translation id=\"1\"><text>second</text></translation>\n"
                 "   <translation id=\"2\"><text>third</text></translation>\n"
                 "   <translation id=\"0\"><text>first</text></translation>\n  </entry>\n"));
    EXPECT_TRUE(read.read);
    EXPECT_EQ(read.entries, (Pairs{{u"der Hund", u"the dog"},
                                   {u"Mädchen & Junge", u"girl & <boy>"},
                                   {u"", u"empty first"},
                                   {u"a &unknown; b", u"c d e"},
                                   {u"alone", u""},
                                   {u"first", u"second"}}));
}

TEST_F(KvtmlReaderTest, WhatIsNoWellFormedDocumentFails) {
    const std::string good = Document(Entry(0, "eins", "one") + Entry(1, "zwei", "two"));
    for (const std::string& bytes : {
             good.substr(0, good.size() - 40),                            // cut short
             Document(Entry(0, "eins", "one") + "<entry><b></entry>"),    // tags crossed
             good + "<kvtml/>",                                           // a second root
             std::string("<kvtml><e><o>eins</o><t>one</t></e></kvtml>"),  // the older version
             std::string("<vocabulary version=\"2.0\"/>"),
             std::string("Hund = dog\n"),
             std::string(),
         }) {
        EXPECT_FALSE(Read(bytes).read) << testing::PrintToString(bytes);
    }
    cKvtmlReader reader;
    EXPECT_FALSE(reader.ReadEntries(dir.U16("missing.kvtml"), [](auto&, auto&) {}));
    EXPECT_TRUE(Read(good).read);
}
